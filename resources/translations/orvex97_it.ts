<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>Aggiunta dei file</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Inizio dell'aggiunta a %1</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>Testo storico mantenuto: parla di estrazione anche per un'aggiunta non riuscita; «DLL» indica le librerie del programma.</translatorcomment><translation>Errore durante l'estrazione; eccezione fatale della DLL</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>«zipfile» è reso ovunque con «archivio ZIP».</translatorcomment><translation>Prima occorre creare un nuovo archivio ZIP o aprirne uno!</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>Nessun file selezionato!</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;nessuno&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>diviso</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>Elenco non aggiornato</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>L'archivio è stato modificato e i suoi elementi non sono stati riletti. File &gt; Apri archivio li rilegge.</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>Sola lettura: diviso in %n file</numerusform><numerusform>Sola lettura: diviso in %n file</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>Un archivio diviso non viene modificato: non si possono aggiungere, eliminare, rinominare o riscrivere elementi. File &gt; Salva con nome… ne crea una copia unica che lo consente.</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>Sola lettura: %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>Non si possono aggiungere, eliminare o riscrivere elementi. File &gt; Salva con nome… ne crea una copia che lo consente, in ZIP, tar o 7z.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 non esiste e non può essere creato: il suo nome indica %2, un formato che viene solo letto. File &gt; Nuovo archivio ne crea uno.</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>Nuovo: la prima aggiunta lo crea</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 non esiste ancora; la prima aggiunta lo crea come archivio %2.</translation>
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
        <translation>Archivio inesistente: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: non è stato possibile fare tutto</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: non è stato estratto nulla</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>La spaziatura insolita di «Error :» non è riprodotta: si scrive «Errore:» come di norma in italiano.</translatorcomment><translation>Errore: nessuna cartella selezionata</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 è un archivio %2, che qui viene solo letto</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1: un nome che termina in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar o .7z indica quale archivio creare</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>Sovrascrivere il file esistente: %1?</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>Impossibile mettere %1 al suo posto: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>File inesistente: %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>Commento dell'archivio - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>Commento dell'archivio</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>Solo archiviazione</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Più compatto</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimi</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>&amp;Archivio:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>&amp;Livello di compressione:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>&amp;Conferma password:</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>Comprimi in</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>Dai un nome all'archivio.</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>Indica il percorso completo dell'archivio, che inizia con /.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 è una cartella.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Le due password sono diverse.</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 è stato modificato in un altro programma. Aggiornarlo nell'archivio?</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>Le modifiche a «%1» non sono state scritte in %2. Sono conservate in %3.</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>Errore: file non trovato %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translation>Errore: nessuna cartella selezionata</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translation>Errore: cartella non trovata %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translation>Errore: nessun file da estrarre</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translation>Errore: nessun file selezionato</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translation>Errore: impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>Estrazione dei file</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>Inizio dell'estrazione da %1 a %2</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Errore durante l'estrazione; eccezione fatale della DLL</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>«OverWrite Existing» è ripreso come appare nella finestra di estrazione: «Sovrascrivi esistenti».</translatorcomment><translation><numerusform>%n file esistente è stato mantenuto; scegli Sovrascrivi esistenti: Sì per sostituirlo.</numerusform><numerusform>%n file esistenti sono stati mantenuti; scegli Sovrascrivi esistenti: Sì per sostituirli.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translation><numerusform>%n file esistente è stato mantenuto; scegli Sovrascrivi esistenti: Sì per sostituirlo.</numerusform><numerusform>%n file esistenti sono stati mantenuti; scegli Sovrascrivi esistenti: Sì per sostituirli.</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Guida di Orvex 97</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 elemento</numerusform><numerusform>%1 elementi</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 elemento</numerusform><numerusform>%1 elementi</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 cartella</numerusform><numerusform>%1 cartelle</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 cartella</numerusform><numerusform>%1 cartelle</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (%2 compressi)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Apri con</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>Apri «%1» con:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (predefinita)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>Oppure un comando (%f sta per il file):</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>L'elenco non è stato riletto e non è aggiornato: riapri l'archivio per vederne gli elementi come sono ora.</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>Lettura dell'archivio</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>Lettura degli elementi…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>Lettura di %Ln elemento…</numerusform><numerusform>Lettura di %Ln elementi…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>Lettura di %Ln elemento…</numerusform><numerusform>Lettura di %Ln elementi…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translatorcomment>«DLL» è mantenuto: è la parola del programma per le sue librerie.</translatorcomment><translation>Messaggio di errore dalla DLL: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>Annulla l'operazione</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>%n altro errore è stato registrato nella finestra dei messaggi</numerusform><numerusform>Altri %n errori sono stati registrati nella finestra dei messaggi</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>%n altro errore è stato registrato nella finestra dei messaggi</numerusform><numerusform>Altri %n errori sono stati registrati nella finestra dei messaggi</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>File: %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>%n file è stato aggiunto</numerusform><numerusform>%n file sono stati aggiunti</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>%n file è stato estratto</numerusform><numerusform>%n file sono stati estratti</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>%n file è stato rinominato</numerusform><numerusform>%n file sono stati rinominati</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Inserisci la password per %1:</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>La password è errata.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
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
        <translation>Archivio ZIP non trovato: %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translation>Errore: nessun file da rinominare</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Errore: nessun file selezionato</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Nuovo nome per %1:</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>Rinomina dei file</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Inizio della rinomina in %1</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>Errore fatale durante la rinomina</translation>
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
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>Seleziona tutti i file</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>File da aggiungere:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordina</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>Ordina i file</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation>Aggiungi &amp;cartella</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translation>Aggiungi una cartella all'archivio ZIP</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>Aggiungi &amp;file</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Aggiungi file all'archivio ZIP</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>&amp;Rimuovi file</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translation>Rimuovi file dall'archivio ZIP</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>«Save DirNames»: salvare con ogni file i nomi delle sue cartelle; reso in breve (casella di 130 pixel) con «Salva percorsi».</translatorcomment><translation>Salva percorsi</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>Salva il percorso con ogni nome di file</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>«Recurse Dirs»: includere le sottocartelle di ogni cartella aggiunta; reso con «Sottocartelle», ripreso così nei messaggi che citano la casella.</translatorcomment><translation>Sottocartelle</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>Le sottocartelle sotto OGNI modello di file indicato saranno incluse</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>«Force MS-DOS»: salvare i nomi nel formato corto 8.3; reso con «Nomi MS-DOS».</translatorcomment><translation>Nomi MS-DOS</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>Obbliga tutti i nomi di file che entrano nell'archivio ZIP a rispettare il limite DOS 8.3. Se non è selezionata, i nomi lunghi sono supportati</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translation>Data dell'archivio</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>Dai all'archivio ZIP la data del file più recente che contiene</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>Elimina i file dopo</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>Dopo l'aggiunta all'archivio, elimina il file originale</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>Solo aggiornamento</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>Cifra con password…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>Cifra i file aggiunti con una password (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>Percorsi completi</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>Con «Salva percorsi», salva ogni percorso dalla cartella radice invece che dalla cartella che contiene ciò che è stato aggiunto</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Livello di compressione</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>Livello di compressione: predefinito = max = risparmia spazio, Min = risparmia tempo</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>Med</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level's scale: the most compression (smallest).</extracomment>
        <translation>Max</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation>Avvia la compressione dei file</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Annulla l'operazione</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>Inserisci la password per i file da aggiungere:</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>La password supera %n byte.</numerusform><numerusform>La password supera %n byte.</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>Inserisci di nuovo la password:</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Le password non corrispondono.</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>Scegli la cartella di estrazione</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>Cerca &amp;in:</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>Crea una nuova cartella</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>&amp;Estrai in:</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>La cartella in cui estrarre; se non esiste ancora viene creata</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>In una cartella con il nome dell'archivio</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>Estrai in una nuova cartella dentro quella scelta, con il nome dell'archivio (photos.tar.gz: photos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>«Expand ZIP Dirs»: ricreare le cartelle salvate nell'archivio; reso con «Ricrea cartelle».</translatorcomment><translation>Ricrea cartelle</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>Estrae e ricrea il percorso relativo eventualmente salvato con ogni file. Anche le cartelle vuote salvate nell'archivio (se presenti) vengono ricreate.</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>«OverWrite Existing» (con la W maiuscola originale) reso semplicemente con «Sovrascrivi esistenti».</translatorcomment><translation>Sovrascrivi esistenti</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>Sovrascrive i file già presenti durante l'estrazione.</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>File da estrarre</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>File selezionati</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>File da estrarre</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>Solo aggiornamento</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>Avvia l'estrazione dei file</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Annulla l'operazione</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>La cartella in cui estrarre deve essere un percorso completo, che inizia con «/» o «~»: %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translatorcomment>«Input Box»: titolo della finestrella che chiede il nome di una cartella; reso con «Inserimento».</translatorcomment><translation>Inserimento</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>Cartella</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 per Linux, Desktop Edition 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>Norvegia</translation>
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
        <translation>Editor interno di Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crea un nuovo file</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Apri un file esistente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Salva il file corrente</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Salva il file corrente con un nuovo nome</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Stampa il file corrente</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>&amp;Impostazioni stampante...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Esci da questa applicazione</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annulla l'ultima azione</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Elimina l'elemento selezionato</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copia l'elemento selezionato negli appunti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>Incolla il contenuto degli appunti</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Trova...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova s&amp;uccessivo</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>Testo non trovato.</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>Impossibile trovare «%1».</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>«Update zipfile?»: «zipfile» reso con «archivio ZIP».</translatorcomment><translation>Aggiornare l'archivio ZIP?</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu della finestra</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ri&amp;duci a icona</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>Un'operazione è in corso. Interromperla e uscire?</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossibile eliminare %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>%1 non può essere spostato nel cestino (%2). Eliminarlo definitivamente? Le parti che lo seguono faranno la stessa fine.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 non può essere spostato nel cestino (%2). Eliminarlo definitivamente?</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>Tutti gli archivi (%1);;File ZIP (%2);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>File ZIP (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>Archivi %1 (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>1 elemento selezionato.</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>%n elemento selezionato.</numerusform><numerusform>%n elementi selezionati.</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>Nome di archivio non utilizzabile: %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translation>Archivio ZIP non trovato: %1. Non è più elencato nel menu File.</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>Crea un nuovo archivio ZIP</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>Sovrascrivere il file esistente: %1?</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>Apri un archivio ZIP esistente</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>Archivio ZIP non trovato: %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>Spostare %1 nel cestino?</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>È una parte di un archivio diviso; anche l'altra parte viene spostata: %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>È una parte di un archivio diviso; anche l'altra parte viene spostata: %1</numerusform><numerusform>È una parte di un archivio diviso; anche le altre parti vengono spostate: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>La spaziatura insolita di «Error :» non è riprodotta: «Errore:» come di norma in italiano.</translatorcomment><translation>Errore: nessun file da eliminare</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>Eliminare %n elemento (le cartelle selezionate con tutto il loro contenuto) da: %1?</numerusform><numerusform>Eliminare %n elementi (le cartelle selezionate con tutto il loro contenuto) da: %1?</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>Eliminare i file selezionati da: %1?
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translation>Errore: nessun file selezionato</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>Eliminazione dei file</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>Inizio dell'eliminazione da %1</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>Errore fatale durante l'eliminazione</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>La maiuscola di «Deleted» non è riprodotta.</translatorcomment><translation><numerusform>%n file è stato eliminato</numerusform><numerusform>%n file sono stati eliminati</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translation>Crea un nuovo archivio ZIP</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translation>Apri un archivio ZIP esistente</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translation>Elimina un archivio ZIP esistente</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>Esegui il file selezionato</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>Modifica il file selezionato</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translation>Estrai file dall'archivio ZIP</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Aggiungi file all'archivio ZIP</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translation>Elimina file dall'archivio ZIP</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>Esci da Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>&amp;Nuovo archivio</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>&amp;Apri archivio</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>Eli&amp;mina archivio</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>&amp;Salva con nome…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>&amp;Proprietà…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Inverti selezione</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>&amp;Copia nomi</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;zioni</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translatorcomment>Lo spazio finale originale è mantenuto.</translatorcomment><translation>&amp;Estrai </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>&amp;Verifica archivio</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Rinomina…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>Esegui file</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>Modifica file</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>Apri con l'applicazione &amp;predefinita</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>Apri c&amp;on…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>Nomi da altri sistemi</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>&amp;Commento archivio…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>Colonna &amp;rapporto</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>F&amp;inestra</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translatorcomment>«Show compress status» mostra la finestra dei messaggi di tutte le operazioni (aggiunta, estrazione, verifica): reso con «stato operazioni» invece di «stato compressione».</translatorcomment><translation>&amp;Mostra stato operazioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>di Tolvane</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>«Zip filename:» reso con «Archivio ZIP:», seguito dal percorso.</translatorcomment><translation>Archivio ZIP:</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>La cartella mostrata; digita il percorso di una cartella e premi Invio per andarci</translation>
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
        <translation>parte di un nome; * e ? come caratteri jolly</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;vanti</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>Cartella &amp;superiore</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>&amp;Filtra…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>Per car&amp;telle</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>Come e&amp;lenco semplice</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>In questo archivio non c'è la cartella %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>Visualizzati: %1 su %Ln elemento</numerusform><numerusform>Visualizzati: %1 su %Ln elementi</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>Rapporto %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>Estrai &amp;selezionati…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>Verifica selezio&amp;nati</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>Selezionati: %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>Archivio: %1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>«Exctracting files:» (errore di ortografia originale non riprodotto) reso in breve con «Estrazione:» per stare in 93 pixel.</translatorcomment><translation>Estrazione:</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossibile leggere il file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Impossibile scrivere il file %1</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>%n file verificato, %1 con errori</numerusform><numerusform>%n file verificati, %1 con errori</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>Errore: file non trovato %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translation>Errore: nessun file da verificare</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>Verifica dei file</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Inizio della verifica di %1</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Errore durante la verifica; eccezione fatale della DLL</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossibile leggere il file «%1». %2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>Non è un file di testo</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossibile scrivere il file «%1». %2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>Impossibile avviare la stampa su %1</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 byte</numerusform><numerusform>%1 byte</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 byte</numerusform><numerusform>%1 byte</numerusform></translation>
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
        <translation>Percorso</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compressione</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>quella indicata dal formato</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>Dimensione su disco</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>Dimensione compressa</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>Dimensione originale</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>Rapporto (compressa / originale)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>Elementi cifrati</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>Parti</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>«a archive»: l'errore dell'inglese originale non è riprodotto.</translatorcomment><translation>%1 richiede un archivio</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 richiede una cartella</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>Non è un file locale: %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 richiede almeno un file</translation>
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
        <translatorcomment>Parole in maiuscolo: FILE resta FILE, DIR = CARTELLA, ARCHIVE = ARCHIVIO; colonne riallineate entro 80 caratteri.</translatorcomment><translation>  --extract-here FILE...         estrae ogni archivio nella cartella che lo
                                 contiene; gli elementi che non stanno tutti
                                 sotto un'unica cartella principale vanno in
                                 una nuova cartella con il nome dell'archivio
  --extract-to CARTELLA FILE...  lo stesso, in CARTELLA
  --extract FILE...              chiede dove estrarre, nella finestra di
                                 estrazione
  --compress FILE...             chiede nome, formato, livello e password di un
                                 nuovo archivio, poi vi aggiunge i FILE
  --add-to ARCHIVIO FILE...      aggiunge i FILE ad ARCHIVIO (creato se manca)
                                 senza chiedere nulla
FILE può essere un percorso o un URL file://. Queste modalità non aprono la
finestra principale; il codice di uscita è 0 quando è stato fatto tutto ciò che
era richiesto, 1 quando qualcosa non è riuscito o è stato annullato, e 2 per
una riga di comando errata.
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>Archivio inesistente: %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 è l'archivio in conversione</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 esiste; convert scrive solo un archivio nuovo</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>Non è stato possibile convertire nulla di %1</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>Opzione sconosciuta o incompleta: %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>Set di caratteri %1 sconosciuto; deve essere uno tra %2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>list richiede un archivio</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt richiede una password: --password-file FILE, oppure un terminale su cui digitarla</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt richiede una password non vuota</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (di nuovo)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>Le due password sono diverse</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>Il livello è un numero da 0 a 9</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>add richiede un archivio e almeno un file</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 vale per gli archivi ZIP; %2 è un archivio %3</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file va usato con --encrypt</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>delete richiede un archivio e almeno un nome di elemento</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>extract richiede un archivio</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>Cartella inesistente: %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>test richiede un archivio</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>convert richiede un archivio di origine e un archivio nuovo</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt crea un archivio ZIP; %1 indica un archivio %2, che viene scritto senza cifratura</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVIO [--charset NOME] [--password-file FILE]</translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>Parole in maiuscolo: ARCHIVE = ARCHIVIO, NAME = NOME, DIR/FOLDER = CARTELLA, SPEC = MODELLO, SOURCE = ORIGINE, TARGET = DESTINAZIONE; FILE e N restano.</translatorcomment><translation>ARCHIVIO [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder CARTELLA/] [--encrypt [--password-file FILE]] MODELLO...</translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of "orvexzip delete": translate only the words in capitals</extracomment>
        <translation>ARCHIVIO NOME...</translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVIO [--to CARTELLA] [--paths] [--base-folder CARTELLA/] [--overwrite] [--update] [--freshen] [--charset NOME] [--password-file FILE] [NOME...]</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVIO [--charset NOME] [--password-file FILE] [NOME...]</translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ORIGINE DESTINAZIONE [--level N] [--encrypt [--password-file FILE]]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip's usage; the commands follow</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>Impossibile leggere il file della password %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>La password in %1 supera %n byte</numerusform><numerusform>La password in %1 supera %n byte</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>Password per %1: </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>La password digitata supera %n byte</numerusform><numerusform>La password digitata supera %n byte</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>Archivio ZIP non trovato: %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 è un archivio %2: qui non se ne può leggere il commento.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>Letto come UTF-8, altrimenti nella codifica dei nomi degli elementi; un commento modificato viene scritto in UTF-8.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>Letto come UTF-8, altrimenti nella codifica dei nomi degli elementi. Un archivio %1 non può essere modificato.</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>Il commento occupa %Ln byte; il commento di un archivio ZIP ne contiene al massimo %1.</numerusform><numerusform>Il commento occupa %Ln byte; il commento di un archivio ZIP ne contiene al massimo %1.</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>Scrittura del commento</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Inizio del commento di %1</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>Errore fatale durante la scrittura del commento</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 è un archivio %2, in sola lettura. Salvalo come ZIP (File &gt; Salva con nome…) per aggiungere file.</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>Nessun archivio è aperto. Creare un nuovo archivio per i file trascinati?</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>«Text Filer» («Filer» è la parola originale per «file») reso con «File di testo».</translatorcomment><translation>File di testo (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>Senza nome - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Editor interno di Orvex 97 - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 contiene caratteri che %2 non può rappresentare. Salvarlo in UTF-8?</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>Impossibile creare una cartella in %1: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>Impossibile spostare %1 in %2: %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>Tutti i nomi possibili per %1 in %2 sono già usati</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 è un file, non una cartella: non si può estrarre nulla in %2</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>«Compr Size»: dimensione compressa, abbreviata in «Dim. compressa».</translatorcomment><translation>Dim. compressa</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>«Uncmpr Size»: dimensione non compressa, resa con «Dim. originale».</translatorcomment><translation>Dim. originale</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/Ora</translation>
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
        <translatorcomment>Parole in maiuscolo: ARCHIVE = ARCHIVIO, MODE = MODALITÀ, FILE resta FILE.</translatorcomment><translation>Uso: orvex97 [ARCHIVIO]
  o: orvex97 MODALITÀ FILE...
Apre ARCHIVIO nella finestra di Orvex 97 (se manca, apre solo la finestra): un
archivio ZIP, tar (semplice, .gz, .bz2, .xz, .zst) o 7z, oppure uno che viene
solo letto (RAR, ISO, cpio, ar, cab, lha, xar, un file .gz, .bz2, .xz o .zst
singolo).

Modalità, per i menu di un gestore di file:
%1
Opzioni:
  --new-archive  apre la finestra e chiede il nome di un nuovo archivio
  -h, --help     mostra questo aiuto ed esce
  --version      mostra la versione ed esce
Sono accettate anche le opzioni proprie di Qt (-platform, -style, ...).
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>Prova «orvex97 --help».</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Errore durante l'estrazione; eccezione fatale della DLL</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translation>Le modifiche a «%1» non sono state scritte in %2. L'editor si riapre con esse: chiudilo per riprovare, oppure conservale con File &gt; Salva con nome; rispondi No a «Aggiornare l'archivio ZIP?» per rinunciarvi.</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Errore: nessun file selezionato</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>«%1» è un collegamento, e l'archivio non contiene nulla da aprire tramite esso.</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>«%1» è cifrato nell'archivio e qui la sua password non è nota. Riscriverlo senza cifratura?</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Impossibile aprire il file «%1»</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (sola lettura: un archivio %2 non viene scritto)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>Inglese USA (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>Europa occidentale (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>Europa centrale (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Cirillico (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Greco (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Giapponese (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Cinese semplificato (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>Coreano (Unified Hangul)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Cinese tradizionale (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>Europa occidentale (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>Automatico</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accesso al file negato</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Il file esiste già</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>Errore di I/O %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>Il nome di una cartella non può contenere «/»: crea una cartella alla volta</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>«%1» non è un nome valido per una nuova cartella</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>Nessuna applicazione è configurata per aprire %1</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>Impossibile avviare questo comando: %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>la password fornita non lo apre</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>è cifrato e non è stata fornita alcuna password</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>i suoi dati cifrati sono stati modificati dopo la scrittura</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>è compresso con un metodo che questo programma non sa leggere</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>è cifrato in un modo che questo programma non sa leggere</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>i suoi dati sono danneggiati (non corrispondono al loro checksum)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>i suoi dati sono danneggiati</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>l'archivio finisce prima dei suoi dati</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>un elemento con lo stesso nome è stato estratto prima in quel file; estrai con i nomi delle cartelle per tenerli entrambi</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>il suo nome lo porterebbe fuori dalla cartella scelta</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>non si può scrivere nella cartella scelta</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>non c'è memoria sufficiente per estrarlo</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>una cartella con quel nome è d'intralcio</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 non è un archivio ZIP.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>L'indice dell'archivio è danneggiato; gli elementi elencati sono stati trovati senza di esso e possono essere verificati ed estratti.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>L'indice dell'archivio è danneggiato e senza di esso non è stato trovato alcun elemento.</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>L'archivio è danneggiato; gli elementi elencati sono stati letti.</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>L'archivio è danneggiato; nessuno dei suoi elementi è stato letto.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translation>La cartella %1 non è stata aggiunta: con «Sottocartelle» disattivato una cartella non aggiunge nulla. Seleziona «Sottocartelle» per aggiungerla con tutto il suo contenuto.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>Impossibile usare la cartella %1: %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>è un collegamento</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>ha i permessi %1, non 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>non può essere creata: la cartella %1 che la contiene non può essere creata</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>non può essere creata: %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>non c'è una cartella per il cestino</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>il cestino non è stato trovato</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Impossibile creare una cartella in %1: %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>La cartella di lavoro %1 %2, quindi nulla al suo interno viene usato o rimosso; questa esecuzione tiene le sue copie degli elementi in una nuova cartella privata sotto %3.</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>Nella cartella di lavoro %1 non viene usato né rimosso nulla di quanto segue: %2.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>Impossibile creare una cartella di lavoro in %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>Impossibile usare la cartella di lavoro %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Impossibile bloccare %1: %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Tr&amp;ova:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Sostituisci &amp;con:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Solo parole &amp;intere</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Verso l'&amp;alto</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Verso il &amp;basso</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Trova successivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Sostituisci t&amp;utto</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» è un lanciatore del desktop, che il desktop potrebbe eseguire invece di mostrarlo, quindi non viene aperto. Esegui file esegue un elemento di proposito.</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» è un programma, che il desktop potrebbe eseguire invece di mostrarlo, quindi non viene aperto. Esegui file esegue un elemento di proposito.</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» è uno script, che il desktop potrebbe eseguire invece di mostrarlo, quindi non viene aperto. Esegui file esegue un elemento di proposito.</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>File ZIP</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>Password per il nuovo archivio:</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>Una password vuota non cifra nulla; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>Digita di nuovo la password:</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>Le due password sono diverse; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translation>Prima occorre creare un nuovo archivio ZIP o aprirne uno!</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 è l'archivio aperto; Salva con nome scrive un altro file.</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 non è un file; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 esiste. Sostituirlo?</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>Cifrare con una password gli elementi del nuovo archivio?</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Salvataggio come %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>Inizio del salvataggio come %1 di %2</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Errore durante il salvataggio; eccezione fatale della DLL</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>Non è stato possibile leggere nulla di %1; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Alcuni elementi non possono essere letti. Salvare gli altri come %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>%n file è stato salvato in %1</numerusform><numerusform>%n file sono stati salvati in %1</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>gli archivi tar non possono essere cifrati</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>libarchive 3.6.2, che qui scrive il 7z, non sa cifrarlo</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>gli archivi %1 non possono essere cifrati qui</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>Un archivio %1 mantiene i nomi come sono: solo gli archivi ZIP ricevono nomi DOS 8.3</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Un archivio %1 non prende la data del suo elemento più recente</translation>
    </message>
</context>
</TS>