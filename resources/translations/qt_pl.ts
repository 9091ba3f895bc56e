<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Hasło administratora</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere potrzebuje uprawnień administratora, aby przygotować napęd.
Wprowadź hasło administratora:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>O programie Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere nagrywa obrazy ISO na dyski USB i płyty, wypakowuje ich zawartość, tworzy nowe obrazy z plików i folderów, edytuje istniejące obrazy i kopiuje płyty do plików obrazów.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Twórcy Quillmere. Wszelkie prawa zastrzeżone.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Odwiedź oficjalną stronę: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Nie udało się uruchomić przeglądarki internetowej. Witryna znajduje się pod adresem %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Obraz ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Utwórz startową płytę DVD/CD</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Wybierz płytę docelową i kliknij NAGRAJ</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Utwórz startowy dysk USB</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Wybierz docelowy dysk USB i kliknij NAGRAJ</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Styl partycji</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>System plików</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etykieta woluminu</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (rozruch BIOS/CSM)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (wymagany dla UEFI)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Nagrywanie płyty...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Nagrywanie płyty</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Płyta została nagrana.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Nagrywanie nie powiodło się! Zrób tak:
1. Spróbuj nagrać ponownie.
2. Użyj innego dysku USB lub płyty DVD.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formatowanie dysku USB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Nagrywanie zakończone.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Podłącz dysk USB do komputera.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Dysk USB zostanie sformatowany, a wszystkie dane na nim usunięte! Kontynuować?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Za mało miejsca: użyj większego dysku USB lub płyty CD/DVD.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Sprawdzanie dysku USB</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 nie jest już dyskiem z listy. Niczego nie usunięto.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>Przygotowywanie dysku USB do rozruchu...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formatowanie dysku USB</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>Nowy wolumin %1 nie został zamontowany.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Odmontowywanie dysku USB</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Przygotowanie dysku USB do rozruchu</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>Wolumin nie został ponownie zamontowany w %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Zapis konfiguracji rozruchu</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Nagrywanie dysku USB...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Kopiowanie zawartości obrazu</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Przetwarzanie pliku wim większego niż 4 GB...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Dzielenie install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Wpisz nazwę:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>Nie udało się uruchomić programu 7z (%1), więc niczego nie wypakowano. Sprawdź, czy 7z jest w folderze „7z” aplikacji, i wypakuj ponownie.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>Program archiwizujący 7z nieoczekiwanie przerwał wypakowywanie z %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>Wypakowywanie z %1 nie powiodło się.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>Program archiwizujący zgłosił: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>Program archiwizujący zakończył działanie z kodem wyjścia %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Sprawdź, czy folder docelowy jest zapisywalny i ma wystarczająco dużo wolnego miejsca, a następnie wypakuj ponownie.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>To, co zostało wypakowane, znajduje się w %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>Program archiwizujący nie wypakował: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>Tych elementów nie można było umieścić w %1, ponieważ znajduje się tam element innego rodzaju (plik zamiast folderu lub folder zamiast pliku) o tej samej nazwie: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Ich wypakowane kopie znajdują się w %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>Nie udało się uruchomić programu 7z (%1), więc nie odczytano obrazu %2. Sprawdź, czy 7z jest w folderze „7z” aplikacji, i wczytaj obraz ponownie.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>Program archiwizujący 7z nieoczekiwanie przerwał odczyt %1. Wczytaj obraz ponownie; jeśli sytuacja się powtórzy, plik może być uszkodzony.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>Nie udało się odczytać pliku %1 jako obrazu płyty.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Wybierz kompletny i czytelny plik obrazu ISO, a następnie wczytaj go ponownie.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(i %n inny)</numerusform>
            <numerusform>(i %n inne)</numerusform>
            <numerusform>(i %n innych)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Wypakuj</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Zaznacz pliki lub foldery do wypakowania.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>Nie można nic wypakować do %1: nie da się tam utworzyć folderu (%2). Wybierz folder z prawem zapisu i wypakuj ponownie.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Wypakowywanie plików...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Wypakowywanie plików: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Kopiowanie plików! Zaczekaj kilka sekund..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Pliki zostały wypakowane.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Wczytaj ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Wypakuj</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Rozmiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Wypakuj ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Wypakuj dowolną zawartość pliku obrazu ISO bezpośrednio na swój komputer.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>Nie można zapisać listy elementów do wypakowania w %1 (%2), dlatego nic nie zostało wypakowane.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>Te elementy nie zostały wypakowane, ponieważ ich nazwy w obrazie nie mogą być nazwami plików w folderze docelowym (na przykład &quot;..&quot;, nazwa zawierająca &quot;/&quot; lub nazwa, która nie jest czytelnym tekstem): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 i jeszcze %2</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Twoje pliki o tych samych nazwach zostały zachowane: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>Dodaj pliki...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Dodaj folder...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Utwórz ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Rozmiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Dodaj &amp;pliki</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Dodaj &amp;foldery</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Kopia plików i folderów</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Typ kopii:</translation>
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
        <translation>Maks. rozmiar: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Łączny rozmiar: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Łączny rozmiar: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Najpierw dodaj pliki lub foldery!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Wybierz typ.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>Kolekcja zawiera plik o rozmiarze 4 GB lub większym, którego obraz ISO9660 nie może pomieścić. Wybierz typ kopii UDF ISO albo usuń ten plik.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>Nie udało się utworzyć folderu roboczego w %1. Sprawdź, czy ten folder jest zapisywalny i czy na dysku jest wolne miejsce, a następnie otwórz stronę ponownie.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Kopiowanie plików i folderów...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>Tworzenie pliku ISO...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>Obraz ISO został utworzony!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>Nie udało się uruchomić programu mkisofs (%1). Sprawdź, czy program jest zainstalowany obok Quillmere.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>Nie udało się utworzyć obrazu ISO.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Sprawdź, czy folder docelowy jest zapisywalny i ma wystarczająco dużo wolnego miejsca, a następnie spróbuj ponownie.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(i %n inny)</numerusform>
            <numerusform>(i %n inne)</numerusform>
            <numerusform>(i %n innych)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows pokazuje nazwy o długości najwyżej %1 znaków; te zostaną tam skrócone: %2. Utworzyć obraz mimo to?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>Nie utworzono obrazu ISO: nie udało się w pełni skopiować kolekcji.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>Nie udało się wyświetlić zawartości obrazu „%1”: %2 Sprawdź, czy to jest obraz ISO.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>program archiwizujący nie podał przyczyny.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>Nie udało się całkowicie rozpakować obrazu (%1). Zapisanie go teraz pominęłoby pliki; wczytaj obraz ponownie lub sprawdź wolne miejsce na dysku.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>program archiwizujący zgłosił błąd</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Zmień nazwę</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Wczytaj ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Przemianuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Rozmiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>Ścieżka elementu „%1” wychodzi poza folder obrazu, więc nie można go zmienić ani skopiować. Wczytaj obraz ponownie lub wybierz inne elementy.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Wypakowywanie ISO...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Kopiowanie plików i folderów...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Najpierw zaznacz pliki lub foldery na liście.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Eksport zakończony pomyślnie!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Najpierw zaznacz wiersz na liście.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>„%1” nie może być nazwą: nazwa nie może zawierać „/” ani „\” i nie może brzmieć „.” ani „..”. Wpisz inną nazwę.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>Ten folder zawiera już element o nazwie „%1”. Wpisz inną nazwę.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Najpierw dodaj pliki lub foldery!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>Obraz nie został całkowicie rozpakowany, więc w zapisanej kopii brakowałoby plików. Wczytaj obraz ponownie.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>Wczytany obraz jest jeszcze rozpakowywany i nie można go jeszcze zastąpić. Wybierz inną nazwę pliku.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Zapisywanie pliku ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>Nie udało się zapisać pliku ISO: %1 Sprawdź wolne miejsce na dysku i dodane pliki.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>Program mkisofs zakończył działanie przed ukończeniem obrazu.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Plik ISO został zapisany!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>Obraz nie został całkowicie rozpakowany, więc eksportowanych plików może brakować lub mogą być niekompletne. Wczytaj obraz ponownie.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>Zmiany w „%1” nie zostały jeszcze zapisane. Zapisać je przed kontynuowaniem?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>„%1” uruchamia obraz na komputerach BIOS i UEFI: bez niego zapisany obraz się na nich nie uruchomi. Usunąć mimo to?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>„%1” uruchamia obraz na komputerach UEFI: bez niego zapisany obraz się na nich nie uruchomi. Usunąć mimo to?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>„%1” uruchamia obraz na komputerach BIOS oraz z płyty CD lub DVD: bez niego zapisany obraz się tam nie uruchomi. Usunąć mimo to?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Najpierw wczytaj obraz ISO: Zapisz tworzy nowy obraz z wczytanego.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>Nie można zapisać pliku ISO: nie można zapisać rekordu rozruchowego, który uruchamia go z pamięci USB (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid zakończył działanie bez zapisania go</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>Eksport nie został ukończony.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>Nie zapisano pliku ISO: nie udało się wprowadzić zmiany w plikach obrazu.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Usuń ten element i dodaj go ponownie albo wczytaj obraz jeszcze raz.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>Nazwa &quot;%1&quot; w obrazie nie jest nazwą, którą ten komputer może nadać plikowi, dlatego tego elementu nie można zmienić ani skopiować; zapisany obraz zachowa go bez zmian.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; można zmienić po rozpakowaniu obrazu. Poczekaj na zakończenie rozpakowywania i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Utwórz obraz z płyty</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Wybierz napęd CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Format wyjściowy:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>Format ISO</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>Nie można wysunąć płyty:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Wybierz napęd CD/DVD.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Wybierz plik ISO do zapisania.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>W napędzie %1 nie ma zamontowanej płyty. Włóż płytę, poczekaj, aż system ją zamontuje, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>Nie można zapisać obrazu w folderze %1 (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Rozpoczynanie odczytu...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil zakończył działanie bez zapisania obrazu.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>Nie można zapisać obrazu jako %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>Nie można skopiować płyty:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>Płyta CD/DVD została skopiowana!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>Nie można uruchomić hdiutil (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil nieoczekiwanie zakończył działanie.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil zakończył działanie z kodem %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>„%1” już nie istnieje.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Nie można odczytać „%1”.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Nie można utworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Element o nazwie „%1” już istnieje i został pozostawiony bez zmian.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>Nie można usunąć „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>Nie można zmienić nazwy „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Nie można zapisać „%1”.</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Inne elementy również się nie powiodły.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Ta nazwa nie może być nazwą pliku na tym komputerze, dlatego ten element nigdy nie jest wypakowywany, zmieniany ani usuwany.</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Utwórz startowy dysk USB lub płytę DVD/CD z obrazu ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Wypakuj</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Wypakuj zawartość obrazu ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Utwórz ISO z plików lub folderów</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Dodawaj, usuwaj i zmieniaj nazwy 
 zawartości pliku ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Kopiuj płytę</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Utwórz plik ISO 
 z płyty CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Zakończ</translation>
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
        <translation>Plik %1 nie istnieje. Wybierz obraz ISO przyciskiem „Wczytaj ISO”.</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Nie udało się uruchomić przeglądarki internetowej. Pomoc znajduje się pod adresem %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Najpierw przeciągnij ikonę do folderu Aplikacje!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Otwórz pliki</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Wszystkie pliki(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>Folder docelowy zawiera już „%1”. Zastąpić go plikiem z obrazu?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Zastosuj do wszystkich</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nie zapisuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
