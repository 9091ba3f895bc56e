<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Password di amministratore</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere ha bisogno dei diritti di amministratore per preparare l&apos;unità.
Inserisci la password di amministratore:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>Informazioni su Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere masterizza immagini ISO su unità USB e dischi, ne estrae il contenuto, crea nuove immagini da file e cartelle, modifica immagini esistenti e copia dischi in file immagine.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Gli sviluppatori di Quillmere. Tutti i diritti riservati.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Visita il sito ufficiale: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Non è stato possibile avviare un browser web. Il sito si trova all’indirizzo %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Masterizza</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Immagine ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Crea un DVD/CD avviabile</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Scegli il disco di destinazione e fai clic su MASTERIZZA</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Crea un’unità USB avviabile</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Scegli l’unità USB di destinazione e fai clic su MASTERIZZA</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partizioni</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etichetta volume</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (avvio BIOS/CSM)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (necessario per UEFI)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Masterizzazione del disco...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Masterizzazione del disco</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Il disco è stato masterizzato.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Masterizzazione non riuscita! Prova così:
1. Masterizza di nuovo.
2. Usa un’altra unità USB o un altro DVD.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formattazione dell’unità USB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Masterizzazione completata.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Collega l’unità USB al computer.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>L’unità USB verrà formattata e tutti i dati saranno eliminati! Vuoi continuare?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Spazio insufficiente: usa un’unità USB o un CD/DVD più capiente.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Verifica dell’unità USB</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 non è più l’unità elencata. Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>Rendo avviabile l’unità USB...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formattazione dell’unità USB</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>Il nuovo volume %1 non è stato montato.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Smontaggio dell’unità USB</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Rendere avviabile l’unità USB</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>Il volume non è stato rimontato in %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Scrittura della configurazione di avvio</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Scrittura dell’unità USB...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Copia del contenuto dell’immagine</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Elaborazione del file wim oltre 4 GB...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Suddivisione di install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Inserisci il nome:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>Impossibile avviare lo strumento di archiviazione 7z (%1), quindi non è stato estratto nulla. Verifica che il programma 7z si trovi nella cartella «7z» dell’applicazione, poi ripeti l’estrazione.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>Lo strumento di archiviazione 7z si è interrotto inaspettatamente durante l’estrazione da %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>L’estrazione da %1 non è riuscita.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>Lo strumento di archiviazione ha segnalato: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>Lo strumento di archiviazione è terminato con il codice di uscita %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Verifica che la cartella di destinazione sia scrivibile e abbia spazio libero sufficiente, poi ripeti l’estrazione.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>Ciò che è stato estratto si trova in %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>Lo strumento di archiviazione non ha estratto: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>Questi elementi non sono stati inseriti in %1 perché lì un elemento di tipo diverso (un file invece di una cartella o una cartella invece di un file) ha lo stesso nome: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Le loro copie estratte si trovano in %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>Impossibile avviare lo strumento di archiviazione 7z (%1): l’immagine %2 non è stata letta. Verifica che 7z si trovi nella cartella «7z» dell’applicazione, poi ricarica l’immagine.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>Lo strumento di archiviazione 7z si è interrotto inaspettatamente durante la lettura di %1. Ricarica l’immagine; se succede di nuovo, il file potrebbe essere danneggiato.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>Impossibile leggere il file %1 come immagine disco.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Scegli un file immagine ISO completo e leggibile, poi caricalo di nuovo.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(e %n altro)</numerusform>
            <numerusform>(e altri %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Estrai</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Seleziona i file o le cartelle da estrarre.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>Non è possibile estrarre nulla in %1: lì non si può creare una cartella (%2). Scegli una cartella scrivibile, poi estrai di nuovo.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Estrazione dei file...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Estrazione dei file: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copia dei file in corso! Attendi qualche secondo..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>File estratti correttamente.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Carica ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Dimensione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Estrai ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Estrai direttamente qualsiasi contenuto da un file immagine ISO e salvalo sul tuo computer.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>L&apos;elenco delle voci da estrarre non può essere scritto in %1 (%2), quindi non è stato estratto nulla.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>Queste voci non sono state estratte perché i loro nomi nell&apos;immagine non possono essere nomi di file nella cartella di destinazione (come &quot;..&quot;, un nome che contiene &quot;/&quot; o un nome che non è testo leggibile): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e altri %2</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>I tuoi file con gli stessi nomi sono stati mantenuti: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>+ File...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>+ Cartella...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Crea ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Dimensione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Aggiungi &amp;file</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Aggiungi &amp;cartelle</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Backup di file e cartelle</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Tipo di backup:</translation>
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
        <translation>Dimensione massima: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Dimensione totale: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Dimensione totale: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Aggiungi prima file o cartelle!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Seleziona un tipo.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>La raccolta contiene un file di 4 GB o più, che un’immagine ISO9660 non può contenere. Scegli UDF ISO come tipo di backup oppure rimuovi il file.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>Impossibile creare la cartella di lavoro in %1. Verifica che la cartella sia scrivibile e che il disco abbia spazio libero, poi riapri la pagina.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Copia di file e cartelle in corso...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>Creazione del file ISO in corso...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO creata correttamente!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>Impossibile avviare mkisofs (%1). Verifica che il programma sia installato accanto a Quillmere.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>Impossibile creare l’immagine ISO.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Verifica che la cartella di destinazione sia scrivibile e abbia spazio libero sufficiente, poi riprova.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(e %n altro)</numerusform>
            <numerusform>(e altri %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows mostra nomi di al massimo %1 caratteri; questi verranno accorciati: %2. Creare comunque l’immagine?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>L&apos;immagine ISO non è stata creata: non è stato possibile copiare completamente la raccolta.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>Impossibile elencare il contenuto dell’immagine «%1»: %2 Verifica che sia un’immagine ISO.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>lo strumento di archiviazione non ha indicato il motivo.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>Impossibile decomprimere completamente l’immagine (%1). Salvandola ora mancherebbero dei file; ricarica l’immagine o controlla lo spazio libero su disco.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>lo strumento di archiviazione ha segnalato un errore</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Carica ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Dimensione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>Il percorso dell’elemento «%1» esce dalla cartella dell’immagine, quindi non può essere modificato né copiato. Ricarica l’immagine o scegli altri elementi.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Estrazione dell’ISO in corso...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copia di file e cartelle in corso...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Seleziona prima file o cartelle nell’elenco.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Esportazione completata!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Seleziona prima una riga dell’elenco.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>«%1» non può essere usato come nome: un nome non può contenere «/» o «\» e non può essere «.» o «..». Digita un altro nome.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>Questa cartella contiene già un elemento chiamato «%1». Digita un altro nome.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Aggiungi prima file o cartelle!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>L’immagine non è stata decompressa completamente, quindi a una copia salvata mancherebbero dei file. Ricarica l’immagine.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>L’immagine caricata è ancora in fase di decompressione e non può ancora essere sovrascritta. Scegli un altro nome di file.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Salvataggio del file ISO in corso...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>Impossibile salvare il file ISO: %1 Controlla lo spazio libero su disco e i file che hai aggiunto.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs è terminato senza completare l’immagine.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>File ISO salvato correttamente!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>L’immagine non è stata decompressa completamente, quindi i file esportati potrebbero mancare o essere incompleti. Ricarica l’immagine.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>Le modifiche a «%1» non sono ancora salvate. Salvarle prima di continuare?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>«%1» avvia l’immagine sui computer BIOS e UEFI: senza di esso l’immagine salvata non si avvierà su di essi. Eliminarlo comunque?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>«%1» avvia l’immagine sui computer UEFI: senza di esso l’immagine salvata non si avvierà su di essi. Eliminarlo comunque?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>«%1» avvia l’immagine sui computer BIOS e da CD o DVD: senza di esso l’immagine salvata non si avvierà lì. Eliminarlo comunque?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Carica prima un’immagine ISO: Salva scrive una nuova immagine di quella caricata.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>Impossibile salvare il file ISO: non è stato possibile scrivere il record di avvio che lo avvia da una chiavetta USB (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid è terminato senza scriverlo</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>L&apos;esportazione non è stata completata.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>Il file ISO non è stato salvato: non è stato possibile applicare una modifica ai file dell&apos;immagine.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Elimina quell&apos;elemento e aggiungilo di nuovo, oppure carica di nuovo l&apos;immagine.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>Il nome di &quot;%1&quot; nell&apos;immagine non è un nome che questo computer può dare a un file, quindi questa voce non può essere modificata né copiata; l&apos;immagine salvata la mantiene così com&apos;è.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; potrà essere modificato quando l&apos;immagine sarà stata decompressa. Attendi la fine della decompressione, poi riprova.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Crea immagine da disco</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Seleziona un’unità CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato di uscita:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>Formato ISO</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>Impossibile espellere il disco:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Seleziona un’unità CD/DVD.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Scegli il file ISO da salvare.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>Nessun disco è montato nell’unità %1. Inserisci un disco, attendi che il sistema lo monti e riprova.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>Impossibile scrivere l’immagine nella cartella %1 (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Inizio lettura...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil è terminato senza scrivere l’immagine.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>Impossibile salvare l’immagine come %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>Impossibile copiare il disco:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD copiato correttamente!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>Impossibile avviare hdiutil (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil è terminato in modo imprevisto.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil è terminato con lo stato di uscita %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>&quot;%1&quot; non esiste più.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Impossibile leggere &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Impossibile creare la cartella &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Esiste già un elemento chiamato &quot;%1&quot;, che è stato lasciato così com&apos;è.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>Impossibile rimuovere &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>Impossibile rinominare &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Impossibile scrivere &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Anche altri elementi non sono riusciti.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Questo nome non può essere il nome di un file su questo computer, quindi questa voce non viene mai estratta, rinominata o eliminata.</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Masterizza</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Crea un’unità USB o un DVD/CD avviabile da un’ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Estrai</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Estrai il contenuto da un’ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Crea un’ISO da file o cartelle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Aggiungi, elimina, rinomina 
 il contenuto di un file ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Copia disco</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Crea un file ISO 
 da un disco CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Esci</translation>
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
        <translation>Il file %1 non esiste. Scegli un’immagine ISO con «Carica ISO».</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Non è stato possibile avviare un browser web. La guida si trova all’indirizzo %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Trascina prima l’icona nella cartella Applicazioni!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Tutti i file(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>La cartella di destinazione contiene già «%1». Sostituirlo con il file dell’immagine?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Applica a tutti</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
