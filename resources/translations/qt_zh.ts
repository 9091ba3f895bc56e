<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>管理员密码</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere 需要管理员权限来准备驱动器。
请输入管理员密码：</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>关于 Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere 可以将 ISO 镜像刻录到 U 盘和光盘，提取镜像内容，用文件和文件夹创建新镜像，编辑现有镜像，并将光盘复制为镜像文件。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;版权所有 &amp;copy; 2026 Quillmere 开发者。保留所有权利。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>请访问官方网站: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>无法启动网页浏览器。网站地址为 %1。</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>刻录</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO 镜像：</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>制作可启动 DVD/CD</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>选择目标光盘，然后点击“刻录”按钮</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>制作可启动 U 盘</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>选择目标 U 盘，然后点击“刻录”按钮</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>分区类型</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>文件系统</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>卷标</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR（用于传统 BIOS/CSM 启动）</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT（UEFI 启动所需）</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>正在刻录光盘...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>刻录光盘</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>光盘刻录成功。</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>刻录失败！请按以下方法操作：
1. 重新刻录。
2. 换一个 U 盘或 DVD。</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>正在格式化 U 盘...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>刻录成功！</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>请将 U 盘插入电脑。</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>U 盘将被格式化，其中所有数据都会被删除！是否继续？</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>空间不足，请换用容量更大的 U 盘或 CD/DVD。</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>检查 U 盘</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 已不是列表中的那个磁盘，未擦除任何内容。</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>正在使 U 盘可启动...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>格式化 U 盘</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>新卷 %1 未被挂载。</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>卸载 U 盘</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>使 U 盘可启动</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>卷未重新挂载到 %1。</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>写入启动配置</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>正在刻录 U 盘...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>复制镜像内容</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>正在处理大于 4 GB 的 wim 文件...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>拆分 install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>请输入名称：</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>无法启动压缩工具 7z (%1)，因此未提取任何内容。请检查 7z 程序是否位于应用程序的“7z”文件夹中，然后重新提取。</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>压缩工具 7z 在从 %1 提取时意外停止。</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>从 %1 提取未成功。</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>压缩工具报告：%1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>压缩工具结束，退出代码为 %1。</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>请检查目标文件夹是否可写且有足够的可用空间，然后重新提取。</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>已提取的内容保存在 %1 中。</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>压缩工具未能提取：%1。</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>这些项目无法放入 %1，因为那里已有同名但类型不同的项目（是文件而不是文件夹，或是文件夹而不是文件）：%2。</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>它们提取出的副本保存在 %1 中。</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>无法启动压缩工具 7z (%1)，因此无法读取镜像 %2。请检查 7z 程序是否位于应用程序的“7z”文件夹中，然后重新加载镜像。</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>压缩工具 7z 在读取 %1 时意外停止。请重新加载镜像；如果再次出现此问题，该文件可能已损坏。</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>无法将文件 %1 作为光盘镜像读取。</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>请选择一个完整且可读的 ISO 镜像文件，然后重新加载。</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(另有 %n 项)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>提取(&amp;E)</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>请选择要提取的文件或文件夹。</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>无法提取到 %1：无法在其中创建文件夹（%2）。请选择一个可写入的文件夹，然后重新提取。</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>正在提取文件...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>正在提取文件: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>正在复制文件！请稍候..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>文件提取成功。</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>加载 ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>提取</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> 大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO 提取</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>直接从 ISO 镜像文件中提取任何内容并导出到您的计算机。</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>无法将要提取的条目列表写入 %1（%2），因此未提取任何内容。</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>这些条目未被提取，因为它们在映像中的名称不能用作目标文件夹中的文件名（例如 &quot;..&quot;、含有 &quot;/&quot; 的名称或无法读取为文本的名称）：%1。</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 及另外 %2 个</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>已保留您的同名文件：%1。</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>添加文件...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>创建 ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> 大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>添加文件(&amp;F)</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>添加文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>文件和文件夹备份</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>备份类型：</translation>
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
        <translation>最大容量: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>总大小: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>总大小: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>请先添加文件或文件夹！</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>请选择一种类型。</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>集合中有一个 4 GB 或更大的文件，ISO9660 镜像无法容纳。请选择 UDF ISO 作为备份类型，或移除该文件。</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>无法在 %1 下创建工作文件夹。请检查该文件夹是否可写、磁盘是否有可用空间，然后重新打开此页面。</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>正在复制文件和文件夹...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>正在创建 ISO 文件...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO 创建成功！</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>无法启动 mkisofs (%1)。请检查该程序是否安装在 Quillmere 所在的文件夹中。</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>无法创建 ISO 镜像。</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>请检查输出文件夹是否可写且有足够的可用空间，然后重试。</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(另有 %n 项)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows 只显示最多 %1 个字符的名称；以下名称在那里会被截短：%2。仍要创建映像吗？</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>未创建 ISO 映像：无法完整复制所选内容。</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>无法列出镜像“%1”的内容：%2 请检查它是否为 ISO 镜像。</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>压缩工具未给出原因。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>镜像未能完整解压 (%1)。现在保存会遗漏文件；请重新加载镜像，或检查磁盘可用空间。</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>压缩工具报告了错误</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>加载 ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> 大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>项目“%1”的路径指向镜像文件夹之外，因此无法更改或复制。请重新加载镜像或选择其他项目。</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>正在解压 ISO...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>正在复制文件和文件夹...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>请先在列表中选择文件或文件夹。</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>导出成功！</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>请先在列表中选择一行。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>“%1”不能用作名称：名称不能包含“/”或“\”，也不能是“.”或“..”。请输入其他名称。</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>此文件夹中已有名为“%1”的项目。请输入其他名称。</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>请先添加文件或文件夹！</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>镜像未完整解压，保存的副本会缺少文件。请重新加载镜像。</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>已加载的镜像仍在解压，暂时无法覆盖。请选择其他文件名。</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>正在保存 ISO 文件...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>无法保存 ISO 文件：%1 请检查磁盘可用空间以及您添加的文件。</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs 未完成镜像就结束了。</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO 文件保存成功！</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>镜像未完整解压，导出的文件可能缺失或不完整。请重新加载镜像。</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>对“%1”的更改尚未保存。是否先保存再继续？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>“%1”用于在 BIOS 和 UEFI 计算机上启动此映像：没有它，保存的映像将无法在这些计算机上启动。仍要删除吗？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>“%1”用于在 UEFI 计算机上启动此映像：没有它，保存的映像将无法在这些计算机上启动。仍要删除吗？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>“%1”用于在 BIOS 计算机上以及从 CD 或 DVD 启动此映像：没有它，保存的映像将无法在这些地方启动。仍要删除吗？</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>请先加载 ISO 映像：“保存”会根据已加载的映像写出新的映像。</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>无法保存 ISO 文件：无法写入让它从 U 盘启动的引导记录（%1）。</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid 未写入便已结束</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>导出未完成。</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>未保存 ISO 文件：无法在映像的文件中完成某项更改。</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>请删除该项目后重新添加，或重新加载映像。</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>映像中 &quot;%1&quot; 的名称不是本计算机可以用作文件名的名称，因此无法更改或复制该条目；保存的映像将保持其原样。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>映像解包完成后才能更改 &quot;%1&quot;。请等待解包结束后再试。</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>从光盘制作映像</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>选择 CD/DVD 驱动器：</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>输出格式：</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>ISO 格式</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>无法弹出光盘：
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>请选择 CD/DVD 驱动器。</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>请选择要保存的 ISO 文件。</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>驱动器 %1 中没有已挂载的光盘。请插入光盘，等待系统挂载后再试。</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>无法将映像写入文件夹 %1（%2）。</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>开始读取...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil 已结束，但未写入映像。</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>无法将映像保存为 %1（%2）。</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>无法复制光盘：
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD 复制成功！</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>无法启动 hdiutil（%1）。</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil 意外结束。</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil 以退出状态 %1 结束。</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>“%1”已不存在。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>无法读取“%1”。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>名为“%1”的项目已存在，已保持原样。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>无法删除“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>无法重命名“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>无法写入“%1”。</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>其他项目也失败了。</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>此名称不能作为本计算机上的文件名，因此该条目永远不会被提取、重命名或删除。</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>刻录</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>用 ISO 制作可启动 U 盘或 DVD/CD</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>提取</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>从 ISO 中提取内容</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>用文件或文件夹创建 ISO</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 添加、删除、重命名 
 ISO 文件中的内容</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>复制光盘</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 从 CD/DVD 光盘 
 制作 ISO 文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>关于我们(&amp;U)</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>退出(&amp;E)</translation>
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
        <translation>文件 %1 不存在。请用“加载 ISO”选择一个 ISO 镜像。</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>无法启动网页浏览器。帮助页面位于 %1。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>请先将图标拖到“应用程序”文件夹中！</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>所有文件(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>目标文件夹中已有“%1”。要用镜像中的文件替换它吗？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>全部应用</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
