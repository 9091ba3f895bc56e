<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Senha de administrador</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>O Quillmere precisa de direitos de administrador para preparar a unidade.
Introduza a senha de administrador:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>Sobre o Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O Quillmere grava imagens ISO em unidades USB e discos, extrai seu conteúdo, cria novas imagens a partir de arquivos e pastas, edita imagens existentes e copia discos para arquivos de imagem.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Os desenvolvedores do Quillmere. Todos os direitos reservados.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Visite o site oficial: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>Não foi possível iniciar um navegador da web. O site está em %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Imagem ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Criar um DVD/CD inicializável</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Escolha o disco de destino e clique em GRAVAR</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Criar um USB inicializável</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Escolha o USB de destino e clique em GRAVAR</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Partições</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de ficheiros</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Rótulo do volume</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (arranque BIOS/CSM)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (necessário para UEFI)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>A gravar o disco...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Gravação do disco</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>O disco foi gravado.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>A gravação falhou! Faça o seguinte:
1. Grave novamente.
2. Use outro USB ou outro DVD.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>A formatar o USB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Gravação concluída.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Ligue o seu USB ao computador.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>O USB será formatado e todos os dados serão apagados! Quer continuar?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espaço insuficiente: use um USB ou CD/DVD de maior capacidade.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Verificação do USB</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 já não é a unidade da lista. Nada foi apagado.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>A tornar o USB inicializável...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formatação do USB</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>O novo volume %1 não foi montado.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Desmontagem do USB</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Preparação do arranque do USB</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>O volume não voltou a ser montado em %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Escrita da configuração de arranque</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>A gravar o USB...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Cópia do conteúdo da imagem</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>A processar o ficheiro wim com mais de 4 GB...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>Divisão de install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Digite o nome:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>Não foi possível iniciar a ferramenta de arquivamento 7z (%1), por isso nada foi extraído. Verifique se o programa 7z está na pasta “7z” do aplicativo e extraia novamente.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>A ferramenta de arquivamento 7z parou inesperadamente ao extrair de %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>A extração de %1 não foi concluída.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>A ferramenta de arquivamento informou: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>A ferramenta de arquivamento terminou com o código de saída %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Verifique se a pasta de destino permite gravação e tem espaço livre suficiente e extraia novamente.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>O que foi extraído está em %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>A ferramenta de arquivamento não extraiu: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>Estes itens não puderam ser colocados em %1 porque lá existe um item de outro tipo (um arquivo em vez de uma pasta, ou uma pasta em vez de um arquivo) com o mesmo nome: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>As cópias extraídas deles estão em %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>Não foi possível iniciar a ferramenta 7z (%1), por isso a imagem %2 não pôde ser lida. Verifique se o 7z está na pasta “7z” do aplicativo e carregue a imagem novamente.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>A ferramenta de arquivamento 7z parou inesperadamente ao ler %1. Carregue a imagem novamente; se isso acontecer de novo, o arquivo pode estar danificado.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>Não foi possível ler o arquivo %1 como imagem de disco.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Escolha um arquivo de imagem ISO completo e legível e carregue-o novamente.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(e mais %n)</numerusform>
            <numerusform>(e mais %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Extrair</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Selecione os arquivos ou pastas que deseja extrair.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>Nada pode ser extraído para %1: não é possível criar uma pasta ali (%2). Escolha uma pasta com permissão de gravação e extraia novamente.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extraindo arquivos...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extraindo arquivos: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>Copiando arquivos! Aguarde alguns segundos..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Arquivos extraídos com sucesso.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Carregar ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrair</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamanho</translation>
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
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Extrair ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extraia diretamente qualquer conteúdo de um arquivo de imagem ISO para o seu computador.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>Não é possível escrever a lista de entradas a extrair em %1 (%2), por isso nada foi extraído.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>Estas entradas não foram extraídas porque os seus nomes na imagem não podem ser nomes de ficheiros na pasta de destino (como &quot;..&quot;, um nome que contém &quot;/&quot; ou um nome que não é texto legível): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Seus arquivos com os mesmos nomes foram mantidos: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>+ Arquivos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>+ Pasta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Criar ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamanho</translation>
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
        <translation>Adicionar &amp;arquivos</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Adicionar &amp;pastas</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Backup de arquivos e pastas</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Tipo de backup:</translation>
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
        <translation>Tamanho máximo: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Tamanho total: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Tamanho total: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Primeiro adicione arquivos ou pastas!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Selecione um tipo.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>A coleção contém um arquivo de 4 GB ou mais, que uma imagem ISO9660 não comporta. Escolha UDF ISO como tipo de backup ou remova esse arquivo.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>Não foi possível criar a pasta de trabalho em %1. Verifique se essa pasta permite gravação e se o disco tem espaço livre e abra a página novamente.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Copiando arquivos e pastas...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>Criando arquivo ISO...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>ISO criada com sucesso!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>Não foi possível iniciar o mkisofs (%1). Verifique se o programa está instalado junto ao Quillmere.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>Não foi possível criar a imagem ISO.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Verifique se a pasta de destino permite gravação e tem espaço livre suficiente e tente novamente.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(e mais %n)</numerusform>
            <numerusform>(e mais %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>O Windows mostra nomes de no máximo %1 caracteres; estes serão encurtados lá: %2. Criar a imagem mesmo assim?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>A imagem ISO não foi criada: não foi possível copiar a coleção por completo.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>Não foi possível listar o conteúdo da imagem “%1”: %2 Verifique se é uma imagem ISO.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>a ferramenta de arquivamento não informou o motivo.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>Não foi possível descompactar a imagem por completo (%1). Salvá-la agora deixaria arquivos de fora; carregue a imagem novamente ou verifique o espaço livre em disco.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>a ferramenta de arquivamento informou um erro</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Carregar ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamanho</translation>
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
        <translation>O caminho do item “%1” sai da pasta da imagem, por isso ele não pode ser alterado nem copiado. Carregue a imagem novamente ou escolha outros itens.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extraindo a ISO...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copiando arquivos e pastas...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Primeiro selecione arquivos ou pastas na lista.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>Exportação concluída!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Primeiro selecione uma linha da lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>“%1” não pode ser usado como nome: um nome não pode conter “/” nem “\” e não pode ser “.” ou “..”. Digite outro nome.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>Esta pasta já contém um item chamado “%1”. Digite outro nome.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>Primeiro adicione arquivos ou pastas!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>A imagem não foi descompactada por completo, então uma cópia salva ficaria sem arquivos. Carregue a imagem novamente.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>A imagem carregada ainda está sendo descompactada e não pode ser substituída agora. Escolha outro nome de arquivo.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Salvando arquivo ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>Não foi possível salvar o arquivo ISO: %1 Verifique o espaço livre em disco e os arquivos que você adicionou.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>O mkisofs terminou sem concluir a imagem.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>Arquivo ISO salvo com sucesso!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>A imagem não foi descompactada por completo, então os arquivos exportados podem estar ausentes ou incompletos. Carregue a imagem novamente.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>As alterações em “%1” ainda não foram salvas. Salvá-las antes de continuar?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>“%1” inicia a imagem em computadores BIOS e UEFI: sem ele, a imagem salva não iniciará neles. Excluir mesmo assim?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>“%1” inicia a imagem em computadores UEFI: sem ele, a imagem salva não iniciará neles. Excluir mesmo assim?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>“%1” inicia a imagem em computadores BIOS e a partir de um CD ou DVD: sem ele, a imagem salva não iniciará ali. Excluir mesmo assim?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Carregue primeiro uma imagem ISO: Salvar grava uma nova imagem da imagem carregada.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>Não foi possível salvar o arquivo ISO: não foi possível gravar o registro de inicialização que o inicia a partir de um pen drive (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>o isohybrid terminou sem gravá-lo</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>A exportação não foi concluída.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>O arquivo ISO não foi salvo: não foi possível aplicar uma alteração aos arquivos da imagem.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Exclua essa entrada e adicione-a novamente, ou carregue a imagem outra vez.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>O nome de &quot;%1&quot; na imagem não é um nome que este computador possa dar a um ficheiro, por isso esta entrada não pode ser alterada nem copiada; a imagem guardada mantém-na como está.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; pode ser alterado quando a imagem tiver sido descompactada. Aguarde até a descompactação terminar e tente novamente.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Make Image From Disc</source>
        <translation>Criar imagem a partir do disco</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Selecione uma unidade de CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de saída:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>Formato ISO</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>Não foi possível ejetar o disco:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Selecione uma unidade de CD/DVD.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Escolha o arquivo ISO a ser salvo.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>Nenhum disco está montado na unidade %1. Insira um disco, aguarde até que o sistema o monte e tente novamente.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>Não é possível gravar a imagem na pasta %1 (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Iniciando a leitura...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>O hdiutil terminou sem gravar a imagem.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>Não foi possível salvar a imagem como %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>Não foi possível copiar o disco:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>O CD/DVD foi copiado com sucesso!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>Não foi possível iniciar o hdiutil (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>O hdiutil terminou inesperadamente.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>O hdiutil terminou com o status de saída %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>&quot;%1&quot; já não existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Já existe algo chamado &quot;%1&quot;, que foi mantido como está.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>Não foi possível remover &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>Não foi possível mudar o nome de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Não foi possível gravar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Outras entradas também falharam.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Este nome não pode ser o nome de um ficheiro neste computador, por isso esta entrada nunca é extraída, renomeada ou eliminada.</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Burn</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Criar USB ou DVD/CD inicializável a partir de ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrair</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extrair conteúdo de uma ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Criar ISO de arquivos ou pastas</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Adicionar, excluir, renomear 
 conteúdo de arquivos ISO</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Copiar disco</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Criar arquivo ISO 
 a partir de CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Sair</translation>
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
        <translation>O arquivo %1 não existe. Escolha uma imagem ISO com “Carregar ISO”.</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>Não foi possível iniciar um navegador da web. A ajuda está em %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Primeiro arraste o ícone para a pasta Aplicativos!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir arquivos</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Todos os arquivos(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>A pasta de destino já contém “%1”. Deseja substituí-lo pelo arquivo da imagem?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Aplicar a todos</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Não salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
