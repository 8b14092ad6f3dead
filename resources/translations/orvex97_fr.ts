<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>Ajout de fichiers</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Début de l'ajout dans %1</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>Texte d'origine conservé tel quel : il parle d'extraction même pour un ajout ; « DLL » désigne les bibliothèques du programme.</translatorcomment><translation>Erreur lors de l'extraction ; exception fatale de la DLL</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>« zipfile » rendu par « archive ZIP ».</translatorcomment><translation>Vous devez d'abord créer une nouvelle archive ZIP ou en ouvrir une !</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>Aucun fichier sélectionné !</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;aucune&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>fractionnée</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>Liste périmée</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>L'archive a été modifiée et ses éléments n'ont pas été relus. Fichier &gt; Ouvrir une archive les relit.</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>Lecture seule : fractionnée en %n fichier</numerusform><numerusform>Lecture seule : fractionnée en %n fichiers</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>Une archive fractionnée n'est pas modifiée : on ne peut pas y ajouter, supprimer, renommer ni réécrire d'éléments. Fichier &gt; Enregistrer sous… en fait une copie d'un seul tenant qui le permet.</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>Lecture seule : %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>On ne peut pas y ajouter, supprimer ni réécrire d'éléments. Fichier &gt; Enregistrer sous… en fait une copie qui le permet, en ZIP, tar ou 7z.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 n'existe pas et ne peut pas être créée : son nom indique %2, un format qui est seulement lu. Fichier &gt; Nouvelle archive en crée une.</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>Nouvelle : le premier ajout la crée</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 n'existe pas encore ; le premier ajout la créera en tant qu'archive %2.</translation>
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
        <translation>Archive introuvable : %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1 : tout n'a pas pu être fait</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1 : rien n'a été extrait</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>L'espacement bizarre de « Error : » n'est pas reproduit : en français, « Erreur : » est la forme normale.</translatorcomment><translation>Erreur : aucun dossier sélectionné</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 est une archive %2, qui est ici en lecture seule</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1 : un nom se terminant par .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar ou .7z indique quelle archive créer</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>Écraser le fichier existant : %1 ?</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>Impossible de mettre %1 en place : %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>Fichier introuvable : %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>Commentaire de l'archive - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>Commentaire de l'archive</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>Stockage seul</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Le plus rapide</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Le plus compact</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>&amp;Archive :</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>&amp;Niveau de compression :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>&amp;Confirmer le mot de passe :</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>Compresser vers</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>Donnez un nom à l'archive.</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>Donnez le chemin complet de l'archive, commençant par /.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 est un dossier.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>Les deux mots de passe diffèrent.</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>%1 a été modifié dans un autre programme. Le mettre à jour dans l'archive ?</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>Vos modifications de « %1 » n'ont pas été écrites dans %2. Elles sont conservées dans %3.</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>Erreur : fichier introuvable %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translation>Erreur : aucun dossier sélectionné</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translation>Erreur : dossier introuvable %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translation>Erreur : aucun fichier à extraire</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translation>Erreur : aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translation>Erreur : impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>Extraction de fichiers</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>Début de l'extraction de %1 vers %2</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Erreur lors de l'extraction ; exception fatale de la DLL</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>« OverWrite Existing » est repris sous le nom que lui donne la boîte d'extraction : « Écraser les fichiers existants ».</translatorcomment><translation><numerusform>%n fichier existant a été conservé ; choisissez Écraser les fichiers existants : Oui pour le remplacer.</numerusform><numerusform>%n fichiers existants ont été conservés ; choisissez Écraser les fichiers existants : Oui pour les remplacer.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translation><numerusform>%n fichier existant a été conservé ; choisissez Écraser les fichiers existants : Oui pour le remplacer.</numerusform><numerusform>%n fichiers existants ont été conservés ; choisissez Écraser les fichiers existants : Oui pour les remplacer.</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>Aide d'Orvex 97</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 élément</numerusform><numerusform>%1 éléments</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 élément</numerusform><numerusform>%1 éléments</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 dossier</numerusform><numerusform>%1 dossiers</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 dossier</numerusform><numerusform>%1 dossiers</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (%2 compressés)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>Ouvrir « %1 » avec :</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (par défaut)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>Ou une commande (%f désigne le fichier) :</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>La liste n'a pas été relue et n'est plus à jour : rouvrez l'archive pour voir ses éléments tels qu'ils sont maintenant.</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>Lecture de l'archive</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>Lecture des éléments…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>Lecture de %Ln élément…</numerusform><numerusform>Lecture de %Ln éléments…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>Lecture de %Ln élément…</numerusform><numerusform>Lecture de %Ln éléments…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translatorcomment>« DLL » conservé : c'est le mot du programme pour ses bibliothèques.</translatorcomment><translation>Message d'erreur de la DLL : %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>Annuler l'opération</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>%n autre erreur a été consignée dans la fenêtre des messages</numerusform><numerusform>%n autres erreurs ont été consignées dans la fenêtre des messages</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>%n autre erreur a été consignée dans la fenêtre des messages</numerusform><numerusform>%n autres erreurs ont été consignées dans la fenêtre des messages</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>Fichier : %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>%n fichier a été ajouté</numerusform><numerusform>%n fichiers ont été ajoutés</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>%n fichier a été extrait</numerusform><numerusform>%n fichiers ont été extraits</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>%n fichier a été renommé</numerusform><numerusform>%n fichiers ont été renommés</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Saisissez le mot de passe de %1 :</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>Le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A property's name before its value; %1 is the name, e.g. "Path".</extracomment>
        <translation>%1 :</translation>
    </message>
</context>
<context>
    <name>RenameCommand</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>« Zipfile » est rendu par « archive ZIP » partout.</translatorcomment><translation>Archive ZIP introuvable : %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translation>Erreur : aucun fichier à renommer</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Erreur : aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Nouveau nom pour %1 :</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>Renommage de fichiers</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Début du renommage dans %1</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>Erreur fatale lors du renommage</translation>
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
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>Sélectionner tous les fichiers</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>Fichiers à ajouter :</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>Trier les fichiers</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translation>Ajouter un dossier à l'archive ZIP</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>Ajouter des &amp;fichiers</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Ajouter des fichiers à l'archive ZIP</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>&amp;Retirer le fichier</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translation>Retirer des fichiers de l'archive ZIP</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>« Save DirNames » : enregistrer avec chaque fichier le nom de ses dossiers ; rendu court (case de 130 pixels) par « Garder les chemins ».</translatorcomment><translation>Garder les chemins</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>Enregistre le chemin avec chaque nom de fichier</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>« Recurse Dirs » : inclure les sous-dossiers de chaque dossier ajouté ; rendu par « Sous-dossiers », repris tel quel dans les messages qui citent cette case.</translatorcomment><translation>Sous-dossiers</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translation>Les sous-dossiers situés sous CHAQUE motif de fichiers donné seront inclus</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>« Force MS-DOS » : imposer des noms courts 8.3 ; rendu par « Noms MS-DOS ».</translatorcomment><translation>Noms MS-DOS</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>Oblige tous les noms de fichiers placés dans l'archive ZIP à respecter la limite DOS 8.3. Si la case n'est pas cochée, les noms longs sont pris en charge</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translation>Dater l'archive</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>Donner à l'archive ZIP la date du fichier le plus récent qu'elle contient</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>Supprimer les fichiers après</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>Après l'ajout à l'archive, supprimer le fichier d'origine</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>Mettre à jour seulement</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>Chiffrer avec un mot de passe…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>Chiffrer les fichiers ajoutés avec un mot de passe (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>Chemins complets</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translation>Avec « Garder les chemins », enregistrer chaque chemin depuis le dossier racine plutôt que depuis le dossier qui contient ce qui a été ajouté</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Niveau de compression</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>Niveau de compression : par défaut = max = gain de place, Min = gain de temps</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>Moy</translation>
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
        <translation>Commencer la compression des fichiers</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Annuler l'opération</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>Saisissez le mot de passe des fichiers à ajouter :</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>Le mot de passe dépasse %n octet.</numerusform><numerusform>Le mot de passe dépasse %n octets.</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>Saisissez de nouveau le mot de passe :</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>Choisir le dossier d'extraction</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>Regarder &amp;dans :</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>E&amp;xtraire vers :</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>Le dossier où extraire ; s'il n'existe pas encore, il est créé</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>Dans un dossier au nom de l'archive</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>Extraire dans un nouveau dossier du dossier choisi, portant le nom de l'archive (photos.tar.gz : photos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>« Expand ZIP Dirs » : recréer les dossiers enregistrés dans l'archive ; rendu par « Recréer les dossiers ».</translatorcomment><translation>Recréer les dossiers</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>Extrait et recrée le chemin relatif éventuellement enregistré avec chaque fichier. Les dossiers vides enregistrés dans l'archive (s'il y en a) seront aussi recréés.</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>« OverWrite Existing » (avec son W majuscule) rendu simplement par « Écraser les fichiers existants ».</translatorcomment><translation>Écraser les fichiers existants</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>Écraser les fichiers déjà présents lors de l'extraction.</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>Fichiers à extraire</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>Fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>Fichiers à extraire</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>Mettre à jour seulement</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>Commencer l'extraction des fichiers</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Annuler l'opération</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>Le dossier où extraire doit être un chemin complet, commençant par « / » ou « ~ » : %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translatorcomment>« Input Box » : titre de la petite boîte qui demande un nom de dossier ; rendu par « Saisie ».</translatorcomment><translation>Saisie</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 pour Linux, édition Bureau 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>Norvège</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Courriel : %1</translation>
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
        <translation>Éditeur interne d'Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Créer un nouveau fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Ouvrir un fichier existant</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Enregistrer le fichier courant</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>Enregistrer le fichier courant sous un nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Imprimer le fichier courant</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>&amp;Configuration de l'imprimante...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Quitter cette application</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>Supprimer l'élément sélectionné</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>Copier l'élément sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>Coller le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>R&amp;emplacer</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>Texte introuvable.</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>Impossible de trouver « %1 ».</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>« Update zipfile? » : « zipfile » rendu par « archive ZIP ».</translatorcomment><translation>Mettre à jour l'archive ZIP ?</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu de la fenêtre</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>Une opération est en cours. L'arrêter et quitter ?</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>%1 ne peut pas être mis à la corbeille (%2). Le supprimer définitivement ? Les parties qui le suivent subiront le même sort.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>%1 ne peut pas être mis à la corbeille (%2). Le supprimer définitivement ?</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>Toutes les archives (%1);;Fichiers ZIP (%2);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>Fichiers ZIP (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>Archives %1 (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>1 élément est sélectionné.</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>%n élément est sélectionné.</numerusform><numerusform>%n éléments sont sélectionnés.</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>Nom d'archive inutilisable : %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translation>Archive ZIP introuvable : %1. Elle n'est plus listée dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>Créer une nouvelle archive ZIP</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>Écraser le fichier existant : %1 ?</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>Ouvrir une archive ZIP existante</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>Archive ZIP introuvable : %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>Mettre %1 à la corbeille ?</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>C'est une partie d'une archive fractionnée ; son autre partie y va aussi : %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>C'est une partie d'une archive fractionnée ; son autre partie y va aussi : %1</numerusform><numerusform>C'est une partie d'une archive fractionnée ; ses autres parties y vont aussi : %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>« Error : » : l'espacement du texte d'origine correspond déjà à l'usage français « Erreur : ».</translatorcomment><translation>Erreur : aucun fichier à supprimer</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>Supprimer %n élément (les dossiers sélectionnés avec tout leur contenu) de : %1 ?</numerusform><numerusform>Supprimer %n éléments (les dossiers sélectionnés avec tout leur contenu) de : %1 ?</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>Supprimer les fichiers sélectionnés de : %1 ?
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translation>Erreur : aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>Suppression de fichiers</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>Début de la suppression dans %1</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>Erreur fatale lors de la suppression</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>La majuscule de « Deleted » n'est pas reproduite.</translatorcomment><translation><numerusform>%n fichier a été supprimé</numerusform><numerusform>%n fichiers ont été supprimés</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translation>Créer une nouvelle archive ZIP</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translation>Ouvrir une archive ZIP existante</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translation>Supprimer une archive ZIP existante</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>Exécuter le fichier sélectionné</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>Modifier le fichier sélectionné</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translation>Extraire des fichiers de l'archive ZIP</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translation>Ajouter des fichiers à l'archive ZIP</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translation>Supprimer des fichiers de l'archive ZIP</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>Quitter Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>&amp;Nouvelle archive</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>&amp;Ouvrir une archive</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>&amp;Supprimer l'archive</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>&amp;Enregistrer sous…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>&amp;Propriétés…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;Inverser la sélection</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>&amp;Copier les noms</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;ctions</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translatorcomment>L'espace final de l'original est conservé.</translatorcomment><translation>&amp;Extraire </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>&amp;Tester l'archive</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>Exécuter le fichier</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>Modifier le fichier</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>&amp;Ouvrir avec l'application par défaut</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>Ouvrir a&amp;vec…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>Noms venant d'autres systèmes</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>&amp;Commentaire de l'archive…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>Colonne &amp;taux</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translatorcomment>« Show compress status » montre la fenêtre des messages de toutes les opérations (ajout, extraction, test) : rendu par « état de l'opération » plutôt que « de la compression ».</translatorcomment><translation>&amp;Afficher l'état de l'opération</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>par Tolvane</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>« Zip filename: » : rendu par « Archive ZIP : », suivi du chemin.</translatorcomment><translation>Archive ZIP :</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>Le dossier affiché ; tapez le chemin d'un dossier et appuyez sur Entrée pour y aller</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation>partie d'un nom ; jokers * et ?</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>&amp;Remonter d'un dossier</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>F&amp;iltrer…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>En &amp;dossiers</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>En &amp;liste à plat</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>Il n'y a pas de dossier %1 dans cette archive.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>Affichage : %1 sur %Ln élément</numerusform><numerusform>Affichage : %1 sur %Ln éléments</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>Taux %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>E&amp;xtraire la sélection…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>T&amp;ester la sélection</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>Sélection : %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>Archive : %1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>« Exctracting files: » (faute d'origine non reproduite) rendu court par « Extraction : » pour tenir dans 93 pixels.</translatorcomment><translation>Extraction :</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d'ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Impossible d'écrire le fichier %1</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>%n fichier testé, %1 avec des erreurs</numerusform><numerusform>%n fichiers testés, %1 avec des erreurs</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translation>Erreur : fichier introuvable %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translation>Erreur : aucun fichier à tester</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>Test des fichiers</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Début du test de %1</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Erreur lors du test ; exception fatale de la DLL</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossible d'ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossible de lire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>Ce n'est pas un fichier texte</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>Impossible d'écrire le fichier « %1 ». %2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>Impossible de lancer l'impression sur %1</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 octet</numerusform><numerusform>%1 octets</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 octet</numerusform><numerusform>%1 octets</numerusform></translation>
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
        <translation>Chemin</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>celle qu'indique le format</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>Taille sur le disque</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>Taille compressée</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>Taille décompressée</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>Taux (compressé / décompressé)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>Éléments chiffrés</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>« a archive » : la faute de l'anglais d'origine n'est pas reproduite.</translatorcomment><translation>%1 demande une archive</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 demande un dossier</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>Pas un fichier local : %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 demande au moins un fichier</translation>
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
        <translatorcomment>Les mots en majuscules sont traduits (FILE = FICHIER, DIR = DOSSIER) ; les colonnes sont réalignées dans 80 caractères.</translatorcomment><translation>  --extract-here FICHIER...        extraire chaque archive dans le dossier qui
                                   la contient ; les éléments qui ne sont pas
                                   tous sous un même dossier de tête vont dans
                                   un nouveau dossier portant le nom de
                                   l'archive
  --extract-to DOSSIER FICHIER...  idem, dans DOSSIER
  --extract FICHIER...             demander où extraire, dans la boîte
                                   d'extraction
  --compress FICHIER...            demander le nom, le format, le niveau et le
                                   mot de passe d'une nouvelle archive, puis y
                                   ajouter les FICHIERs
  --add-to ARCHIVE FICHIER...      ajouter les FICHIERs à ARCHIVE (créée si
                                   absente) sans rien demander
FICHIER peut être un chemin ou une URL file://. Ces modes n'ouvrent aucune
fenêtre principale ; le code de sortie vaut 0 quand tout ce qui était demandé a
été fait, 1 quand quelque chose a échoué ou a été annulé, et 2 pour une ligne
de commande incorrecte.
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>Archive introuvable : %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 est l'archive en cours de conversion</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 existe ; convert n'écrit qu'une nouvelle archive</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>Rien dans %1 n'a pu être converti</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>Option inconnue ou incomplète : %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>Jeu de caractères %1 inconnu ; il doit être parmi %2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>list demande une archive</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt demande un mot de passe : --password-file FICHIER, ou un terminal pour le saisir</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt demande un mot de passe non vide</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (de nouveau)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>Les deux mots de passe diffèrent</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>Le niveau est un nombre de 0 à 9</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>add demande une archive et au moins un fichier</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>--%1 est réservé aux archives ZIP ; %2 est une archive %3</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>--password-file s'utilise avec --encrypt</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>delete demande une archive et au moins un nom d'élément</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>extract demande une archive</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>Dossier introuvable : %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>test demande une archive</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>convert demande une archive source et une nouvelle archive</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>--encrypt crée une archive ZIP ; %1 désigne une archive %2, qui est écrite sans chiffrement</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVE [--charset NOM] [--password-file FICHIER]</translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>Mots en majuscules : FILE = FICHIER, NAME = NOM, DIR/FOLDER = DOSSIER, SPEC = MOTIF, TARGET = CIBLE.</translatorcomment><translation>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder DOSSIER/] [--encrypt [--password-file FICHIER]] MOTIF...</translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of "orvexzip delete": translate only the words in capitals</extracomment>
        <translation>ARCHIVE NOM...</translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVE [--to DOSSIER] [--paths] [--base-folder DOSSIER/] [--overwrite] [--update] [--freshen] [--charset NOM] [--password-file FICHIER] [NOM...]</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>ARCHIVE [--charset NOM] [--password-file FICHIER] [NOM...]</translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translation>SOURCE CIBLE [--level N] [--encrypt [--password-file FICHIER]]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip's usage; the commands follow</extracomment>
        <translation>Utilisation :</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>Impossible de lire le fichier de mot de passe %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>Le mot de passe de %1 dépasse %n octet</numerusform><numerusform>Le mot de passe de %1 dépasse %n octets</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>Mot de passe pour %1 : </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>Le mot de passe saisi dépasse %n octet</numerusform><numerusform>Le mot de passe saisi dépasse %n octets</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translation>Archive ZIP introuvable : %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 est une archive %2 : son commentaire ne peut pas être lu ici.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>Lu en UTF-8, sinon dans la page de codes des noms des éléments ; un commentaire modifié est écrit en UTF-8.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>Lu en UTF-8, sinon dans la page de codes des noms des éléments. Une archive %1 ne peut pas être modifiée.</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>Le commentaire fait %Ln octet ; le commentaire d'une archive ZIP en contient au plus %1.</numerusform><numerusform>Le commentaire fait %Ln octets ; le commentaire d'une archive ZIP en contient au plus %1.</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>Écriture du commentaire</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>Début du commentaire de %1</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>Erreur fatale lors de l'écriture du commentaire</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 est une archive %2, en lecture seule. Enregistrez-la en ZIP (Fichier &gt; Enregistrer sous…) pour y ajouter des fichiers.</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>Aucune archive n'est ouverte. Créer une nouvelle archive pour les fichiers déposés ?</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>« Text Filer » (« Filer » : mot d'origine pour « fichiers ») rendu par « Fichiers texte ».</translatorcomment><translation>Fichiers texte (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translation>Sans nom - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>Éditeur interne d'Orvex 97 - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>%1 contient des caractères que %2 ne peut pas représenter. L'enregistrer en UTF-8 ?</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>Impossible de créer un dossier dans %1 : %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>Impossible de déplacer %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>Tous les noms possibles pour %1 dans %2 sont pris</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 est un fichier, pas un dossier : rien ne peut être extrait dans %2</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>« Compr Size » : taille compressée, abrégée en « Taille compr. ».</translatorcomment><translation>Taille compr.</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>« Uncmpr Size » : taille décompressée, rendue par « Taille réelle ».</translatorcomment><translation>Taille réelle</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Heure</translation>
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
        <translatorcomment>Mots en majuscules : ARCHIVE et MODE inchangés, FILE = FICHIER.</translatorcomment><translation>Utilisation : orvex97 [ARCHIVE]
         ou : orvex97 MODE FICHIER...
Ouvre ARCHIVE dans la fenêtre d'Orvex 97 (la fenêtre seule si aucune n'est
donnée) : une archive ZIP, tar (simple, .gz, .bz2, .xz, .zst) ou 7z, ou une
archive qu'il lit seulement (RAR, ISO, cpio, ar, cab, lha, xar, un fichier .gz,
.bz2, .xz ou .zst isolé).

Modes, pour les menus d'un gestionnaire de fichiers :
%1
Options :
  --new-archive  ouvrir la fenêtre et demander le nom d'une nouvelle archive
  -h, --help     afficher cette aide et quitter
  --version      afficher la version et quitter
Les options propres à Qt (-platform, -style, ...) sont également acceptées.
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>Essayez « orvex97 --help ».</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Erreur lors de l'extraction ; exception fatale de la DLL</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translation>Vos modifications de « %1 » n'ont pas été écrites dans %2. L'éditeur se rouvre avec elles : fermez-le pour réessayer, ou conservez-les avec Fichier &gt; Enregistrer sous ; répondez Non à « Mettre à jour l'archive ZIP ? » pour les abandonner.</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translation>Erreur : aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>« %1 » est un lien, et l'archive ne contient rien à ouvrir par lui.</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>« %1 » est chiffré dans l'archive, et son mot de passe n'est pas connu ici. Le réécrire sans chiffrement ?</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>Impossible d'ouvrir le fichier « %1 »</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (lecture seule : une archive %2 n'est pas écrite)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>Anglais américain (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>Europe occidentale (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>Europe centrale (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>Cyrillique (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>Grec (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>Japonais (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>Chinois simplifié (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>Coréen (Unified Hangul)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>Chinois traditionnel (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>Europe occidentale (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>Erreur d'E/S %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>Un nom de dossier ne peut pas contenir « / » : créez un dossier à la fois</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>« %1 » n'est pas un nom valable pour un nouveau dossier</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>Aucune application n'est configurée pour ouvrir %1</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>Impossible de lancer cette commande : %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>le mot de passe donné ne l'ouvre pas</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>il est chiffré, et aucun mot de passe n'a été donné</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>ses données chiffrées ont été modifiées après leur écriture</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>il est compressé avec une méthode que ce programme ne sait pas lire</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>il est chiffré d'une façon que ce programme ne sait pas lire</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>ses données sont endommagées (elles ne correspondent pas à leur somme de contrôle)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>ses données sont endommagées</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>l'archive se termine avant ses données</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>un élément du même nom a d'abord été extrait vers ce fichier ; extrayez avec les noms de dossiers pour garder les deux</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>son nom le placerait hors du dossier choisi</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>impossible d'écrire dans le dossier choisi</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>la mémoire est insuffisante pour l'extraire</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier de ce nom fait obstacle</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 n'est pas une archive ZIP.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>La table des matières de l'archive est endommagée ; les éléments listés ont été trouvés sans elle et peuvent être testés et extraits.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>La table des matières de l'archive est endommagée, et aucun élément n'a pu être trouvé sans elle.</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>L'archive est endommagée ; les éléments listés ont pu être lus.</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>L'archive est endommagée ; aucun de ses éléments n'a pu être lu.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translation>Le dossier %1 n'a pas été ajouté : quand « Sous-dossiers » est décoché, un dossier n'ajoute rien. Cochez « Sous-dossiers » pour l'ajouter avec tout son contenu.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>Impossible d'utiliser le dossier %1, qui %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>est un lien</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>n'est pas un dossier</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>a le mode %1, et non 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>ne peut pas être créé : son dossier parent %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
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
        <translation>il n'y a pas de dossier pour une corbeille</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>la corbeille est introuvable</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Impossible de créer un dossier dans %1 : %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>Le dossier de travail %1 %2 ; rien de ce qu'il contient n'est donc utilisé ni supprimé : cette session garde ses copies des éléments dans un nouveau dossier privé sous %3.</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>Dans le dossier de travail %1, rien de ceci n'est utilisé ni supprimé : %2.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>Impossible de créer un dossier de travail dans %1 : %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>Impossible d'utiliser le dossier de travail %1 : %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>Impossible de verrouiller %1 : %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Re&amp;mplacer par :</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Mots &amp;entiers uniquement</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Rem&amp;placer</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Remplacer &amp;tout</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>« %1 » est un lanceur de bureau, que le bureau pourrait exécuter au lieu de l'afficher ; il n'est donc pas ouvert. Exécuter le fichier lance volontairement un élément.</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>« %1 » est un programme, que le bureau pourrait exécuter au lieu de l'afficher ; il n'est donc pas ouvert. Exécuter le fichier lance volontairement un élément.</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>« %1 » est un script, que le bureau pourrait exécuter au lieu de l'afficher ; il n'est donc pas ouvert. Exécuter le fichier lance volontairement un élément.</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>Fichiers ZIP</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>Mot de passe de la nouvelle archive :</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>Un mot de passe vide ne chiffre rien ; rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>Saisissez de nouveau le mot de passe :</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>Les deux mots de passe diffèrent ; rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translation>Vous devez d'abord créer une nouvelle archive ZIP ou en ouvrir une !</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 est l'archive ouverte ; Enregistrer sous écrit un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 n'est pas un fichier ; rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 existe. Le remplacer ?</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>Chiffrer les éléments de la nouvelle archive avec un mot de passe ?</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Enregistrement en %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>Début de l'enregistrement en %1 de %2</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translation>Erreur lors de l'enregistrement ; exception fatale de la DLL</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>Rien dans %1 n'a pu être lu ; rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>Certains éléments n'ont pas pu être lus. Enregistrer les autres en %1 ?</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>%n fichier a été enregistré dans %1</numerusform><numerusform>%n fichiers ont été enregistrés dans %1</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>les archives tar ne peuvent pas être chiffrées</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>libarchive 3.6.2, qui écrit ici le 7z, ne sait pas le chiffrer</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>les archives %1 ne peuvent pas être chiffrées ici</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>Une archive %1 garde les noms tels quels : seules les archives ZIP reçoivent des noms DOS 8.3</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>Une archive %1 ne prend pas la date de son élément le plus récent</translation>
    </message>
</context>
</TS>