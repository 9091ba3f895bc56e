<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Administratorpasswort</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere braucht Administratorrechte, um das Laufwerk vorzubereiten.
Geben Sie das Administratorpasswort ein:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>Über Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere brennt ISO-Images auf USB-Sticks und Discs, extrahiert ihren Inhalt, erstellt neue Images aus Dateien und Ordnern, bearbeitet vorhandene Images und kopiert Discs in Image-Dateien.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Die Quillmere-Entwickler. Alle Rechte vorbehalten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Besuchen Sie die offizielle Website: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Website finden Sie unter %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO-Abbild:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Bootfähige DVD/CD erstellen</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Zieldisc wählen und dann auf BRENNEN klicken</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Bootfähigen USB-Stick erstellen</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Ziel-USB-Stick wählen und dann auf BRENNEN klicken</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partitionsstil</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Volumebezeichnung</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (für BIOS-/CSM-Start)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (für UEFI-Start nötig)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Disc wird gebrannt...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Brennen der Disc</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Die Disc wurde gebrannt.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Brennen fehlgeschlagen! So geht es weiter:
1. Erneut brennen.
2. Einen anderen USB-Stick oder eine andere DVD nehmen.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>USB-Stick wird formatiert...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Erfolgreich gebrannt.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Bitte stecken Sie Ihren USB-Stick in den Computer.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Der USB-Stick wird formatiert, alle Daten darauf werden gelöscht! Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Nicht genug Platz: Bitte einen größeren USB-Stick oder eine größere CD/DVD verwenden.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Prüfen des USB-Sticks</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 ist nicht mehr das aufgeführte Laufwerk. Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>USB-Stick wird bootfähig gemacht...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formatieren des USB-Sticks</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>Das neue Volume %1 wurde nicht eingebunden.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Aushängen des USB-Sticks</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Bootfähig machen des USB-Sticks</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>Das Volume wurde nicht wieder unter %1 eingebunden.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Schreiben der Startkonfiguration</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>USB-Stick wird beschrieben...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Kopieren des Abbildinhalts</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>WIM-Datei über 4 GB wird verarbeitet...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Aufteilen von install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Bitte geben Sie den Namen ein:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>Das Archivprogramm 7z ließ sich nicht starten (%1), es wurde nichts extrahiert. Prüfen Sie, ob 7z im Ordner „7z“ der Anwendung liegt, und extrahieren Sie erneut.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>Das Archivprogramm 7z wurde beim Extrahieren aus %1 unerwartet beendet.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>Das Extrahieren aus %1 ist nicht gelungen.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>Das Archivprogramm meldete: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>Das Archivprogramm wurde mit dem Exitcode %1 beendet.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Prüfen Sie, ob der Zielordner beschreibbar ist und genügend freien Speicher hat, und extrahieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>Was bereits extrahiert wurde, liegt in %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>Das Archivprogramm hat nicht extrahiert: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>Diese Einträge konnten nicht nach %1 gelegt werden, weil dort ein Eintrag anderer Art (eine Datei statt eines Ordners oder ein Ordner statt einer Datei) denselben Namen hat: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Ihre extrahierten Kopien liegen in %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>Das Archivprogramm 7z ließ sich nicht starten (%1), das Image %2 wurde nicht gelesen. Prüfen Sie, ob 7z im Ordner „7z“ der Anwendung liegt, und laden Sie das Image erneut.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>Das Archivprogramm 7z wurde beim Lesen von %1 unerwartet beendet. Laden Sie das Image erneut; geschieht das wieder, ist die Datei möglicherweise beschädigt.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>Die Datei %1 konnte nicht als Disc-Image gelesen werden.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Wählen Sie eine vollständige und lesbare ISO-Image-Datei und laden Sie sie dann erneut.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(und %n weiterer)</numerusform>
            <numerusform>(und %n weitere)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Extrahieren</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Bitte wählen Sie die Dateien oder Ordner aus, die Sie extrahieren möchten.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>In %1 kann nichts extrahiert werden: Dort lässt sich kein Ordner anlegen (%2). Wählen Sie einen beschreibbaren Ordner und extrahieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Dateien werden extrahiert...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Dateien werden extrahiert: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Dateien werden kopiert! Bitte warten Sie einige Sekunden..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Dateien erfolgreich extrahiert.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO laden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Größe</translation>
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
        <translation>Dialog</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO extrahieren</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extrahieren Sie beliebige Inhalte direkt aus einer ISO-Image-Datei auf Ihren Computer.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>Die Liste der zu entpackenden Einträge kann nicht nach %1 geschrieben werden (%2); daher wurde nichts entpackt.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>Diese Einträge wurden nicht entpackt, weil ihre Namen im Abbild keine Dateinamen im Zielordner sein können (etwa &quot;..&quot;, ein Name mit &quot;/&quot; oder ein Name, der kein lesbarer Text ist): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Ihre gleichnamigen Dateien wurden behalten: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>+ Dateien...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>+ Ordner...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>ISO erstellen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Größe</translation>
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
        <translation>&amp;Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Datei- und Ordnersicherung</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Sicherungstyp:</translation>
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
        <translation>Maximalgröße: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Gesamtgröße: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Gesamtgröße: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Bitte fügen Sie zuerst Dateien oder Ordner hinzu!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Bitte wählen Sie einen Typ aus.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>Die Sammlung enthält eine Datei von 4 GB oder mehr, die ein ISO9660-Image nicht aufnehmen kann. Wählen Sie UDF ISO als Sicherungstyp oder entfernen Sie diese Datei.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>Der Arbeitsordner unter %1 konnte nicht angelegt werden. Prüfen Sie, ob dieser Ordner beschreibbar ist und das Laufwerk freien Speicher hat, und öffnen Sie die Seite dann erneut.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Dateien und Ordner werden kopiert...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>ISO-Datei wird erstellt...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>mkisofs konnte nicht gestartet werden (%1). Prüfen Sie, ob das Programm neben Quillmere installiert ist.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>Das ISO-Image konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Prüfen Sie, ob der Zielordner beschreibbar ist und genügend freien Speicher hat, und versuchen Sie es dann erneut.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(und %n weiterer)</numerusform>
            <numerusform>(und %n weitere)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows zeigt Namen mit höchstens %1 Zeichen; diese werden dort gekürzt: %2. Das Abbild trotzdem erstellen?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>Das ISO-Abbild wurde nicht erstellt: Die Sammlung konnte nicht vollständig kopiert werden.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>Der Inhalt des Images „%1“ konnte nicht aufgelistet werden: %2 Bitte prüfen Sie, ob es ein ISO-Image ist.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>das Archivprogramm nannte keinen Grund.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>Das Image konnte nicht vollständig entpackt werden (%1). Wenn Sie es jetzt speichern, fehlen Dateien; laden Sie das Image erneut oder prüfen Sie den freien Speicherplatz.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>das Archivprogramm meldete einen Fehler</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO laden</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Größe</translation>
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
        <translation>Der Pfad des Eintrags „%1“ führt aus dem Ordner des Images hinaus, daher kann er weder geändert noch kopiert werden. Laden Sie das Image erneut oder wählen Sie andere Einträge.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO wird entpackt...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Dateien und Ordner werden kopiert...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Bitte wählen Sie zuerst Dateien oder Ordner in der Liste aus.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Export erfolgreich!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Bitte wählen Sie zuerst eine Zeile in der Liste aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>„%1“ kann nicht als Name verwendet werden: Ein Name darf weder „/“ noch „\“ enthalten und nicht „.“ oder „..“ lauten. Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>Dieser Ordner enthält bereits einen Eintrag namens „%1“. Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Bitte fügen Sie zuerst Dateien oder Ordner hinzu!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>Das Image wurde nicht vollständig entpackt, einer gespeicherten Kopie würden Dateien fehlen. Bitte laden Sie das Image erneut.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>Das geladene Image wird noch entpackt und kann noch nicht überschrieben werden. Bitte wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>ISO-Datei wird gespeichert...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>Die ISO-Datei konnte nicht gespeichert werden: %1 Bitte prüfen Sie den freien Speicherplatz und die hinzugefügten Dateien.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs wurde beendet, ohne das Image fertigzustellen.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO-Datei erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>Das Image wurde nicht vollständig entpackt, exportierte Dateien könnten fehlen oder unvollständig sein. Bitte laden Sie das Image erneut.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>Die Änderungen an „%1“ sind noch nicht gespeichert. Vor dem Fortfahren speichern?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>„%1“ startet das Abbild auf BIOS- und UEFI-Computern: Ohne es startet das gespeicherte Abbild dort nicht. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>„%1“ startet das Abbild auf UEFI-Computern: Ohne es startet das gespeicherte Abbild dort nicht. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>„%1“ startet das Abbild auf BIOS-Computern und von CD oder DVD: Ohne es startet das gespeicherte Abbild dort nicht. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Bitte laden Sie zuerst ein ISO-Abbild: Speichern schreibt ein neues Abbild des geladenen.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>Die ISO-Datei konnte nicht gespeichert werden: Der Boot-Datensatz, mit dem sie von einem USB-Stick startet, konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid wurde beendet, ohne ihn zu schreiben</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>Der Export wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>Die ISO-Datei wurde nicht gespeichert: Eine Änderung konnte an den Dateien des Abbilds nicht vorgenommen werden.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Löschen Sie diesen Eintrag und fügen Sie ihn erneut hinzu, oder laden Sie das Abbild neu.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>Der Name von &quot;%1&quot; im Abbild ist kein Name, den dieser Computer einer Datei geben kann; dieser Eintrag kann daher weder geändert noch kopiert werden, und das gespeicherte Abbild behält ihn unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; kann geändert werden, sobald das Abbild entpackt ist. Bitte warten Sie, bis das Entpacken beendet ist, und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Abbild von Disc erstellen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>CD/DVD-Laufwerk wählen:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Ausgabeformat:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>ISO-Format</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>Die Disc konnte nicht ausgeworfen werden:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Bitte wählen Sie ein CD/DVD-Laufwerk.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Bitte wählen Sie die ISO-Datei, die gespeichert werden soll.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>Im Laufwerk %1 ist keine Disc eingebunden. Legen Sie eine Disc ein, warten Sie, bis das System sie eingebunden hat, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>In den Ordner %1 kann das Abbild nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Lesen beginnt...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil wurde beendet, ohne das Abbild zu schreiben.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>Das Abbild konnte nicht als %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>Die Disc konnte nicht kopiert werden:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>Die CD/DVD wurde kopiert!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>hdiutil konnte nicht gestartet werden (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil wurde mit dem Status %1 beendet.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>„%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>„%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Etwas mit dem Namen „%1“ ist schon vorhanden und wurde so belassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>„%1“ konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>„%1“ konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>„%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Auch andere Einträge sind fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Dieser Name kann auf diesem Computer kein Dateiname sein; dieser Eintrag wird daher nie entpackt, umbenannt oder gelöscht.</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Bootfähigen USB-Stick oder DVD/CD aus ISO erstellen</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Inhalte aus ISO extrahieren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>ISO aus Dateien oder Ordnern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Inhalte einer ISO-Datei hinzufügen, 
 löschen, umbenennen</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Disc kopieren</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 ISO-Datei aus 
 CD/DVD erstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>Über &amp;uns</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Beenden</translation>
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
        <translation>Die Datei %1 existiert nicht. Wählen Sie mit „ISO laden“ ein ISO-Image.</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Hilfe finden Sie unter %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Bitte ziehen Sie das Symbol zuerst in den Ordner „Programme“!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Alle Dateien(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>Der Zielordner enthält bereits „%1“. Durch die Datei aus dem Image ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Für alle übernehmen</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
