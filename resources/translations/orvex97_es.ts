<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>Añadiendo archivos</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Comenzando a añadir a %1</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>The old text says "Extract" for a failed add and "DLL" for the libraries; translated by meaning: error while adding, fatal exception of the library.</translatorcomment><translation>Error al añadir; excepción grave de la biblioteca</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>"zipfile" translated as "archivo ZIP".</translatorcomment><translation>¡Primero debe crear un archivo ZIP nuevo o abrir uno!</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>¡No hay archivos seleccionados!</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;ninguno&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>dividido</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>Listado no actualizado</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>El archivador ha cambiado y sus elementos no se han vuelto a leer. Archivo &gt; Abrir archivador los lee.</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>Solo lectura: dividido en %n archivo</numerusform><numerusform>Solo lectura: dividido en %n archivos</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>Un archivador dividido no se modifica: no se pueden añadir, eliminar, renombrar ni reescribir elementos. Archivo &gt; Guardar como… crea una copia única que sí se puede modificar.</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>Solo lectura: %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>No se pueden añadir, eliminar ni reescribir elementos. Archivo &gt; Guardar como… crea una copia en ZIP, tar o 7z que sí se puede modificar.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 no existe y no se puede crear: su nombre indica %2, un formato que solo se lee. Archivo &gt; Nuevo archivador crea uno.</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>Nuevo: se crea al añadir por primera vez</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 aún no existe; al añadir por primera vez se crea como archivador %2.</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>The window's title: the archive's file name, then the program's name</extracomment>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No such archive: %1</source>
        <extracomment>%1 is a path; said in a box and on the terminal</extracomment>
        <translation>No existe el archivador: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: no se pudo hacer todo</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: no se extrajo nada</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>The old text "Error :" with its odd spacing is written with normal Spanish punctuation; "directory" is "carpeta".</translatorcomment><translation>Error: no se ha seleccionado ninguna carpeta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 es un archivador %2, que aquí solo se lee</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1: un nombre terminado en .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar o .7z indica qué archivador crear</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>¿Sobrescribir el archivo existente %1?</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>No se puede colocar %1 en su sitio: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>No existe el archivo: %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>Comentario del archivador - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>Comentario del archivador</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>Solo almacenar</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>La más rápida</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>La más pequeña</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>&amp;Archivador:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>&amp;Nivel de compresión:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>C&amp;onfirmar contraseña:</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>Comprimir en</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>Dé un nombre al archivador.</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>Indique la ruta completa del archivador, empezando por /.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 es una carpeta.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Las dos contraseñas no coinciden.</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 se ha modificado en otro programa. ¿Actualizarlo en el archivador?</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>Sus cambios en «%1» no se escribieron en %2. Se conservan en %3.</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>The old "Error :" spacing is written with normal Spanish punctuation.</translatorcomment><translation>Error: no se encuentra el archivo %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translation>Error: no se ha seleccionado ninguna carpeta</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translation>Error: no se encuentra la carpeta %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translation>Error: no hay archivos que extraer</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translation>Error: no hay archivos seleccionados</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translation>Error: no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>Extrayendo archivos</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>Comenzando a extraer de %1 a %2</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" (the program's old word for its libraries) is translated as "biblioteca".</translatorcomment><translation>Error al extraer; excepción grave de la biblioteca</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>"OverWrite Existing" is named as the Extract dialog shows it in Spanish: "Sobrescribir existentes".</translatorcomment><translation><numerusform>Se conservó %n archivo existente; elija Sobrescribir existentes: Sí para reemplazarlo.</numerusform><numerusform>Se conservaron %n archivos existentes; elija Sobrescribir existentes: Sí para reemplazarlos.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>"OverWrite Existing" is named as the Extract dialog shows it in Spanish: "Sobrescribir existentes".</translatorcomment><translation><numerusform>Se conservó %n archivo existente; elija Sobrescribir existentes: Sí para reemplazarlo.</numerusform><numerusform>Se conservaron %n archivos existentes; elija Sobrescribir existentes: Sí para reemplazarlos.</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Ayuda de Orvex 97</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 elemento</numerusform><numerusform>%1 elementos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 elemento</numerusform><numerusform>%1 elementos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 carpeta</numerusform><numerusform>%1 carpetas</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 carpeta</numerusform><numerusform>%1 carpetas</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (%2 comprimido)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Abrir con</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>Abrir «%1» con:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (predeterminada)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>O una orden (%f representa el archivo):</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>El listado no se ha vuelto a leer y no está actualizado: vuelva a abrir el archivador para ver sus elementos tal como están ahora.</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>Leyendo el archivador</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>Leyendo elementos…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>Leyendo %Ln elemento…</numerusform><numerusform>Leyendo %Ln elementos…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>Leyendo %Ln elemento…</numerusform><numerusform>Leyendo %Ln elementos…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" (the program's old word for its libraries) is translated as "biblioteca".</translatorcomment><translation>Mensaje de error de la biblioteca: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>Cancelar la operación</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>Se registró %n error más en la ventana de mensajes</numerusform><numerusform>Se registraron %n errores más en la ventana de mensajes</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>Se registró %n error más en la ventana de mensajes</numerusform><numerusform>Se registraron %n errores más en la ventana de mensajes</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>Archivo: %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>Se añadió %n archivo</numerusform><numerusform>Se añadieron %n archivos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>Se extrajo %n archivo</numerusform><numerusform>Se extrajeron %n archivos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>Se renombró %n archivo</numerusform><numerusform>Se renombraron %n archivos</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Introduzca la contraseña de %1:</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>La contraseña no es correcta.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A property's name before its value; %1 is the name, e.g. "Path".</extracomment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>RenameCommand</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>No se encuentra el archivo ZIP: %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translation>Error: no hay archivos que renombrar</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Error: no hay ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Nuevo nombre para %1:</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>Renombrando archivos</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Comenzando a renombrar en %1</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>Error grave al intentar renombrar</translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>%1 [%2]</source>
        <extracomment>A drive in the list: %1 is the folder it is mounted on, %2 its name.</extracomment>
        <translation>%1 [%2]</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>Seleccionar todos los archivos</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>Archivos que añadir:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>Ordenar archivos</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translatorcomment>"dir" is "carpeta" (folder).</translatorcomment><translation>Añadir car&amp;peta</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translation>Añadir una carpeta al archivo ZIP</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>Añadir a&amp;rchivos</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Añadir archivos al archivo ZIP</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>&amp;Quitar archivo</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translation>Quitar archivos del archivo ZIP</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>"Save DirNames" (store each file's folder names): "Guardar rutas", short for the 130-pixel box.</translatorcomment><translation>Guardar rutas</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>Guarda la ruta con cada nombre de archivo</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>"Recurse Dirs": "Incluir subcarpetas" (include the subfolders).</translatorcomment><translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>Se incluirán las subcarpetas de CADA especificación de archivos indicada</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>"Force MS-DOS": "Nombres MS-DOS" (store short 8.3 MS-DOS names).</translatorcomment><translation>Nombres MS-DOS</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>Obliga a que todos los nombres de archivo que entran en el archivo ZIP cumplan la restricción 8.3 de DOS. Si no se marca, se admiten nombres largos</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translatorcomment>"Use Timestamp": "Usar fecha" (give the archive the date of its newest member).</translatorcomment><translation>Usar fecha</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>Poner al archivo ZIP la fecha y hora del archivo más reciente que contiene</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>Eliminar archivos después</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>Tras añadirlos al archivador, eliminar los archivos originales</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>Solo actualizar archivos</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>Cifrar con contraseña…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>Cifrar los archivos añadidos con una contraseña (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>Guardar rutas completas</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>Con Guardar rutas, guardar cada ruta desde la carpeta raíz en lugar de desde la carpeta que contiene lo añadido</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Nivel de compresión</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>Nivel de compresión; predeterminado = máx. = ahorra espacio, mín. = ahorra tiempo</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>Med</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level's scale: the most compression (smallest).</extracomment>
        <translation>Máx</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation>Empezar a comprimir los archivos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Cancelar la operación</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>Introduzca la contraseña para los archivos que se añadan:</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>La contraseña tiene más de %n byte.</numerusform><numerusform>La contraseña tiene más de %n bytes.</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>Vuelva a introducir la contraseña:</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>Seleccionar la carpeta de extracción</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>Buscar &amp;en:</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>Crear una carpeta nueva</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>E&amp;xtraer en:</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>La carpeta en la que extraer; si aún no existe, se crea</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>En una carpeta con el nombre del archivador</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>Extraer en una carpeta nueva dentro de la elegida, con el nombre del archivador (fotos.tar.gz: fotos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>"Expand ZIP Dirs" (whether the folders stored in the archive are made again): "Restaurar carpetas".</translatorcomment><translation>Restaurar carpetas</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>Extrae y recrea la ruta relativa que se haya guardado con cada archivo. También se recrean las carpetas vacías guardadas en el archivador (si las hay).</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>"OverWrite Existing" (with its odd capital W): "Sobrescribir existentes".</translatorcomment><translation>Sobrescribir existentes</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>Sobrescribir los archivos ya existentes durante la extracción.</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>Archivos que extraer</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>Archivos seleccionados</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>Archivos que extraer</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>Solo actualizar archivos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>Empezar a extraer los archivos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Cancelar la operación</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>La carpeta en la que extraer debe ser una ruta completa, que empiece por «/» o «~»: %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translatorcomment>"Input Box" (the title of the box asking for a new folder's name) is given its meaning: "Nueva carpeta".</translatorcomment><translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 para Linux, Desktop Edition 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>Noruega</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Correo electrónico: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TF_Editform</name>
    <message>
        <source>Orvex 97 Internal editor</source>
        <translation>Editor interno de Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crear un archivo nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Abrir un archivo existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Guardar el archivo actual</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Guardar el archivo actual con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Imprimir el archivo actual</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>Configuración de im&amp;presora...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Salir de esta aplicación</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Eliminar el elemento seleccionado</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copiar el elemento seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>Pegar el contenido del portapapeles</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>No se encontró el texto.</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>No se encuentra «%1».</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>"zipfile" translated as "archivo ZIP".</translatorcomment><translation>¿Actualizar el archivo ZIP?</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menú de la ventana</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>Hay una operación en curso. ¿Detenerla y salir?</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>%1 no se puede mover a la papelera (%2). ¿Eliminarlo definitivamente? Las partes que lo siguen correrán la misma suerte.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 no se puede mover a la papelera (%2). ¿Eliminarlo definitivamente?</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>Todos los archivadores (%1);;Archivos ZIP (%2);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>Archivos ZIP (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>Archivadores %1 (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>Hay 1 elemento seleccionado.</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>Hay %n elementos seleccionados.</numerusform><numerusform>Hay %n elementos seleccionados.</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>No es un nombre de archivador válido: %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translation>No se encuentra el archivo ZIP: %1. Ya no aparece en el menú Archivo.</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>Crear un archivo ZIP nuevo</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>¿Sobrescribir el archivo existente %1?</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>Abrir un archivo ZIP existente</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>No se encuentra el archivo ZIP: %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>¿Mover %1 a la papelera?</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>Es una parte de un archivador dividido; su otra parte también se moverá: %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>Es una parte de un archivador dividido; sus otras partes también se moverán: %1</numerusform><numerusform>Es una parte de un archivador dividido; sus otras partes también se moverán: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>The odd spacing of "Error :" is written with normal Spanish punctuation.</translatorcomment><translation>Error: no hay archivos que eliminar</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>¿Eliminar %n elemento (las carpetas seleccionadas con todo su contenido) de %1?</numerusform><numerusform>¿Eliminar %n elementos (las carpetas seleccionadas con todo su contenido) de %1?</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>¿Eliminar los archivos seleccionados de %1?
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>The odd spacing of "Error :" is written with normal Spanish punctuation.</translatorcomment><translation>Error: no hay archivos seleccionados</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>Eliminando archivos</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>Comenzando a eliminar de %1</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>Error grave al intentar eliminar</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>The capital D of "Deleted" is not reproduced.</translatorcomment><translation><numerusform>Se eliminó %n archivo</numerusform><numerusform>Se eliminaron %n archivos</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translation>Crear un archivo ZIP nuevo</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translation>Abrir un archivo ZIP existente</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translation>Eliminar el archivo ZIP existente</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>Ejecutar el archivo seleccionado</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>Editar el archivo seleccionado</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translation>Extraer archivos del archivo ZIP</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Añadir archivos al archivo ZIP</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translation>Eliminar archivos del archivo ZIP</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>Salir de Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>&amp;Nuevo archivador</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>&amp;Abrir archivador</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>&amp;Eliminar archivador</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>P&amp;ropiedades…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Invertir selección</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>&amp;Copiar nombres</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translation>&amp;Extraer </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>&amp;Comprobar archivador</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>Re&amp;nombrar…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>Ejecutar archivo</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>Editar archivo</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>A&amp;brir con la aplicación predeterminada</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>Abrir c&amp;on…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>Nombres de otros sistemas</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>Co&amp;mentario del archivador…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>Columna de p&amp;roporción</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translatorcomment>Kept as the old item says ("compress status"), although the window shows every operation.</translatorcomment><translation>&amp;Mostrar estado de compresión</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>de Tolvane</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>"Zip filename:" as "Archivo ZIP:", before the archive's path.</translatorcomment><translation>Archivo ZIP:</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>La carpeta que se muestra; escriba la ruta de una carpeta y pulse Intro para ir a ella</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation>parte de un nombre; * y ? como comodines</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>&amp;Subir una carpeta</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>F&amp;iltrar…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>Como &amp;carpetas</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>Como &amp;lista plana</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>No hay ninguna carpeta %1 en este archivador.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>Mostrando %1 de %Ln elemento</numerusform><numerusform>Mostrando %1 de %Ln elementos</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>Proporción %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>E&amp;xtraer selección…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>Com&amp;probar selección</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>Seleccionado: %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>Archivador: %1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>"Exctracting files:" (misspelt in the program) is written correctly and short for the 93-pixel panel: "Extrayendo:".</translatorcomment><translation>Extrayendo:</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>%n archivo comprobado, %1 con errores</numerusform><numerusform>%n archivos comprobados, %1 con errores</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>Error: no se encuentra el archivo %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translation>Error: no hay archivos que comprobar</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>Comprobando archivos</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Comenzando la comprobación de %1</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Error al comprobar; excepción grave de la biblioteca</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>No se puede leer el archivo «%1». %2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>No es un archivo de texto</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>No se puede escribir el archivo «%1». %2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>No se puede empezar a imprimir en %1</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 byte</numerusform><numerusform>%1 bytes</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 byte</numerusform><numerusform>%1 bytes</numerusform></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A size in units ("4.5 MB"), then in bytes
----------
The number of split parts, then their file names</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>la que indica el formato</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>Tamaño en disco</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>Tamaño comprimido</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>Tamaño descomprimido</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>Proporción (comprimido / descomprimido)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>Elementos cifrados</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>Partes</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>"a archive" (the program's own English) is written with correct Spanish grammar.</translatorcomment><translation>%1 necesita un archivador</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>No es un archivo local: %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 necesita al menos un archivo</translation>
    </message>
    <message>
        <source>  --extract-here FILE...       extract each archive into the folder that holds it;
                               members not all under one top folder go into a
                               new folder named after the archive
  --extract-to DIR FILE...     the same, into DIR
  --extract FILE...            ask where to extract, in the extract dialog
  --compress FILE...           ask for a new archive's name, format, level and
                               password, then add FILEs to it
  --add-to ARCHIVE FILE...     add FILEs to ARCHIVE (made when missing) without asking
FILE may be a path or a file:// URL. These modes open no main window; the exit
status is 0 when everything asked was done, 1 when something failed or was
cancelled, and 2 for a wrong command line.
</source>
        <extracomment>Part of --help. The options (--extract-here …) and the words in capitals (FILE, DIR, ARCHIVE) are typed as they are: keep them, and keep the text within 80 columns</extracomment>
        <translation>  --extract-here FILE...       extraer cada archivador en la carpeta que lo
                               contiene; si sus elementos no están todos bajo
                               una misma carpeta, van a una carpeta nueva con
                               el nombre del archivador
  --extract-to DIR FILE...     lo mismo, en DIR
  --extract FILE...            preguntar dónde extraer, en el diálogo de
                               extracción
  --compress FILE...           preguntar el nombre, formato, nivel y contraseña
                               de un archivador nuevo y añadirle los FILE
  --add-to ARCHIVE FILE...     añadir los FILE a ARCHIVE (se crea si no existe)
                               sin preguntar
FILE puede ser una ruta o un URL file://. Estos modos no abren la ventana
principal; el estado de salida es 0 si se hizo todo lo pedido, 1 si algo falló
o se canceló, y 2 si la línea de órdenes es incorrecta.
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>No existe el archivador: %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 es el archivador que se está convirtiendo</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 ya existe; convert solo escribe un archivador nuevo</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>No se pudo convertir nada de %1</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>Opción desconocida o incompleta: %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>Juego de caracteres desconocido %1; debe ser uno de %2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>list necesita un archivador</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt necesita una contraseña: --password-file ARCHIVO, o un terminal en el que escribirla</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt necesita una contraseña que no esté vacía</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (otra vez)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>Las dos contraseñas no coinciden</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>El nivel es un número del 0 al 9</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>add necesita un archivador y al menos un archivo</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 es para archivadores ZIP; %2 es un archivador %3</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file va con --encrypt</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>delete necesita un archivador y al menos un nombre de elemento</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>extract necesita un archivador</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>No existe la carpeta: %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>test necesita un archivador</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>convert necesita un archivador de origen y un archivador nuevo</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt crea un archivador ZIP; %1 indica un archivador %2, que se escribe sin cifrar</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>Placeholders in capitals translated: ARCHIVE = ARCHIVADOR, FILE = ARCHIVO, NAME = NOMBRE, FOLDER = CARPETA, DIR = DESTINO, SPEC = PATRÓN, SOURCE TARGET = ORIGEN DESTINO.</translatorcomment><translation>ARCHIVADOR [--charset NOMBRE] [--password-file ARCHIVO]</translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVADOR [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder CARPETA/] [--encrypt [--password-file ARCHIVO]] PATRÓN...</translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of "orvexzip delete": translate only the words in capitals</extracomment>
        <translation>ARCHIVADOR NOMBRE...</translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVADOR [--to DESTINO] [--paths] [--base-folder CARPETA/] [--overwrite] [--update] [--freshen] [--charset NOMBRE] [--password-file ARCHIVO] [NOMBRE...]</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVADOR [--charset NOMBRE] [--password-file ARCHIVO] [NOMBRE...]</translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ORIGEN DESTINO [--level N] [--encrypt [--password-file ARCHIVO]]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip's usage; the commands follow</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>No se puede leer el archivo de contraseña %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>La contraseña de %1 tiene más de %n byte</numerusform><numerusform>La contraseña de %1 tiene más de %n bytes</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>Contraseña de %1: </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>La contraseña escrita tiene más de %n byte</numerusform><numerusform>La contraseña escrita tiene más de %n bytes</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>No se encuentra el archivo ZIP: %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 es un archivador %2: aquí no se puede leer su comentario.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>Se lee como UTF-8 o, si no, en la página de códigos de los nombres de los elementos; un comentario modificado se escribe en UTF-8.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>Se lee como UTF-8 o, si no, en la página de códigos de los nombres de los elementos. Un archivador %1 no se puede modificar.</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>El comentario ocupa %Ln byte; el comentario de un archivador ZIP admite como máximo %1.</numerusform><numerusform>El comentario ocupa %Ln bytes; el comentario de un archivador ZIP admite como máximo %1.</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>Escribiendo el comentario</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Comenzando el comentario de %1</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>Error grave al intentar escribir el comentario</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 es un archivador %2, que es de solo lectura. Guárdelo como ZIP (Archivo &gt; Guardar como…) para añadir archivos.</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>No hay ningún archivador abierto. ¿Crear un archivador nuevo para los archivos soltados?</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>"Text Filer" (the program's old word "Filer" for files): "Archivos de texto".</translatorcomment><translation>Archivos de texto (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>Sin nombre - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Editor interno de Orvex 97 - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 tiene caracteres que %2 no puede representar. ¿Guardarlo como UTF-8?</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>No se puede crear una carpeta en %1: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>No se puede mover %1 a %2: %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>Todos los nombres para %1 en %2 están ocupados</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 es un archivo, no una carpeta: no se puede extraer nada en %2</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>"Compr Size" (compressed size): "Comprimido", short for the column title.</translatorcomment><translation>Comprimido</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>"Uncmpr Size" (uncompressed size): "Tamaño", beside "Comprimido".</translatorcomment><translation>Tamaño</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/hora</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: orvex97 [ARCHIVE]
   or: orvex97 MODE FILE...
Opens ARCHIVE in the Orvex 97 window (the window alone without one): a ZIP,
tar (plain, .gz, .bz2, .xz, .zst) or 7z archive, or one it only reads (RAR,
ISO, cpio, ar, cab, lha, xar, a lone .gz, .bz2, .xz or .zst file).

Modes, for a file manager's menus:
%1
Options:
  --new-archive  open the window and ask for a new archive's name
  -h, --help     show this help and exit
  --version      show the version and exit
Qt's own options (-platform, -style, ...) are accepted as well.
</source>
        <extracomment>orvex97 --help. ARCHIVE, MODE and FILE are placeholders the text explains; the program's name, the options and the format names stay as they are. %1 lists the modes.</extracomment>
        <translation>Uso: orvex97 [ARCHIVE]
  o: orvex97 MODE FILE...
Abre ARCHIVE en la ventana de Orvex 97 (sin él, solo la ventana): un archivador
ZIP, tar (simple, .gz, .bz2, .xz, .zst) o 7z, o uno que solo lee (RAR, ISO,
cpio, ar, cab, lha, xar, un archivo .gz, .bz2, .xz o .zst suelto).

Modos, para los menús de un gestor de archivos:
%1
Opciones:
  --new-archive  abrir la ventana y pedir el nombre de un archivador nuevo
  -h, --help     mostrar esta ayuda y salir
  --version      mostrar la versión y salir
También se aceptan las opciones propias de Qt (-platform, -style, ...).
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>Pruebe «orvex97 --help».</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Error al extraer; excepción grave de la biblioteca</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translation>Sus cambios en «%1» no se escribieron en %2. El editor vuelve a abrirse con ellos: ciérrelo para intentarlo de nuevo, o consérvelos con Archivo &gt; Guardar como; responda No a «¿Actualizar el archivo ZIP?» para descartarlos.</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Error: no hay ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>«%1» es un enlace, y el archivador no contiene nada que abrir a través de él.</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>«%1» está cifrado en el archivador y aquí no se conoce su contraseña. ¿Reescribirlo sin cifrar?</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>No se puede abrir el archivo «%1»</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (solo lectura: un archivador %2 no se escribe)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>Inglés de EE. UU. (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>Europeo occidental (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>Europeo central (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Cirílico (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Griego (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japonés (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chino simplificado (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>Coreano (Hangul unificado)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chino tradicional (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>Europeo occidental (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>No se encuentra la ruta</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>Error de E/S %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>Un nombre de carpeta no puede contener «/»: cree las carpetas de una en una</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>«%1» no es un nombre válido para una carpeta nueva</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>No hay ninguna aplicación configurada para abrir %1</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>No se puede ejecutar esta orden: %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>la contraseña indicada no lo abre</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>está cifrado y no se indicó ninguna contraseña</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>sus datos cifrados se modificaron después de escribirse</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>está comprimido con un método que este programa no puede leer</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>está cifrado de una forma que este programa no puede leer</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>sus datos están dañados (no coinciden con su suma de comprobación)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>sus datos están dañados</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>el archivador termina antes que sus datos</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>antes se extrajo a ese archivo un elemento con el mismo nombre; extraiga con los nombres de carpeta para conservar ambos</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>su nombre lo colocaría fuera de la carpeta elegida</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>no se puede escribir en la carpeta elegida</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>no hay memoria suficiente para extraerlo</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>hay una carpeta con ese nombre que lo impide</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 no es un archivador ZIP.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>El índice del archivador está dañado; los elementos de la lista se encontraron sin él y se pueden comprobar y extraer.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>El índice del archivador está dañado y no se pudo encontrar ningún elemento sin él.</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>El archivador está dañado; se pudieron leer los elementos de la lista.</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>El archivador está dañado; no se pudo leer ninguno de sus elementos.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translation>No se añadió la carpeta %1: con «Incluir subcarpetas» desactivado, una carpeta no añade nada. Marque «Incluir subcarpetas» para añadirla con todo su contenido.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>No se puede usar la carpeta %1: %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>tiene el modo %1, no 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>no se puede crear: no se puede crear la carpeta %1 que la contendría</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>no se puede crear: %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>no hay ninguna carpeta para la papelera</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>no se encontró la papelera</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>No se puede crear una carpeta en %1: %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>La carpeta de trabajo %1 %2, así que no se usa ni se elimina nada de ella; en su lugar, esta ejecución guarda sus copias de los elementos en una carpeta privada nueva dentro de %3.</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>En la carpeta de trabajo %1 no se usa ni se elimina nada de esto: %2.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>No se puede crear una carpeta de trabajo en %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>No se puede usar la carpeta de trabajo %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>No se puede bloquear %1: %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Reemplazar c&amp;on:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Solo palabras &amp;completas</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Arriba</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Aba&amp;jo</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» es un lanzador del escritorio, que el escritorio podría ejecutar en lugar de mostrarlo, así que no se abre. Ejecutar archivo ejecuta un elemento a propósito.</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» es un programa, que el escritorio podría ejecutar en lugar de mostrarlo, así que no se abre. Ejecutar archivo ejecuta un elemento a propósito.</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» es un script, que el escritorio podría ejecutar en lugar de mostrarlo, así que no se abre. Ejecutar archivo ejecuta un elemento a propósito.</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>Archivos ZIP</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>Contraseña para el archivador nuevo:</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>Una contraseña vacía no cifra nada; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>Vuelva a escribir la contraseña:</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>Las dos contraseñas no coinciden; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translation>¡Primero debe crear un archivo ZIP nuevo o abrir uno!</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 es el archivador abierto; Guardar como escribe otro archivo.</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 no es un archivo; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>¿Cifrar con contraseña los elementos del archivador nuevo?</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Guardando como %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>Comenzando a guardar como %1 una copia de %2</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Error al guardar como; excepción grave de la biblioteca</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>No se pudo leer nada de %1; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>No se pudieron leer algunos elementos. ¿Guardar los demás como %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>Se guardó %n archivo en %1</numerusform><numerusform>Se guardaron %n archivos en %1</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>Los archivadores tar no se pueden cifrar</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>libarchive 3.6.2, que es quien escribe 7z aquí, no puede cifrarlo</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Los archivadores %1 no se pueden cifrar aquí</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>Un archivador %1 conserva los nombres tal cual: solo los archivadores ZIP reciben nombres DOS 8.3</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Un archivador %1 no toma la fecha de su elemento más reciente</translation>
    </message>
</context>
</TS>