<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AskpassWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Administrator Password</source>
        <translation>Contraseña de administrador</translation>
    </message>
    <message>
        <source>Quillmere needs administrator rights to prepare the drive.
Enter the administrator password:</source>
        <translation>Quillmere necesita permisos de administrador para preparar la unidad.
Introduzca la contraseña de administrador:</translation>
    </message>
</context>
<context>
    <name>CAboutusDialog</name>
    <message>
        <source>About Quillmere</source>
        <translation>Acerca de Quillmere</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quillmere burns ISO images to USB drives and discs, extracts their content, creates new images from files and folders, edits existing images and copies discs to image files.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quillmere graba imágenes ISO en unidades USB y discos, extrae su contenido, crea imágenes nuevas a partir de archivos y carpetas, edita imágenes existentes y copia discos en archivos de imagen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Copyright &amp;copy; 2026 The Quillmere developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Copyright &amp;copy; 2026 Los desarrolladores de Quillmere. Todos los derechos reservados.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Please visit offical site: </source>
        <translation>Visite el sitio oficial: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>No web browser could be started. The site is at %1.</source>
        <translation>No se pudo iniciar ningún navegador web. El sitio está en %1.</translation>
    </message>
</context>
<context>
    <name>CBurnDialog</name>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>ISO Image:</source>
        <translation>Imagen ISO:</translation>
    </message>
    <message>
        <source>Create A Bootable DVD/CD</source>
        <translation>Crear un DVD/CD de arranque</translation>
    </message>
    <message>
        <source>Select a target disc then click BURN button</source>
        <translation>Elija el disco de destino y pulse GRABAR</translation>
    </message>
    <message>
        <source>Create A Bootable USB</source>
        <translation>Crear un USB de arranque</translation>
    </message>
    <message>
        <source>Select a target USB then click BURN button</source>
        <translation>Elija el USB de destino y pulse GRABAR</translation>
    </message>
    <message>
        <source>Partition Style</source>
        <translation>Particionado</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etiqueta del volumen</translation>
    </message>
    <message>
        <source>MBR(for legacy BIOS/CSM boot)</source>
        <translation>MBR (arranque BIOS/CSM)</translation>
    </message>
    <message>
        <source>GPT(required for UEFI boot)</source>
        <translation>GPT (necesario para UEFI)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Burning the disc...</source>
        <translation>Grabando el disco...</translation>
    </message>
    <message>
        <source>Burning the disc</source>
        <translation>Grabación del disco</translation>
    </message>
    <message>
        <source>Burning disc successfully.</source>
        <translation>El disco se ha grabado.</translation>
    </message>
    <message>
        <source>Burn Failed! Do as following:
1.Try to burn again.
2.Change another USB drive or DVD.</source>
        <translation>¡Error al grabar! Haga lo siguiente:
1. Vuelva a grabar.
2. Use otro USB u otro DVD.</translation>
    </message>
    <message>
        <source>The USB disk is under formating...</source>
        <translation>Formateando el USB...</translation>
    </message>
    <message>
        <source>Burning Successfully...</source>
        <translation>Grabación completada.</translation>
    </message>
    <message>
        <source>Please insert your USB drive to computer</source>
        <translation>Conecte su USB al ordenador.</translation>
    </message>
    <message>
        <source>Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?</source>
        <translation>El USB se formateará y se borrarán todos sus datos. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Insufficient space on disk, please change a large-capacity USB or CD/DVD.</source>
        <translation>Espacio insuficiente: use un USB o un CD/DVD de mayor capacidad.</translation>
    </message>
    <message>
        <source>Checking the USB drive</source>
        <translation>Comprobación del USB</translation>
    </message>
    <message>
        <source>%1 is no longer the drive that was listed. Nothing was erased.</source>
        <translation>%1 ya no es la unidad de la lista. No se ha borrado nada.</translation>
    </message>
    <message>
        <source>make usb drive bootable...</source>
        <translation>Haciendo el USB de arranque...</translation>
    </message>
    <message>
        <source>Formatting the USB drive</source>
        <translation>Formateo del USB</translation>
    </message>
    <message>
        <source>The new volume %1 was not mounted.</source>
        <translation>El nuevo volumen %1 no se montó.</translation>
    </message>
    <message>
        <source>Unmounting the USB drive</source>
        <translation>Desmontaje del USB</translation>
    </message>
    <message>
        <source>Making the USB drive bootable</source>
        <translation>Preparación del arranque del USB</translation>
    </message>
    <message>
        <source>The volume was not mounted again at %1.</source>
        <translation>El volumen no se volvió a montar en %1.</translation>
    </message>
    <message>
        <source>Writing the boot configuration</source>
        <translation>Escritura de la configuración de arranque</translation>
    </message>
    <message>
        <source>Burning the USB disk...</source>
        <translation>Grabando el USB...</translation>
    </message>
    <message>
        <source>Copying the content of the image</source>
        <translation>Copia del contenido de la imagen</translation>
    </message>
    <message>
        <source>Process the wim file larger than 4 GB...</source>
        <translation>Procesando el archivo wim de más de 4 GB...</translation>
    </message>
    <message>
        <source>Splitting install.wim</source>
        <translation>División de install.wim</translation>
    </message>
</context>
<context>
    <name>CInputDialog</name>
    <message>
        <source>Please input the name:</source>
        <translation>Introduzca el nombre:</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then extract again.</source>
        <translation>No se pudo iniciar la herramienta de archivo 7z (%1), por lo que no se extrajo nada. Compruebe que el programa 7z está en la carpeta «7z» de la aplicación y vuelva a extraer.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while extracting from %1.</source>
        <translation>La herramienta de archivo 7z se detuvo inesperadamente al extraer de %1.</translation>
    </message>
    <message>
        <source>Extracting from %1 did not succeed.</source>
        <translation>La extracción de %1 no se completó.</translation>
    </message>
    <message>
        <source>The archive tool reported: %1</source>
        <translation>La herramienta de archivo informó: %1</translation>
    </message>
    <message>
        <source>The archive tool ended with exit code %1.</source>
        <translation>La herramienta de archivo terminó con el código de salida %1.</translation>
    </message>
    <message>
        <source>Check that the destination folder can be written to and has enough free space, then extract again.</source>
        <translation>Compruebe que se puede escribir en la carpeta de destino y que tiene suficiente espacio libre y vuelva a extraer.</translation>
    </message>
    <message>
        <source>What was extracted is kept in %1.</source>
        <translation>Lo que se extrajo se conserva en %1.</translation>
    </message>
    <message>
        <source>The archive tool did not extract: %1.</source>
        <translation>La herramienta de archivo no extrajo: %1.</translation>
    </message>
    <message>
        <source>These entries could not be put into %1 because an entry of another kind (a file instead of a folder, or a folder instead of a file) has the same name there: %2.</source>
        <translation>Estos elementos no se pudieron colocar en %1 porque allí hay otro de distinto tipo (un archivo en vez de una carpeta, o al revés) con el mismo nombre: %2.</translation>
    </message>
    <message>
        <source>Their extracted copies are kept in %1.</source>
        <translation>Sus copias extraídas se conservan en %1.</translation>
    </message>
    <message>
        <source>The archive tool 7z could not be started (%1), so the image %2 could not be read. Check that the 7z program lies in the folder &quot;7z&quot; of the application, then load the image again.</source>
        <translation>No se pudo iniciar la herramienta de archivo 7z (%1) y no se pudo leer la imagen %2. Compruebe que 7z está en la carpeta «7z» de la aplicación y vuelva a cargar la imagen.</translation>
    </message>
    <message>
        <source>The archive tool 7z stopped unexpectedly while reading %1. Load the image again; if this happens again, the file may be damaged.</source>
        <translation>La herramienta de archivo 7z se detuvo inesperadamente al leer %1. Vuelva a cargar la imagen; si vuelve a ocurrir, puede que el archivo esté dañado.</translation>
    </message>
    <message>
        <source>The file %1 could not be read as a disc image.</source>
        <translation>No se pudo leer el archivo %1 como imagen de disco.</translation>
    </message>
    <message>
        <source>Choose an ISO image file that is complete and readable, then load it again.</source>
        <translation>Elija un archivo de imagen ISO completo y legible y vuelva a cargarlo.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(y %n más)</numerusform>
            <numerusform>(y %n más)</numerusform>
        </translation>
    </message>
    <message>
        <source>Extract(&amp;E)</source>
        <translation>&amp;Extraer</translation>
    </message>
    <message>
        <source>Please select the files or folders you want to extract</source>
        <translation>Seleccione los archivos o carpetas que desea extraer.</translation>
    </message>
    <message>
        <source>Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a folder that you can write to, then extract again.</source>
        <translation>No se puede extraer nada en %1: no se puede crear una carpeta allí (%2). Elija una carpeta en la que pueda escribir y vuelva a extraer.</translation>
    </message>
    <message>
        <source>Extracting files...</source>
        <translation>Extrayendo archivos...</translation>
    </message>
    <message>
        <source>Extracting files: </source>
        <translation>Extrayendo archivos: </translation>
    </message>
    <message>
        <source>Copying files! Please wait a few seconds..</source>
        <translation>¡Copiando archivos! Espere unos segundos..</translation>
    </message>
    <message>
        <source>Extract files successfully.</source>
        <translation>Archivos extraídos correctamente.</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Cargar ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>ISO Extract</source>
        <translation>Extraer ISO</translation>
    </message>
    <message>
        <source>Directly extract everything from ISO image file and export to your computer.</source>
        <translation>Extraiga directamente cualquier contenido de un archivo de imagen ISO a su equipo.</translation>
    </message>
    <message>
        <source>The list of entries to extract cannot be written to %1 (%2), so nothing was extracted.</source>
        <translation>La lista de entradas que se van a extraer no se puede escribir en %1 (%2), así que no se extrajo nada.</translation>
    </message>
    <message>
        <source>These entries were not extracted, because their names in the image cannot be names of files in the destination folder (such as &quot;..&quot;, a name holding &quot;/&quot; or a name that is not readable text): %1.</source>
        <translation>Estas entradas no se extrajeron porque sus nombres en la imagen no pueden ser nombres de archivos en la carpeta de destino (como &quot;..&quot;, un nombre que contiene &quot;/&quot; o un nombre que no es texto legible): %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>Your files of the same names were kept: %1.</source>
        <translation>Se conservaron sus archivos con los mismos nombres: %1.</translation>
    </message>
</context>
<context>
    <name>CPage3</name>
    <message>
        <source>Add Files...</source>
        <translation>+ Archivos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>+ Carpeta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Create ISO</source>
        <translation>Crear ISO</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Add Files(&amp;F)</source>
        <translation>Añadir &amp;archivos</translation>
    </message>
    <message>
        <source>Add Dirs(&amp;D)</source>
        <translation>Añadir &amp;carpetas</translation>
    </message>
    <message>
        <source>Remove(&amp;R)</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>File &amp; Folder Backup</source>
        <translation>Copia de seguridad de archivos y carpetas</translation>
    </message>
    <message>
        <source>Backup Type:</source>
        <translation>Tipo de copia:</translation>
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
        <translation>Tamaño máximo: 5 GB</translation>
    </message>
    <message>
        <source>Total Size : 0 KB</source>
        <translation>Tamaño total: 0 KB</translation>
    </message>
    <message>
        <source>Total Size: </source>
        <translation>Tamaño total: </translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>¡Primero añada archivos o carpetas!</translation>
    </message>
    <message>
        <source>Please select one type</source>
        <translation>Seleccione un tipo.</translation>
    </message>
    <message>
        <source>The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. Choose UDF ISO as the backup type, or remove that file.</source>
        <translation>La colección contiene un archivo de 4 GB o más, que una imagen ISO9660 no puede contener. Elija UDF ISO como tipo de copia o quite ese archivo.</translation>
    </message>
    <message>
        <source>The working folder below %1 could not be made. Check that this folder is writable and that the disk has free space, then open the page again.</source>
        <translation>No se pudo crear la carpeta de trabajo en %1. Compruebe que se puede escribir en esa carpeta y que el disco tiene espacio libre y vuelva a abrir la página.</translation>
    </message>
    <message>
        <source>Copy files and folders...</source>
        <translation>Copiando archivos y carpetas...</translation>
    </message>
    <message>
        <source>Creating ISO file...</source>
        <translation>Creando el archivo ISO...</translation>
    </message>
    <message>
        <source>Create ISO successfully!</source>
        <translation>¡ISO creada correctamente!</translation>
    </message>
    <message>
        <source>mkisofs could not be started (%1). Check that the program is installed beside Quillmere.</source>
        <translation>No se pudo iniciar mkisofs (%1). Compruebe que el programa está instalado junto a Quillmere.</translation>
    </message>
    <message>
        <source>The ISO image could not be created.</source>
        <translation>No se pudo crear la imagen ISO.</translation>
    </message>
    <message>
        <source>Check that the output folder is writable and has enough free space, then try again.</source>
        <translation>Compruebe que se puede escribir en la carpeta de destino y que tiene suficiente espacio libre y vuelva a intentarlo.</translation>
    </message>
    <message numerus="yes">
        <source>(and %n more)</source>
        <translation>
            <numerusform>(y %n más)</numerusform>
            <numerusform>(y %n más)</numerusform>
        </translation>
    </message>
    <message>
        <source>Windows shows names of at most %1 characters; these will be shortened there: %2. Create the image anyway?</source>
        <translation>Windows muestra nombres de %1 caracteres como máximo; estos se acortarán allí: %2. ¿Crear la imagen de todos modos?</translation>
    </message>
    <message>
        <source>The ISO image was not created: the collection could not be copied completely.</source>
        <translation>No se creó la imagen ISO: la colección no se pudo copiar por completo.</translation>
    </message>
</context>
<context>
    <name>CPage4</name>
    <message>
        <source>The image &quot;%1&quot; could not be listed: %2 Please check that it is an ISO image.</source>
        <translation>No se pudo listar el contenido de la imagen «%1»: %2 Compruebe que es una imagen ISO.</translation>
    </message>
    <message>
        <source>the archive tool gave no reason.</source>
        <translation>la herramienta de archivo no indicó el motivo.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>The image could not be unpacked completely (%1). Saving it now would leave files out; please load the image again or check the free disk space.</source>
        <translation>La imagen no se pudo descomprimir por completo (%1). Si la guarda ahora faltarán archivos; vuelva a cargar la imagen o compruebe el espacio libre en disco.</translation>
    </message>
    <message>
        <source>the archive tool reported an error</source>
        <translation>la herramienta de archivo informó de un error</translation>
    </message>
    <message>
        <source>Add(&amp;A)</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Export(&amp;E)</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Rename(&amp;R)</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Load ISO</source>
        <translation>Cargar ISO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has a path that leads out of the image&apos;s folder, so it cannot be changed or copied. Please load the image again or choose other entries.</source>
        <translation>La ruta del elemento «%1» sale de la carpeta de la imagen, por lo que no se puede cambiar ni copiar. Vuelva a cargar la imagen o elija otros elementos.</translation>
    </message>
    <message>
        <source>Extracting iso...</source>
        <translation>Extrayendo la ISO...</translation>
    </message>
    <message>
        <source>Copy files and directories...</source>
        <translation>Copiando archivos y carpetas...</translation>
    </message>
    <message>
        <source>Please select files or folders in the list first.</source>
        <translation>Primero seleccione archivos o carpetas en la lista.</translation>
    </message>
    <message>
        <source>Export Successfully !</source>
        <translation>¡Exportación completada!</translation>
    </message>
    <message>
        <source>Please select one row in the table list first</source>
        <translation>Primero seleccione una fila de la lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a name: a name must not hold &quot;/&quot; or &quot;\&quot; and must not be &quot;.&quot; or &quot;..&quot;. Please type another name.</source>
        <translation>«%1» no se puede usar como nombre: un nombre no puede contener «/» ni «\» ni ser «.» o «..». Escriba otro nombre.</translation>
    </message>
    <message>
        <source>This folder already holds an entry named &quot;%1&quot;. Please type another name.</source>
        <translation>Esta carpeta ya contiene un elemento llamado «%1». Escriba otro nombre.</translation>
    </message>
    <message>
        <source>Please add files or folders first!</source>
        <translation>¡Primero añada archivos o carpetas!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so a saved copy would lack files. Please load the image again.</source>
        <translation>La imagen no se descomprimió por completo, así que a una copia guardada le faltarían archivos. Vuelva a cargar la imagen.</translation>
    </message>
    <message>
        <source>The loaded image is still being unpacked and cannot be overwritten yet. Please choose another file name.</source>
        <translation>La imagen cargada aún se está descomprimiendo y todavía no se puede sobrescribir. Elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>Saving ISO file...</source>
        <translation>Guardando el archivo ISO...</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: %1 Please check the free disk space and the files you added.</source>
        <translation>No se pudo guardar el archivo ISO: %1 Compruebe el espacio libre en disco y los archivos que ha añadido.</translation>
    </message>
    <message>
        <source>mkisofs ended without finishing the image.</source>
        <translation>mkisofs terminó sin completar la imagen.</translation>
    </message>
    <message>
        <source>Save ISO file successfully!</source>
        <translation>¡Archivo ISO guardado correctamente!</translation>
    </message>
    <message>
        <source>The image was not unpacked completely, so exported files could be missing or incomplete. Please load the image again.</source>
        <translation>La imagen no se descomprimió por completo, así que los archivos exportados podrían faltar o estar incompletos. Vuelva a cargar la imagen.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; are not saved yet. Save them before going on?</source>
        <translation>Los cambios en «%1» aún no se han guardado. ¿Guardarlos antes de continuar?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS and UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>«%1» inicia la imagen en equipos BIOS y UEFI: sin él, la imagen guardada no se iniciará en ellos. ¿Eliminarlo de todos modos?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on UEFI computers: without it the saved image will not start on them. Delete it anyway?</source>
        <translation>«%1» inicia la imagen en equipos UEFI: sin él, la imagen guardada no se iniciará en ellos. ¿Eliminarlo de todos modos?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts the image on BIOS computers and from a CD or DVD: without it the saved image will not start there. Delete it anyway?</source>
        <translation>«%1» inicia la imagen en equipos BIOS y desde un CD o DVD: sin él, la imagen guardada no se iniciará allí. ¿Eliminarlo de todos modos?</translation>
    </message>
    <message>
        <source>Please load an ISO image first: Save writes a new image of the loaded one.</source>
        <translation>Cargue primero una imagen ISO: Guardar escribe una imagen nueva de la imagen cargada.</translation>
    </message>
    <message>
        <source>The ISO file could not be saved: the boot record that starts it from a USB stick could not be written (%1).</source>
        <translation>No se pudo guardar el archivo ISO: no se pudo escribir el registro de arranque que lo inicia desde una memoria USB (%1).</translation>
    </message>
    <message>
        <source>isohybrid ended without writing it</source>
        <translation>isohybrid terminó sin escribirlo</translation>
    </message>
    <message>
        <source>The export did not complete.</source>
        <translation>La exportación no se completó.</translation>
    </message>
    <message>
        <source>The ISO file was not saved: a change could not be made in the image&apos;s files.</source>
        <translation>No se guardó el archivo ISO: no se pudo aplicar un cambio en los archivos de la imagen.</translation>
    </message>
    <message>
        <source>Delete that entry and add it again, or load the image again.</source>
        <translation>Elimine esa entrada y vuelva a añadirla, o vuelva a cargar la imagen.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; in the image is not a name this computer can give a file, so this entry cannot be changed or copied; the saved image keeps it as it is.</source>
        <translation>El nombre de &quot;%1&quot; en la imagen no es un nombre que este equipo pueda dar a un archivo, así que esta entrada no se puede cambiar ni copiar; la imagen guardada la conserva tal como está.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed once the image has been unpacked. Please wait until the unpacking has ended, then try again.</source>
        <translation>&quot;%1&quot; se podrá cambiar cuando la imagen se haya descomprimido. Espere a que termine la descompresión y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>CPage5</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
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
        <translation>Crear imagen desde disco</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Select a CD/DVD drive:</source>
        <translation>Seleccione una unidad de CD/DVD:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Formato de salida:</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>ISO Format</source>
        <translation>Formato ISO</translation>
    </message>
    <message>
        <source>The disc could not be ejected:
%1</source>
        <translation>No se pudo expulsar el disco:
%1</translation>
    </message>
    <message>
        <source>Please select the iso file to save</source>
        <translation>Seleccione una unidad de CD/DVD.</translation>
    </message>
    <message>
        <source>Please select the iso file to save.</source>
        <translation>Elija el archivo ISO que desea guardar.</translation>
    </message>
    <message>
        <source>No disc is mounted in the drive %1. Insert a disc, wait until the system has mounted it and try again.</source>
        <translation>No hay ningún disco montado en la unidad %1. Inserte un disco, espere a que el sistema lo monte e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The image cannot be written to the folder %1 (%2).</source>
        <translation>No se puede escribir la imagen en la carpeta %1 (%2).</translation>
    </message>
    <message>
        <source>Start reading...</source>
        <translation>Comenzando la lectura...</translation>
    </message>
    <message>
        <source>hdiutil ended without writing the image.</source>
        <translation>hdiutil terminó sin escribir la imagen.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1 (%2).</source>
        <translation>No se pudo guardar la imagen como %1 (%2).</translation>
    </message>
    <message>
        <source>The disc could not be copied:
%1</source>
        <translation>No se pudo copiar el disco:
%1</translation>
    </message>
    <message>
        <source>Copy CD/DVD successfully!</source>
        <translation>¡El CD/DVD se copió correctamente!</translation>
    </message>
    <message>
        <source>hdiutil could not be started (%1).</source>
        <translation>No se pudo iniciar hdiutil (%1).</translation>
    </message>
    <message>
        <source>hdiutil ended unexpectedly.</source>
        <translation>hdiutil terminó de forma inesperada.</translation>
    </message>
    <message>
        <source>hdiutil ended with exit status %1.</source>
        <translation>hdiutil terminó con el estado de salida %1.</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>CommDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>FileFailureText</name>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>«%1» ya no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer «%1».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>Something named &quot;%1&quot; is already there and was left as it is.</source>
        <translation>Ya existe algo llamado «%1» y se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed.</source>
        <translation>No se pudo eliminar «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed.</source>
        <translation>No se pudo cambiar el nombre de «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir «%1».</translation>
    </message>
    <message>
        <source>Other entries failed as well.</source>
        <translation>Otras entradas también fallaron.</translation>
    </message>
</context>
<context>
    <name>FolderView</name>
    <message>
        <source>This name cannot be a file&apos;s name on this computer, so this entry is never extracted, renamed or deleted.</source>
        <translation>Este nombre no puede ser el nombre de un archivo en este equipo, así que esta entrada nunca se extrae, se cambia de nombre ni se elimina.</translation>
    </message>
</context>
<context>
    <name>GerneralDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Crear un USB o DVD/CD de arranque a partir de una ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extraer el contenido de una ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>ISO a partir de archivos o carpetas</translation>
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
 Añadir, eliminar, renombrar 
 contenido de un archivo ISO</translation>
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
 Crear un archivo ISO 
 a partir de un CD/DVD</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Salir</translation>
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
        <translation>El archivo %1 no existe. Elija una imagen ISO con «Cargar ISO».</translation>
    </message>
    <message>
        <source>No web browser could be started. The help pages are at %1.</source>
        <translation>No se pudo iniciar ningún navegador web. La ayuda está en %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>¡Primero arrastre el icono a la carpeta Aplicaciones!</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>Any Files(*)</source>
        <translation>Todos los archivos(*)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
</context>
<context>
    <name>ReplaceFileDialog</name>
    <message>
        <source>The destination folder already holds &quot;%1&quot;. Replace it with the file from the image?</source>
        <translation>La carpeta de destino ya contiene «%1». ¿Desea reemplazarlo por el archivo de la imagen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
