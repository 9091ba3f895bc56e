<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Administrator Password</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>About Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Please visit the official site: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>No web browser could be started. The site is at %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Burn</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO Image:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Create A Bootable DVD/CD</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Select a target disc then click BURN button</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Create A Bootable USB</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Select a target USB then click BURN button</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partition Style</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>File System</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Volume Label</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR(for legacy BIOS/CSM boot)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT(required for UEFI boot)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Burning the disc...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Burning the disc</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>The disc was burned successfully.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>Burn failed! Try the following:
1. Burn again.
2. Use another USB drive or DVD.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formatting the USB drive...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>The USB drive was burned successfully.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Please insert your USB drive into the computer.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Not enough space on the drive. Please use a larger USB drive or CD/DVD.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Checking the USB drive</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 is no longer the drive that was listed. Nothing was erased.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>Making the USB drive bootable...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formatting the USB drive</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>The new volume %1 was not mounted.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Unmounting the USB drive</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Making the USB drive bootable</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>The volume was not mounted again at %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Writing the boot configuration</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Burning the USB drive...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Copying the content of the image</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Processing the WIM file larger than 4 GB...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Splitting install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Please input the name:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>The archive tool 7z stopped unexpectedly while extracting from %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>Extracting from %1 did not succeed.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>The archive tool reported: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>The archive tool ended with exit code %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Check that the destination folder can be written to and has enough free space, then extract again.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>What was extracted is kept in %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>The archive tool did not extract: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Their extracted copies are kept in %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>The file %1 could not be read as a disc image.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Choose an ISO image file that is complete and readable, then load it again.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(and %n more)</numerusform>
            <numerusform>(and %n more)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>Extract(&amp;E)</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Please select the files or folders you want to extract.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extracting files...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extracting files: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copying files. Please wait a few seconds...</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Extract files successfully.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Load ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO Extract</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Directly extract everything from ISO image file and export to your computer.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Your files of the same names were kept: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>Add Files...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Add Folder...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Create ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>File Path</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Add Files(&amp;F)</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Add Dirs(&amp;D)</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>Remove(&amp;R)</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>File &amp; Folder Backup</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Backup Type:</translation>
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
        <translation>Max Size: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Total Size: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Total Size: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Please add files or folders first!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Please select one type.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Copy files and folders...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>Creating ISO file...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>Create ISO successfully!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>The ISO image could not be created.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Check that the output folder is writable and has enough free space, then try again.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(and %n more)</numerusform>
            <numerusform>(and %n more)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>The ISO image was not created: the collection could not be copied completely.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>the archive tool gave no reason.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>the archive tool reported an error</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>Add(&amp;A)</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>Export(&amp;E)</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>Rename(&amp;R)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>Delete(&amp;D)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>New(&amp;N)</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Load ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extracting iso...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copy files and directories...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Please select files or folders in the list first.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exported successfully!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Please select one row in the table list first.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>This folder already holds an entry named &quot;%1&quot;. Please type another name.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Please add files or folders first!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Saving ISO file...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs ended without finishing the image.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Save ISO file successfully!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Please load an ISO image first: Save writes a new image of the loaded one.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid ended without writing it</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>The export did not complete.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>The ISO file was not saved: a change could not be made in the image&apos;s files.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Delete that entry and add it again, or load the image again.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Make Image From Disc</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Select a CD/DVD drive:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Output Format:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>ISO Format</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>The disc could not be ejected:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Please select a CD/DVD drive.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Please choose the ISO file to save.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>The image cannot be written to the folder %1 (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Start reading...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil ended without writing the image.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>The image could not be saved as %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>The disc could not be copied:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>The CD/DVD was copied successfully!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>hdiutil could not be started (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil ended unexpectedly.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil ended with exit status %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
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
        <translation>NO</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>&quot;%1&quot; is not there any more.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>&quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>The folder &quot;%1&quot; could not be made.</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Something named &quot;%1&quot; is already there and was left as it is.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>&quot;%1&quot; could not be removed.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>&quot;%1&quot; could not be renamed.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>&quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Other entries failed as well.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</translation>
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
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Burn</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Make bootable USB or DVD/CD from ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extract content from ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Create ISO from files or folders</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Add, delete, rename 
 content in ISO file</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Copy Disk</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Make ISO file from 
 CD/DVD disc</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>Language(&amp;L)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Help(&amp;H)</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>About Us(&amp;U)</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Exit(&amp;E)</translation>
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
        <translation>The file %1 does not exist. Choose an ISO image with Load ISO.</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>No web browser could be started. The help pages are at %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Please drag the icon to the Applications folder first!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Open Files</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Any Files(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Apply to all</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
