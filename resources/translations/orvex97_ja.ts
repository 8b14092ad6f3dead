<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>ファイルを追加中</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>%1 への追加を開始します</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>The English old text says "Error in Extract" although an add failed; translated by meaning as an error while adding. "DLL" kept (Japanese users know the word) for the program's libraries.</translatorcomment><translation>追加中のエラー: DLL で致命的な例外が発生しました</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>先に新しい ZIP ファイルを作成するか、ZIP ファイルを開いてください。</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>ファイルが選択されていません。</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;なし&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>分割</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>一覧が古くなっています</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>アーカイブが変更されましたが、項目は読み直されていません。[ファイル] &gt; [アーカイブを開く] で読み直せます。</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>読み取り専用: %n 個のファイルに分割</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>分割アーカイブは変更できません。項目の追加、削除、名前の変更、書き戻しはできません。[ファイル] &gt; [名前を付けて保存…] で、変更できる単一のコピーを作れます。</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>読み取り専用: %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>項目の追加、削除、書き戻しはできません。[ファイル] &gt; [名前を付けて保存…] で、変更できる ZIP、tar、7z 形式のコピーを作れます。</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 は存在せず、作成もできません。名前が示す %2 形式は読み取り専用です。[ファイル] &gt; [新しいアーカイブ] で作成してください。</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>新規: 最初の追加で作成されます</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 はまだ存在しません。最初の追加で %2 アーカイブとして作成されます。</translation>
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
        <translation>アーカイブがありません: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>%1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: 一部の処理を完了できませんでした</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: 何も展開されませんでした</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: "; "directory" is フォルダー as everywhere.</translatorcomment><translation>エラー: フォルダーが選択されていません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 は %2 アーカイブで、ここでは読み取り専用です</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1: 作成するアーカイブの形式は名前の末尾 (.zip、.tar.gz、.tar.xz、.tar.zst、.tar.bz2、.tar、.7z) で指定してください</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>既存のファイル %1 を上書きしますか？</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>%1 を所定の場所に置けません: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>ファイルがありません: %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>アーカイブのコメント - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>アーカイブのコメント</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>無圧縮</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>最速</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>最小サイズ</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>参照(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>アーカイブ(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>圧縮レベル(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>パスワードの確認(&amp;C):</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>圧縮先</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>アーカイブの名前を入力してください。</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>アーカイブの完全なパスを / から入力してください。</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 はフォルダーです。</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>2 つのパスワードが一致しません。</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 が別のプログラムで変更されました。アーカイブ内のファイルを更新しますか？</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>「%1」への変更は %2 に書き込まれませんでした。変更内容は %3 に保存されています。</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: ファイルが見つかりません %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: フォルダーが選択されていません</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: フォルダーが見つかりません %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: 展開するファイルがありません</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>ファイルを展開中</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>%1 から %2 への展開を開始します</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" kept as in the English old text (the program's libraries); Japanese users know the word.</translatorcomment><translation>展開中のエラー: DLL で致命的な例外が発生しました</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>Names the Extract dialog's group "OverWrite Existing" as translated there (既存ファイルの上書き) and its choice "Yes" (はい).</translatorcomment><translation><numerusform>既存のファイル %n 個はそのまま残しました。置き換えるには [既存ファイルの上書き] で [はい] を選んでください。</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>Names the Extract dialog's group "OverWrite Existing" as translated there (既存ファイルの上書き) and its choice "Yes" (はい).</translatorcomment><translation><numerusform>既存のファイル %n 個はそのまま残しました。置き換えるには [既存ファイルの上書き] で [はい] を選んでください。</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Orvex 97 ヘルプ</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 項目</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 項目</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 フォルダー</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 フォルダー</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (圧縮後 %2)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>プログラムから開く</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>「%1」を開くプログラム:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (既定)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>またはコマンド (%f はファイルを表します):</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>一覧は読み直されていないため古くなっています。現在の項目を表示するには、アーカイブを開き直してください。</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>アーカイブを読み込み中</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>項目を読み込み中…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>%Ln 個の項目を読み込み中…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>%Ln 個の項目を読み込み中…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" kept as in the English old text (the program's libraries).</translatorcomment><translation>DLL からのエラー メッセージ: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>操作をキャンセルします</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>ほかに %n 件のエラーがメッセージ ウィンドウに記録されました</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>ほかに %n 件のエラーがメッセージ ウィンドウに記録されました</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>ファイル: %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>%n 個のファイルを追加しました</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>%n 個のファイルを展開しました</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>%n 個のファイルの名前を変更しました</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 のパスワードを入力してください:</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>パスワードが違います。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
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
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ZIP ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: 名前を変更するファイルがありません</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 の新しい名前:</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>ファイルの名前を変更中</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>%1 での名前の変更を開始します</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>名前の変更中に致命的なエラーが発生しました</translation>
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
        <translation>ファイルの追加</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>すべて選択(&amp;S)</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>すべてのファイルを選択します</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>追加するファイル:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>ファイルを並べ替えます</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation>フォルダーを追加(&amp;D)</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル; "directory" is フォルダー.</translatorcomment><translation>フォルダーを ZIP ファイルに追加します</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>ファイルを追加(&amp;F)</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ファイルを ZIP ファイルに追加します</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>ファイルを除外(&amp;R)</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ファイルを ZIP ファイルに追加する一覧から除外します</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>Old text "Save DirNames" (store each file's folder names with it): translated by meaning, kept short for the 130-pixel box.</translatorcomment><translation>フォルダー名を保存</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>各ファイル名と一緒にパス名を保存します</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>Old text "Recurse Dirs" (include the subfolders of each folder added): translated by meaning. The same words are used where other messages name this check box.</translatorcomment><translation>サブフォルダーを含める</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>指定した各ファイルの下にあるサブフォルダーも対象に含めます</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>Old text "Force MS-DOS" (store names as short 8.3 MS-DOS names): translated by meaning, "force MS-DOS names".</translatorcomment><translation>MS-DOS 名を強制</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>ZIP ファイルに入れるすべてのファイル名を DOS の 8.3 形式の制限に合わせます。オフの場合は長いファイル名を使えます</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translation>タイムスタンプを使用</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>ZIP ファイルの日時をアーカイブ内で最も新しいファイルの日時に合わせます</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>追加後にファイルを削除</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>アーカイブに追加した後、元のファイルを削除します</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>更新のみ</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>パスワードで暗号化…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>追加するファイルをパスワードで暗号化します (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>完全なパスを保存</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>[フォルダー名を保存] がオンのとき、追加したものを含むフォルダーからではなく、ルート フォルダーからのパスを保存します</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>圧縮レベル</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>圧縮レベル (既定 = 最大 = サイズ優先、最小 = 速度優先)</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>最小</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>中</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level's scale: the most compression (smallest).</extracomment>
        <translation>最大</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation>ファイルの圧縮を開始します</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>操作をキャンセルします</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>追加するファイルのパスワードを入力してください:</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>パスワードが %n バイトを超えています。</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>パスワードをもう一度入力してください:</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>展開先フォルダーの選択</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>場所(&amp;I):</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>新しいフォルダーを作成</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>展開先(&amp;T):</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>展開先のフォルダー。存在しない場合は作成されます</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>アーカイブ名のフォルダーに展開</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>選んだフォルダーの中に、アーカイブと同じ名前の新しいフォルダーを作って展開します (photos.tar.gz: photos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>Old text "Expand ZIP Dirs" (whether the folders stored in the archive are made again): translated by meaning, "restore the folder structure".</translatorcomment><translation>フォルダー構成の復元</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>各ファイルと一緒に保存されている相対パス名を再現して展開します。アーカイブに空のフォルダーが保存されていれば、それも作成します。</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>Old text "OverWrite Existing" (its odd capital W): translated by meaning, "overwrite existing files"; other messages naming this choice use the same words.</translatorcomment><translation>既存ファイルの上書き</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>展開時に既存のファイルをすべて上書きします。</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>展開するファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>選択したファイル</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>展開するファイル</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>更新のみ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>ファイルの展開を開始します</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>操作をキャンセルします</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>展開先フォルダーは "/" または "~" で始まる完全なパスで指定してください: %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translatorcomment>Old title "Input Box" of the box asking for a new folder's name: translated as 入力 (input).</translatorcomment><translation>入力</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>フォルダー名</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 for Linux, Desktop Edition 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>ノルウェー</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>メール: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TF_Editform</name>
    <message>
        <source>Orvex 97 Internal editor</source>
        <translation>Orvex 97 内蔵エディター</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>新しいファイルを作成します</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>既存のファイルを開きます</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>現在のファイルを保存します</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>現在のファイルに新しい名前を付けて保存します</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>現在のファイルを印刷します</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>プリンターの設定(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>このアプリケーションを終了します</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>最後の操作を元に戻します</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>選択した部分を削除します</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>選択した部分をクリップボードにコピーします</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>クリップボードの内容を貼り付けます</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>検索(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置換(&amp;R)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>%1 への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>テキストが見つかりません。</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ZIP ファイルを更新しますか？</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>ウィンドウ メニュー</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>元のサイズに戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>操作の実行中です。中止して終了しますか？</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 を削除できません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>%1 をごみ箱に移動できません (%2)。完全に削除しますか？ 後に続くパートも同様に削除されます。</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 をごみ箱に移動できません (%2)。完全に削除しますか？</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>すべてのアーカイブ (%1);;ZIP ファイル (%2);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>ZIP ファイル (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>%1 アーカイブ (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>1 個の項目が選択されています。</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>%n 個の項目が選択されています。</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>アーカイブ名として使えません: %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ZIP ファイルが見つかりません: %1。[ファイル] メニューの一覧から削除しました。</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>新しい ZIP ファイルの作成</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>既存のファイル %1 を上書きしますか？</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>既存の ZIP ファイルを開く</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ZIP ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>%1 をごみ箱に移動しますか？</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>これは分割アーカイブの一部です。もう 1 つのパートも移動されます: %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>これは分割アーカイブの一部です。ほかのパートも移動されます: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: 削除するファイルがありません</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>%1 から %n 個の項目 (選択したフォルダーとその中身すべて) を削除しますか？</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>%1 から選択したファイルを削除しますか？
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>ファイルを削除中</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>%1 からの削除を開始します</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>削除中に致命的なエラーが発生しました</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>The capital D of "Deleted" in the English old text has no counterpart in Japanese.</translatorcomment><translation><numerusform>%n 個のファイルを削除しました</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>新しい ZIP ファイルを作成します</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>既存の ZIP ファイルを開きます</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>既存の ZIP ファイルを削除します</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>選択したファイルを実行します</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>選択したファイルを編集します</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ZIP ファイルからファイルを展開します</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ZIP ファイルにファイルを追加します</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ZIP ファイルからファイルを削除します</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>Orvex 97 を終了します</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>新しいアーカイブ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>アーカイブを開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>アーカイブを削除(&amp;D)</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>名前を付けて保存(&amp;A)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>プロパティ(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>選択の切り替え(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>名前をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translatorcomment>The trailing blank of the English menu item is kept.</translatorcomment><translation>展開(&amp;E) </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>アーカイブをテスト(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>名前の変更(&amp;R)…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>ファイルを実行</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>ファイルを編集</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>既定のアプリケーションで開く(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>プログラムから開く(&amp;W)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>ほかのシステムの名前</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>アーカイブのコメント(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>圧縮率の列(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translatorcomment>"Show compress status" shows the message window of every operation (adding, extracting, testing), so it is translated as "show the progress of operations", not only compressing.</translatorcomment><translation>処理状況を表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>Tolvane 作</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>Old word "Zip filename": ZIP ファイル名.</translatorcomment><translation>ZIP ファイル名:</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>表示中のフォルダー。フォルダーのパスを入力して Enter キーを押すと移動します</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>フィルター(&amp;F):</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation>名前の一部。* と ? をワイルドカードに使えます</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>項目</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>1 つ上のフォルダー(&amp;U)</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>フィルター(&amp;I)…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>フォルダーごとに表示(&amp;O)</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>フラットな一覧で表示(&amp;L)</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>このアーカイブにフォルダー %1 はありません。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>%Ln 個中 %1 個の項目を表示</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>圧縮率 %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>選択項目を展開(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>選択項目をテスト(&amp;T)</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>選択: %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>アーカイブ: %1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>Old misspelt text "Exctracting files:": translated by meaning ("extracting:"), short for the 93-pixel panel.</translatorcomment><translation>展開中:</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>ファイル %1 を開けません</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>ファイル %1 を読み取れません</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>ファイル %1 を作成できません</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>ファイル %1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>%n 個のファイルをテストしました。エラーがあったファイル: %1 個</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: ファイルが見つかりません %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: テストするファイルがありません</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>ファイルをテスト中</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>%1 のテストを開始します</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" kept as in the English old text (the program's libraries).</translatorcomment><translation>テスト中のエラー: DLL で致命的な例外が発生しました</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>ファイル「%1」を読み取れません。%2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>テキスト ファイルではありません</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>ファイル「%1」に書き込めません。%2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>%1 で印刷を開始できません</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 バイト</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 バイト</numerusform></translation>
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
        <translation>パス</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>圧縮方式</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>形式の名前のとおり</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>ディスク上のサイズ</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>圧縮後のサイズ</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>展開後のサイズ</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>圧縮率 (圧縮後 / 展開後)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>暗号化された項目</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>分割パート</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>The English old text says "a archive"; Japanese has no article, so nothing of it shows.</translatorcomment><translation>%1 にはアーカイブの指定が必要です</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 にはフォルダーの指定が必要です</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>ローカル ファイルではありません: %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 には 1 つ以上のファイルの指定が必要です</translation>
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
        <translatorcomment>FILE, DIR and ARCHIVE kept in capitals as the placeholders the options show; lines wrapped so that they stay within 80 columns with double-width Japanese characters.</translatorcomment><translation>  --extract-here FILE...       各アーカイブを同じフォルダー内に展開します。
                               項目が 1 つの最上位フォルダーにまとまっていない
                               場合はアーカイブ名の新規フォルダーに展開します
  --extract-to DIR FILE...     同じく DIR に展開します
  --extract FILE...            展開先を展開ダイアログで尋ねます
  --compress FILE...           新しいアーカイブの名前、形式、圧縮レベル、
                               パスワードを尋ね、FILE を追加します
  --add-to ARCHIVE FILE...     確認なしで FILE を ARCHIVE に追加します
                               (ARCHIVE がなければ作成します)
FILE にはパスまたは file:// URL を指定できます。これらのモードではメイン
ウィンドウは開きません。終了ステータスは、指定したことがすべて完了すれば 0、
失敗またはキャンセルがあれば 1、コマンドラインが誤っていれば 2 です。
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>アーカイブがありません: %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 は変換元のアーカイブです</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 は既に存在します。convert は新しいアーカイブにのみ書き込みます</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>%1 の中に変換できるものがありませんでした</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>不明または不完全なオプション: %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>不明な文字セット %1。指定できるのは %2 のいずれかです</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>list にはアーカイブの指定が必要です</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt にはパスワードが必要です: --password-file FILE を指定するか、端末で入力してください</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt には空でないパスワードが必要です</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (再入力)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>2 つのパスワードが一致しません</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>レベルは 0 から 9 までの数値です</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>add にはアーカイブと 1 つ以上のファイルの指定が必要です</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 は ZIP アーカイブ用です。%2 は %3 アーカイブです</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file は --encrypt と一緒に指定します</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>delete にはアーカイブと 1 つ以上の項目名の指定が必要です</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>extract にはアーカイブの指定が必要です</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>フォルダーがありません: %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>test にはアーカイブの指定が必要です</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>convert には変換元のアーカイブと新しいアーカイブの指定が必要です</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt で作成されるのは ZIP アーカイブです。%1 は %2 アーカイブを示しており、暗号化なしで書き込まれます</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are kept in English, as the help texts that explain them use them too.</translatorcomment><translation>ARCHIVE [--charset NAME] [--password-file FILE]</translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are kept in English, as the help texts that explain them use them too.</translatorcomment><translation>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of "orvexzip delete": translate only the words in capitals</extracomment>
        <translatorcomment>The words in capitals are kept in English, as the help texts that explain them use them too.</translatorcomment><translation>ARCHIVE NAME...</translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are kept in English, as the help texts that explain them use them too.</translatorcomment><translation>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are kept in English, as the help texts that explain them use them too.</translatorcomment><translation>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are kept in English, as the help texts that explain them use them too.</translatorcomment><translation>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip's usage; the commands follow</extracomment>
        <translation>使い方:</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>パスワード ファイル %1 を読み取れません: %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>%1 のパスワードが %n バイトを超えています</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>%1 のパスワード: </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>入力したパスワードが %n バイトを超えています</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>ZIP ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 は %2 アーカイブです。ここではコメントを読み取れません。</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>UTF-8 として、それ以外は項目名のコード ページで読み取ります。変更したコメントは UTF-8 で書き込まれます。</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>UTF-8 として、それ以外は項目名のコード ページで読み取ります。%1 アーカイブは変更できません。</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>コメントは %Ln バイトです。ZIP アーカイブのコメントは最大 %1 バイトです。</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>コメントを書き込み中</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>%1 のコメントの書き込みを開始します</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>コメントの書き込み中に致命的なエラーが発生しました</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 は %2 アーカイブで、読み取り専用です。ファイルを追加するには ZIP として保存してください ([ファイル] &gt; [名前を付けて保存…])。</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>開いているアーカイブがありません。ドロップしたファイル用に新しいアーカイブを作成しますか？</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translatorcomment>"Noname", the name of an unsaved text: 無題 as Japanese editors say.</translatorcomment><translation>無題</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>Old text "Text Filer" ("Filer" is the program's word for files): テキスト ファイル, text files.</translatorcomment><translation>テキスト ファイル (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>無題 - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Orvex 97 内蔵エディター - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 には %2 で表せない文字が含まれています。UTF-8 で保存しますか？</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>%1 にフォルダーを作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>%1 を %2 に移動できません: %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>%2 の中で %1 に使える名前がすべて使用済みです</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 はフォルダーではなくファイルです: %2 には何も展開できません</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>Old abbreviation "Compr Size" (compressed size): 圧縮後のサイズ, the same words as in the properties window.</translatorcomment><translation>圧縮後のサイズ</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>Old abbreviation "Uncmpr Size" (uncompressed size): 元のサイズ, the original size, short for the column.</translatorcomment><translation>元のサイズ</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日時</translation>
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
        <translatorcomment>ARCHIVE, MODE and FILE kept in capitals, as the text explains them; lines wrapped so that they stay within 80 columns with double-width Japanese characters.</translatorcomment><translation>使い方: orvex97 [ARCHIVE]
または: orvex97 MODE FILE...
ARCHIVE を Orvex 97 のウィンドウで開きます (指定しなければウィンドウのみ)。
ARCHIVE は ZIP、tar (無圧縮、.gz、.bz2、.xz、.zst)、7z のアーカイブ、または
読み取りのみ可能なもの (RAR、ISO、cpio、ar、cab、lha、xar、単独の .gz、
.bz2、.xz、.zst ファイル) です。

モード (ファイル マネージャーのメニュー用):
%1
オプション:
  --new-archive  ウィンドウを開き、新しいアーカイブの名前を尋ねます
  -h, --help     このヘルプを表示して終了します
  --version      バージョンを表示して終了します
Qt 自体のオプション (-platform、-style など) も指定できます。
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>'orvex97 --help' を実行してください。</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" kept as in the English old text (the program's libraries).</translatorcomment><translation>展開中のエラー: DLL で致命的な例外が発生しました</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>「%1」への変更は %2 に書き込まれませんでした。変更内容を含めてエディターがもう一度開きます。閉じて再試行するか、[ファイル] &gt; [名前を付けて保存] で保存してください。変更を破棄するには「ZIP ファイルを更新しますか？」に [いいえ] と答えてください。</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translatorcomment>Old text "Error :" with its odd spacing: written as the usual Japanese "エラー: ".</translatorcomment><translation>エラー: ファイルが選択されていません</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>「%1」はリンクで、アーカイブにはリンク先として開けるものがありません。</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>「%1」はアーカイブ内で暗号化されていますが、ここではパスワードがわかりません。暗号化せずに書き戻しますか？</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>ファイル「%1」を開けません</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (読み取り専用: %2 アーカイブには書き込みません)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>英語 (米国) (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>西ヨーロッパ言語 (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>中央ヨーロッパ言語 (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>キリル言語 (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>ギリシャ語 (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>日本語 (シフト JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>簡体字中国語 (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>韓国語 (統合ハングル)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>繁体字中国語 (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>西ヨーロッパ言語 (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>自動</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>パスが見つかりません</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>ファイルへのアクセスが拒否されました</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>ファイルは既に存在します</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>I/O エラー %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>フォルダー名に "/" は使えません。フォルダーは 1 つずつ作成してください</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>「%1」は新しいフォルダーの名前に使えません</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>%1 を開くアプリケーションが設定されていません</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>このコマンドを開始できません: %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>指定したパスワードでは開けません</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>暗号化されていますが、パスワードが指定されていません</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>暗号化されたデータが書き込み後に変更されています</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>このプログラムで読み取れない方式で圧縮されています</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>このプログラムで読み取れない方式で暗号化されています</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>データが破損しています (チェックサムが一致しません)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>データが破損しています</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>データの途中でアーカイブが終わっています</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>同じ名前の項目が先にそのファイルへ展開されています。両方を残すにはフォルダー名付きで展開してください</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>名前が選んだフォルダーの外を指しています</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>選んだフォルダーに書き込めません</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>展開に必要なメモリが足りません</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>同じ名前のフォルダーがあります</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 は ZIP アーカイブではありません。</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>アーカイブの目次が破損しています。一覧の項目は目次なしで見つかったもので、テストや展開ができます。</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>アーカイブの目次が破損していて、目次なしでは項目を見つけられませんでした。</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>アーカイブが破損しています。一覧の項目は読み取れました。</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>アーカイブが破損しています。項目を 1 つも読み取れませんでした。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1: %2。</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translation>フォルダー %1 は追加されませんでした。[サブフォルダーを含める] がオフの場合、フォルダーからは何も追加されません。中身ごと追加するには [サブフォルダーを含める] をオンにしてください。</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>フォルダー %1 を使用できません: %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>リンクです</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>ほかのユーザーが所有しています</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>モードが 0700 ではなく %1 です</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>作成できません: 親フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>作成できません: %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>ごみ箱用のフォルダーがありません</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>ごみ箱が見つかりません</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>%1 にフォルダーを作成できません: %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>作業フォルダー %1 は使用できません (%2)。そのため、その中のものは使用も削除もしません。今回の実行では、項目のコピーを %3 の下の新しい専用フォルダーに置きます。</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>作業フォルダー %1 の中の次のものは使用も削除もしません: %2。</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>%1 に作業フォルダーを作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>作業フォルダー %1 を使用できません: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>%1 をロックできません: %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>検索する文字列(&amp;N):</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>置換後の文字列(&amp;P):</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>単語単位で探す(&amp;W)</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>大文字と小文字を区別する(&amp;C)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>検索する方向</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>次を検索(&amp;F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置換(&amp;R)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>すべて置換(&amp;A)</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>「%1」はデスクトップ ランチャーです。デスクトップが表示せずに実行してしまう可能性があるため、開きません。項目を意図して実行するには [ファイルを実行] を使ってください。</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>「%1」はプログラムです。デスクトップが表示せずに実行してしまう可能性があるため、開きません。項目を意図して実行するには [ファイルを実行] を使ってください。</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>「%1」はスクリプトです。デスクトップが表示せずに実行してしまう可能性があるため、開きません。項目を意図して実行するには [ファイルを実行] を使ってください。</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>ZIP ファイル</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>新しいアーカイブのパスワード:</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>空のパスワードでは何も暗号化されません。保存しませんでした。</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>パスワードをもう一度入力してください:</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>2 つのパスワードが一致しません。保存しませんでした。</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>Old word "Zipfile": ZIP ファイル.</translatorcomment><translation>先に新しい ZIP ファイルを作成するか、ZIP ファイルを開いてください。</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 は開いているアーカイブです。[名前を付けて保存] は別のファイルに書き込みます。</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 はファイルではありません。保存しませんでした。</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>新しいアーカイブの項目をパスワードで暗号化しますか？</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 として保存中</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>%2 を %1 として保存を開始します</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL" kept as in the English old text (the program's libraries).</translatorcomment><translation>名前を付けて保存中のエラー: DLL で致命的な例外が発生しました</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>%1 の中を何も読み取れませんでした。保存しませんでした。</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>一部の項目を読み取れませんでした。残りを %1 として保存しますか？</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>%n 個のファイルを %1 に保存しました</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>tar アーカイブは暗号化できません</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>ここで 7z を書き込む libarchive 3.6.2 は、暗号化できません</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>ここでは %1 アーカイブを暗号化できません</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>%1 アーカイブでは名前はそのまま保存されます。DOS 8.3 形式の名前になるのは ZIP アーカイブだけです</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>%1 アーカイブには最も新しい項目の日時を付けられません</translation>
    </message>
</context>
</TS>