<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>Dateien werden hinzugefügt</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Hinzufügen zu %1 beginnt</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>Alter Text des Programms: „Extract“ bleibt als „Entpacken“ stehen, „DLL“ bleibt als Wort für die Bibliotheken.</translatorcomment><translation>Fehler beim Entpacken; schwerwiegende DLL-Ausnahme</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Sie müssen zuerst eine neue ZIP-Datei erstellen oder eine ZIP-Datei öffnen!</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>Keine Dateien ausgewählt!</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;keines&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translatorcomment>„split“ als „mehrteilig“; Sätze mit %2-Archiv sind als „Archiv (%2)“ gebaut, damit das Adjektiv passt.</translatorcomment><translation>mehrteilig</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>Liste veraltet</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>Das Archiv wurde geändert und seine Einträge wurden nicht neu eingelesen. Datei &gt; Archiv öffnen liest sie ein.</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>Schreibgeschützt: auf %n Datei verteilt</numerusform><numerusform>Schreibgeschützt: auf %n Dateien verteilt</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>Ein mehrteiliges Archiv wird nicht geändert: Einträge können nicht hinzugefügt, gelöscht, umbenannt oder zurückgeschrieben werden. Datei &gt; Speichern unter… erstellt eine einteilige Kopie, bei der das geht.</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>Schreibgeschützt: %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>Einträge können nicht hinzugefügt, gelöscht oder zurückgeschrieben werden. Datei &gt; Speichern unter… erstellt eine Kopie als ZIP, tar oder 7z, bei der das geht.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 existiert nicht und kann nicht erstellt werden: Der Name nennt %2, ein Format, das nur gelesen wird. Datei &gt; Neues Archiv erstellt eines.</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>Neu: wird beim ersten Hinzufügen erstellt</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 existiert noch nicht; das erste Hinzufügen erstellt es als %2-Archiv.</translation>
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
        <translation>Archiv nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: Nicht alles konnte ausgeführt werden</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: Es wurde nichts entpackt</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>Alter Text „Error :“ mit üblicher deutscher Zeichensetzung „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Kein Ordner ausgewählt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 ist ein Archiv (%2), das hier nur gelesen wird</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1: Ein Name mit der Endung .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar oder .7z gibt an, welches Archiv erstellt wird</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>Vorhandene Datei überschreiben: %1?</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>%1 kann nicht an seinen Platz gebracht werden: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>Archivkommentar - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>Archivkommentar</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>Nur speichern</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Schnellste</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Kleinste</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>A&amp;rchiv:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>Kompressions&amp;stufe:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>Passwort &amp;bestätigen:</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>Komprimieren nach</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>Geben Sie dem Archiv einen Namen.</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>Geben Sie den vollständigen Pfad des Archivs an, beginnend mit /.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Die beiden Passwörter stimmen nicht überein.</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 wurde in einem anderen Programm geändert. Im Archiv aktualisieren?</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>Ihre Änderungen an „%1“ wurden nicht in %2 geschrieben. Sie sind in %3 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>Alter Text „Error :“ mit üblicher deutscher Zeichensetzung „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Datei %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Kein Ordner ausgewählt</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Ordner %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Keine Dateien zum Entpacken</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Keine Dateien ausgewählt</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Der Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>Dateien werden entpackt</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>Entpacken aus %1 nach %2 beginnt</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>„DLL“ bleibt als altes Wort für die Bibliotheken.</translatorcomment><translation>Fehler beim Entpacken; schwerwiegende DLL-Ausnahme</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>„OverWrite Existing“ heißt im Entpacken-Dialog „Vorhandene überschreiben“ (ohne das große W).</translatorcomment><translation><numerusform>%n vorhandene Datei wurde behalten; wählen Sie „Vorhandene überschreiben: Ja“, um sie zu ersetzen.</numerusform><numerusform>%n vorhandene Dateien wurden behalten; wählen Sie „Vorhandene überschreiben: Ja“, um sie zu ersetzen.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>„OverWrite Existing“ heißt im Entpacken-Dialog „Vorhandene überschreiben“ (ohne das große W).</translatorcomment><translation><numerusform>%n vorhandene Datei wurde behalten; wählen Sie „Vorhandene überschreiben: Ja“, um sie zu ersetzen.</numerusform><numerusform>%n vorhandene Dateien wurden behalten; wählen Sie „Vorhandene überschreiben: Ja“, um sie zu ersetzen.</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Hilfe zu Orvex 97</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 Eintrag</numerusform><numerusform>%1 Einträge</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 Eintrag</numerusform><numerusform>%1 Einträge</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 Ordner</numerusform><numerusform>%1 Ordner</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 Ordner</numerusform><numerusform>%1 Ordner</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (%2 gepackt)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>„%1“ öffnen mit:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (Standard)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>Oder ein Befehl (%f steht für die Datei):</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>Die Liste wurde nicht neu eingelesen und ist veraltet: Öffnen Sie das Archiv erneut, um seine Einträge im aktuellen Zustand zu sehen.</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>Archiv wird gelesen</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>Einträge werden gelesen…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>%Ln Eintrag gelesen…</numerusform><numerusform>%Ln Einträge gelesen…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>%Ln Eintrag gelesen…</numerusform><numerusform>%Ln Einträge gelesen…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translatorcomment>„DLL“ bleibt als altes Wort des Programms für seine Bibliotheken.</translatorcomment><translation>Fehlermeldung der DLL: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>Vorgang abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>%n weiterer Fehler wurde im Meldungsfenster protokolliert</numerusform><numerusform>%n weitere Fehler wurden im Meldungsfenster protokolliert</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>%n weiterer Fehler wurde im Meldungsfenster protokolliert</numerusform><numerusform>%n weitere Fehler wurden im Meldungsfenster protokolliert</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>Datei: %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>%n Datei wurde hinzugefügt</numerusform><numerusform>%n Dateien wurden hinzugefügt</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>%n Datei wurde entpackt</numerusform><numerusform>%n Dateien wurden entpackt</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>%n Datei wurde umbenannt</numerusform><numerusform>%n Dateien wurden umbenannt</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Geben Sie das Passwort für %1 ein:</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>Das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
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
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>ZIP-Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Keine Dateien zum Umbenennen</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Neuer Name für %1:</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>Dateien werden umbenannt</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Umbenennen in %1 beginnt</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>Schwerwiegender Fehler beim Umbenennen</translation>
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
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Alle aus&amp;wählen</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>Alle Dateien auswählen</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>Hinzuzufügende Dateien:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>Dateien sortieren</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation>Ord&amp;ner hinzufügen</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Ordner zur ZIP-Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>&amp;Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Dateien zur ZIP-Datei hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>Datei &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Dateien aus der ZIP-Datei entfernen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>„Save DirNames“ (Ordnernamen mitspeichern) kurz als „Pfade speichern“, passt in das 130 Pixel breite Feld.</translatorcomment><translation>Pfade speichern</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>Speichert den Pfad mit jedem Dateinamen</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>„Recurse Dirs“ als „Mit Unterordnern“; so auch in der Meldung über nicht hinzugefügte Ordner zitiert.</translatorcomment><translation>Mit Unterordnern</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>Unterordner unter JEDER angegebenen Dateiangabe werden in die Dateiangabe einbezogen</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>„Force MS-DOS“ als „DOS-Namen (8.3)“: Namen werden als kurze 8.3-Namen gespeichert.</translatorcomment><translation>DOS-Namen (8.3)</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>Alle Dateinamen in der ZIP-Datei müssen die DOS-Beschränkung 8.3 einhalten. Ohne diese Option werden lange Dateinamen unterstützt</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translatorcomment>„Use Timestamp“: das Archiv erhält das Datum seines neuesten Eintrags.</translatorcomment><translation>Zeitstempel setzen</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>Zeitstempel der ZIP-Datei auf den der neuesten Datei im Archiv setzen</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>Danach löschen</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>Nach dem Hinzufügen zum Archiv die Originaldatei löschen</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>Nur aktualisieren</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>Mit Passwort verschlüsseln…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>Die hinzugefügten Dateien mit einem Passwort verschlüsseln (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>Vollständige Pfade</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>Mit „Pfade speichern“ jeden Pfad ab dem Wurzelordner speichern statt ab dem Ordner, der das Hinzugefügte enthält</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Kompressionsstufe</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>Kompressionsstufe, Standard = Max = Platz sparen, Min = Zeit sparen</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>Mittel</translation>
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
        <translation>Komprimieren der Dateien starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Vorgang abbrechen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>Passwort für die hinzuzufügenden Dateien eingeben:</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>Das Passwort ist länger als %n Byte.</numerusform><numerusform>Das Passwort ist länger als %n Bytes.</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>Passwort erneut eingeben:</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>Zielordner zum Entpacken wählen</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>&amp;Suchen in:</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>Entpacken &amp;nach:</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>Der Ordner, in den entpackt wird; ein noch nicht vorhandener wird erstellt</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>In einen Ordner mit dem Namen des Archivs</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>In einen neuen Ordner im gewählten Ordner entpacken, benannt nach dem Archiv (fotos.tar.gz: fotos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>„Expand ZIP Dirs“ als „Ordner wiederherstellen“: ob die im Archiv gespeicherten Ordner neu angelegt werden.</translatorcomment><translation>Ordner wiederherstellen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>Entpackt und erstellt den relativen Pfad neu, der mit jeder Datei gespeichert sein kann. Leere Ordner im Archiv (falls vorhanden) werden ebenfalls erstellt.</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>„OverWrite Existing“ als „Vorhandene überschreiben“ (normale Schreibung, ohne großes W).</translatorcomment><translation>Vorhandene überschreiben</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>Bereits vorhandene Dateien beim Entpacken überschreiben.</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>Zu entpackende Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>Ausgewählte Dateien</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>Zu entpackende Dateien</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>Nur aktualisieren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>Entpacken der Dateien starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Vorgang abbrechen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>Der Zielordner muss ein vollständiger Pfad sein, beginnend mit „/“ oder „~“: %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 für Linux, Desktop-Ausgabe 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-Mail: %1</translation>
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
        <translation>Orvex 97 Interner Editor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Neue Datei erstellen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Vorhandene Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Aktuelle Datei speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Aktuelle Datei unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Aktuelle Datei drucken</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>Drucker&amp;einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Diese Anwendung beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Ausgewähltes Element löschen</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>Text nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>„Update zipfile?“: „zipfile“ als „ZIP-Datei“; so auch in der Meldung über nicht zurückgeschriebene Änderungen zitiert.</translatorcomment><translation>ZIP-Datei aktualisieren?</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>Ein Vorgang läuft. Abbrechen und beenden?</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>%1 kann nicht in den Papierkorb verschoben werden (%2). Endgültig löschen? Die nachfolgenden Teile werden ebenso behandelt.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 kann nicht in den Papierkorb verschoben werden (%2). Endgültig löschen?</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>Alle Archive (%1);;ZIP-Dateien (%2);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>ZIP-Dateien (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>%1-Archive (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>1 Eintrag ist ausgewählt.</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>%n Eintrag ist ausgewählt.</numerusform><numerusform>%n Einträge sind ausgewählt.</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>Kein gültiger Archivname: %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>ZIP-Datei nicht gefunden: %1. Sie wird nicht mehr im Menü „Datei“ aufgeführt.</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translatorcomment>„ZIP File“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Neue ZIP-Datei erstellen</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>Vorhandene Datei überschreiben: %1?</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translatorcomment>„ZIP File“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Vorhandene ZIP-Datei öffnen</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>ZIP-Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>%1 in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>Es ist ein Teil eines mehrteiligen Archivs; der andere Teil wird mit verschoben: %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>Es ist ein Teil eines mehrteiligen Archivs; der andere Teil wird mit verschoben: %1</numerusform><numerusform>Es ist ein Teil eines mehrteiligen Archivs; die anderen Teile werden mit verschoben: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Keine Dateien zum Löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>%n Eintrag (die ausgewählten Ordner mit ihrem gesamten Inhalt) aus %1 löschen?</numerusform><numerusform>%n Einträge (die ausgewählten Ordner mit ihrem gesamten Inhalt) aus %1 löschen?</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>Ausgewählte Dateien aus %1 löschen?
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Keine Dateien ausgewählt</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>Dateien werden gelöscht</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>Löschen aus %1 beginnt</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>Schwerwiegender Fehler beim Löschen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>Das große D von „Deleted“ ist nicht nachgebildet; normale Schreibung.</translatorcomment><translation><numerusform>%n Datei wurde gelöscht</numerusform><numerusform>%n Dateien wurden gelöscht</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Neue ZIP-Datei erstellen</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Vorhandene ZIP-Datei öffnen</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Vorhandene ZIP-Datei löschen</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>Ausgewählte Datei ausführen</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>Ausgewählte Datei bearbeiten</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Dateien aus der ZIP-Datei entpacken</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Dateien zur ZIP-Datei hinzufügen</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Dateien aus der ZIP-Datei löschen</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>Orvex 97 beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>&amp;Neues Archiv</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>Archiv ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>Archiv &amp;löschen</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>&amp;Eigenschaften…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>Auswahl &amp;umkehren</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>Namen &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;ktionen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translation>&amp;Entpacken </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>Archiv &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>Datei ausführen</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>Datei bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>Mit Standard&amp;anwendung öffnen</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>Öffnen &amp;mit…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>Namen aus anderen Systemen</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>Archiv&amp;kommentar…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>Spalte &amp;Verhältnis</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translatorcomment>„Show compress status“ als „Statusfenster anzeigen“: gilt für alle Vorgänge, nicht nur das Komprimieren.</translatorcomment><translation>&amp;Statusfenster anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>von Tolvane</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>„Zip filename:“ kurz als „ZIP-Datei:“.</translatorcomment><translation>ZIP-Datei:</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>Der angezeigte Ordner; Pfad eines Ordners eingeben und die Eingabetaste drücken, um dorthin zu wechseln</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>F&amp;ilter:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation>Teil eines Namens; * und ? als Platzhalter</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Vor&amp;wärts</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>Eine Ebene &amp;nach oben</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>F&amp;ilter…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>Als &amp;Ordner</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>Als f&amp;lache Liste</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>Im Archiv gibt es keinen Ordner %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>%1 von %Ln Eintrag angezeigt</numerusform><numerusform>%1 von %Ln Einträgen angezeigt</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>Verhältnis %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>Auswahl ent&amp;packen…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>Auswahl te&amp;sten</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>Ausgewählt: %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>Archiv: %1</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>„Exctracting files:“ (Schreibfehler des Programms) kurz als „Entpacken:“, das Feld ist nur 93 Pixel breit.</translatorcomment><translation>Entpacken:</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Datei %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>%n Datei getestet, %1 mit Fehlern</numerusform><numerusform>%n Dateien getestet, %1 mit Fehlern</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Datei %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Keine Dateien zum Testen</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>Dateien werden getestet</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Test von %1 beginnt</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>„DLL“ bleibt als altes Wort für die Bibliotheken.</translatorcomment><translation>Fehler beim Testen; schwerwiegende DLL-Ausnahme</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>Es ist keine Textdatei</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Datei „%1“ kann nicht erstellt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>Drucken auf %1 kann nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 Byte</numerusform><numerusform>%1 Bytes</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 Byte</numerusform><numerusform>%1 Bytes</numerusform></translation>
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
        <translation>Pfad</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Kompression</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>wie vom Format vorgegeben</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>Größe auf dem Datenträger</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>Gepackte Größe</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>Entpackte Größe</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>Verhältnis (gepackt / entpackt)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>Verschlüsselte Einträge</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>„a archive“ (Fehler des Programms) als korrektes „ein Archiv“ übersetzt.</translatorcomment><translation>%1 braucht ein Archiv</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>Keine lokale Datei: %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 braucht mindestens eine Datei</translation>
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
        <translatorcomment>FILE, DIR und ARCHIVE bleiben wie die Optionen englisch, da sie so eingegeben werden; Zeilen unter 80 Spalten.</translatorcomment><translation>  --extract-here FILE...       jedes Archiv in den Ordner entpacken, der es
                               enthält; Einträge, die nicht alle unter einem
                               obersten Ordner liegen, kommen in einen neuen
                               Ordner mit dem Namen des Archivs
  --extract-to DIR FILE...     dasselbe, nach DIR
  --extract FILE...            im Entpacken-Dialog fragen, wohin entpackt wird
  --compress FILE...           nach Name, Format, Stufe und Passwort eines
                               neuen Archivs fragen, dann die Dateien FILE
                               hinzufügen
  --add-to ARCHIVE FILE...     die Dateien FILE ohne Rückfrage zu ARCHIVE
                               hinzufügen (fehlt es, wird es erstellt)
FILE kann ein Pfad oder eine file://-URL sein. Diese Modi öffnen kein
Hauptfenster; der Exit-Status ist 0, wenn alles Verlangte erledigt wurde, 1,
wenn etwas fehlschlug oder abgebrochen wurde, und 2 bei falscher Befehlszeile.
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>Archiv nicht gefunden: %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 ist das Archiv, das umgewandelt wird</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 existiert; convert schreibt nur ein neues Archiv</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>Nichts in %1 konnte umgewandelt werden</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>Unbekannte oder unvollständige Option: %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>Unbekannter Zeichensatz %1; möglich sind: %2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>list braucht ein Archiv</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt braucht ein Passwort: --password-file DATEI oder ein Terminal zur Eingabe</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt braucht ein nicht leeres Passwort</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (noch einmal)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>Die beiden Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>Die Stufe ist eine Zahl von 0 bis 9</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>add braucht ein Archiv und mindestens eine Datei</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 gilt für ZIP-Archive; %2 ist ein %3-Archiv</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file gehört zu --encrypt</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>delete braucht ein Archiv und mindestens einen Eintragsnamen</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>extract braucht ein Archiv</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>test braucht ein Archiv</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>convert braucht ein Quellarchiv und ein neues Archiv</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt erstellt ein ZIP-Archiv; %1 bezeichnet ein %2-Archiv, das ohne Verschlüsselung geschrieben wird</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>Die Platzhalter in Großbuchstaben sind übersetzt (ARCHIV, DATEI, ORDNER …); die Optionen bleiben.</translatorcomment><translation>ARCHIV [--charset NAME] [--password-file DATEI]</translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>SPEC (Dateiangabe: Pfad oder Muster) als MUSTER; Die Platzhalter in Großbuchstaben sind übersetzt (ARCHIV, DATEI, ORDNER …); die Optionen bleiben.</translatorcomment><translation>ARCHIV [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder ORDNER/] [--encrypt [--password-file DATEI]] MUSTER...</translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of "orvexzip delete": translate only the words in capitals</extracomment>
        <translatorcomment>Die Platzhalter in Großbuchstaben sind übersetzt (ARCHIV, DATEI, ORDNER …); die Optionen bleiben.</translatorcomment><translation>ARCHIV NAME...</translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>Die Platzhalter in Großbuchstaben sind übersetzt (ARCHIV, DATEI, ORDNER …); die Optionen bleiben.</translatorcomment><translation>ARCHIV [--to ORDNER] [--paths] [--base-folder ORDNER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file DATEI] [NAME...]</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>Die Platzhalter in Großbuchstaben sind übersetzt (ARCHIV, DATEI, ORDNER …); die Optionen bleiben.</translatorcomment><translation>ARCHIV [--charset NAME] [--password-file DATEI] [NAME...]</translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>Die Platzhalter in Großbuchstaben sind übersetzt (ARCHIV, DATEI, ORDNER …); die Optionen bleiben.</translatorcomment><translation>QUELLE ZIEL [--level N] [--encrypt [--password-file DATEI]]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip's usage; the commands follow</extracomment>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>Die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>Das Passwort in %1 ist länger als %n Byte</numerusform><numerusform>Das Passwort in %1 ist länger als %n Bytes</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>Passwort für %1: </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>Das eingegebene Passwort ist länger als %n Byte</numerusform><numerusform>Das eingegebene Passwort ist länger als %n Bytes</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>ZIP-Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 ist ein %2-Archiv: Sein Kommentar kann hier nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>Gelesen als UTF-8, sonst in der Codepage der Eintragsnamen; ein geänderter Kommentar wird als UTF-8 geschrieben.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>Gelesen als UTF-8, sonst in der Codepage der Eintragsnamen. Ein %1-Archiv kann nicht geändert werden.</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>Der Kommentar umfasst %Ln Byte; der Kommentar eines ZIP-Archivs fasst höchstens %1.</numerusform><numerusform>Der Kommentar umfasst %Ln Bytes; der Kommentar eines ZIP-Archivs fasst höchstens %1.</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>Kommentar wird geschrieben</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Schreiben des Kommentars von %1 beginnt</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>Schwerwiegender Fehler beim Schreiben des Kommentars</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 ist ein Archiv (%2) und schreibgeschützt. Speichern Sie es als ZIP (Datei &gt; Speichern unter…), um Dateien hinzuzufügen.</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>Kein Archiv geöffnet. Ein neues Archiv für die abgelegten Dateien erstellen?</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translatorcomment>„Noname“ als „Unbenannt“.</translatorcomment><translation>Unbenannt</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>„Text Filer“ („Filer“ = Dateien) als „Textdateien“.</translatorcomment><translation>Textdateien (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>Unbenannt - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Orvex 97 Interner Editor - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 enthält Zeichen, die %2 nicht darstellen kann. Als UTF-8 speichern?</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>In %1 kann kein Ordner erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>%1 kann nicht nach %2 verschoben werden: %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>Für %1 ist in %2 kein Name mehr frei</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 ist eine Datei, kein Ordner: In %2 kann nichts entpackt werden</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>„Compr Size“ (gepackte Größe) kurz als Spaltentitel „Gepackt“.</translatorcomment><translation>Gepackt</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>„Uncmpr Size“ (ungepackte Größe) kurz als Spaltentitel „Größe“.</translatorcomment><translation>Größe</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Zeit</translation>
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
        <translatorcomment>ARCHIVE, MODE und FILE bleiben englisch, passend zur Liste der Modi (%1), in der sie wie eingegeben stehen.</translatorcomment><translation>Aufruf: orvex97 [ARCHIVE]
  oder: orvex97 MODE FILE...
Öffnet ARCHIVE im Fenster von Orvex 97 (ohne Archiv nur das Fenster): ein ZIP-,
tar- (einfach, .gz, .bz2, .xz, .zst) oder 7z-Archiv oder eines, das nur
gelesen wird (RAR, ISO, cpio, ar, cab, lha, xar, eine einzelne .gz-, .bz2-,
.xz- oder .zst-Datei).

Modi, für die Menüs eines Dateimanagers:
%1
Optionen:
  --new-archive  das Fenster öffnen und nach dem Namen eines neuen Archivs
                 fragen
  -h, --help     diese Hilfe anzeigen und beenden
  --version      die Version anzeigen und beenden
Qts eigene Optionen (-platform, -style, ...) werden ebenfalls angenommen.
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>Versuchen Sie 'orvex97 --help'.</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>„DLL“ bleibt als altes Wort für die Bibliotheken.</translatorcomment><translation>Fehler beim Entpacken; schwerwiegende DLL-Ausnahme</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translation>Ihre Änderungen an „%1“ wurden nicht in %2 geschrieben. Der Editor öffnet sich erneut mit ihnen: Schließen Sie ihn, um es noch einmal zu versuchen, oder sichern Sie sie mit Datei &gt; Speichern unter; antworten Sie auf „ZIP-Datei aktualisieren?“ mit Nein, um sie zu verwerfen.</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translatorcomment>„Error :“ als „Fehler:“ übersetzt.</translatorcomment><translation>Fehler: Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>„%1“ ist eine Verknüpfung, und das Archiv enthält nichts, was sich darüber öffnen ließe.</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>„%1“ ist im Archiv verschlüsselt, und sein Passwort ist hier nicht bekannt. Ohne Verschlüsselung zurückschreiben?</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Datei „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (schreibgeschützt: Archiv ist %2)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>US-Englisch (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>Westeuropäisch (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>Mitteleuropäisch (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Kyrillisch (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Griechisch (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japanisch (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinesisch vereinfacht (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>Koreanisch (Unified Hangul)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chinesisch traditionell (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>Westeuropäisch (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>E/A-Fehler %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>Ein Ordnername darf kein „/“ enthalten: Legen Sie einen Ordner nach dem anderen an</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>„%1“ ist kein Name für einen neuen Ordner</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>Keine Anwendung ist zum Öffnen von %1 eingerichtet</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>Dieser Befehl kann nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>das angegebene Passwort passt nicht</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>verschlüsselt, aber es wurde kein Passwort angegeben</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>die verschlüsselten Daten wurden nach dem Schreiben verändert</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>mit einer Methode komprimiert, die dieses Programm nicht lesen kann</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>auf eine Weise verschlüsselt, die dieses Programm nicht lesen kann</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>die Daten sind beschädigt (die Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>die Daten sind beschädigt</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>das Archiv endet vor dem Ende der Daten</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>ein gleichnamiger Eintrag wurde zuvor in diese Datei entpackt; mit Ordnernamen entpacken, um beide zu behalten</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>der Name würde aus dem gewählten Ordner hinausführen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>in den gewählten Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>zum Entpacken ist nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein gleichnamiger Ordner steht im Weg</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 ist kein ZIP-Archiv.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>Das Inhaltsverzeichnis des Archivs ist beschädigt; die aufgeführten Einträge wurden ohne es gefunden und können getestet und entpackt werden.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>Das Inhaltsverzeichnis des Archivs ist beschädigt, und ohne es wurde kein Eintrag gefunden.</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>Das Archiv ist beschädigt; die aufgeführten Einträge konnten gelesen werden.</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>Das Archiv ist beschädigt; keiner seiner Einträge konnte gelesen werden.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translatorcomment>„Recurse Dirs“ heißt im Hinzufügen-Dialog „Mit Unterordnern“.</translatorcomment><translation>Der Ordner %1 wurde nicht hinzugefügt: Ohne „Mit Unterordnern“ fügt ein Ordner nichts hinzu. Aktivieren Sie „Mit Unterordnern“, um ihn mit seinem gesamten Inhalt hinzuzufügen.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>Ordner %1 kann nicht verwendet werden: er %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>hat die Rechte %1 statt 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>kann nicht angelegt werden: der übergeordnete Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>es gibt keinen Ordner für einen Papierkorb</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>der Papierkorb wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>In %1 kann kein Ordner erstellt werden: %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>Der Arbeitsordner %1 %2, daher wird darin nichts verwendet oder entfernt; dieser Lauf legt seine Kopien von Einträgen stattdessen in einem neuen privaten Ordner unter %3 ab.</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>Im Arbeitsordner %1 wird hiervon nichts verwendet oder entfernt: %2.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>In %1 kann kein Arbeitsordner erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>Der Arbeitsordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Su&amp;chen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Weiter&amp;suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>„%1“ ist ein Desktop-Starter, den die Arbeitsumgebung ausführen könnte, statt ihn anzuzeigen; daher wird er nicht geöffnet. „Datei ausführen“ führt einen Eintrag absichtlich aus.</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>„%1“ ist ein Programm, das die Arbeitsumgebung ausführen könnte, statt es anzuzeigen; daher wird es nicht geöffnet. „Datei ausführen“ führt einen Eintrag absichtlich aus.</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>„%1“ ist ein Skript, das die Arbeitsumgebung ausführen könnte, statt es anzuzeigen; daher wird es nicht geöffnet. „Datei ausführen“ führt einen Eintrag absichtlich aus.</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>ZIP-Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>Passwort für das neue Archiv:</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>Ein leeres Passwort verschlüsselt nichts; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>Passwort erneut eingeben:</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>Die beiden Passwörter stimmen nicht überein; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>„Zipfile“ als „ZIP-Datei“ übersetzt.</translatorcomment><translation>Sie müssen zuerst eine neue ZIP-Datei erstellen oder eine ZIP-Datei öffnen!</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 ist das geöffnete Archiv; „Speichern unter“ schreibt eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 ist keine Datei; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 existiert. Ersetzen?</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>Die Einträge des neuen Archivs mit einem Passwort verschlüsseln?</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Speichern als %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>Speichern als %1 von %2 beginnt</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>„DLL“ bleibt als altes Wort für die Bibliotheken.</translatorcomment><translation>Fehler bei „Speichern unter“; schwerwiegende DLL-Ausnahme</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>Aus %1 konnte nichts gelesen werden; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Einige Einträge konnten nicht gelesen werden. Die übrigen als %1 speichern?</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>%n Datei wurde in %1 gespeichert</numerusform><numerusform>%n Dateien wurden in %1 gespeichert</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>tar-Archive können nicht verschlüsselt werden</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>libarchive 3.6.2, das hier 7z schreibt, kann es nicht verschlüsseln</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>%1-Archive können hier nicht verschlüsselt werden</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>Ein %1-Archiv behält die Namen unverändert: Nur ZIP-Archive erhalten DOS-8.3-Namen</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Ein %1-Archiv übernimmt nicht die Zeit seines neuesten Eintrags</translation>
    </message>
</context>
</TS>