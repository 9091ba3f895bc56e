<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>管理者パスワード</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere がドライブを準備するには管理者権限が必要です。
管理者パスワードを入力してください：</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>Quillmere について</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere は、ISO イメージを USB ドライブやディスクに書き込み、内容を抽出し、ファイルやフォルダから新しいイメージを作成し、既存のイメージを編集し、ディスクをイメージファイルにコピーします。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Quillmere 開発者. All rights reserved.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>公式サイト: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Web ブラウザーを起動できませんでした。サイトは %1 です。</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>ISO イメージ:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>起動可能な DVD/CD を作成</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>書き込み先のディスクを選んで「書き込み」を押してください</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>起動可能な USB を作成</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>書き込み先の USB を選んで「書き込み」を押してください</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>パーティション形式</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>ファイルシステム</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>ボリュームラベル</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR（従来の BIOS/CSM 起動用）</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT（UEFI 起動に必要）</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>ディスクに書き込んでいます...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>ディスクへの書き込み</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>ディスクへの書き込みが完了しました。</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>書き込みに失敗しました。次をお試しください:
1. もう一度書き込む。
2. 別の USB ドライブや DVD に替える。</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>USB ディスクをフォーマットしています...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>書き込みが完了しました。</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>USB ドライブをコンピュータに挿してください。</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>USB ドライブはフォーマットされ、中のデータはすべて消去されます。続けますか?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>容量が足りません。より大きな USB または CD/DVD に替えてください。</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>USB ドライブの確認</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 は一覧にあったドライブではなくなりました。何も消去していません。</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>USB ドライブを起動可能にしています...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>USB ドライブのフォーマット</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>新しいボリューム %1 がマウントされませんでした。</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>USB ドライブのマウント解除</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>USB ドライブを起動可能にする処理</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>ボリュームが %1 に再マウントされませんでした。</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>起動設定の書き込み</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>USB ディスクに書き込んでいます...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>イメージの内容のコピー</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>4 GB を超える wim ファイルを処理しています...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>install.wim の分割</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>名前を入力してください:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>アーカイブツール 7z を起動できなかったため (%1)、何も抽出されませんでした。7z プログラムがアプリケーションの「7z」フォルダにあるか確認してから、もう一度抽出してください。</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>%1 からの抽出中にアーカイブツール 7z が予期せず停止しました。</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>%1 からの抽出に失敗しました。</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>アーカイブツールの報告: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>アーカイブツールは終了コード %1 で終了しました。</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>保存先フォルダに書き込めること、空き容量が十分にあることを確認してから、もう一度抽出してください。</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>抽出済みの内容は %1 に残っています。</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>アーカイブツールで抽出できませんでした: %1。</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>次の項目は %1 に置けませんでした。種類の異なる同名の項目 (フォルダではなくファイル、またはファイルではなくフォルダ) がすでにあります: %2。</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>抽出されたコピーは %1 に残っています。</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>7z を起動できなかったため (%1)、イメージ %2 を読み込めませんでした。アプリケーションの「7z」フォルダに 7z があるか確認して、イメージを読み込み直してください。</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>%1 の読み込み中にアーカイブツール 7z が予期せず停止しました。イメージをもう一度読み込んでください。繰り返し起きる場合は、ファイルが破損している可能性があります。</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>ファイル %1 をディスクイメージとして読み込めませんでした。</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>完全で読み取り可能な ISO イメージファイルを選んで、もう一度読み込んでください。</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(ほか %n 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>抽出(&amp;E)</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>抽出するファイルまたはフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>%1 には抽出できません。そこにフォルダーを作成できません（%2）。書き込み可能なフォルダーを選んでから、もう一度抽出してください。</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>ファイルを抽出しています...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>ファイルを抽出しています: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>ファイルをコピーしています。しばらくお待ちください..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>ファイルを抽出しました。</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO を開く</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>抽出</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>ISO 抽出</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>ISO イメージファイルから内容を直接抽出し、コンピューターに書き出します。</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>展開する項目の一覧を %1 に書き込めないため（%2）、何も展開されませんでした。</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>これらの項目は展開されませんでした。イメージ内の名前を展開先フォルダーのファイル名にできないためです（&quot;..&quot;、&quot;/&quot; を含む名前、テキストとして読めない名前など）：%1。</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ほか %2 件</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>同じ名前のファイルはそのまま残しました: %1。</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>ファイル追加...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダ追加...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>ISO を作成</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>ファイルを追加(&amp;F)</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>フォルダを追加(&amp;D)</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>ファイルとフォルダのバックアップ</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>バックアップの種類:</translation>
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
        <translation>最大サイズ: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>合計サイズ: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>合計サイズ: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>先にファイルまたはフォルダを追加してください。</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>種類を 1 つ選択してください。</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>4 GB 以上のファイルが含まれていますが、ISO9660 イメージには収められません。バックアップの種類に UDF ISO を選ぶか、そのファイルを削除してください。</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>%1 の下に作業フォルダを作成できませんでした。このフォルダに書き込めること、ディスクに空き容量があることを確認してから、ページを開き直してください。</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>ファイルとフォルダをコピーしています...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>ISO ファイルを作成しています...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO を作成しました。</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>mkisofs を起動できませんでした (%1)。プログラムが Quillmere と同じ場所にインストールされているか確認してください。</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>ISO イメージを作成できませんでした。</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>出力先フォルダに書き込めること、空き容量が十分にあることを確認してから、もう一度お試しください。</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(ほか %n 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows で表示される名前は最大 %1 文字です。次の名前はそこで短縮されます: %2。それでもイメージを作成しますか？</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>ISO イメージは作成されませんでした：コレクションを完全にコピーできませんでした。</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>イメージ「%1」の内容を一覧にできませんでした: %2 ISO イメージであるか確認してください。</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>アーカイブツールは理由を示しませんでした。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>イメージを完全には展開できませんでした (%1)。このまま保存するとファイルが欠けます。イメージを読み込み直すか、ディスクの空き容量を確認してください。</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>アーカイブツールがエラーを報告しました</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>書き出し(&amp;E)</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>名前を変更(&amp;R)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>ISO を開く</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>項目「%1」のパスはイメージのフォルダの外を指しているため、変更もコピーもできません。イメージを読み込み直すか、ほかの項目を選んでください。</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>ISO を展開しています...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>ファイルとフォルダをコピーしています...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>先に一覧でファイルまたはフォルダを選択してください。</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>書き出しが完了しました。</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>先に一覧で 1 行選択してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>「%1」は名前に使えません。名前には「/」や「\」を含められず、「.」や「..」にもできません。別の名前を入力してください。</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>このフォルダにはすでに「%1」という項目があります。別の名前を入力してください。</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>先にファイルまたはフォルダを追加してください。</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>イメージが完全には展開されていないため、保存したコピーにはファイルが欠けます。イメージを読み込み直してください。</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>読み込んだイメージはまだ展開中のため、上書きできません。別のファイル名を選んでください。</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>ISO ファイルを保存しています...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>ISO ファイルを保存できませんでした: %1 ディスクの空き容量と追加したファイルを確認してください。</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs はイメージを完成させずに終了しました。</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>ISO ファイルを保存しました。</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>イメージが完全には展開されていないため、エクスポートしたファイルが欠けているか不完全な可能性があります。イメージを読み込み直してください。</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>「%1」への変更はまだ保存されていません。続ける前に保存しますか？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>「%1」は BIOS と UEFI のコンピューターでこのイメージを起動します。これがないと、保存したイメージはそれらで起動しません。それでも削除しますか？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>「%1」は UEFI のコンピューターでこのイメージを起動します。これがないと、保存したイメージはそれらで起動しません。それでも削除しますか？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>「%1」は BIOS のコンピューターと CD や DVD からこのイメージを起動します。これがないと、保存したイメージはそこで起動しません。それでも削除しますか？</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>先に ISO イメージを読み込んでください。保存は読み込んだイメージから新しいイメージを書き出します。</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>ISO ファイルを保存できませんでした。USB メモリーから起動するためのブートレコードを書き込めませんでした（%1）。</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid は書き込まずに終了しました</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>エクスポートは完了しませんでした。</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>ISO ファイルは保存されませんでした：イメージのファイルに変更を反映できませんでした。</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>その項目を削除して追加し直すか、イメージを読み込み直してください。</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>イメージ内の &quot;%1&quot; の名前はこのコンピューターでファイル名にできないため、この項目は変更もコピーもできません。保存するイメージにはそのまま残ります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; はイメージの展開が終わると変更できます。展開が終わるまで待ってから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>ディスクからイメージを作成</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>CD/DVD ドライブを選択:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>出力形式:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>ISO 形式</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>ディスクを取り出せませんでした:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>CD/DVD ドライブを選択してください。</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>保存する ISO ファイルを選択してください。</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>ドライブ %1 にはマウントされたディスクがありません。ディスクを挿入し、システムがマウントするまで待ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>フォルダー %1 にイメージを書き込めません (%2)。</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>読み取りを開始しています...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil はイメージを書き込まずに終了しました。</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>イメージを %1 として保存できませんでした (%2)。</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>ディスクをコピーできませんでした:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>CD/DVD をコピーしました！</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>hdiutil を起動できませんでした (%1)。</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil が予期せず終了しました。</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil が終了コード %1 で終了しました。</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダを開く</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>「%1」はもうありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>「%1」を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>フォルダー「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>「%1」という名前の項目が既にあるため、そのままにしました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>「%1」の名前を変更できませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>「%1」を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>ほかの項目も失敗しました。</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>この名前はこのコンピューターのファイル名にできないため、この項目は展開、名前の変更、削除のいずれも行われません。</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>ISO から起動可能な USB や DVD/CD を作成</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>抽出</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>ISO から内容を抽出</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>ファイルやフォルダから ISO を作成</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 ISO ファイルの内容を 
 追加・削除・名前変更</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>ディスクのコピー</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 CD/DVD ディスクから 
 ISO ファイルを作成</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>バージョン情報(&amp;U)</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>終了(&amp;E)</translation>
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
        <translation>ファイル %1 は存在しません。「ISO を開く」で ISO イメージを選んでください。</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Web ブラウザーを起動できませんでした。ヘルプは %1 にあります。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>先にアイコンを「アプリケーション」フォルダにドラッグしてください。</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>すべてのファイル(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダを選択</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルを保存</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>保存先のフォルダには既に「%1」があります。イメージ内のファイルで置き換えますか？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>すべてに適用</translation>
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
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
