<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive&apos;s file name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the archive&apos;s whole path, starting with /.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &quot;%1&quot; with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop&apos;s default application for the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A property&apos;s name before its value; %1 is the name, e.g. &quot;Path&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>%1 [%2]</source>
        <extracomment>A drive in the list: %1 is the folder it is mounted on, %2 its name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file&apos;s folder names with it. The box is 130 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level&apos;s scale: the least compression (fastest).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level&apos;s scale: medium compression.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level&apos;s scale: the most compression (smallest).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>&quot;photos.tar.gz: photos&quot; is an example: an archive&apos;s name and the folder named after it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again (&quot;Dirs&quot;: directories).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program&apos;s own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with &quot;/&quot; or &quot;~&quot;: %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product&apos;s name and edition; &quot;Orvex 97&quot; is a name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker&apos;s postal address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TF_Editform</name>
    <message>
        <source>Orvex 97 Internal editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file&apos;s name, or &quot;Noname&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason; more parts of the split archive follow it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog&apos;s filters, split by &quot;;;&quot;; each keeps its patterns in parentheses.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog&apos;s filter; %1 is a format&apos;s name (&quot;tar.gz&quot;), %2 its patterns, kept in parentheses.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog&apos;s filter; the pattern stays in parentheses.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive&apos;s path; File is the menu.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts&apos; file names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts&apos; file names; never 1 part.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of &quot;Error :&quot; is the program&apos;s own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive&apos;s path.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive&apos;s path, %2 the line that counts the members.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of &quot;Error :&quot; is the program&apos;s own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window&apos;s title while members are deleted.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window&apos;s first line; %1 is the archive&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program&apos;s own.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item&apos;s own, as it has always been.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations&apos; message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program&apos;s name; Tolvane is the maker&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder shown; type a folder&apos;s path and press Enter to go there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive&apos;s folders.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive&apos;s members.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command&apos;s tooltip: %1 is its name, %2 its key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing&apos;s column title: each member&apos;s packed size as a percentage of its size.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection&apos;s tooltip; %1 sums up the archive&apos;s members.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program&apos;s own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; &quot;convert&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are (&quot;auto, 437, 850, ...&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>&quot;list&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command&apos;s name (add, convert); the options stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command&apos;s name (add, convert)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, &quot;Password for %1: &quot;, the second time it is asked; %1 is the archive</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>&quot;add&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option&apos;s name (encrypt, dos-names), %2 the archive&apos;s path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>&quot;delete&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>&quot;extract&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>&quot;test&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>&quot;convert&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive&apos;s path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of &quot;orvexzip list&quot;: translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of &quot;orvexzip add&quot;: translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of &quot;orvexzip delete&quot;: translate only the words in capitals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of &quot;orvexzip extract&quot;: translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of &quot;orvexzip test&quot;: translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of &quot;orvexzip convert&quot;: translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip&apos;s usage; the commands follow</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file&apos;s path; %n the most bytes a password may have</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor&apos;s title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor&apos;s file dialog filter; &quot;Filer&quot; is the program&apos;s own word for files.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor&apos;s first title; %1 is the application&apos;s title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor&apos;s title; %1 is the file&apos;s name, or &quot;Noname&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s full path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file&apos;s full path, %2 the name of its character encoding, e.g. &quot;Windows-1252&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation type="unfinished"></translation>
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

Modes, for a file manager&apos;s menus:
%1
Options:
  --new-archive  open the window and ask for a new archive&apos;s name
  -h, --help     show this help and exit
  --version      show the version and exit
Qt&apos;s own options (-platform, -style, ...) are accepted as well.
</source>
        <extracomment>orvex97 --help. ARCHIVE, MODE and FILE are placeholders the text explains; the program&apos;s name, the options and the format names stay as they are. %1 lists the modes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;orvex97 --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system&apos;s error number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder name cannot contain &quot;/&quot;: make one folder at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name for a new folder</source>
        <extracomment>%1 is &quot;.&quot; or &quot;..&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used (&quot;is a link&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder&apos;s name (&quot;The working folder /x is a link&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder&apos;s name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder&apos;s name. %1 is the folder that would hold it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder&apos;s name. %1 is the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the &quot;No&quot; buttons elsewhere</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the &quot;Cancel&quot; buttons elsewhere</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box&apos;s text: %1 is the error message, which ends without a full stop</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used (&quot;is a link&quot;), %3 the folder for temporary files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used (&quot;run-x1 is a link; run-x2 ...&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
