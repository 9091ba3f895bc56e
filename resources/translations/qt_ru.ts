<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Пароль администратора</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere нужны права администратора, чтобы подготовить накопитель.
Введите пароль администратора:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>О программе Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere записывает образы ISO на USB-накопители и диски, извлекает их содержимое, создаёт образы из файлов и папок, редактирует образы и копирует диски в файлы образов.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Разработчики Quillmere. Все права защищены.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Посетите официальный сайт: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Не удалось запустить веб-браузер. Сайт находится по адресу %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Образ ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Создать загрузочный DVD/CD</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Выберите диск и нажмите «Записать»</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Создать загрузочный USB-накопитель</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Выберите USB-накопитель и нажмите «Записать»</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Разметка</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Файловая система</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Метка тома</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (загрузка BIOS/CSM)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (нужен для UEFI)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Запись диска...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Запись диска</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>Диск записан.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Не удалось записать! Попробуйте:
1. Записать ещё раз.
2. Взять другой USB-накопитель или DVD.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Форматирование USB-накопителя...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Запись завершена.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Подключите USB-накопитель к компьютеру.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>USB-накопитель будет отформатирован, все данные на нём будут удалены! Продолжить?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Недостаточно места: возьмите USB-накопитель или CD/DVD большей ёмкости.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Проверка USB-накопителя</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 больше не тот диск, что был в списке. Ничего не стёрто.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>USB-накопитель делается загрузочным...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Форматирование USB-накопителя</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>Новый том %1 не подключён.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Отключение USB-накопителя</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Подготовка загрузки USB-накопителя</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>Том не подключён снова в %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Запись настроек загрузки</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Запись USB-накопителя...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Копирование содержимого образа</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Обработка файла wim больше 4 ГБ...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Разделение install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Введите имя:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>Не удалось запустить архиватор 7z (%1), поэтому ничего не извлечено. Проверьте, что программа 7z находится в папке «7z» приложения, затем повторите извлечение.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>Архиватор 7z неожиданно остановился при извлечении из %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>Не удалось извлечь из %1.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>Сообщение архиватора: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>Архиватор завершился с кодом %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Проверьте, что в папку назначения можно записывать и в ней достаточно свободного места, затем повторите извлечение.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>Извлечённое сохранено в %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>Архиватор не извлёк: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>Эти элементы не удалось поместить в %1, потому что там есть элемент другого вида с тем же именем (файл вместо папки или папка вместо файла): %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Их извлечённые копии сохранены в %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>Не удалось запустить архиватор 7z (%1), образ %2 не прочитан. Проверьте, что программа 7z находится в папке «7z» приложения, и загрузите образ снова.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>Архиватор 7z неожиданно остановился при чтении %1. Загрузите образ снова; если это повторится, файл, возможно, повреждён.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>Не удалось прочитать файл %1 как образ диска.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Выберите полный и читаемый файл образа ISO, затем загрузите его снова.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(и ещё %n)</numerusform>
            <numerusform>(и ещё %n)</numerusform>
            <numerusform>(и ещё %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Извлечь</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Выберите файлы или папки для извлечения.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>В %1 ничего нельзя извлечь: там не удаётся создать папку (%2). Выберите папку, доступную для записи, и извлеките снова.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Извлечение файлов...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Извлечение файлов: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Копирование файлов! Подождите несколько секунд..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Файлы успешно извлечены.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Открыть ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Извлечение ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Извлекайте любое содержимое файла образа ISO прямо на свой компьютер.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>Не удаётся записать список извлекаемых элементов в %1 (%2), поэтому ничего не извлечено.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>Эти элементы не были извлечены, так как их имена в образе не могут быть именами файлов в папке назначения (например, &quot;..&quot;, имя с &quot;/&quot; или имя, не являющееся читаемым текстом): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 и ещё %2</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Ваши файлы с теми же именами сохранены: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>+ Файлы...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>+ Папка...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Создать ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Добавить &amp;файлы</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Добавить &amp;папки</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Резервная копия файлов и папок</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Тип образа:</translation>
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
        <translation>Макс. размер: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Общий размер: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Общий размер: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Сначала добавьте файлы или папки!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Выберите тип образа.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>В наборе есть файл размером 4 ГБ или больше, который не помещается в образ ISO9660. Выберите тип образа UDF ISO или удалите этот файл.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>Не удалось создать рабочую папку в %1. Проверьте, что в эту папку можно записывать и на диске есть свободное место, затем откройте страницу снова.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Копирование файлов и папок...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>Создание ISO-файла...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO-файл успешно создан!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>Не удалось запустить mkisofs (%1). Проверьте, что программа установлена рядом с Quillmere.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>Не удалось создать образ ISO.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Проверьте, что в папку назначения можно записывать и в ней достаточно свободного места, затем повторите попытку.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(и ещё %n)</numerusform>
            <numerusform>(и ещё %n)</numerusform>
            <numerusform>(и ещё %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows показывает имена длиной не более %1 символов; эти имена будут там сокращены: %2. Всё равно создать образ?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>Образ ISO не создан: не удалось полностью скопировать подборку.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>Не удалось получить список содержимого образа «%1»: %2 Проверьте, что это образ ISO.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>архиватор не сообщил причину.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>Образ не удалось распаковать полностью (%1). Если сохранить его сейчас, часть файлов будет потеряна; загрузите образ снова или проверьте свободное место на диске.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>архиватор сообщил об ошибке</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Экспорт</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Открыть ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переимен.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>Путь элемента «%1» ведёт за пределы папки образа, поэтому его нельзя изменить или скопировать. Загрузите образ снова или выберите другие элементы.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Распаковка ISO...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Копирование файлов и папок...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Сначала выберите файлы или папки в списке.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Экспорт успешно завершён!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Сначала выберите строку в списке.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>«%1» нельзя использовать как имя: имя не может содержать «/» или «\» и не может быть «.» или «..». Введите другое имя.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>В этой папке уже есть элемент с именем «%1». Введите другое имя.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Сначала добавьте файлы или папки!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>Образ распакован не полностью, поэтому в сохранённой копии не хватало бы файлов. Загрузите образ снова.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>Загруженный образ ещё распаковывается, и его пока нельзя перезаписать. Выберите другое имя файла.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Сохранение ISO-файла...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>Не удалось сохранить ISO-файл: %1 Проверьте свободное место на диске и добавленные файлы.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs завершился, не закончив образ.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO-файл успешно сохранён!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>Образ распакован не полностью, поэтому экспортированные файлы могут отсутствовать или быть неполными. Загрузите образ снова.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>Изменения в «%1» ещё не сохранены. Сохранить их, прежде чем продолжить?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>«%1» запускает образ на компьютерах с BIOS и UEFI: без него сохранённый образ на них не запустится. Всё равно удалить?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>«%1» запускает образ на компьютерах с UEFI: без него сохранённый образ на них не запустится. Всё равно удалить?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>«%1» запускает образ на компьютерах с BIOS и с CD или DVD: без него сохранённый образ там не запустится. Всё равно удалить?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Сначала загрузите образ ISO: «Сохранить» записывает новый образ загруженного.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>Не удалось сохранить файл ISO: не удалось записать загрузочную запись, которая запускает его с USB-накопителя (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid завершился, не записав её</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>Экспорт не завершён.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>Файл ISO не сохранён: не удалось внести изменение в файлы образа.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Удалите этот элемент и добавьте его снова или загрузите образ заново.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>Имя &quot;%1&quot; в образе не может быть именем файла на этом компьютере, поэтому этот элемент нельзя изменить или скопировать; сохранённый образ оставит его как есть.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; можно будет изменить после распаковки образа. Дождитесь окончания распаковки и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Создание образа с диска</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Выберите привод CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Формат вывода:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>Формат ISO</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>Не удалось извлечь диск:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Выберите привод CD/DVD.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Выберите файл ISO для сохранения.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>В приводе %1 нет смонтированного диска. Вставьте диск, дождитесь, пока система его смонтирует, и повторите попытку.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>Не удаётся записать образ в папку %1 (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Начинается чтение...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil завершился, не записав образ.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>Не удалось сохранить образ как %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>Не удалось скопировать диск:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD успешно скопирован!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>Не удалось запустить hdiutil (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil неожиданно завершился.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil завершился с кодом %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>«%1» больше не существует.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Не удалось прочитать «%1».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Не удалось создать папку «%1».</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Объект с именем «%1» уже существует и оставлен без изменений.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>Не удалось удалить «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>Не удалось переименовать «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Не удалось записать «%1».</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Другие элементы тоже не удалось обработать.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Это имя не может быть именем файла на этом компьютере, поэтому этот элемент никогда не извлекается, не переименовывается и не удаляется.</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Создание загрузочного USB-накопителя или DVD/CD из ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Извлечение содержимого из ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Создание ISO из файлов и папок</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Добавление, удаление, 
 переименование в ISO-файле</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Копировать диск</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Создание ISO-файла 
 с диска CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Выход</translation>
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
        <translation>Файл %1 не существует. Выберите образ ISO кнопкой «Открыть ISO».</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Не удалось запустить веб-браузер. Справка находится по адресу %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Сначала перетащите значок в папку «Программы»!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Все файлы(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>В папке назначения уже есть «%1». Заменить его файлом из образа?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Применить ко всем</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
