<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>Dodawanie plików</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Rozpoczęto dodawanie do %1</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>Dawny tekst programu: „Extract” oddane jako „rozpakowywanie”, „DLL” to biblioteki programu — zostawione w nawiasie.</translatorcomment><translation>Błąd podczas rozpakowywania; krytyczny wyjątek biblioteki (DLL)</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>„Zipfile” wszędzie oddane jako „archiwum ZIP” lub po prostu „archiwum”.</translatorcomment><translation>Najpierw utwórz nowe archiwum ZIP lub otwórz istniejące!</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>Nie zaznaczono plików!</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;brak&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>wieloczęściowe</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>Lista nieaktualna</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>Archiwum zostało zmienione, a jego elementy nie zostały ponownie odczytane. Polecenie „Plik &gt; Otwórz archiwum” je odczyta.</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>Tylko do odczytu: podzielone na %n plik</numerusform><numerusform>Tylko do odczytu: podzielone na %n pliki</numerusform><numerusform>Tylko do odczytu: podzielone na %n plików</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>Archiwum wieloczęściowe nie jest zmieniane: nie można dodawać, usuwać, zmieniać nazw ani zapisywać z powrotem elementów. „Plik &gt; Zapisz jako…” tworzy jednolitą kopię, w której jest to możliwe.</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>Tylko do odczytu: %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>Nie można dodawać, usuwać ani zapisywać z powrotem elementów. „Plik &gt; Zapisz jako…” tworzy kopię w formacie ZIP, tar lub 7z, w której jest to możliwe.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 nie istnieje i nie może zostać utworzone: nazwa wskazuje format %2, który jest tylko odczytywany. „Plik &gt; Nowe archiwum” tworzy archiwum.</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>Nowe: powstanie przy pierwszym dodaniu</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 jeszcze nie istnieje; pierwsze dodanie utworzy je jako archiwum %2.</translation>
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
        <translation>Nie ma takiego archiwum: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: nie wszystko udało się wykonać</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Nie można utworzyć katalogu %1: %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: nic nie rozpakowano</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>W oryginale nietypowa spacja przed dwukropkiem („Error :”); w tłumaczeniu zwykła interpunkcja „Błąd:”. „Directory” to „katalog”.</translatorcomment><translation>Błąd: nie wybrano katalogu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 to archiwum %2, tutaj tylko do odczytu</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1: nazwa kończąca się na .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar lub .7z określa, jakie archiwum utworzyć</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>Zastąpić istniejący plik %1?</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>Nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>Nie można umieścić %1 na miejscu: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>Nie ma takiego pliku: %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>Komentarz archiwum - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>Komentarz archiwum</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>Bez kompresji</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Najszybsza</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Najmniejszy rozmiar</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Kompresuj</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Przeglądaj…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>&amp;Archiwum:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>Poziom &amp;kompresji:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>P&amp;otwierdź hasło:</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>Kompresuj do</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>Nadaj archiwum nazwę.</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>Podaj pełną ścieżkę archiwum, zaczynając od /.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 jest katalogiem.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Hasła się różnią.</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 został zmieniony w innym programie. Zaktualizować go w archiwum?</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>Zmiany w „%1” nie zostały zapisane w %2. Zachowano je w %3.</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>„Error :” z nietypową spacją to dawny tekst programu; w tłumaczeniu zwykła interpunkcja „Błąd:”.</translatorcomment><translation>Błąd: nie znaleziono pliku %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translation>Błąd: nie wybrano katalogu</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translation>Błąd: nie znaleziono katalogu %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translation>Błąd: brak plików do rozpakowania</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translation>Błąd: nie zaznaczono plików</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translation>Błąd: nie można utworzyć katalogu %1: %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>Rozpakowywanie plików</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>Rozpoczęto rozpakowywanie z %1 do %2</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Błąd podczas rozpakowywania; krytyczny wyjątek biblioteki (DLL)</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>„OverWrite Existing: Yes” podane tak, jak ten wybór nazywa się w przetłumaczonym oknie rozpakowywania: „Zastępowanie plików: Tak”.</translatorcomment><translation><numerusform>Pozostawiono %n istniejący plik; aby go zastąpić, wybierz „Zastępowanie plików: Tak”.</numerusform><numerusform>Pozostawiono %n istniejące pliki; aby je zastąpić, wybierz „Zastępowanie plików: Tak”.</numerusform><numerusform>Pozostawiono %n istniejących plików; aby je zastąpić, wybierz „Zastępowanie plików: Tak”.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>„OverWrite Existing: Yes” podane tak, jak ten wybór nazywa się w przetłumaczonym oknie rozpakowywania: „Zastępowanie plików: Tak”.</translatorcomment><translation><numerusform>Pozostawiono %n istniejący plik; aby go zastąpić, wybierz „Zastępowanie plików: Tak”.</numerusform><numerusform>Pozostawiono %n istniejące pliki; aby je zastąpić, wybierz „Zastępowanie plików: Tak”.</numerusform><numerusform>Pozostawiono %n istniejących plików; aby je zastąpić, wybierz „Zastępowanie plików: Tak”.</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Pomoc Orvex 97</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 element</numerusform><numerusform>%1 elementy</numerusform><numerusform>%1 elementów</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 element</numerusform><numerusform>%1 elementy</numerusform><numerusform>%1 elementów</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 katalog</numerusform><numerusform>%1 katalogi</numerusform><numerusform>%1 katalogów</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 katalog</numerusform><numerusform>%1 katalogi</numerusform><numerusform>%1 katalogów</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (%2 po spakowaniu)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Otwórz za pomocą</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>Otwórz „%1” za pomocą:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (domyślna)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>Lub polecenie (%f oznacza plik):</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>Lista nie została ponownie odczytana i jest nieaktualna: otwórz archiwum ponownie, aby zobaczyć jego bieżące elementy.</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>Odczytywanie archiwum</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>Odczytywanie elementów…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>Odczytano %Ln element…</numerusform><numerusform>Odczytano %Ln elementy…</numerusform><numerusform>Odczytano %Ln elementów…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>Odczytano %Ln element…</numerusform><numerusform>Odczytano %Ln elementy…</numerusform><numerusform>Odczytano %Ln elementów…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translation>Komunikat o błędzie z biblioteki (DLL): %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>Anuluj operację</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>%n kolejny błąd zapisano w oknie komunikatów</numerusform><numerusform>%n kolejne błędy zapisano w oknie komunikatów</numerusform><numerusform>%n kolejnych błędów zapisano w oknie komunikatów</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>%n kolejny błąd zapisano w oknie komunikatów</numerusform><numerusform>%n kolejne błędy zapisano w oknie komunikatów</numerusform><numerusform>%n kolejnych błędów zapisano w oknie komunikatów</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>Plik: %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>Dodano %n plik</numerusform><numerusform>Dodano %n pliki</numerusform><numerusform>Dodano %n plików</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>Rozpakowano %n plik</numerusform><numerusform>Rozpakowano %n pliki</numerusform><numerusform>Rozpakowano %n plików</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>Zmieniono nazwę %n pliku</numerusform><numerusform>Zmieniono nazwy %n plików</numerusform><numerusform>Zmieniono nazwy %n plików</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Podaj hasło do %1:</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>Hasło jest nieprawidłowe.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
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
        <translation>Nie znaleziono archiwum ZIP: %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translation>Błąd: brak plików do zmiany nazwy</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Błąd: nie zaznaczono pliku</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Nowa nazwa dla %1:</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>Zmienianie nazw plików</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Rozpoczęto zmianę nazw w %1</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>Krytyczny błąd podczas zmiany nazwy</translation>
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
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>Zaznacz wszystkie pliki</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>Pliki do dodania:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortuj</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>Sortuj pliki</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation>Dodaj &amp;katalog</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translation>Dodaj katalog do archiwum ZIP</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>Dodaj &amp;pliki</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Dodaj pliki do archiwum ZIP</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>&amp;Usuń plik</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translation>Usuń pliki z listy do archiwum ZIP</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>„Save DirNames” (zapisywanie nazw katalogów razem z plikiem) oddane krótko jako „Zapisz ścieżki” — pole ma 130 pikseli.</translatorcomment><translation>Zapisz ścieżki</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>Zapisuje ścieżkę razem z każdą nazwą pliku</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>„Recurse Dirs” (dołączanie podkatalogów) oddane jako „Podkatalogi”.</translatorcomment><translation>Podkatalogi</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>Podkatalogi KAŻDEJ podanej ścieżki lub wzorca również zostaną dołączone</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>„Force MS-DOS” (wymuszenie krótkich nazw 8.3) oddane jako „Nazwy MS-DOS”.</translatorcomment><translation>Nazwy MS-DOS</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>Wymuś, by wszystkie nazwy plików w archiwum ZIP spełniały ograniczenie DOS 8.3. Gdy pole nie jest zaznaczone, obsługiwane są długie nazwy plików</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translatorcomment>„Use Timestamp” (nadanie archiwum daty najnowszego elementu) oddane jako „Data najnowszego”.</translatorcomment><translation>Data najnowszego</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>Ustaw datę archiwum ZIP na datę najnowszego pliku w archiwum</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>Potem usuń pliki</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>Po dodaniu do archiwum usuń oryginalny plik</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>Tylko aktualizuj pliki</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>Szyfruj hasłem…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>Zaszyfruj dodawane pliki hasłem (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>Pełne ścieżki</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>Razem z „Zapisz ścieżki” zapisuj każdą ścieżkę od katalogu głównego zamiast od katalogu zawierającego dodane pliki</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Poziom kompresji</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>Poziom kompresji: domyślnie = maks. = oszczędność miejsca, min. = oszczędność czasu</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>Śr.</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level's scale: the most compression (smallest).</extracomment>
        <translation>Maks.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation>Rozpocznij kompresję plików</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Anuluj operację</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>Podaj hasło do dodawanych plików:</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>Hasło jest dłuższe niż %n bajt.</numerusform><numerusform>Hasło jest dłuższe niż %n bajty.</numerusform><numerusform>Hasło jest dłuższe niż %n bajtów.</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>Podaj hasło ponownie:</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Hasła nie są zgodne.</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>Wybierz katalog docelowy</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>&amp;Szukaj w:</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>Utwórz nowy katalog</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>&amp;Rozpakuj do:</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>Katalog, do którego rozpakować; jeśli nie istnieje, zostanie utworzony</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>Do katalogu o nazwie archiwum</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>Rozpakuj do nowego katalogu w wybranym, nazwanego jak archiwum (photos.tar.gz: photos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>„Expand ZIP Dirs” (odtwarzanie katalogów zapisanych w archiwum) oddane jako „Twórz katalogi”.</translatorcomment><translation>Twórz katalogi</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>Rozpakowuje pliki i odtwarza ścieżki względne, które mogły zostać zapisane z każdym plikiem. Puste katalogi zapisane w archiwum (jeśli są) również zostaną odtworzone.</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>„OverWrite Existing” (wielkie W pochodzi z oryginału) oddane jako „Zastępowanie plików”; komunikaty o rozpakowywaniu używają tej samej nazwy.</translatorcomment><translation>Zastępowanie plików</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>Zastępuj istniejące pliki podczas rozpakowywania.</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>Pliki do rozpakowania</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>Zaznaczone pliki</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>Pliki do rozpakowania</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>Tylko aktualizuj pliki</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>Rozpocznij rozpakowywanie plików</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Anuluj operację</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>Katalog docelowy musi być pełną ścieżką, zaczynającą się od „/” lub „~”: %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translation>Wprowadzanie</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>Katalog</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 dla systemu Linux, Desktop Edition 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>Norwegia</translation>
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
        <translation>Wewnętrzny edytor Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Utwórz nowy plik</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Otwórz istniejący plik</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Zapisz bieżący plik</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Zapisz bieżący plik pod nową nazwą</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Drukuj bieżący plik</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>Ustawienia d&amp;rukarki...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Zakończ ten program</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Cofnij ostatnią czynność</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Usuń zaznaczony element</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Kopiuj zaznaczony element do schowka</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>Wklej zawartość schowka</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz wszys&amp;tko</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Znajdź...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Za&amp;mień</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Znajdź &amp;następny</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>Nie znaleziono tekstu.</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>Nie można znaleźć „%1”.</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>„Update zipfile?” oddane jako „Zaktualizować archiwum?”.</translatorcomment><translation>Zaktualizować archiwum?</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu okna</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ksymalizuj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>Trwa operacja. Zatrzymać ją i zakończyć?</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Nie można usunąć %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>Nie można przenieść %1 do kosza (%2). Usunąć trwale? Następne części zostaną potraktowane tak samo.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Nie można przenieść %1 do kosza (%2). Usunąć trwale?</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>Wszystkie archiwa (%1);;Archiwa ZIP (%2);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>Archiwa ZIP (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>Archiwa %1 (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>Zaznaczono 1 element.</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>Zaznaczono %n element.</numerusform><numerusform>Zaznaczono %n elementy.</numerusform><numerusform>Zaznaczono %n elementów.</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>Nieprawidłowa nazwa archiwum: %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translation>Nie znaleziono archiwum ZIP: %1. Usunięto je z listy w menu Plik.</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>Utwórz nowe archiwum ZIP</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>Zastąpić istniejący plik %1?</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>Otwórz istniejące archiwum ZIP</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>Nie znaleziono archiwum ZIP: %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>Przenieść %1 do kosza?</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>To jedna z części archiwum wieloczęściowego; druga część zostanie usunięta razem z nią: %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>To jedna z części archiwum wieloczęściowego; pozostałe części zostaną usunięte razem z nią: %1</numerusform><numerusform>To jedna z części archiwum wieloczęściowego; pozostałe części zostaną usunięte razem z nią: %1</numerusform><numerusform>To jedna z części archiwum wieloczęściowego; pozostałe części zostaną usunięte razem z nią: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translation>Błąd: brak plików do usunięcia</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>Usunąć %n element (zaznaczone katalogi z całą zawartością) z %1?</numerusform><numerusform>Usunąć %n elementy (zaznaczone katalogi z całą zawartością) z %1?</numerusform><numerusform>Usunąć %n elementów (zaznaczone katalogi z całą zawartością) z %1?</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>Usunąć zaznaczone pliki z %1?
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translation>Błąd: nie zaznaczono plików</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>Usuwanie plików</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>Rozpoczęto usuwanie z %1</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>Krytyczny błąd podczas usuwania</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>Wielkie D w „Deleted” to cecha oryginału; w tłumaczeniu zwykła pisownia.</translatorcomment><translation><numerusform>Usunięto %n plik</numerusform><numerusform>Usunięto %n pliki</numerusform><numerusform>Usunięto %n plików</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translation>Utwórz nowe archiwum ZIP</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translation>Otwórz istniejące archiwum ZIP</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translation>Usuń istniejące archiwum ZIP</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>Uruchom zaznaczony plik</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>Edytuj zaznaczony plik</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translation>Rozpakuj pliki z archiwum ZIP</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Dodaj pliki do archiwum ZIP</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translation>Usuń pliki z archiwum ZIP</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>Zakończ Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>&amp;Nowe archiwum</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>&amp;Otwórz archiwum</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>&amp;Usuń archiwum</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Właś&amp;ciwości…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Odwróć zaznaczenie</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>&amp;Kopiuj nazwy</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Akcje</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translation>&amp;Rozpakuj </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>&amp;Testuj archiwum</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Zmień nazwę…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>Uruchom plik</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>Edytuj plik</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>Otwórz w domyślnej a&amp;plikacji</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>Otwórz za pomo&amp;cą…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>Nazwy z innych systemów</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>&amp;Komentarz archiwum…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>Kolumna „Kompre&amp;sja”</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Okno</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translation>&amp;Pokazuj przebieg operacji</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>firmy Tolvane</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>„Zip filename:” oddane jako „Archiwum:” (na pasku stanu przed ścieżką archiwum).</translatorcomment><translation>Archiwum:</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>Wyświetlany katalog; wpisz ścieżkę katalogu i naciśnij Enter, aby do niego przejść</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtr:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation>część nazwy; * i ? jako symbole wieloznaczne</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>Katalogi</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>Elementy</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>W &amp;górę o jeden katalog</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>&amp;Filtr…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>Jako kat&amp;alogi</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>Jako &amp;płaska lista</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>W tym archiwum nie ma katalogu %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>Wyświetlono %1 z %Ln elementu</numerusform><numerusform>Wyświetlono %1 z %Ln elementów</numerusform><numerusform>Wyświetlono %1 z %Ln elementów</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>Kompresja %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>Rozpakuj zaz&amp;naczone…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>Testuj zaznaczon&amp;e</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>Zaznaczone: %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>Archiwum: %1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>„Exctracting files:” (literówka oryginału) oddane krótko jako „Rozpakowywanie:” — panel ma 93 piksele.</translatorcomment><translation>Rozpakowywanie:</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Nie można odczytać pliku %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Nie można zapisać pliku %1</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>Przetestowano %n plik, z błędami: %1</numerusform><numerusform>Przetestowano %n pliki, z błędami: %1</numerusform><numerusform>Przetestowano %n plików, z błędami: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>Błąd: nie znaleziono pliku %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translation>Błąd: brak plików do testowania</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>Testowanie plików</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Rozpoczęto testowanie %1</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Błąd podczas testowania; krytyczny wyjątek biblioteki (DLL)</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Nie można odczytać pliku „%1”. %2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>To nie jest plik tekstowy</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Nie można zapisać pliku „%1”. %2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>Nie można rozpocząć drukowania na %1</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 bajt</numerusform><numerusform>%1 bajty</numerusform><numerusform>%1 bajtów</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 bajt</numerusform><numerusform>%1 bajty</numerusform><numerusform>%1 bajtów</numerusform></translation>
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
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Kompresja</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>wynika z formatu</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>Rozmiar na dysku</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>Rozmiar po spakowaniu</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>Rozmiar po rozpakowaniu</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>Stopień kompresji (spakowany / rozpakowany)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Katalogi</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>Zaszyfrowane elementy</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>Części</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>W oryginale błąd „a archive”; w tłumaczeniu zwykła gramatyka.</translatorcomment><translation>%1 wymaga archiwum</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 wymaga katalogu</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>To nie jest plik lokalny: %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 wymaga co najmniej jednego pliku</translation>
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
        <translation>  --extract-here FILE...       rozpakuj każde archiwum do katalogu, w którym
                               leży; elementy spoza jednego wspólnego katalogu
                               trafiają do nowego katalogu o nazwie archiwum
  --extract-to DIR FILE...     to samo, ale do DIR
  --extract FILE...            zapytaj w oknie rozpakowywania, dokąd rozpakować
  --compress FILE...           zapytaj o nazwę, format, poziom i hasło nowego
                               archiwum, a potem dodaj do niego FILE
  --add-to ARCHIVE FILE...     dodaj FILE do ARCHIVE bez pytania
                               (ARCHIVE jest tworzone, gdy go brak)
FILE może być ścieżką lub adresem file://. Te tryby nie otwierają głównego
okna; kod wyjścia to 0, gdy wykonano wszystko, o co proszono, 1, gdy coś się
nie powiodło lub zostało anulowane, i 2 przy błędnym wierszu poleceń.
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>Nie ma takiego archiwum: %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 to archiwum, które jest konwertowane</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 istnieje; convert zapisuje tylko nowe archiwum</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>Nie udało się przekonwertować niczego z %1</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>Nieznana lub niepełna opcja: %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>Nieznane kodowanie %1; dostępne: %2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>list wymaga archiwum</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt wymaga hasła: --password-file FILE lub terminala, na którym można je wpisać</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt wymaga niepustego hasła</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (ponownie)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>Hasła się różnią</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>Poziom to liczba od 0 do 9</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>add wymaga archiwum i co najmniej jednego pliku</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 dotyczy archiwów ZIP; %2 to archiwum %3</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file działa razem z --encrypt</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>delete wymaga archiwum i co najmniej jednej nazwy elementu</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>extract wymaga archiwum</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>Nie ma takiego katalogu: %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>test wymaga archiwum</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>convert wymaga archiwum źródłowego i nowego archiwum</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt tworzy archiwum ZIP; %1 wskazuje archiwum %2, które zostanie zapisane bez szyfrowania</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVE [--charset NAME] [--password-file FILE]</translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of "orvexzip delete": translate only the words in capitals</extracomment>
        <translation>ARCHIVE NAME...</translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip's usage; the commands follow</extracomment>
        <translation>Użycie:</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>Nie można odczytać pliku z hasłem %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>Hasło w %1 jest dłuższe niż %n bajt</numerusform><numerusform>Hasło w %1 jest dłuższe niż %n bajty</numerusform><numerusform>Hasło w %1 jest dłuższe niż %n bajtów</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>Hasło do %1: </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>Wpisane hasło jest dłuższe niż %n bajt</numerusform><numerusform>Wpisane hasło jest dłuższe niż %n bajty</numerusform><numerusform>Wpisane hasło jest dłuższe niż %n bajtów</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>Nie znaleziono archiwum ZIP: %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 to archiwum %2: nie można tu odczytać jego komentarza.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>Odczytywany jako UTF-8, a w przeciwnym razie w stronie kodowej nazw elementów; zmieniony komentarz jest zapisywany jako UTF-8.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>Odczytywany jako UTF-8, a w przeciwnym razie w stronie kodowej nazw elementów. Archiwum %1 nie może być zmieniane.</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>Komentarz zajmuje %Ln bajt; komentarz archiwum ZIP mieści najwyżej %1.</numerusform><numerusform>Komentarz zajmuje %Ln bajty; komentarz archiwum ZIP mieści najwyżej %1.</numerusform><numerusform>Komentarz zajmuje %Ln bajtów; komentarz archiwum ZIP mieści najwyżej %1.</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>Zapisywanie komentarza</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Rozpoczęto zapisywanie komentarza %1</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>Krytyczny błąd podczas zapisywania komentarza</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 to archiwum %2, tylko do odczytu. Zapisz je jako ZIP („Plik &gt; Zapisz jako…”), aby dodawać pliki.</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>Żadne archiwum nie jest otwarte. Utworzyć nowe archiwum dla upuszczonych plików?</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>„Text Filer” (słowo „Filer” z oryginału) oddane jako „Pliki tekstowe”.</translatorcomment><translation>Pliki tekstowe (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>Bez nazwy - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Wewnętrzny edytor Orvex 97 - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 już istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 zawiera znaki, których nie da się zapisać w kodowaniu %2. Zapisać jako UTF-8?</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>Nie można utworzyć katalogu w %1: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>Nie można przenieść %1 do %2: %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>Wszystkie nazwy dla %1 w %2 są zajęte</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 jest plikiem, a nie katalogiem: nie można niczego rozpakować do %2</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>„Compr Size” (skrót oryginału: rozmiar po kompresji) oddane krótko jako „Spakowany”.</translatorcomment><translation>Spakowany</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>„Uncmpr Size” (skrót oryginału: rozmiar przed kompresją) oddane krótko jako „Rozpakowany”.</translatorcomment><translation>Rozpakowany</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/czas</translation>
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
        <translation>Użycie: orvex97 [ARCHIVE]
   lub: orvex97 MODE FILE...
Otwiera ARCHIVE w oknie Orvex 97 (bez niego samo okno): archiwum ZIP,
tar (zwykłe, .gz, .bz2, .xz, .zst) lub 7z albo takie, które tylko odczytuje
(RAR, ISO, cpio, ar, cab, lha, xar, pojedynczy plik .gz, .bz2, .xz lub .zst).

Tryby dla menu menedżerów plików:
%1
Opcje:
  --new-archive  otwórz okno i zapytaj o nazwę nowego archiwum
  -h, --help     pokaż tę pomoc i zakończ
  --version      pokaż wersję i zakończ
Akceptowane są też własne opcje Qt (-platform, -style, ...).
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>Spróbuj „orvex97 --help”.</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Błąd podczas rozpakowywania; krytyczny wyjątek biblioteki (DLL)</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translation>Zmiany w „%1” nie zostały zapisane w %2. Edytor otworzy się ponownie z nimi: zamknij go, aby spróbować jeszcze raz, albo zachowaj je przez „Plik &gt; Zapisz jako”; odpowiedz „Nie” na pytanie „Zaktualizować archiwum?”, aby z nich zrezygnować.</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Błąd: nie zaznaczono pliku</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>„%1” jest dowiązaniem, a archiwum nie zawiera niczego, co można przez nie otworzyć.</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>„%1” jest zaszyfrowany w archiwum, a jego hasło nie jest tu znane. Zapisać go z powrotem bez szyfrowania?</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Nie można otworzyć pliku „%1”</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (tylko do odczytu: archiwum %2 nie jest zapisywane)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>Angielski USA (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>Zachodnioeuropejskie (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>Środkowoeuropejskie (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Cyrylica (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Greckie (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japońskie (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chińskie uproszczone (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>Koreańskie (Unified Hangul)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chińskie tradycyjne (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>Zachodnioeuropejskie (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>Automatycznie</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>Nie znaleziono ścieżki</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Odmowa dostępu do pliku</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>Błąd wejścia/wyjścia %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>Nazwa katalogu nie może zawierać „/”: twórz po jednym katalogu naraz</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>„%1” nie może być nazwą nowego katalogu</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>Brak aplikacji skonfigurowanej do otwierania %1</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>Nie można uruchomić tego polecenia: %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>podane hasło go nie otwiera</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>jest zaszyfrowany, a nie podano hasła</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>jego zaszyfrowane dane zostały zmienione po zapisaniu</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>jest skompresowany metodą, której ten program nie potrafi odczytać</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>jest zaszyfrowany w sposób, którego ten program nie potrafi odczytać</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>jego dane są uszkodzone (nie zgadza się suma kontrolna)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>jego dane są uszkodzone</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>archiwum kończy się wcześniej niż jego dane</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>do tego pliku najpierw rozpakowano element o tej samej nazwie; rozpakuj z nazwami katalogów, aby zachować oba</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>jego nazwa umieściłaby go poza wybranym katalogiem</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>nie można zapisywać w wybranym katalogu</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>za mało pamięci, aby go rozpakować</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>przeszkadza katalog o tej nazwie</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 nie jest archiwum ZIP.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>Spis zawartości archiwum jest uszkodzony; wymienione elementy odnaleziono bez niego i można je przetestować oraz rozpakować.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>Spis zawartości archiwum jest uszkodzony i bez niego nie udało się odnaleźć żadnego elementu.</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>Archiwum jest uszkodzone; wymienione elementy udało się odczytać.</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>Archiwum jest uszkodzone; nie udało się odczytać żadnego z jego elementów.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translation>Katalog %1 nie został dodany: gdy pole „Podkatalogi” nie jest zaznaczone, katalog nic nie dodaje. Zaznacz „Podkatalogi”, aby dodać go z całą zawartością.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>Nie można użyć katalogu %1: %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>jest dowiązaniem</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>nie jest katalogiem</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>należy do innego użytkownika</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>ma uprawnienia %1, a nie 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>nie może zostać utworzony: nie można utworzyć zawierającego go katalogu %1</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>nie może zostać utworzony: %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>nie ma katalogu na kosz</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>nie znaleziono kosza</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Nie można utworzyć katalogu w %1: %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>Katalog roboczy %1 %2, więc nic w nim nie jest używane ani usuwane; w tym uruchomieniu kopie elementów są przechowywane w nowym prywatnym katalogu w %3.</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>W katalogu roboczym %1 nie jest używane ani usuwane nic z tego: %2.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>Nie można utworzyć katalogu roboczego w %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>Nie można użyć katalogu roboczego %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Nie można zablokować %1: %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Znajdź:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Zamień n&amp;a:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Tylko &amp;całe wyrazy</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>W &amp;dół</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Znajdź &amp;następny</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Za&amp;mień</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Zamień &amp;wszystkie</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>„%1” to plik aktywatora pulpitu, który środowisko mogłoby uruchomić zamiast go wyświetlić, dlatego nie został otwarty. Polecenie „Uruchom plik” celowo uruchamia element.</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>„%1” to program, który środowisko mogłoby uruchomić zamiast go wyświetlić, dlatego nie został otwarty. Polecenie „Uruchom plik” celowo uruchamia element.</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>„%1” to skrypt, który środowisko mogłoby uruchomić zamiast go wyświetlić, dlatego nie został otwarty. Polecenie „Uruchom plik” celowo uruchamia element.</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>Archiwa ZIP</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>Hasło do nowego archiwum:</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>Puste hasło niczego nie szyfruje; niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>Wpisz hasło ponownie:</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>Hasła się różnią; niczego nie zapisano.</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translation>Najpierw utwórz nowe archiwum ZIP lub otwórz istniejące!</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 to otwarte archiwum; „Zapisz jako” zapisuje inny plik.</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 nie jest plikiem; niczego nie zapisano.</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>Zaszyfrować elementy nowego archiwum hasłem?</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Zapisywanie jako %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>Rozpoczęto zapisywanie %2 jako %1</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Błąd podczas zapisywania; krytyczny wyjątek biblioteki (DLL)</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>Nie udało się odczytać niczego z %1; niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Niektórych elementów nie udało się odczytać. Zapisać pozostałe jako %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>Zapisano %n plik w %1</numerusform><numerusform>Zapisano %n pliki w %1</numerusform><numerusform>Zapisano %n plików w %1</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>archiwów tar nie można szyfrować</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>libarchive 3.6.2, która zapisuje tu 7z, nie potrafi go szyfrować</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>archiwów %1 nie można tu szyfrować</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>Archiwum %1 zachowuje nazwy bez zmian: krótkie nazwy DOS 8.3 dostają tylko archiwa ZIP</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Archiwum %1 nie przyjmuje daty swojego najnowszego elementu</translation>
    </message>
</context>
</TS>