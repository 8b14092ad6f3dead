<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>Добавление файлов</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Начало добавления в %1</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>Старый текст программы: «Extract» сохранено как «извлечение», «DLL» — библиотеки программы; оставлено «DLL» в скобках.</translatorcomment><translation>Ошибка при извлечении; критический сбой библиотеки (DLL)</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>«Zipfile» везде передано как «ZIP-архив» или просто «архив».</translatorcomment><translation>Сначала создайте новый ZIP-архив или откройте существующий!</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>Файлы не выбраны!</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;нет&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>многотомный</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>Список устарел</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>Архив был изменён, а его элементы не были прочитаны заново. Команда «Файл &gt; Открыть архив» прочитает их.</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>Только чтение: разделён на %n файл</numerusform><numerusform>Только чтение: разделён на %n файла</numerusform><numerusform>Только чтение: разделён на %n файлов</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>Многотомный архив не изменяется: элементы нельзя добавлять, удалять, переименовывать или записывать обратно. «Файл &gt; Сохранить как…» создаёт единую копию, в которой это можно.</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>Только чтение: %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>Элементы нельзя добавлять, удалять или записывать обратно. «Файл &gt; Сохранить как…» создаёт копию в формате ZIP, tar или 7z, в которой это можно.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найден</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 не существует и не может быть создан: его имя указывает на формат %2, который доступен только для чтения. «Файл &gt; Новый архив» создаёт архив.</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>Новый: будет создан при первом добавлении</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 ещё не существует; первое добавление создаст его как архив %2.</translation>
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
        <translation>Архив не найден: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: выполнено не всё</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: ничего не извлечено</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>В исходном тексте необычный пробел перед двоеточием («Error :»); в переводе обычная пунктуация «Ошибка:». «Directory» — «папка».</translatorcomment><translation>Ошибка: папка не выбрана</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 — %2 архив, доступный здесь только для чтения</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1: окончание имени .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar или .7z определяет, какой архив создать</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>Перезаписать существующий файл %1?</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>Не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>Не удаётся поместить %1 на место: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>Файл не найден: %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>Комментарий к архиву - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>Комментарий к архиву</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>Без сжатия</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Быстрое</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Максимальное</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Сжать</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Обзор…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>&amp;Архив:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Формат:</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>&amp;Уровень сжатия:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>Подт&amp;верждение пароля:</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>Сжать в</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>Укажите имя архива.</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>Укажите полный путь к архиву, начиная с /.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 — это папка.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Пароли не совпадают.</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 был изменён в другой программе. Обновить его в архиве?</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>Ваши изменения в «%1» не записаны в %2. Они сохранены в %3.</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>«Error :» с необычным пробелом — старый текст программы; в переводе обычная пунктуация «Ошибка:».</translatorcomment><translation>Ошибка: файл не найден %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translation>Ошибка: папка не выбрана</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translation>Ошибка: папка не найдена %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translation>Ошибка: нет файлов для извлечения</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translation>Ошибка: файлы не выбраны</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translation>Ошибка: не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>Извлечение файлов</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>Начало извлечения из %1 в %2</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Ошибка при извлечении; критический сбой библиотеки (DLL)</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>«OverWrite Existing: Yes» — так, как этот выбор назван в переведённом окне извлечения: «Перезапись файлов: Да».</translatorcomment><translation><numerusform>%n существующий файл оставлен без изменений; чтобы заменить его, выберите «Перезапись файлов: Да».</numerusform><numerusform>%n существующих файла оставлены без изменений; чтобы заменить их, выберите «Перезапись файлов: Да».</numerusform><numerusform>%n существующих файлов оставлены без изменений; чтобы заменить их, выберите «Перезапись файлов: Да».</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>«OverWrite Existing: Yes» — так, как этот выбор назван в переведённом окне извлечения: «Перезапись файлов: Да».</translatorcomment><translation><numerusform>%n существующий файл оставлен без изменений; чтобы заменить его, выберите «Перезапись файлов: Да».</numerusform><numerusform>%n существующих файла оставлены без изменений; чтобы заменить их, выберите «Перезапись файлов: Да».</numerusform><numerusform>%n существующих файлов оставлены без изменений; чтобы заменить их, выберите «Перезапись файлов: Да».</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Справка Orvex 97</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 элемент</numerusform><numerusform>%1 элемента</numerusform><numerusform>%1 элементов</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 элемент</numerusform><numerusform>%1 элемента</numerusform><numerusform>%1 элементов</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 папка</numerusform><numerusform>%1 папки</numerusform><numerusform>%1 папок</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 папка</numerusform><numerusform>%1 папки</numerusform><numerusform>%1 папок</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (%2 в сжатом виде)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Открыть с помощью</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>Открыть «%1» с помощью:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (по умолчанию)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>Или команда (%f обозначает файл):</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>Список не был прочитан заново и устарел: откройте архив ещё раз, чтобы увидеть его элементы в текущем состоянии.</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>Чтение архива</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>Чтение элементов…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>Прочитан %Ln элемент…</numerusform><numerusform>Прочитано %Ln элемента…</numerusform><numerusform>Прочитано %Ln элементов…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>Прочитан %Ln элемент…</numerusform><numerusform>Прочитано %Ln элемента…</numerusform><numerusform>Прочитано %Ln элементов…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translation>Сообщение об ошибке от библиотеки (DLL): %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>Отменить операцию</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>Ещё %n ошибка записана в окне сообщений</numerusform><numerusform>Ещё %n ошибки записаны в окне сообщений</numerusform><numerusform>Ещё %n ошибок записано в окне сообщений</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>Ещё %n ошибка записана в окне сообщений</numerusform><numerusform>Ещё %n ошибки записаны в окне сообщений</numerusform><numerusform>Ещё %n ошибок записано в окне сообщений</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>Файл: %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>Добавлен %n файл</numerusform><numerusform>Добавлено %n файла</numerusform><numerusform>Добавлено %n файлов</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>Извлечён %n файл</numerusform><numerusform>Извлечено %n файла</numerusform><numerusform>Извлечено %n файлов</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>Переименован %n файл</numerusform><numerusform>Переименовано %n файла</numerusform><numerusform>Переименовано %n файлов</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Введите пароль для %1:</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>Неверный пароль.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
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
        <translation>ZIP-архив не найден: %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translation>Ошибка: нет файлов для переименования</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Ошибка: файл не выбран</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Новое имя для %1:</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>Переименование файлов</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Начало переименования в %1</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>Критическая ошибка при переименовании</translation>
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
        <translation>Добавление файлов</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Выделить &amp;всё</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>Выделить все файлы</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>Файлы для добавления:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Сортировать</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>Сортировать файлы</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation>Добавить &amp;папку</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translation>Добавить папку в ZIP-архив</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>Добавить &amp;файлы</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Добавить файлы в ZIP-архив</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>&amp;Убрать файл</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translation>Убрать файлы из списка для ZIP-архива</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>«Save DirNames» (сохранять имена папок вместе с файлом) передано коротко: «Сохранять пути» — поле шириной 130 пикселей.</translatorcomment><translation>Сохранять пути</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>Сохраняет путь вместе с каждым именем файла</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>«Recurse Dirs» (включать вложенные папки) передано как «Во вложенных папках».</translatorcomment><translation>Во вложенных папках</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>Вложенные папки каждого указанного пути и шаблона также будут включены</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>«Force MS-DOS» (принудительно короткие имена 8.3) передано как «Имена MS-DOS».</translatorcomment><translation>Имена MS-DOS</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>Приводить все имена файлов в ZIP-архиве к ограничению DOS 8.3. Если флажок снят, поддерживаются длинные имена файлов</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translatorcomment>«Use Timestamp» (дать архиву дату самого нового элемента) передано как «Дата новейшего файла».</translatorcomment><translation>Дата новейшего файла</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>Установить дату ZIP-архива по самому новому файлу в архиве</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>Затем удалить файлы</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>После добавления в архив удалить исходный файл</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>Только обновить файлы</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>Зашифровать паролем…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>Зашифровать добавляемые файлы паролем (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>Полные пути</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>Вместе с «Сохранять пути» сохранять каждый путь от корневой папки, а не от папки, содержащей добавленное</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Уровень сжатия</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>Уровень сжатия: по умолчанию = макс. = экономия места, мин. = экономия времени</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>Сред.</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level's scale: the most compression (smallest).</extracomment>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation>Начать сжатие файлов</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Отменить операцию</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>Введите пароль для добавляемых файлов:</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>Пароль длиннее %n байта.</numerusform><numerusform>Пароль длиннее %n байтов.</numerusform><numerusform>Пароль длиннее %n байтов.</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>Введите пароль ещё раз:</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Пароли не совпадают.</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>Выбор папки для извлечения</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>&amp;Папка:</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>Создать новую папку</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>&amp;Извлечь в:</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>Папка для извлечения; несуществующая папка будет создана</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>В папку с именем архива</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>Извлечь в новую папку внутри выбранной, названную по имени архива (photos.tar.gz: photos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>«Expand ZIP Dirs» (воссоздавать папки, сохранённые в архиве) передано как «Создавать папки».</translatorcomment><translation>Создавать папки</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>Извлекает файлы и воссоздаёт относительные пути, которые могли быть сохранены с каждым файлом. Пустые папки, сохранённые в архиве (если есть), также будут созданы.</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>«OverWrite Existing» (необычная заглавная W — из оригинала) передано как «Перезапись файлов»; в сообщениях об извлечении используется то же название.</translatorcomment><translation>Перезапись файлов</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>Перезаписывать существующие файлы при извлечении.</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>Извлекаемые файлы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>Выделенные файлы</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>Файлы для извлечения</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>Только обновить файлы</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>Начать извлечение файлов</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Отменить операцию</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>Папка для извлечения должна быть указана полным путём, начиная с «/» или «~»: %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>Папка</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 для Linux, Desktop Edition 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>Норвегия</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Эл. почта: %1</translation>
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
        <translation>Встроенный редактор Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Создать новый файл</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Открыть существующий файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Сохранить текущий файл</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Сохранить текущий файл под новым именем</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Напечатать текущий файл</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>&amp;Настройка принтера...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Выйти из приложения</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Отменить последнее действие</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Удалить выделенный фрагмент</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Копировать выделенный фрагмент в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>Вставить содержимое буфера обмена</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить в&amp;сё</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>По&amp;иск</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Найти...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Найти &amp;далее</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>Текст не найден.</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>Не удаётся найти «%1».</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>«Update zipfile?» передано как «Обновить архив?».</translatorcomment><translation>Обновить архив?</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Меню окна</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>&amp;Развернуть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>Выполняется операция. Остановить её и выйти?</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>%1 не удаётся переместить в корзину (%2). Удалить безвозвратно? Следующие за ним тома будут удалены так же.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 не удаётся переместить в корзину (%2). Удалить безвозвратно?</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>Все архивы (%1);;ZIP-архивы (%2);;Все файлы (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>ZIP-архивы (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>Архивы %1 (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>Выделен 1 элемент.</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>Выделен %n элемент.</numerusform><numerusform>Выделено %n элемента.</numerusform><numerusform>Выделено %n элементов.</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>Недопустимое имя архива: %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translation>ZIP-архив не найден: %1. Он убран из списка в меню «Файл».</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>Создание ZIP-архива</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>Перезаписать существующий файл %1?</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>Открытие ZIP-архива</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>ZIP-архив не найден: %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>Переместить %1 в корзину?</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>Это один из томов многотомного архива; второй том будет удалён вместе с ним: %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>Это один из томов многотомного архива; остальные тома будут удалены вместе с ним: %1</numerusform><numerusform>Это один из томов многотомного архива; остальные тома будут удалены вместе с ним: %1</numerusform><numerusform>Это один из томов многотомного архива; остальные тома будут удалены вместе с ним: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translation>Ошибка: нет файлов для удаления</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>Удалить %n элемент (выделенные папки со всем содержимым) из %1?</numerusform><numerusform>Удалить %n элемента (выделенные папки со всем содержимым) из %1?</numerusform><numerusform>Удалить %n элементов (выделенные папки со всем содержимым) из %1?</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>Удалить выделенные файлы из %1?
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translation>Ошибка: файлы не выбраны</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>Удаление файлов</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>Начало удаления из %1</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>Критическая ошибка при удалении</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>Заглавная D в «Deleted» — особенность оригинала; в переводе обычное написание.</translatorcomment><translation><numerusform>Удалён %n файл</numerusform><numerusform>Удалено %n файла</numerusform><numerusform>Удалено %n файлов</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translation>Создать новый ZIP-архив</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translation>Открыть существующий ZIP-архив</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translation>Удалить существующий ZIP-архив</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>Запустить выделенный файл</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>Редактировать выделенный файл</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translation>Извлечь файлы из ZIP-архива</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Добавить файлы в ZIP-архив</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translation>Удалить файлы из ZIP-архива</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>Выйти из Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>&amp;Новый архив</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>&amp;Открыть архив</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>&amp;Удалить архив</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Сво&amp;йства…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Выделить &amp;всё</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Обратить выделение</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>&amp;Копировать имена</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Действия</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translation>&amp;Извлечь </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>Про&amp;верить архив</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Переименовать…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>Запустить файл</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>Редактировать файл</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>&amp;Открыть в приложении по умолчанию</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>Открыть &amp;с помощью…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>Имена из других систем</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>&amp;Комментарий к архиву…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>Столбец «&amp;Сжатие»</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Окно</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translation>&amp;Показывать ход операций</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>от Tolvane</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>«Zip filename:» передано как «Архив:» (в строке состояния перед путём к архиву).</translatorcomment><translation>Архив:</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>Папка</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>Показанная папка; введите путь к папке и нажмите Enter, чтобы перейти в неё</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Фильтр:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation>часть имени; * и ? — подстановочные знаки</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>Вв&amp;ерх на одну папку</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>Ф&amp;ильтр…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>&amp;Папками</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>П&amp;лоским списком</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>В этом архиве нет папки %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>Показано %1 из %Ln элемента</numerusform><numerusform>Показано %1 из %Ln элементов</numerusform><numerusform>Показано %1 из %Ln элементов</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>Сжатие, %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>Извлечь в&amp;ыделенное…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>Проверить выделе&amp;нное</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>Выделено: %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>Архив: %1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>«Exctracting files:» (опечатка оригинала) передано коротко как «Извлечение:» — панель шириной 93 пикселя.</translatorcomment><translation>Извлечение:</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Не удаётся прочитать файл %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Не удаётся записать файл %1</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>Проверен %n файл, с ошибками: %1</numerusform><numerusform>Проверено %n файла, с ошибками: %1</numerusform><numerusform>Проверено %n файлов, с ошибками: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>Ошибка: файл не найден %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translation>Ошибка: нет файлов для проверки</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>Проверка файлов</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Начало проверки %1</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Ошибка при проверке; критический сбой библиотеки (DLL)</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Не удаётся прочитать файл «%1». %2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>Это не текстовый файл</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Не удаётся записать файл «%1». %2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>Не удаётся начать печать на %1</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 байт</numerusform><numerusform>%1 байта</numerusform><numerusform>%1 байт</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 байт</numerusform><numerusform>%1 байта</numerusform><numerusform>%1 байт</numerusform></translation>
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
        <translation>Путь</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>нет</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Сжатие</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>определяется форматом</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>Размер на диске</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>Сжатый размер</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>Степень сжатия (сжатый / исходный)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>Зашифрованные элементы</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>Тома</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>В оригинале ошибка «a archive»; в переводе обычная грамматика.</translatorcomment><translation>Для %1 нужно указать архив</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>Для %1 нужно указать папку</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>Не локальный файл: %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>Для %1 нужен хотя бы один файл</translation>
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
        <translation>  --extract-here FILE...       извлечь каждый архив в папку, где он лежит;
                               элементы не из одной общей верхней папки
                               попадают в новую папку с именем архива
  --extract-to DIR FILE...     то же, но в папку DIR
  --extract FILE...            спросить, куда извлекать, в окне извлечения
  --compress FILE...           спросить имя, формат, уровень сжатия и пароль
                               нового архива, затем добавить в него FILE
  --add-to ARCHIVE FILE...     добавить FILE в ARCHIVE без вопросов
                               (ARCHIVE создаётся, если его нет)
FILE может быть путём или адресом file://. В этих режимах главное окно
не открывается; код выхода 0, если всё запрошенное выполнено, 1, если что-то
не удалось или было отменено, и 2 при неверной командной строке.
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>Файл: %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>Архив не найден: %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 — это преобразуемый архив</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 существует; convert записывает только новый архив</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>Ничего из %1 не удалось преобразовать</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>Неизвестный или неполный параметр: %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>Неизвестная кодировка %1; допустимые значения: %2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>Для list нужно указать архив</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>Для %1 --encrypt нужен пароль: --password-file FILE или терминал для его ввода</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>Для %1 --encrypt нужен непустой пароль</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (ещё раз)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>Пароли не совпадают</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>Уровень — число от 0 до 9</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>Для add нужно указать архив и хотя бы один файл</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 только для ZIP-архивов; %2 — архив %3</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file используется вместе с --encrypt</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>Для delete нужно указать архив и хотя бы одно имя элемента</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>Для extract нужно указать архив</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>Папка не найдена: %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>Для test нужно указать архив</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>Для convert нужно указать исходный архив и новый архив</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt создаёт ZIP-архив; %1 задаёт архив %2, который будет записан без шифрования</translation>
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
        <translation>Использование:</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>Не удаётся прочитать файл пароля %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>Пароль в %1 длиннее %n байта</numerusform><numerusform>Пароль в %1 длиннее %n байтов</numerusform><numerusform>Пароль в %1 длиннее %n байтов</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>Пароль для %1: </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>Введённый пароль длиннее %n байта</numerusform><numerusform>Введённый пароль длиннее %n байтов</numerusform><numerusform>Введённый пароль длиннее %n байтов</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>ZIP-архив не найден: %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 — архив %2: его комментарий здесь прочитать нельзя.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>Читается как UTF-8, иначе — в кодовой странице имён элементов; изменённый комментарий записывается в UTF-8.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>Читается как UTF-8, иначе — в кодовой странице имён элементов. Архив %1 изменить нельзя.</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>Комментарий занимает %Ln байт; комментарий ZIP-архива вмещает не более %1.</numerusform><numerusform>Комментарий занимает %Ln байта; комментарий ZIP-архива вмещает не более %1.</numerusform><numerusform>Комментарий занимает %Ln байт; комментарий ZIP-архива вмещает не более %1.</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>Запись комментария</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Начало записи комментария в %1</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>Критическая ошибка при записи комментария</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 — %2 архив, доступный только для чтения. Сохраните его как ZIP («Файл &gt; Сохранить как…»), чтобы добавлять файлы.</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>Архив не открыт. Создать новый архив для перетащенных файлов?</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translation>Безымянный</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>«Text Filer» (слово «Filer» из оригинала) передано как «Текстовые файлы».</translatorcomment><translation>Текстовые файлы (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>Безымянный - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Встроенный редактор Orvex 97 - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 уже существует. Заменить?</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 содержит символы, которые нельзя записать в кодировке %2. Сохранить в UTF-8?</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>Не удаётся создать папку в %1: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>Не удаётся переместить %1 в %2: %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>Все имена для %1 в %2 уже заняты</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 — файл, а не папка: в %2 ничего нельзя извлечь</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>«Compr Size» (сокращение оригинала) передано полностью: «Сжатый размер».</translatorcomment><translation>Сжатый размер</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>«Uncmpr Size» (сокращение оригинала) передано как «Исходный размер».</translatorcomment><translation>Исходный размер</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Дата/время</translation>
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
        <translation>Использование: orvex97 [ARCHIVE]
         или: orvex97 MODE FILE...
Открывает ARCHIVE в окне Orvex 97 (без него — просто окно): архив ZIP,
tar (простой, .gz, .bz2, .xz, .zst) или 7z либо только читаемый архив (RAR,
ISO, cpio, ar, cab, lha, xar, отдельный файл .gz, .bz2, .xz или .zst).

Режимы для меню файловых менеджеров:
%1
Параметры:
  --new-archive  открыть окно и спросить имя нового архива
  -h, --help     показать эту справку и выйти
  --version      показать версию и выйти
Также принимаются собственные параметры Qt (-platform, -style, ...).
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>Попробуйте «orvex97 --help».</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Ошибка при извлечении; критический сбой библиотеки (DLL)</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translation>Ваши изменения в «%1» не записаны в %2. Редактор откроется снова с ними: закройте его, чтобы повторить попытку, или сохраните их через «Файл &gt; Сохранить как»; ответьте «Нет» на вопрос «Обновить архив?», чтобы отказаться от них.</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Ошибка: файл не выбран</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>«%1» — ссылка, и в архиве нет ничего, что можно через неё открыть.</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>«%1» зашифрован в архиве, а пароль к нему здесь неизвестен. Записать его обратно без шифрования?</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Не удаётся открыть файл «%1»</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (только чтение: %2 архив не записывается)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>Английский, США (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>Западноевропейская (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>Центральноевропейская (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Кириллица (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Греческая (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Японская (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Упрощённый китайский (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>Корейская (Unified Hangul)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Традиционный китайский (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>Западноевропейская (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>Авто</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Доступ к файлу запрещён</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>Ошибка ввода-вывода %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>Имя папки не может содержать «/»: создавайте по одной папке за раз</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>«%1» не может быть именем новой папки</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>Нет приложения для открытия %1</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>Не удаётся выполнить команду: %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>указанный пароль не подходит</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>элемент зашифрован, а пароль не указан</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>зашифрованные данные были изменены после записи</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>элемент сжат методом, который эта программа не умеет читать</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>элемент зашифрован способом, который эта программа не умеет читать</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>данные повреждены (не совпадает контрольная сумма)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>данные повреждены</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>архив заканчивается раньше, чем данные</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>в этот файл уже был извлечён элемент с тем же именем; извлекайте с именами папок, чтобы сохранить оба</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>его имя поместило бы его за пределы выбранной папки</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>в выбранную папку нельзя записывать</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>недостаточно памяти для извлечения</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>мешает папка с таким же именем</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 не является ZIP-архивом.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>Оглавление архива повреждено; перечисленные элементы найдены без него, их можно проверить и извлечь.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>Оглавление архива повреждено, и без него не удалось найти ни одного элемента.</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>Архив повреждён; перечисленные элементы удалось прочитать.</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>Архив повреждён; ни один из его элементов не удалось прочитать.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translation>Папка %1 не добавлена: когда флажок «Во вложенных папках» снят, папка ничего не добавляет. Установите «Во вложенных папках», чтобы добавить её со всем содержимым.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>Не удаётся использовать папку %1: она %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>является ссылкой</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>не является папкой</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>имеет права %1, а не 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>не может быть создана: не удаётся создать содержащую её папку %1</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>не может быть создана: %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>нет папки для корзины</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>корзина не найдена</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Не удаётся создать папку в %1: %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>Рабочая папка %1 %2, поэтому ничего в ней не используется и не удаляется; в этот раз копии элементов хранятся в новой личной папке в %3.</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>В рабочей папке %1 не используется и не удаляется ничего из следующего: %2.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>Не удаётся создать рабочую папку в %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>Не удаётся использовать рабочую папку %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Не удаётся заблокировать %1: %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Замена</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>За&amp;менить на:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Только слово &amp;целиком</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>С учётом &amp;регистра</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Вверх</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Вн&amp;из</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Найти &amp;далее</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Заменить в&amp;се</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» — ярлык рабочего стола, который окружение могло бы запустить вместо показа, поэтому он не открыт. Команда «Запустить файл» запускает элемент намеренно.</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» — программа, которую окружение рабочего стола могло бы запустить вместо показа, поэтому она не открыта. Команда «Запустить файл» запускает элемент намеренно.</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>«%1» — сценарий, который окружение рабочего стола могло бы запустить вместо показа, поэтому он не открыт. Команда «Запустить файл» запускает элемент намеренно.</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>ZIP-архивы</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>Пароль для нового архива:</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>Пустой пароль ничего не шифрует; ничего не сохранено.</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>Введите пароль ещё раз:</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>Пароли не совпадают; ничего не сохранено.</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translation>Сначала создайте новый ZIP-архив или откройте существующий!</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 — открытый архив; «Сохранить как» записывает другой файл.</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 не является файлом; ничего не сохранено.</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 существует. Заменить?</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>Зашифровать элементы нового архива паролем?</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Сохранение в формате %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>Начало сохранения %2 в формате %1</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Ошибка при сохранении; критический сбой библиотеки (DLL)</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>Из %1 ничего не удалось прочитать; ничего не сохранено.</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Некоторые элементы не удалось прочитать. Сохранить остальные в формате %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>%n файл сохранён в %1</numerusform><numerusform>%n файла сохранены в %1</numerusform><numerusform>%n файлов сохранено в %1</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>архивы tar нельзя зашифровать</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>libarchive 3.6.2, которая записывает здесь 7z, не умеет его шифровать</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>архивы %1 здесь нельзя зашифровать</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>Архив %1 сохраняет имена как есть: короткие имена DOS 8.3 бывают только в ZIP-архивах</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Архив %1 не получает дату самого нового элемента</translation>
    </message>
</context>
</TS>