<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Administratörslösenord</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere behöver administratörsrättigheter för att förbereda enheten.
Ange administratörslösenordet:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>Om Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere bränner ISO-avbildningar till USB-enheter och skivor, extraherar deras innehåll, skapar nya avbildningar från filer och mappar, redigerar befintliga avbildningar och kopierar skivor till avbildningsfiler.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Quillmeres utvecklare. Med ensamrätt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Besök den officiella webbplatsen: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Ingen webbläsare kunde startas. Webbplatsen finns på %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Bränn</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO-avbild:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Skapa en startbar dvd/cd</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Välj målskiva och klicka på BRÄNN</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Skapa en startbar USB</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Välj mål-USB och klicka på BRÄNN</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partitionsstil</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Filsystem</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Volymetikett</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (för BIOS/CSM-start)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (krävs för UEFI)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Skivan bränns...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Bränning av skivan</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Skivan har bränts.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Bränningen misslyckades! Gör så här:
1. Försök bränna igen.
2. Byt till en annan USB-enhet eller dvd.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>USB-enheten formateras...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Bränningen lyckades.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Anslut USB-enheten till datorn.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>USB-enheten formateras och all data på den raderas! Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Inte tillräckligt med utrymme: byt till en större USB-enhet eller cd/dvd.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Kontroll av USB-enheten</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 är inte längre enheten i listan. Inget raderades.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>USB-enheten görs startbar...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formatering av USB-enheten</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>Den nya volymen %1 monterades inte.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Avmontering av USB-enheten</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Göra USB-enheten startbar</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>Volymen monterades inte igen på %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Skrivning av startkonfigurationen</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>USB-enheten skrivs...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Kopiering av avbildens innehåll</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Wim-filen större än 4 GB bearbetas...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Delning av install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Ange namnet:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>Arkivverktyget 7z kunde inte startas (%1), så inget extraherades. Kontrollera att programmet 7z ligger i programmets mapp ”7z” och extrahera sedan igen.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>Arkivverktyget 7z avbröts oväntat vid extrahering från %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>Extraheringen från %1 lyckades inte.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>Arkivverktyget rapporterade: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>Arkivverktyget avslutades med slutkod %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Kontrollera att målmappen är skrivbar och har tillräckligt med ledigt utrymme och extrahera sedan igen.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>Det som har extraherats finns kvar i %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>Arkivverktyget extraherade inte: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>De här objekten kunde inte placeras i %1 eftersom ett objekt av annat slag (en fil i stället för en mapp eller en mapp i stället för en fil) har samma namn där: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Deras extraherade kopior finns kvar i %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>Arkivverktyget 7z kunde inte startas (%1), så avbildningen %2 kunde inte läsas. Kontrollera att programmet 7z ligger i programmets mapp ”7z” och läs sedan in avbildningen igen.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>Arkivverktyget 7z avbröts oväntat vid läsning av %1. Läs in avbildningen igen; om det händer igen kan filen vara skadad.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>Filen %1 kunde inte läsas som en skivavbildning.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Välj en ISO-avbildningsfil som är fullständig och läsbar och läs sedan in den igen.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(och %n till)</numerusform>
            <numerusform>(och %n till)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Extrahera</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Välj de filer eller mappar som du vill extrahera.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>Inget kan extraheras till %1: det går inte att skapa en mapp där (%2). Välj en mapp som du kan skriva i och extrahera sedan igen.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extraherar filer...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extraherar filer: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Kopierar filer! Vänta några sekunder..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Filerna har extraherats.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Läs in ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahera</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Storlek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Extrahera ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extrahera allt innehåll direkt från en ISO-avbildningsfil till din dator.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>Listan över poster som ska extraheras kan inte skrivas till %1 (%2), så ingenting extraherades.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>De här posterna extraherades inte, eftersom deras namn i avbilden inte kan vara filnamn i målmappen (till exempel &quot;..&quot;, ett namn som innehåller &quot;/&quot; eller ett namn som inte är läsbar text): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 och %2 till</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Dina filer med samma namn behölls: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>+ Filer...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>+ Mapp...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Skapa ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Storlek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Lägg till &amp;filer</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Lägg till &amp;mappar</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Säkerhetskopiering av filer och mappar</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Typ av kopia:</translation>
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
        <translation>Maxstorlek: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Total storlek: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Total storlek: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Lägg först till filer eller mappar!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Välj en typ.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>Samlingen innehåller en fil på 4 GB eller mer, som en ISO9660-avbildning inte kan rymma. Välj UDF ISO som typ av kopia eller ta bort filen.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>Arbetsmappen under %1 kunde inte skapas. Kontrollera att mappen är skrivbar och att disken har ledigt utrymme och öppna sedan sidan igen.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Kopierar filer och mappar...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>Skapar ISO-fil...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO-filen har skapats!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>mkisofs kunde inte startas (%1). Kontrollera att programmet är installerat bredvid Quillmere.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>ISO-avbildningen kunde inte skapas.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Kontrollera att utdatamappen är skrivbar och har tillräckligt med ledigt utrymme och försök sedan igen.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(och %n till)</numerusform>
            <numerusform>(och %n till)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows visar namn på högst %1 tecken; dessa kortas där: %2. Skapa avbilden ändå?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>ISO-avbilden skapades inte: samlingen kunde inte kopieras helt.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>Innehållet i avbildningen ”%1” kunde inte listas: %2 Kontrollera att det är en ISO-avbildning.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>arkivverktyget angav ingen orsak.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>Avbildningen kunde inte packas upp helt (%1). Om du sparar nu saknas filer; läs in avbildningen igen eller kontrollera det lediga diskutrymmet.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>arkivverktyget rapporterade ett fel</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Byt namn</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Radera</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Läs in ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Storlek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>Sökvägen för objektet ”%1” leder utanför avbildningens mapp, så det kan inte ändras eller kopieras. Läs in avbildningen igen eller välj andra objekt.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraherar ISO...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Kopierar filer och mappar...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Markera först filer eller mappar i listan.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exporten är klar!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Markera först en rad i listan.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>”%1” kan inte användas som namn: ett namn får inte innehålla ”/” eller ”\” och får inte vara ”.” eller ”..”. Skriv ett annat namn.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>Den här mappen innehåller redan ett objekt med namnet ”%1”. Skriv ett annat namn.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Lägg först till filer eller mappar!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>Avbildningen packades inte upp helt, så en sparad kopia skulle sakna filer. Läs in avbildningen igen.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>Den inlästa avbildningen packas fortfarande upp och kan inte skrivas över än. Välj ett annat filnamn.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Sparar ISO-fil...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>ISO-filen kunde inte sparas: %1 Kontrollera det lediga diskutrymmet och filerna du har lagt till.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs avslutades utan att avbildningen blev klar.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO-filen har sparats!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>Avbildningen packades inte upp helt, så exporterade filer kan saknas eller vara ofullständiga. Läs in avbildningen igen.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>Ändringarna i ”%1” är inte sparade än. Spara dem innan du fortsätter?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>”%1” startar avbilden på BIOS- och UEFI-datorer: utan den startar den sparade avbilden inte på dem. Ta bort ändå?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>”%1” startar avbilden på UEFI-datorer: utan den startar den sparade avbilden inte på dem. Ta bort ändå?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>”%1” startar avbilden på BIOS-datorer och från en cd eller dvd: utan den startar den sparade avbilden inte där. Ta bort ändå?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Läs först in en ISO-avbild: Spara skriver en ny avbild av den inlästa.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>ISO-filen kunde inte sparas: startposten som startar den från ett USB-minne kunde inte skrivas (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid avslutades utan att skriva den</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>Exporten slutfördes inte.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>ISO-filen sparades inte: en ändring kunde inte göras i avbildens filer.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Ta bort posten och lägg till den igen, eller läs in avbilden på nytt.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>Namnet på &quot;%1&quot; i avbilden är inte ett namn som den här datorn kan ge en fil, så den här posten kan inte ändras eller kopieras; den sparade avbilden behåller den som den är.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; kan ändras när avbilden har packats upp. Vänta tills uppackningen är klar och försök sedan igen.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Skapa avbild från skiva</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Källa</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Välj en cd/dvd-enhet:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Utdataformat:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>ISO-format</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>Skivan kunde inte matas ut:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Välj en cd/dvd-enhet.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Välj ISO-filen som ska sparas.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>Ingen skiva är monterad i enheten %1. Sätt i en skiva, vänta tills systemet har monterat den och försök igen.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>Avbilden kan inte skrivas till mappen %1 (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Läsningen börjar...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil avslutades utan att skriva avbilden.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>Avbilden kunde inte sparas som %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>Skivan kunde inte kopieras:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>Cd/dvd-skivan har kopierats!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>hdiutil kunde inte startas (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil avslutades oväntat.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil avslutades med status %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Öppna mapp</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>&quot;%1&quot; finns inte längre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>&quot;%1&quot; kunde inte läsas.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Mappen &quot;%1&quot; kunde inte skapas.</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Något med namnet &quot;%1&quot; finns redan och lämnades som det var.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>&quot;%1&quot; kunde inte tas bort.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>&quot;%1&quot; kunde inte byta namn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>&quot;%1&quot; kunde inte skrivas.</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Även andra poster misslyckades.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Det här namnet kan inte vara ett filnamn på den här datorn, så den här posten extraheras aldrig, byter aldrig namn och tas aldrig bort.</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Bränn</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Skapa startbar USB eller dvd/cd från ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahera</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extrahera innehåll från ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Skapa ISO från filer eller mappar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Lägg till, ta bort, byt namn 
 på innehåll i ISO-filer</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Kopiera skiva</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Skapa ISO-fil 
 från cd/dvd-skiva</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Avsluta</translation>
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
        <translation>Filen %1 finns inte. Välj en ISO-avbildning med ”Läs in ISO”.</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Ingen webbläsare kunde startas. Hjälpen finns på %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Dra först symbolen till mappen Program!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Öppna filer</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Alla filer(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Spara fil</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>Målmappen innehåller redan ”%1”. Vill du ersätta den med filen från avbildningen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersätt</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hoppa över</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Tillämpa på alla</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Spara inte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
</TS>
