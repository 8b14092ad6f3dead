<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>正在添加文件</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>开始添加到 %1</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>The program's old text says "Extract" even for an add; kept as 解压. Old text kept in meaning: 出错 + "DLL 发生致命异常"; DLL kept as the program's word for its libraries.</translatorcomment><translation>解压出错；DLL 发生致命异常</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>"Zipfile" (the program's old word for the open archive, of any format) is translated as 压缩包.</translatorcomment><translation>请先新建或打开一个压缩包！</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>未选择文件！</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;无&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>分卷</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>列表已过期</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>压缩包已更改，但未重新读取其中的项目。“文件 &gt; 打开压缩包”可重新读取。</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>只读：分卷为 %n 个文件</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>分卷压缩包不会被修改：无法添加、删除、重命名或写回项目。“文件 &gt; 另存为…”可生成一个可修改的单一副本。</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>只读：%1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>无法添加、删除或写回项目。“文件 &gt; 另存为…”可生成一个可修改的 ZIP、tar 或 7z 副本。</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 不存在，也无法创建：其名称表明格式为 %2，该格式只能读取。“文件 &gt; 新建压缩包”可创建压缩包。</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>新建：首次添加时创建</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 尚不存在；首次添加时将创建为 %2 压缩包。</translation>
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
        <translation>压缩包不存在：%1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1：部分操作未能完成</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1：未解压任何文件</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>"Error :" with its odd spacing is written as the normal Chinese "错误：".</translatorcomment><translation>错误：未选择文件夹</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 是 %2 压缩包，此处只能读取</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1：名称须以 .zip、.tar.gz、.tar.xz、.tar.zst、.tar.bz2、.tar 或 .7z 结尾，以指明要创建哪种压缩包</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>覆盖现有文件：%1？</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>无法将 %1 移至目标位置：%2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>文件不存在：%1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>压缩包注释 - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>压缩包注释</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>仅存储</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>最快</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>压缩</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>浏览(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>压缩包(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>压缩级别(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>确认密码(&amp;C)：</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>压缩到</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>请为压缩包命名。</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>请输入压缩包的完整路径，以 / 开头。</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 是文件夹。</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 已在其他程序中更改。是否在压缩包中更新？</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>您对“%1”的更改未写入 %2。这些更改保存在 %3 中。</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>"Error :" with its odd spacing is written as the normal Chinese "错误：".</translatorcomment><translation>错误：找不到文件 %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translation>错误：未选择文件夹</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translation>错误：找不到文件夹 %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translation>错误：没有要解压的文件</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translation>错误：未选择文件</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translation>错误：无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>正在解压文件</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>开始从 %1 解压到 %2</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>Old text kept in meaning: 出错 + "DLL 发生致命异常"; DLL kept as the program's word for its libraries.</translatorcomment><translation>解压出错；DLL 发生致命异常</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>"OverWrite Existing" is the Extract dialog's group, translated there as 覆盖现有文件; "Yes" as 是.</translatorcomment><translation><numerusform>保留了 %n 个现有文件；如需替换，请将“覆盖现有文件”设为“是”。</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translation><numerusform>保留了 %n 个现有文件；如需替换，请将“覆盖现有文件”设为“是”。</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Orvex 97 帮助</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translatorcomment>An archive member is called 项/项目 (item) throughout.</translatorcomment><translation><numerusform>%1 项</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 项</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 个文件夹</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 个文件夹</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1，%2，%3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1（压缩后 %2）</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>打开方式</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>用以下程序打开“%1”：</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1（默认）</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>或输入命令（%f 代表该文件）：</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>列表未重新读取，已过期：请重新打开压缩包以查看其中项目的当前状态。</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>正在读取压缩包</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>正在读取项目…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>正在读取项目，已读取 %Ln 项…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>正在读取项目，已读取 %Ln 项…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translatorcomment>DLL kept as the program's word for its libraries.</translatorcomment><translation>来自 DLL 的错误消息：%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>取消操作</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>另有 %n 个错误已记录在消息窗口中</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>另有 %n 个错误已记录在消息窗口中</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>文件：%1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>已添加 %n 个文件</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>已解压 %n 个文件</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>已重命名 %n 个文件</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>请输入 %1 的密码：</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>密码错误。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A property's name before its value; %1 is the name, e.g. "Path".</extracomment>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>RenameCommand</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>"Zipfile" (the program's old word for the open archive, of any format) is translated as 压缩包.</translatorcomment><translation>找不到压缩包：%1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translation>错误：没有要重命名的文件</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>错误：未选择文件</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 的新名称：</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>正在重命名文件</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>开始在 %1 中重命名</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>重命名时发生致命错误</translation>
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
        <translation>添加文件</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>全选(&amp;S)</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>选择所有文件</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>要添加的文件：</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translatorcomment>Access key T, because S is taken by 全选(&amp;S) in the same dialog.</translatorcomment><translation>排序(&amp;T)</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>对文件排序</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation>添加文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translatorcomment>"Zipfile" (the program's old word for the open archive, of any format) is translated as 压缩包.</translatorcomment><translation>将文件夹添加到压缩包</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>添加文件(&amp;F)</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>将文件添加到压缩包</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>移除文件(&amp;R)</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translation>从压缩包移除文件</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>"Save DirNames": translated by meaning as 保存文件夹名 (save folder names); short for the 130-pixel box.</translatorcomment><translation>保存文件夹名</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>随每个文件名一起保存其路径</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>"Recurse Dirs": translated by meaning as 包含子文件夹 (include subfolders).</translatorcomment><translation>包含子文件夹</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>所给每个文件规格下的子文件夹也将包含在内</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>"Force MS-DOS": translated by meaning as 强制 DOS 文件名 (force DOS names, i.e. 8.3 names).</translatorcomment><translation>强制 DOS 文件名</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>强制所有放入 ZIP 文件的文件名符合 DOS 8.3 限制。如不勾选，则支持长文件名</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translation>使用时间戳</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>将 ZIP 文件的时间戳设为压缩包中最新文件的时间</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>添加后删除文件</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>添加到压缩包后删除原始文件</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>仅更新文件</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>使用密码加密…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>使用密码加密添加的文件（AES-256）</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>保存完整路径</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>与“保存文件夹名”同时使用时，从根文件夹开始保存每个路径，而不是从所添加内容所在的文件夹开始</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>压缩级别</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>压缩级别，默认 = 最大 = 节省空间，最小 = 节省时间</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>最小</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>中等</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level's scale: the most compression (smallest).</extracomment>
        <translation>最大</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation>开始压缩文件</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>取消操作</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>请输入要添加的文件的密码：</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>密码长度超过 %n 字节。</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>请再次输入密码：</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>选择解压文件夹</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>查找范围(&amp;I)：</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>解压到(&amp;T)：</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>要解压到的文件夹；如不存在将自动创建</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>解压到以压缩包命名的文件夹</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>在所选文件夹中新建一个以压缩包命名的文件夹，并解压到其中（photos.tar.gz：photos）</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>"Expand ZIP Dirs": translated by meaning as 还原文件夹结构 (recreate the folder structure).</translatorcomment><translation>还原文件夹结构</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>解压并重建每个文件可能附带保存的相对路径。压缩包中保存的空文件夹（如有）也将被重建。</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>"OverWrite Existing": the odd capital W is not reproduced; 覆盖现有文件 (overwrite existing files).</translatorcomment><translation>覆盖现有文件</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>解压时覆盖所有已存在的文件。</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>要解压的文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>所选文件</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>要解压的文件</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>仅更新文件</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>开始解压文件</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>取消操作</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>要解压到的文件夹必须是以“/”或“~”开头的完整路径：%1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translatorcomment>"Input Box" (old-fashioned title) is simply 输入.</translatorcomment><translation>输入</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>文件夹名称</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 Linux 桌面版 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>挪威</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>电子邮件：%1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TF_Editform</name>
    <message>
        <source>Orvex 97 Internal editor</source>
        <translation>Orvex 97 内置编辑器</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>新建文件</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>打开现有文件</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>保存当前文件</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>以新名称保存当前文件</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>打印当前文件</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>打印机设置(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>退出此应用程序</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>撤销上一步操作</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translatorcomment>Access keys of the Edit menu follow Chinese Windows usage: 剪切(&amp;T), 复制(&amp;C).</translatorcomment><translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>删除所选内容</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>将所选内容复制到剪贴板</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>粘贴剪贴板中的内容</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>查找(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>查找下一个(&amp;N)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>未找到文本。</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>找不到“%1”。</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>"Update zipfile?": "Zipfile" (the program's old word for the open archive, of any format) is translated as 压缩包.</translatorcomment><translation>是否更新压缩包？</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>窗口菜单</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>还原(&amp;R)</translation>
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
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>有操作正在进行。是否停止并退出？</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>无法将 %1 移到回收站（%2）。是否永久删除？其后的分卷也将同样处理。</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>无法将 %1 移到回收站（%2）。是否永久删除？</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>所有压缩包 (%1);;ZIP 文件 (%2);;所有文件 (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>ZIP 文件 (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>%1 压缩包 (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>已选择 1 项。</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>已选择 %n 项。</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>不可用的压缩包名称：%1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translatorcomment>"Zipfile" (the program's old word for the open archive, of any format) is translated as 压缩包.</translatorcomment><translation>找不到压缩包：%1。它已不再列在“文件”菜单中。</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>新建 ZIP 文件</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>覆盖现有文件：%1？</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>打开现有 ZIP 文件</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>找不到压缩包：%1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>是否将 %1 移到回收站？</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>它是分卷压缩包的一部分；另一个分卷也将一并处理：%1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>它是分卷压缩包的一部分；其他分卷也将一并处理：%1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>"Error :" with its odd spacing is written as the normal Chinese "错误：".</translatorcomment><translation>错误：没有要删除的文件</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>是否从 %1 中删除 %n 项（所选文件夹及其中的全部内容）？</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>是否从 %1 中删除所选文件？
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translation>错误：未选择文件</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>正在删除文件</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>开始从 %1 中删除</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>删除时发生致命错误</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>The capital D of "Deleted" has no equivalent in Chinese.</translatorcomment><translation><numerusform>已删除 %n 个文件</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translatorcomment>"Zipfile" (the program's old word for the open archive, of any format) is translated as 压缩包.</translatorcomment><translation>新建压缩包</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translation>打开现有压缩包</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translation>删除现有压缩包</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>运行所选文件</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>编辑所选文件</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translation>从压缩包中解压文件</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>将文件添加到压缩包</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translation>从压缩包中删除文件</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>退出 Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>新建压缩包(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>打开压缩包(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>删除压缩包(&amp;D)</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>属性(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>反向选择(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>复制名称(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translation>解压(&amp;E) </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>测试压缩包(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>重命名(&amp;R)…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>运行文件</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>编辑文件</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>用默认应用程序打开(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>打开方式(&amp;W)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>其他系统的文件名</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>压缩包注释(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>压缩率列(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translatorcomment>"Show compress status" shows the message window of every operation, so 显示操作状态 (show operation status) rather than 压缩状态.</translatorcomment><translation>显示操作状态(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>Tolvane 出品</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>"Zip filename": the path of the open archive of any format, so 压缩包文件名.</translatorcomment><translation>压缩包文件名：</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>当前显示的文件夹；输入文件夹路径并按 Enter 键即可跳转</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>筛选(&amp;F)：</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation>名称的一部分；可用 * 和 ? 作通配符</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>项目</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>上一级文件夹(&amp;U)</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>筛选(&amp;I)…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>按文件夹显示(&amp;O)</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>平铺列表(&amp;L)</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>此压缩包中没有文件夹 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>显示 %Ln 项中的 %1 项</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>压缩率 %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>解压所选项(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>测试所选项(&amp;T)</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>已选择：%1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>压缩包：%1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>"Exctracting files:": the misspelling is not reproduced; the short 正在解压： (extracting:) fits the narrow panel.</translatorcomment><translation>正在解压：</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>无法读取文件 %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>无法写入文件 %1</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>已测试 %n 个文件，其中 %1 个有错误</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>错误：找不到文件 %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translation>错误：没有要测试的文件</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>正在测试文件</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>开始测试 %1</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>DLL kept as the program's word for its libraries.</translatorcomment><translation>测试出错；DLL 发生致命异常</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>无法读取文件“%1”。%2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>这不是文本文件</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>无法写入文件“%1”。%2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>无法在 %1 上开始打印</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 字节</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 字节</numerusform></translation>
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
        <translation>路径</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>压缩方式</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>由格式决定</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>占用磁盘空间</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>压缩后大小</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>原始大小</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>压缩率（压缩后 / 原始）</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>加密的项目</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>分卷</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>"a archive" (the program's own English) is simply 压缩包 in Chinese.</translatorcomment><translation>%1 需要指定压缩包</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 需要指定文件夹</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>不是本地文件：%1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 需要至少一个文件</translation>
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
        <translatorcomment>Options and the placeholders FILE, DIR, ARCHIVE kept as typed; lines kept within 80 columns (a Chinese character takes two).</translatorcomment><translation>  --extract-here FILE...       将每个压缩包解压到其所在的文件夹；
                               若其中项目不全在同一个顶层文件夹下，
                               则放入以压缩包命名的新文件夹
  --extract-to DIR FILE...     同上，但解压到 DIR
  --extract FILE...            在解压对话框中询问解压到何处
  --compress FILE...           询问新压缩包的名称、格式、压缩级别和
                               密码，然后将 FILE 添加进去
  --add-to ARCHIVE FILE...     直接将 FILE 添加到 ARCHIVE（不存在时创建）
FILE 可以是路径或 file:// URL。这些模式不打开主窗口；要求的操作全部完成
时退出状态为 0，有操作失败或被取消时为 1，命令行有误时为 2。
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>压缩包不存在：%1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 正是要转换的压缩包</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 已存在；convert 只写入新的压缩包</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>%1 中没有任何内容可以转换</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>未知或不完整的选项：%1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>未知字符集 %1；可用的有：%2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>list 需要指定压缩包</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt 需要密码：请使用 --password-file FILE，或在终端中输入</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt 需要非空密码</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1（再次输入）</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>两次输入的密码不一致</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>压缩级别是 0 到 9 之间的数字</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>add 需要指定压缩包和至少一个文件</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 仅适用于 ZIP 压缩包；%2 是 %3 压缩包</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file 须与 --encrypt 一起使用</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>delete 需要指定压缩包和至少一个项目名称</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>extract 需要指定压缩包</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>文件夹不存在：%1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>test 需要指定压缩包</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>convert 需要指定源压缩包和新压缩包</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt 会生成 ZIP 压缩包；%1 的名称表明是 %2 压缩包，将不加密写入</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are kept in English, as in the --help texts that use them.</translatorcomment><translation>ARCHIVE [--charset NAME] [--password-file FILE]</translation>
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
        <translation>用法：</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>无法读取密码文件 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>%1 中的密码长度超过 %n 字节</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>%1 的密码： </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>输入的密码长度超过 %n 字节</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>"Zipfile" (the program's old word for the open archive, of any format) is translated as 压缩包.</translatorcomment><translation>找不到压缩包：%1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 是 %2 压缩包：此处无法读取其注释。</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>按 UTF-8 读取，否则按项目名称的代码页读取；修改后的注释以 UTF-8 写入。</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>按 UTF-8 读取，否则按项目名称的代码页读取。%1 压缩包无法修改。</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>注释占用 %Ln 字节；ZIP 压缩包的注释最多只能容纳 %1 字节。</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>正在写入注释</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>开始写入 %1 的注释</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>写入注释时发生致命错误</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 是 %2 压缩包，只读。请将其另存为 ZIP（文件 &gt; 另存为…）后再添加文件。</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>未打开任何压缩包。是否为拖放的文件新建压缩包？</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>"Text Filer" (the program's old word for files) is translated by meaning: 文本文件 (text files).</translatorcomment><translation>文本文件 (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>未命名 - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Orvex 97 内置编辑器 - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 已存在。是否替换？</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 包含 %2 无法表示的字符。是否以 UTF-8 保存？</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>无法在 %1 中创建文件夹：%2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>无法将 %1 移动到 %2：%3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>%2 中可用于 %1 的名称均已被占用</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 是文件而不是文件夹：无法解压到 %2</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>"Compr Size": written out as 压缩后大小 (compressed size).</translatorcomment><translation>压缩后大小</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>"Uncmpr Size": written out as 原始大小 (original size).</translatorcomment><translation>原始大小</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日期/时间</translation>
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
        <translatorcomment>ARCHIVE, MODE and FILE kept as typed; lines kept within 80 columns.</translatorcomment><translation>用法：orvex97 [ARCHIVE]
  或：orvex97 MODE FILE...
在 Orvex 97 窗口中打开 ARCHIVE（不指定时只打开窗口）：可以是 ZIP、
tar（未压缩、.gz、.bz2、.xz、.zst）或 7z 压缩包，也可以是只能读取的格式
（RAR、ISO、cpio、ar、cab、lha、xar，或单独的 .gz、.bz2、.xz 或 .zst 文件）。

模式，供文件管理器的菜单使用：
%1
选项：
  --new-archive  打开窗口并询问新压缩包的名称
  -h, --help     显示此帮助并退出
  --version      显示版本并退出
也接受 Qt 自身的选项（-platform、-style 等）。
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>请尝试 'orvex97 --help'。</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>DLL kept as the program's word for its libraries.</translatorcomment><translation>解压出错；DLL 发生致命异常</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translation>您对“%1”的更改未写入 %2。编辑器将带着这些更改重新打开：关闭编辑器可再试一次，或通过“文件 &gt; 另存为”保存这些更改；对“是否更新压缩包？”回答“否”则放弃这些更改。</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>错误：未选择文件</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>“%1”是一个链接，压缩包中没有可通过它打开的内容。</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>“%1”在压缩包中已加密，此处不知道其密码。是否以不加密的方式写回？</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>无法打开文件“%1”</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1（只读：不会写入 %2 压缩包）</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>美国英语 (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>西欧 (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>中欧 (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>西里尔文 (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>希腊文 (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>日文 (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>简体中文 (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>韩文 (统一韩文码)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>繁体中文 (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>西欧 (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>自动</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>找不到路径</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>文件访问被拒绝</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>I/O 错误 %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>文件夹名称不能包含“/”：请一次创建一个文件夹</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>“%1”不能用作新文件夹的名称</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>没有设置用于打开 %1 的应用程序</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>无法启动此命令：%1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>所给的密码无法打开它</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>它已加密，但未提供密码</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>其加密数据在写入后被更改过</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>它使用了本程序无法读取的压缩方式</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>它使用了本程序无法读取的加密方式</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>其数据已损坏（与校验和不符）</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>其数据已损坏</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>压缩包已截断，其数据不完整</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>已有同名项目先解压到了该文件；请带文件夹名解压以同时保留两者</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>其名称会使它位于所选文件夹之外</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>无法写入所选文件夹</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>内存不足，无法解压</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>已存在同名文件夹</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 不是 ZIP 压缩包。</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>压缩包的目录已损坏；列出的项目是在没有目录的情况下找到的，可以测试和解压。</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>压缩包的目录已损坏，没有目录也找不到任何项目。</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>压缩包已损坏；列出的项目可以读取。</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>压缩包已损坏；其中的项目都无法读取。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translatorcomment>"Recurse Dirs" is the Add dialog's check box, translated there as 包含子文件夹.</translatorcomment><translation>未添加文件夹 %1：关闭“包含子文件夹”时，添加文件夹不会添加任何内容。勾选“包含子文件夹”即可添加该文件夹及其中的全部内容。</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>无法使用文件夹 %1：它%2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>是链接</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>属于其他用户</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>的权限为 %1，而不是 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>无法创建：其上级文件夹 %1 无法创建</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>无法创建：%1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>没有可用作回收站的文件夹</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>找不到回收站</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>无法在 %1 中创建文件夹：%2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>工作文件夹 %1 %2，因此其中的内容都不会被使用或删除；本次运行改为在 %3 下新建一个私有文件夹来存放项目的副本。</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>在工作文件夹 %1 中，以下内容不会被使用或删除：%2。</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>无法在 %1 中创建工作文件夹：%2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>无法使用工作文件夹 %1：它%2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>无法锁定 %1：%2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>查找内容(&amp;N)：</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>替换为(&amp;P)：</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>全字匹配(&amp;W)</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>区分大小写(&amp;C)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>向上(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>向下(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>查找下一个(&amp;F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>“%1”是桌面启动器，桌面可能会运行它而不是显示其内容，因此不会打开。如确实要运行，请使用“运行文件”。</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>“%1”是程序，桌面可能会运行它而不是显示其内容，因此不会打开。如确实要运行，请使用“运行文件”。</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>“%1”是脚本，桌面可能会运行它而不是显示其内容，因此不会打开。如确实要运行，请使用“运行文件”。</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>ZIP 文件</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>新压缩包的密码：</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>空密码不会加密任何内容；未保存任何内容。</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>请再次输入密码：</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>两次输入的密码不一致；未保存任何内容。</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translation>请先新建或打开一个压缩包！</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 是当前打开的压缩包；“另存为”会写入另一个文件。</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 不是文件；未保存任何内容。</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 已存在。是否替换？</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>是否用密码加密新压缩包中的项目？</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>正在另存为 %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>开始将 %2 另存为 %1</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>DLL kept as the program's word for its libraries.</translatorcomment><translation>另存为出错；DLL 发生致命异常</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>无法读取 %1 中的任何内容；未保存任何内容。</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>部分项目无法读取。是否将其余项目另存为 %1？</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>已将 %n 个文件保存到 %1</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>tar 压缩包无法加密</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>此处用于写入 7z 的 libarchive 3.6.2 无法对其加密</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>此处无法加密 %1 压缩包</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>%1 压缩包会保留原有名称：只有 ZIP 压缩包才使用 DOS 8.3 名称</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>%1 压缩包不会采用其中最新项目的时间</translation>
    </message>
</context>
</TS>