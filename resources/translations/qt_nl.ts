<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Beheerderswachtwoord</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere heeft beheerdersrechten nodig om het station voor te bereiden.
Voer het beheerderswachtwoord in:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>Over Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere brandt ISO-images op USB-sticks en schijven, pakt de inhoud ervan uit, maakt nieuwe images van bestanden en mappen, bewerkt bestaande images en kopieert schijven naar imagebestanden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 De ontwikkelaars van Quillmere. Alle rechten voorbehouden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Bezoek de officiële website: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Er kon geen webbrowser worden gestart. De website staat op %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Branden</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO-image:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Een opstartbare dvd/cd maken</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Kies de doelschijf en klik op BRANDEN</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Een opstartbare USB maken</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Kies de doel-USB en klik op BRANDEN</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partitiestijl</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Bestandssysteem</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Volumelabel</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (voor BIOS/CSM-opstart)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (nodig voor UEFI)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Schijf wordt gebrand...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Branden van de schijf</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>De schijf is gebrand.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Branden mislukt! Doe het volgende:
1. Probeer opnieuw te branden.
2. Gebruik een andere USB-stick of dvd.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>USB-stick wordt geformatteerd...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Branden gelukt.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Sluit uw USB-stick aan op de computer.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>De USB-stick wordt geformatteerd en alle gegevens erop worden gewist! Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Onvoldoende ruimte: gebruik een grotere USB-stick of cd/dvd.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Controle van de USB-stick</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 is niet meer de schijf uit de lijst. Er is niets gewist.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>USB-stick wordt opstartbaar gemaakt...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formatteren van de USB-stick</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>Het nieuwe volume %1 is niet gekoppeld.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Ontkoppelen van de USB-stick</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Opstartbaar maken van de USB-stick</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>Het volume is niet opnieuw gekoppeld op %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Schrijven van de opstartconfiguratie</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>USB-stick wordt beschreven...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Kopiëren van de inhoud van de image</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Wim-bestand groter dan 4 GB wordt verwerkt...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Splitsen van install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Voer de naam in:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>Het archiefprogramma 7z kon niet worden gestart (%1), dus er is niets uitgepakt. Controleer of het programma 7z in de map ‘7z’ van de app staat, en pak daarna opnieuw uit.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>Het archiefprogramma 7z is onverwacht gestopt tijdens het uitpakken uit %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>Uitpakken uit %1 is niet gelukt.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>Het archiefprogramma meldde: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>Het archiefprogramma is gestopt met afsluitcode %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Controleer of je naar de doelmap kunt schrijven en of die genoeg vrije ruimte heeft, en pak daarna opnieuw uit.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>Wat al is uitgepakt, staat in %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>Het archiefprogramma heeft niet uitgepakt: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>Deze items konden niet in %1 worden gezet, omdat daar een item van een andere soort (een bestand in plaats van een map, of andersom) dezelfde naam heeft: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Hun uitgepakte kopieën staan in %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>Het archiefprogramma 7z kon niet worden gestart (%1), dus het image %2 is niet gelezen. Controleer of 7z in de map ‘7z’ van de app staat en laad het image opnieuw.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>Het archiefprogramma 7z is onverwacht gestopt tijdens het lezen van %1. Laad het image opnieuw; als dit weer gebeurt, is het bestand mogelijk beschadigd.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>Het bestand %1 kon niet als schijfimage worden gelezen.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Kies een volledig en leesbaar ISO-imagebestand en laad het daarna opnieuw.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(en nog %n)</numerusform>
            <numerusform>(en nog %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Uitpakken</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Selecteer de bestanden of mappen die u wilt uitpakken.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>Er kan niets worden uitgepakt naar %1: daar kan geen map worden gemaakt (%2). Kies een map waarin u kunt schrijven en pak opnieuw uit.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Bestanden uitpakken...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Bestanden uitpakken: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Bestanden kopiëren! Een ogenblik geduld..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Bestanden zijn uitgepakt.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO laden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Uitpakken</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO uitpakken</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Pak alles rechtstreeks uit een ISO-imagebestand uit naar uw computer.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>De lijst met uit te pakken items kan niet naar %1 worden geschreven (%2), dus er is niets uitgepakt.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>Deze items zijn niet uitgepakt, omdat hun namen in de image geen bestandsnamen in de doelmap kunnen zijn (zoals &quot;..&quot;, een naam met &quot;/&quot; of een naam die geen leesbare tekst is): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Uw bestanden met dezelfde namen zijn behouden: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>+ Bestanden...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>+ Map...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>ISO maken</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>&amp;Bestanden toevoegen</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>&amp;Mappen toevoegen</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Back-up van bestanden en mappen</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Back-uptype:</translation>
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
        <translation>Max. grootte: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Totale grootte: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Totale grootte: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Voeg eerst bestanden of mappen toe!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Kies een type.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>De verzameling bevat een bestand van 4 GB of groter, dat niet in een ISO9660-image past. Kies UDF ISO als back-uptype of verwijder dat bestand.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>De werkmap in %1 kon niet worden gemaakt. Controleer of je naar deze map kunt schrijven en of de schijf vrije ruimte heeft, en open de pagina daarna opnieuw.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Bestanden en mappen kopiëren...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>ISO-bestand maken...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO is gemaakt!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>mkisofs kon niet worden gestart (%1). Controleer of het programma naast Quillmere is geïnstalleerd.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>Het ISO-image kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Controleer of je naar de uitvoermap kunt schrijven en of die genoeg vrije ruimte heeft, en probeer het daarna opnieuw.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(en nog %n)</numerusform>
            <numerusform>(en nog %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows toont namen van hoogstens %1 tekens; deze worden daar ingekort: %2. Het image toch maken?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>Het ISO-image is niet gemaakt: de verzameling kon niet volledig worden gekopieerd.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>De inhoud van het image ‘%1’ kon niet worden weergegeven: %2 Controleer of het een ISO-image is.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>het archiefprogramma gaf geen reden.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>Het image kon niet volledig worden uitgepakt (%1). Als je het nu opslaat, ontbreken er bestanden; laad het image opnieuw of controleer de vrije schijfruimte.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>het archiefprogramma meldde een fout</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Hernoemen</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO laden</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>Het pad van het item ‘%1’ leidt buiten de map van het image, dus het kan niet worden gewijzigd of gekopieerd. Laad het image opnieuw of kies andere items.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO uitpakken...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Bestanden en mappen kopiëren...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Selecteer eerst bestanden of mappen in de lijst.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exporteren gelukt!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Selecteer eerst een rij in de lijst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>‘%1’ kan niet als naam worden gebruikt: een naam mag geen ‘/’ of ‘\’ bevatten en mag niet ‘.’ of ‘..’ zijn. Typ een andere naam.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>Deze map bevat al een item met de naam ‘%1’. Typ een andere naam.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Voeg eerst bestanden of mappen toe!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>Het image is niet volledig uitgepakt, dus een opgeslagen kopie zou bestanden missen. Laad het image opnieuw.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>Het geladen image wordt nog uitgepakt en kan nog niet worden overschreven. Kies een andere bestandsnaam.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>ISO-bestand opslaan...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>Het ISO-bestand kon niet worden opgeslagen: %1 Controleer de vrije schijfruimte en de bestanden die je hebt toegevoegd.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs is gestopt zonder het image af te maken.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO-bestand is opgeslagen!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>Het image is niet volledig uitgepakt, dus geëxporteerde bestanden kunnen ontbreken of onvolledig zijn. Laad het image opnieuw.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>De wijzigingen in ‘%1’ zijn nog niet opgeslagen. Eerst opslaan?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>‘%1’ start het image op BIOS- en UEFI-computers: zonder dit start het opgeslagen image daar niet. Toch verwijderen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>‘%1’ start het image op UEFI-computers: zonder dit start het opgeslagen image daar niet. Toch verwijderen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>‘%1’ start het image op BIOS-computers en vanaf een cd of dvd: zonder dit start het opgeslagen image daar niet. Toch verwijderen?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Laad eerst een ISO-image: Opslaan schrijft een nieuw image van het geladen image.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>Het ISO-bestand kon niet worden opgeslagen: het opstartrecord waarmee het vanaf een USB-stick start, kon niet worden geschreven (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid stopte zonder het te schrijven</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>De export is niet voltooid.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>Het ISO-bestand is niet opgeslagen: een wijziging kon niet in de bestanden van het image worden aangebracht.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Verwijder dat item en voeg het opnieuw toe, of laad het image opnieuw.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>De naam van &quot;%1&quot; in de image is geen naam die deze computer aan een bestand kan geven, dus dit item kan niet worden gewijzigd of gekopieerd; de opgeslagen image houdt het zoals het is.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; kan worden gewijzigd zodra de image is uitgepakt. Wacht tot het uitpakken klaar is en probeer het dan opnieuw.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Image van schijf maken</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Kies een cd/dvd-station:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Uitvoerformaat:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>ISO-formaat</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>De schijf kon niet worden uitgeworpen:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Kies een cd/dvd-station.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Kies het ISO-bestand om op te slaan.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>In station %1 is geen schijf aangekoppeld. Plaats een schijf, wacht tot het systeem die heeft aangekoppeld en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>Het image kan niet in de map %1 worden geschreven (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Lezen begint...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil is gestopt zonder het image te schrijven.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>Het image kon niet worden opgeslagen als %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>De schijf kon niet worden gekopieerd:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>De cd/dvd is gekopieerd!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>hdiutil kon niet worden gestart (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil is gestopt met afsluitstatus %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>&quot;%1&quot; bestaat niet meer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>&quot;%1&quot; kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>De map &quot;%1&quot; kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Er bestaat al iets met de naam &quot;%1&quot;; dat is gelaten zoals het was.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>&quot;%1&quot; kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>&quot;%1&quot; kon niet worden hernoemd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>&quot;%1&quot; kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Ook andere items zijn mislukt.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Deze naam kan op deze computer geen bestandsnaam zijn, dus dit item wordt nooit uitgepakt, hernoemd of verwijderd.</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Branden</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Maak een opstartbare USB of dvd/cd van een ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Uitpakken</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Inhoud uit een ISO uitpakken</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>ISO van bestanden of mappen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Toevoegen, verwijderen, 
 hernoemen in een ISO-bestand</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Schijf kopiëren</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Maak een ISO-bestand 
 van een cd/dvd</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Afsluiten</translation>
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
        <translation>Het bestand %1 bestaat niet. Kies een ISO-image met ‘ISO laden’.</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Er kon geen webbrowser worden gestart. De help staat op %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Sleep het symbool eerst naar de map Apps!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Bestanden openen</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Alle bestanden(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map kiezen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>De doelmap bevat al ‘%1’. Wilt u het vervangen door het bestand uit de image?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Op alles toepassen</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Niet opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
