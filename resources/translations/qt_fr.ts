<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Mot de passe administrateur</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere a besoin des droits d&apos;administrateur pour préparer le lecteur.
Saisissez le mot de passe administrateur :</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>À propos de Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere grave des images ISO sur des clés USB et des disques, en extrait le contenu, crée de nouvelles images à partir de fichiers et de dossiers, modifie des images existantes et copie des disques dans des fichiers image.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Les développeurs de Quillmere. Tous droits réservés.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Visitez le site officiel&#xa0;: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Aucun navigateur web n’a pu être lancé. Le site se trouve à l’adresse %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Graver</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Image ISO :</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Créer un DVD/CD amorçable</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Choisissez le disque cible, puis cliquez sur GRAVER</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Créer une clé USB amorçable</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Choisissez la clé USB cible, puis cliquez sur GRAVER</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partitions</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Nom du volume</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (démarrage BIOS/CSM)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (requis pour l’UEFI)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Gravure du disque...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Gravure du disque</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Le disque a été gravé.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Échec de la gravure ! Essayez ceci :
1. Gravez à nouveau.
2. Utilisez une autre clé USB ou un autre DVD.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formatage de la clé USB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Gravure réussie.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Branchez votre clé USB sur l’ordinateur.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>La clé USB va être formatée et toutes ses données seront effacées ! Continuer ?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espace insuffisant : utilisez une clé USB ou un CD/DVD plus grand.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Vérification de la clé USB</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 n’est plus le disque proposé dans la liste. Rien n’a été effacé.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>Rendre la clé USB amorçable...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formatage de la clé USB</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>Le nouveau volume %1 n’a pas été monté.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Démontage de la clé USB</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Rendre la clé USB amorçable</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>Le volume n’a pas été remonté sur %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Écriture de la configuration de démarrage</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Gravure de la clé USB...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Copie du contenu de l’image</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Traitement du fichier wim de plus de 4 Go...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Découpage de install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Saisissez le nom&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>Impossible de lancer l’outil d’archivage 7z (%1), rien n’a donc été extrait. Vérifiez que le programme 7z se trouve dans le dossier «&#xa0;7z&#xa0;» de l’application, puis relancez l’extraction.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>L’outil d’archivage 7z s’est arrêté de façon inattendue pendant l’extraction depuis %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>L’extraction depuis %1 a échoué.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>L’outil d’archivage a signalé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>L’outil d’archivage s’est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Vérifiez que le dossier de destination est accessible en écriture et dispose de suffisamment d’espace libre, puis relancez l’extraction.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>Ce qui a été extrait se trouve dans %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>L’outil d’archivage n’a pas extrait&#xa0;: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>Ces éléments n’ont pas pu être placés dans %1, car un élément d’un autre type (un fichier au lieu d’un dossier, ou un dossier au lieu d’un fichier) y porte le même nom&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Leurs copies extraites se trouvent dans %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>Impossible de lancer l’outil d’archivage 7z (%1), l’image %2 n’a pas pu être lue. Vérifiez que 7z se trouve dans le dossier «&#xa0;7z&#xa0;» de l’application, puis rechargez l’image.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>L’outil d’archivage 7z s’est arrêté de façon inattendue pendant la lecture de %1. Rechargez l’image&#xa0;; si le problème se reproduit, le fichier est peut-être endommagé.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>Le fichier %1 n’a pas pu être lu comme image disque.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Choisissez un fichier image ISO complet et lisible, puis chargez-le à nouveau.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(et %n autre)</numerusform>
            <numerusform>(et %n autres)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Veuillez sélectionner les fichiers ou dossiers à extraire.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>Rien ne peut être extrait dans %1 : impossible d’y créer un dossier (%2). Choisissez un dossier accessible en écriture, puis relancez l’extraction.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extraction des fichiers...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extraction des fichiers : </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copie des fichiers ! Veuillez patienter quelques secondes..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Fichiers extraits avec succès.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Charger ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Extraction ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extrayez directement tout le contenu d’un fichier image ISO vers votre ordinateur.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>La liste des entrées à extraire ne peut pas être écrite dans %1 (%2) ; rien n&apos;a donc été extrait.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>Ces entrées n&apos;ont pas été extraites, car leurs noms dans l&apos;image ne peuvent pas être des noms de fichiers dans le dossier de destination (par exemple &quot;..&quot;, un nom contenant &quot;/&quot; ou un nom qui n&apos;est pas du texte lisible) : %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Vos fichiers portant les mêmes noms ont été conservés : %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>+ Fichiers...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>+ Dossier...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Créer l’ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Ajouter des &amp;fichiers</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Ajouter des &amp;dossiers</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Sauvegarde de fichiers et dossiers</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Type de sauvegarde&#xa0;:</translation>
    </message>
    <message>
        <source>ISO9660 Jolet</source>
        <translation>ISO9660 Joliet</translation>
    </message>
    <message>
        <source>ISO9660</source>
        <translation>ISO9660</translation>
    </message>
    <message>
        <source>UDF ISO</source>
        <translation>UDF ISO</translation>
    </message>
    <message>
        <source>Max Size : 5 GB</source>
        <translation>Taille max.&#xa0;: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Taille totale&#xa0;: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Taille totale&#xa0;: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Veuillez d’abord ajouter des fichiers ou des dossiers&#xa0;!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Veuillez choisir un type.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>La collection contient un fichier de 4 Go ou plus, qu’une image ISO9660 ne peut pas contenir. Choisissez UDF ISO comme type de sauvegarde ou retirez ce fichier.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>Impossible de créer le dossier de travail dans %1. Vérifiez que ce dossier est accessible en écriture et que le disque a de l’espace libre, puis rouvrez la page.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Copie des fichiers et dossiers...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>Création du fichier ISO...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO créée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>Impossible de lancer mkisofs (%1). Vérifiez que le programme est installé à côté de Quillmere.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>L’image ISO n’a pas pu être créée.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Vérifiez que le dossier de destination est accessible en écriture et dispose de suffisamment d’espace libre, puis réessayez.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(et %n autre)</numerusform>
            <numerusform>(et %n autres)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows affiche des noms d’au plus %1 caractères ; ceux-ci y seront raccourcis : %2. Créer l’image quand même ?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>L&apos;image ISO n&apos;a pas été créée : la collection n&apos;a pas pu être copiée entièrement.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>Le contenu de l’image «&#xa0;%1&#xa0;» n’a pas pu être listé&#xa0;: %2 Vérifiez qu’il s’agit bien d’une image ISO.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>l’outil d’archivage n’a donné aucune raison.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>L’image n’a pas pu être entièrement décompressée (%1). L’enregistrer maintenant omettrait des fichiers&#xa0;; rechargez l’image ou vérifiez l’espace disque libre.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>l’outil d’archivage a signalé une erreur</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Charger ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>Le chemin de l’élément «&#xa0;%1&#xa0;» sort du dossier de l’image&#xa0;: il ne peut être ni modifié ni copié. Rechargez l’image ou choisissez d’autres éléments.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraction de l’ISO...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copie des fichiers et dossiers...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Veuillez d’abord sélectionner des fichiers ou dossiers dans la liste.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exportation réussie&#xa0;!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Veuillez d’abord sélectionner une ligne de la liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom&#xa0;: un nom ne doit contenir ni «&#xa0;/&#xa0;» ni «&#xa0;\&#xa0;» et ne doit pas être «&#xa0;.&#xa0;» ou «&#xa0;..&#xa0;». Saisissez un autre nom.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>Ce dossier contient déjà un élément nommé «&#xa0;%1&#xa0;». Saisissez un autre nom.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Veuillez d’abord ajouter des fichiers ou des dossiers&#xa0;!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>L’image n’a pas été entièrement décompressée, une copie enregistrée serait incomplète. Rechargez l’image.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>L’image chargée est encore en cours de décompression et ne peut pas encore être remplacée. Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Enregistrement du fichier ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>Le fichier ISO n’a pas pu être enregistré&#xa0;: %1 Vérifiez l’espace disque libre et les fichiers que vous avez ajoutés.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs s’est arrêté sans terminer l’image.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Fichier ISO enregistré avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>L’image n’a pas été entièrement décompressée, des fichiers exportés pourraient manquer ou être incomplets. Rechargez l’image.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>Les modifications de « %1 » ne sont pas encore enregistrées. Les enregistrer avant de continuer ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>« %1 » démarre l’image sur les ordinateurs BIOS et UEFI : sans lui, l’image enregistrée n’y démarrera plus. Le supprimer quand même ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>« %1 » démarre l’image sur les ordinateurs UEFI : sans lui, l’image enregistrée n’y démarrera plus. Le supprimer quand même ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>« %1 » démarre l’image sur les ordinateurs BIOS et depuis un CD ou un DVD : sans lui, l’image enregistrée n’y démarrera plus. Le supprimer quand même ?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Veuillez d’abord charger une image ISO : Enregistrer écrit une nouvelle image de celle qui est chargée.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>Le fichier ISO n&apos;a pas pu être enregistré : l&apos;enregistrement d&apos;amorçage qui le démarre depuis une clé USB n&apos;a pas pu être écrit (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid s&apos;est terminé sans l&apos;écrire</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>L&apos;exportation n&apos;est pas terminée.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>Le fichier ISO n&apos;a pas été enregistré : une modification n&apos;a pas pu être appliquée aux fichiers de l&apos;image.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Supprimez cet élément et ajoutez-le à nouveau, ou rechargez l&apos;image.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>Le nom de &quot;%1&quot; dans l&apos;image n&apos;est pas un nom que cet ordinateur peut donner à un fichier ; cette entrée ne peut donc être ni modifiée ni copiée, et l&apos;image enregistrée la garde telle quelle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; pourra être modifié une fois l&apos;image décompressée. Veuillez attendre la fin de la décompression, puis réessayer.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Créer une image à partir d’un disque</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Choisissez un lecteur CD/DVD :</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format de sortie :</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>Format ISO</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>Le disque n’a pas pu être éjecté :
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Veuillez choisir un lecteur CD/DVD.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Veuillez choisir le fichier ISO à enregistrer.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>Aucun disque n’est monté dans le lecteur %1. Insérez un disque, attendez que le système l’ait monté et réessayez.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>Impossible d’écrire l’image dans le dossier %1 (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Début de la lecture...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil s’est terminé sans écrire l’image.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>Impossible d’enregistrer l’image sous %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>Le disque n’a pas pu être copié :
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>Le CD/DVD a été copié avec succès !</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>Impossible de démarrer hdiutil (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil s’est terminé de façon inattendue.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil s’est terminé avec le code de sortie %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Voir le dossier</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>« %1 » n&apos;existe plus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Impossible de lire « %1 ».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Impossible de créer le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Un élément nommé « %1 » existe déjà et a été laissé tel quel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>Impossible de supprimer « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>Impossible de renommer « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Impossible d&apos;écrire « %1 ».</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>D&apos;autres éléments ont également échoué.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Ce nom ne peut pas être un nom de fichier sur cet ordinateur ; cette entrée n&apos;est donc jamais extraite, renommée ni supprimée.</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Graver</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Créer une clé USB ou un DVD/CD amorçable à partir d’une ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extraire le contenu d’une ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>ISO depuis des fichiers ou dossiers</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Ajouter, supprimer, renommer 
 le contenu d’un fichier ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Copier un disque</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Créer un fichier ISO 
 à partir d’un CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>CTRL+E</source>
        <translation>CTRL+E</translation>
    </message>
    <message>
        <source>https://quillmere.app/help</source>
        <translation>https://quillmere.app/help</translation>
    </message>
    <message>
        <source>The file %1 does not exist. Choose an ISO image with Load ISO.</source>
        <translation>Le fichier %1 n’existe pas. Choisissez une image ISO avec «&#xa0;Charger ISO&#xa0;».</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Aucun navigateur web n’a pu être lancé. L’aide se trouve à l’adresse %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Veuillez d’abord faire glisser l’icône dans le dossier Applications&#xa0;!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Tous les fichiers(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>Le dossier de destination contient déjà « %1 ». Le remplacer par le fichier de l’image ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Appliquer à tous</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
