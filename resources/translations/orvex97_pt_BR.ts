<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>Adicionando arquivos</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Iniciando a adição a %1</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>The old text says "Extract" for a failed add and "DLL" for the libraries; translated by meaning: error while adding, fatal exception of the library.</translatorcomment><translation>Erro ao adicionar; exceção fatal da biblioteca</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>"zipfile" translated as "arquivo ZIP".</translatorcomment><translation>Primeiro crie um novo arquivo ZIP ou abra um!</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>Nenhum arquivo selecionado!</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;nenhum&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>dividido</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>Listagem desatualizada</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>O arquivo compactado foi alterado e seus itens não foram lidos novamente. Arquivo &gt; Abrir arquivo compactado os lê.</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>Somente leitura: dividido em %n arquivo</numerusform><numerusform>Somente leitura: dividido em %n arquivos</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>Um arquivo compactado dividido não é alterado: não é possível adicionar, excluir, renomear nem regravar itens. Arquivo &gt; Salvar como… cria uma cópia única que pode ser alterada.</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>Somente leitura: %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>Não é possível adicionar, excluir nem regravar itens. Arquivo &gt; Salvar como… cria uma cópia em ZIP, tar ou 7z que pode ser alterada.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Não encontrado</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 não existe e não pode ser criado: seu nome indica %2, um formato que é somente lido. Arquivo &gt; Novo arquivo compactado cria um.</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>Novo: criado na primeira adição</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 ainda não existe; a primeira adição o cria como arquivo compactado %2.</translation>
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
        <translation>Arquivo compactado inexistente: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: nem tudo pôde ser feito</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: nada foi extraído</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>The old text "Error :" with its odd spacing is written with normal punctuation; "directory" is "pasta".</translatorcomment><translation>Erro: nenhuma pasta selecionada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 é um arquivo compactado %2, que aqui é somente lido</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1: um nome terminado em .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar ou .7z indica qual arquivo compactado criar</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>Sobrescrever o arquivo existente %1?</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>Não foi possível criar %1: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>Não foi possível colocar %1 no lugar: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>Arquivo inexistente: %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>Comentário do arquivo compactado - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>Comentário do arquivo compactado</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>Somente armazenar</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Mais rápida</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Menor tamanho</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compactar</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>&amp;Arquivo compactado:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>&amp;Nível de compactação:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Senha:</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>&amp;Confirmar senha:</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>Compactar em</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>Dê um nome ao arquivo compactado.</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>Informe o caminho completo do arquivo compactado, começando com /.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 é uma pasta.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>As duas senhas são diferentes.</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 foi alterado em outro programa. Atualizá-lo no arquivo compactado?</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>Suas alterações em "%1" não foram gravadas em %2. Elas estão guardadas em %3.</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>The old "Error :" spacing is written with normal punctuation.</translatorcomment><translation>Erro: arquivo não encontrado %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translation>Erro: nenhuma pasta selecionada</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translation>Erro: pasta não encontrada %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translation>Erro: nenhum arquivo para extrair</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translation>Erro: nenhum arquivo selecionado</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translation>Erro: não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>Extraindo arquivos</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>Iniciando a extração de %1 para %2</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" (the program's old word for its libraries) is translated as "biblioteca".</translatorcomment><translation>Erro ao extrair; exceção fatal da biblioteca</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>"OverWrite Existing" is named as the Extract dialog shows it in Portuguese: "Sobrescrever existentes".</translatorcomment><translation><numerusform>%n arquivo existente foi mantido; escolha Sobrescrever existentes: Sim para substituí-lo.</numerusform><numerusform>%n arquivos existentes foram mantidos; escolha Sobrescrever existentes: Sim para substituí-los.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>"OverWrite Existing" is named as the Extract dialog shows it in Portuguese: "Sobrescrever existentes".</translatorcomment><translation><numerusform>%n arquivo existente foi mantido; escolha Sobrescrever existentes: Sim para substituí-lo.</numerusform><numerusform>%n arquivos existentes foram mantidos; escolha Sobrescrever existentes: Sim para substituí-los.</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Ajuda do Orvex 97</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 item</numerusform><numerusform>%1 itens</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 item</numerusform><numerusform>%1 itens</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 pasta</numerusform><numerusform>%1 pastas</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 pasta</numerusform><numerusform>%1 pastas</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (%2 compactado)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Abrir com</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>Abrir "%1" com:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (padrão)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>Ou um comando (%f representa o arquivo):</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>A listagem não foi lida novamente e está desatualizada: abra o arquivo compactado de novo para ver seus itens como estão agora.</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>Lendo o arquivo compactado</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>Lendo itens…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>Lendo %Ln item…</numerusform><numerusform>Lendo %Ln itens…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>Lendo %Ln item…</numerusform><numerusform>Lendo %Ln itens…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" (the program's old word for its libraries) is translated as "biblioteca".</translatorcomment><translation>Mensagem de erro da biblioteca: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>Cancelar a operação</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>Mais %n erro foi registrado na janela de mensagens</numerusform><numerusform>Mais %n erros foram registrados na janela de mensagens</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>Mais %n erro foi registrado na janela de mensagens</numerusform><numerusform>Mais %n erros foram registrados na janela de mensagens</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>Arquivo: %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>%n arquivo foi adicionado</numerusform><numerusform>%n arquivos foram adicionados</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>%n arquivo foi extraído</numerusform><numerusform>%n arquivos foram extraídos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>%n arquivo foi renomeado</numerusform><numerusform>%n arquivos foram renomeados</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Digite a senha de %1:</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>A senha está errada.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
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
        <translation>Arquivo ZIP não encontrado: %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translation>Erro: nenhum arquivo para renomear</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Erro: nenhum arquivo selecionado</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Novo nome para %1:</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>Renomeando arquivos</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Iniciando a renomeação em %1</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>Erro fatal ao tentar renomear</translation>
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
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>Selecionar todos os arquivos</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>Arquivos a adicionar:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>Or&amp;denar</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>Ordenar arquivos</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translatorcomment>"dir" is "pasta" (folder).</translatorcomment><translation>Adicionar &amp;pasta</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translation>Adicionar uma pasta ao arquivo ZIP</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>Adicionar &amp;arquivos</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Adicionar arquivos ao arquivo ZIP</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>&amp;Remover arquivo</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translation>Remover arquivos do arquivo ZIP</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>"Save DirNames" (store each file's folder names): "Salvar caminhos", short for the 130-pixel box.</translatorcomment><translation>Salvar caminhos</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>Salva o caminho com cada nome de arquivo</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>"Recurse Dirs": "Incluir subpastas" (include the subfolders).</translatorcomment><translation>Incluir subpastas</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>As subpastas de CADA especificação de arquivos informada serão incluídas</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>"Force MS-DOS": "Nomes MS-DOS" (store short 8.3 MS-DOS names).</translatorcomment><translation>Nomes MS-DOS</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>Obriga todos os nomes de arquivo que entram no arquivo ZIP a seguir o limite 8.3 do DOS. Se desmarcado, nomes longos são aceitos</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translatorcomment>"Use Timestamp": "Usar data" (give the archive the date of its newest member).</translatorcomment><translation>Usar data</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>Dar ao arquivo ZIP a data e hora do arquivo mais recente que ele contém</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>Excluir arquivos depois</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>Depois de adicionar ao arquivo compactado, excluir os arquivos originais</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>Somente atualizar arquivos</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>Criptografar com senha…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>Criptografar os arquivos adicionados com uma senha (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>Salvar caminhos completos</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>Com Salvar caminhos, salvar cada caminho a partir da pasta raiz em vez da pasta que contém o que foi adicionado</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Nível de compactação</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>Nível de compactação; padrão = máx. = economiza espaço, mín. = economiza tempo</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>Méd</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level's scale: the most compression (smallest).</extracomment>
        <translation>Máx</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation>Começar a compactar os arquivos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Cancelar a operação</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>Digite a senha para os arquivos a adicionar:</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>A senha tem mais de %n byte.</numerusform><numerusform>A senha tem mais de %n bytes.</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>Digite a senha novamente:</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>As senhas não coincidem.</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>Selecionar a pasta de extração</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>Procurar &amp;em:</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>Criar nova pasta</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>E&amp;xtrair para:</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>A pasta para onde extrair; se ainda não existir, ela é criada</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>Em uma pasta com o nome do arquivo compactado</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>Extrair para uma nova pasta dentro da escolhida, com o nome do arquivo compactado (fotos.tar.gz: fotos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>"Expand ZIP Dirs" (whether the folders stored in the archive are made again): "Recriar pastas".</translatorcomment><translation>Recriar pastas</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>Extrai e recria o caminho relativo que possa ter sido salvo com cada arquivo. Pastas vazias salvas no arquivo compactado (se houver) também são recriadas.</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>"OverWrite Existing" (with its odd capital W): "Sobrescrever existentes".</translatorcomment><translation>Sobrescrever existentes</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>Sobrescrever arquivos já existentes durante a extração.</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>Arquivos a extrair</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>Arquivos selecionados</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>Arquivos a extrair</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>Somente atualizar arquivos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>Começar a extrair os arquivos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Cancelar a operação</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>A pasta para onde extrair deve ser um caminho completo, começando com "/" ou "~": %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translatorcomment>"Input Box" (the title of the box asking for a new folder's name) is given its meaning: "Nova pasta".</translatorcomment><translation>Nova pasta</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>Pasta</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TF_Editform</name>
    <message>
        <source>Orvex 97 Internal editor</source>
        <translation>Editor interno do Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Criar um novo arquivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Abrir um arquivo existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Salvar o arquivo atual</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Salvar o arquivo atual com outro nome</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Imprimir o arquivo atual</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>Configurar im&amp;pressora...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Sair deste aplicativo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Desfazer a última ação</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Excluir o item selecionado</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copiar o item selecionado para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>Colar o conteúdo da área de transferência</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Pesquisar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Localizar...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Localizar &amp;próxima</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
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
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>Texto não encontrado.</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>Não foi possível encontrar "%1".</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>"zipfile" translated as "arquivo ZIP".</translatorcomment><translation>Atualizar o arquivo ZIP?</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu da janela</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>Uma operação está em andamento. Interrompê-la e sair?</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Não foi possível excluir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>%1 não pode ser movido para a Lixeira (%2). Excluí-lo definitivamente? As partes seguintes terão o mesmo destino.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 não pode ser movido para a Lixeira (%2). Excluí-lo definitivamente?</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>Todos os arquivos compactados (%1);;Arquivos ZIP (%2);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>Arquivos ZIP (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>Arquivos compactados %1 (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>1 item selecionado.</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>%n itens selecionados.</numerusform><numerusform>%n itens selecionados.</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>Nome de arquivo compactado inválido: %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translation>Arquivo ZIP não encontrado: %1. Ele não aparece mais no menu Arquivo.</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>Criar novo arquivo ZIP</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>Sobrescrever o arquivo existente %1?</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>Abrir arquivo ZIP existente</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>Arquivo ZIP não encontrado: %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>Mover %1 para a Lixeira?</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>Ele é uma parte de um arquivo compactado dividido; a outra parte também vai: %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>Ele é uma parte de um arquivo compactado dividido; as outras partes também vão: %1</numerusform><numerusform>Ele é uma parte de um arquivo compactado dividido; as outras partes também vão: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>The odd spacing of "Error :" is written with normal punctuation.</translatorcomment><translation>Erro: nenhum arquivo para excluir</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>Excluir %n item (as pastas selecionadas com todo o seu conteúdo) de %1?</numerusform><numerusform>Excluir %n itens (as pastas selecionadas com todo o seu conteúdo) de %1?</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>Excluir os arquivos selecionados de %1?
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>The odd spacing of "Error :" is written with normal punctuation.</translatorcomment><translation>Erro: nenhum arquivo selecionado</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>Excluindo arquivos</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>Iniciando a exclusão de %1</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>Erro fatal ao tentar excluir</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>The capital D of "Deleted" is not reproduced.</translatorcomment><translation><numerusform>%n arquivo foi excluído</numerusform><numerusform>%n arquivos foram excluídos</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translation>Criar novo arquivo ZIP</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translation>Abrir arquivo ZIP existente</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translation>Excluir o arquivo ZIP existente</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>Executar o arquivo selecionado</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>Editar o arquivo selecionado</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translation>Extrair arquivos do arquivo ZIP</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Adicionar arquivos ao arquivo ZIP</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translation>Excluir arquivos do arquivo ZIP</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>Sair do Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>&amp;Novo arquivo compactado</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>&amp;Abrir arquivo compactado</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>&amp;Excluir arquivo compactado</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>&amp;Salvar como…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Proprie&amp;dades…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Inverter seleção</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>&amp;Copiar nomes</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>Açõe&amp;s</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translation>&amp;Extrair </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>&amp;Testar arquivo compactado</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renomear…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>Executar arquivo</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>Editar arquivo</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>A&amp;brir com o aplicativo padrão</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>Abrir c&amp;om…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>Nomes de outros sistemas</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>&amp;Comentário do arquivo compactado…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>Coluna de &amp;taxa</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translatorcomment>Kept as the old item says ("compress status"), although the window shows every operation.</translatorcomment><translation>&amp;Mostrar status da compactação</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>por Tolvane</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>"Zip filename:" as "Arquivo ZIP:", before the archive's path.</translatorcomment><translation>Arquivo ZIP:</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>A pasta exibida; digite o caminho de uma pasta e pressione Enter para ir até ela</translation>
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
        <translation>parte de um nome; * e ? como curingas</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>Itens</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>&amp;Subir uma pasta</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>&amp;Filtrar…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>Como &amp;pastas</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>Como &amp;lista simples</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>Não há pasta %1 neste arquivo compactado.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>Exibindo %1 de %Ln item</numerusform><numerusform>Exibindo %1 de %Ln itens</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>Taxa %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>Extrair &amp;selecionados…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>&amp;Testar selecionados</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>Selecionado: %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>Arquivo compactado: %1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>"Exctracting files:" (misspelt in the program) is written correctly and short for the 93-pixel panel: "Extraindo:".</translatorcomment><translation>Extraindo:</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Não foi possível ler o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não foi possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Não foi possível gravar o arquivo %1</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>%n arquivo testado, %1 com erros</numerusform><numerusform>%n arquivos testados, %1 com erros</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>Erro: arquivo não encontrado %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translation>Erro: nenhum arquivo para testar</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>Testando arquivos</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Iniciando o teste de %1</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Erro ao testar; exceção fatal da biblioteca</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Não foi possível abrir o arquivo "%1". %2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Não foi possível ler o arquivo "%1". %2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>Não é um arquivo de texto</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Não foi possível criar o arquivo "%1". %2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Não foi possível gravar o arquivo "%1". %2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>Não foi possível começar a imprimir em %1</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
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
        <translation>Caminho</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compactação</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>a que o formato indica</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>Tamanho em disco</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>Tamanho compactado</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>Tamanho descompactado</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>Taxa (compactado / descompactado)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>Itens criptografados</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>Partes</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>"a archive" (the program's own English) is written with correct grammar.</translatorcomment><translation>%1 precisa de um arquivo compactado</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 precisa de uma pasta</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>Não é um arquivo local: %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 precisa de pelo menos um arquivo</translation>
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
        <translation>  --extract-here FILE...       extrair cada arquivo compactado na pasta que o
                               contém; itens que não estão todos sob uma mesma
                               pasta vão para uma nova pasta com o nome do
                               arquivo compactado
  --extract-to DIR FILE...     o mesmo, em DIR
  --extract FILE...            perguntar onde extrair, na janela de extração
  --compress FILE...           perguntar nome, formato, nível e senha de um
                               novo arquivo compactado, depois adicionar os
                               FILE a ele
  --add-to ARCHIVE FILE...     adicionar os FILE a ARCHIVE (criado se não
                               existir) sem perguntar
FILE pode ser um caminho ou uma URL file://. Estes modos não abrem a janela
principal; o status de saída é 0 quando tudo o que foi pedido foi feito, 1
quando algo falhou ou foi cancelado e 2 para uma linha de comando errada.
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>Arquivo compactado inexistente: %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 é o arquivo compactado que está sendo convertido</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 existe; convert só grava um novo arquivo compactado</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>Nada em %1 pôde ser convertido</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>Opção desconhecida ou incompleta: %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>Conjunto de caracteres desconhecido %1; deve ser um de %2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>list precisa de um arquivo compactado</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt precisa de uma senha: --password-file ARQUIVO, ou um terminal para digitá-la</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt precisa de uma senha não vazia</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (novamente)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>As duas senhas são diferentes</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>O nível é um número de 0 a 9</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>add precisa de um arquivo compactado e de pelo menos um arquivo</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 é para arquivos ZIP; %2 é um arquivo compactado %3</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file acompanha --encrypt</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>delete precisa de um arquivo compactado e de pelo menos um nome de item</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>extract precisa de um arquivo compactado</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>Pasta inexistente: %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>test precisa de um arquivo compactado</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>convert precisa de um arquivo compactado de origem e de um novo arquivo compactado</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt cria um arquivo ZIP; %1 indica um arquivo compactado %2, que é gravado sem criptografia</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>Placeholders in capitals translated: ARCHIVE = COMPACTADO (the archive), FILE = ARQUIVO, NAME = NOME, FOLDER = PASTA, DIR = DESTINO, SPEC = PADRÃO, SOURCE TARGET = ORIGEM DESTINO.</translatorcomment><translation>COMPACTADO [--charset NOME] [--password-file ARQUIVO]</translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>COMPACTADO [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder PASTA/] [--encrypt [--password-file ARQUIVO]] PADRÃO...</translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of "orvexzip delete": translate only the words in capitals</extracomment>
        <translation>COMPACTADO NOME...</translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>COMPACTADO [--to DESTINO] [--paths] [--base-folder PASTA/] [--overwrite] [--update] [--freshen] [--charset NOME] [--password-file ARQUIVO] [NOME...]</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>COMPACTADO [--charset NOME] [--password-file ARQUIVO] [NOME...]</translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ORIGEM DESTINO [--level N] [--encrypt [--password-file ARQUIVO]]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip's usage; the commands follow</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>Não foi possível ler o arquivo de senha %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>A senha em %1 tem mais de %n byte</numerusform><numerusform>A senha em %1 tem mais de %n bytes</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>Senha de %1: </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>A senha digitada tem mais de %n byte</numerusform><numerusform>A senha digitada tem mais de %n bytes</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>Arquivo ZIP não encontrado: %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 é um arquivo compactado %2: aqui não é possível ler o comentário dele.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>Lido como UTF-8 ou, senão, na página de código dos nomes dos itens; um comentário alterado é gravado como UTF-8.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>Lido como UTF-8 ou, senão, na página de código dos nomes dos itens. Um arquivo compactado %1 não pode ser alterado.</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>O comentário ocupa %Ln byte; o comentário de um arquivo ZIP comporta no máximo %1.</numerusform><numerusform>O comentário ocupa %Ln bytes; o comentário de um arquivo ZIP comporta no máximo %1.</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>Gravando o comentário</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Iniciando o comentário de %1</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>Erro fatal ao tentar gravar o comentário</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 é um arquivo compactado %2, que é somente leitura. Salve-o como ZIP (Arquivo &gt; Salvar como…) para adicionar arquivos.</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>Nenhum arquivo compactado está aberto. Criar um novo arquivo compactado para os arquivos soltos?</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>"Text Filer" (the program's old word "Filer" for files): "Arquivos de texto".</translatorcomment><translation>Arquivos de texto (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>Sem nome - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Editor interno do Orvex 97 - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 já existe. Substituí-lo?</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 tem caracteres que %2 não consegue representar. Salvá-lo como UTF-8?</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>Não foi possível criar uma pasta em %1: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>Não foi possível mover %1 para %2: %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>Todos os nomes para %1 em %2 já estão em uso</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 é um arquivo, não uma pasta: nada pode ser extraído em %2</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>"Compr Size" (compressed size): "Compactado", short for the column title.</translatorcomment><translation>Compactado</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>"Uncmpr Size" (uncompressed size): "Tamanho", beside "Compactado".</translatorcomment><translation>Tamanho</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/hora</translation>
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
  ou: orvex97 MODE FILE...
Abre ARCHIVE na janela do Orvex 97 (sem ele, só a janela): um arquivo
compactado ZIP, tar (simples, .gz, .bz2, .xz, .zst) ou 7z, ou um que ele só lê
(RAR, ISO, cpio, ar, cab, lha, xar, um arquivo .gz, .bz2, .xz ou .zst avulso).

Modos, para os menus de um gerenciador de arquivos:
%1
Opções:
  --new-archive  abrir a janela e pedir o nome de um novo arquivo compactado
  -h, --help     mostrar esta ajuda e sair
  --version      mostrar a versão e sair
As opções do próprio Qt (-platform, -style, ...) também são aceitas.
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>Tente 'orvex97 --help'.</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Erro ao extrair; exceção fatal da biblioteca</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translation>Suas alterações em "%1" não foram gravadas em %2. O editor abre de novo com elas: feche-o para tentar novamente, ou guarde-as com Arquivo &gt; Salvar como; responda Não a "Atualizar o arquivo ZIP?" para descartá-las.</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Erro: nenhum arquivo selecionado</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>"%1" é um link, e o arquivo compactado não contém nada para abrir por meio dele.</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>"%1" está criptografado no arquivo compactado, e a senha dele não é conhecida aqui. Regravá-lo sem criptografia?</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Não foi possível abrir o arquivo "%1"</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (somente leitura: um arquivo compactado %2 não é gravado)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>Inglês dos EUA (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>Europeu ocidental (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>Europeu central (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Cirílico (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Grego (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japonês (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinês simplificado (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>Coreano (Hangul unificado)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chinês tradicional (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>Europeu ocidental (Windows)</translation>
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
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acesso ao arquivo negado</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>Erro de E/S %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>Um nome de pasta não pode conter "/": crie uma pasta de cada vez</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>"%1" não é um nome válido para uma nova pasta</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>Nenhum aplicativo está configurado para abrir %1</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>Não foi possível executar este comando: %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>a senha informada não o abre</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>está criptografado e nenhuma senha foi informada</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>seus dados criptografados foram alterados depois de gravados</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>está compactado com um método que este programa não consegue ler</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>está criptografado de um modo que este programa não consegue ler</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>seus dados estão danificados (não conferem com a soma de verificação)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>seus dados estão danificados</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>o arquivo compactado termina antes dos dados</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>um item de mesmo nome foi extraído antes para esse arquivo; extraia com os nomes das pastas para manter ambos</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>o nome o colocaria fora da pasta escolhida</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>não é possível gravar na pasta escolhida</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>não há memória suficiente para extraí-lo</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>há uma pasta com esse nome no lugar</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 não é um arquivo ZIP.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>O índice do arquivo compactado está danificado; os itens listados foram encontrados sem ele e podem ser testados e extraídos.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>O índice do arquivo compactado está danificado, e nenhum item pôde ser encontrado sem ele.</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>O arquivo compactado está danificado; os itens listados puderam ser lidos.</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>O arquivo compactado está danificado; nenhum dos itens pôde ser lido.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translation>A pasta %1 não foi adicionada: com "Incluir subpastas" desmarcado, uma pasta não adiciona nada. Marque "Incluir subpastas" para adicioná-la com todo o seu conteúdo.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>Não é possível usar a pasta %1: ela %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>é um link</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>tem o modo %1, não 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>não pode ser criada: a pasta %1 que a conteria não pode ser criada</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>não pode ser criada: %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>não há pasta para uma Lixeira</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>a Lixeira não foi encontrada</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Não foi possível criar uma pasta em %1: %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>A pasta de trabalho %1 %2, então nada nela é usado ou removido; em vez disso, esta execução guarda suas cópias dos itens em uma nova pasta privada dentro de %3.</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>Na pasta de trabalho %1, nada disto é usado ou removido: %2.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>Não foi possível criar uma pasta de trabalho em %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>Não é possível usar a pasta de trabalho %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Não foi possível bloquear %1: %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Substituir p&amp;or:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Somente palavras &amp;inteiras</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Diferenciar &amp;maiúsculas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Para &amp;cima</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Para &amp;baixo</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Localizar &amp;próxima</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Substituir &amp;tudo</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>"%1" é um lançador da área de trabalho, que a área de trabalho poderia executar em vez de exibi-lo, então ele não é aberto. Executar arquivo executa um item de propósito.</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>"%1" é um programa, que a área de trabalho poderia executar em vez de exibi-lo, então ele não é aberto. Executar arquivo executa um item de propósito.</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>"%1" é um script, que a área de trabalho poderia executar em vez de exibi-lo, então ele não é aberto. Executar arquivo executa um item de propósito.</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>Arquivos ZIP</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>Senha do novo arquivo compactado:</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>Uma senha vazia não criptografa nada; nada foi salvo.</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>Digite a senha novamente:</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>As duas senhas são diferentes; nada foi salvo.</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translation>Primeiro crie um novo arquivo ZIP ou abra um!</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 é o arquivo compactado aberto; Salvar como grava outro arquivo.</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 não é um arquivo; nada foi salvo.</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 já existe. Substituí-lo?</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>Criptografar com senha os itens do novo arquivo compactado?</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Salvando como %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>Iniciando Salvar como %1 de %2</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Erro ao salvar como; exceção fatal da biblioteca</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>Nada em %1 pôde ser lido; nada foi salvo.</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Alguns itens não puderam ser lidos. Salvar os outros como %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>%n arquivo foi salvo em %1</numerusform><numerusform>%n arquivos foram salvos em %1</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>Arquivos tar não podem ser criptografados</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>a libarchive 3.6.2, que grava 7z aqui, não consegue criptografá-lo</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Arquivos compactados %1 não podem ser criptografados aqui</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>Um arquivo compactado %1 mantém os nomes como estão: só arquivos ZIP recebem nomes DOS 8.3</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Um arquivo compactado %1 não recebe a data do seu item mais recente</translation>
    </message>
</context>
</TS>