<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AddCommand</name>
    <message>
        <source>Adding file(s)</source>
        <extracomment>The status window's title while files are added</extracomment>
        <translation>إضافة الملفات</translation>
    </message>
    <message>
        <source>Beginning Add to %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>بدء الإضافة إلى %1</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries</extracomment>
        <translatorcomment>Kept as the old text says it, "Extract" (الاستخراج) included although an add failed; "Fatal DLL Exception" = fatal exception in a DLL library.</translatorcomment><translation>خطأ في الاستخراج؛ استثناء فادح في مكتبة DLL</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>يجب أولًا إنشاء ملف ZIP جديد أو فتح ملف ZIP!</translation>
    </message>
    <message>
        <source>No files selected!</source>
        <translation>لم يُحدَّد أي ملف!</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>&lt;none&gt;</source>
        <extracomment>The status bar's archive when the open one was deleted (&lt;none&gt;) or none was opened (None)</extracomment>
        <translation>&lt;لا شيء&gt;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>split</source>
        <extracomment>Said of an archive split over several files, as in "a split archive"</extracomment>
        <translation>مجزأ</translation>
    </message>
    <message>
        <source>Listing out of date</source>
        <extracomment>The status bar's state of the archive, then its tooltip; "File &gt; Open archive" is the menu item</extracomment>
        <translation>القائمة غير محدَّثة</translation>
    </message>
    <message>
        <source>The archive was changed and its members were not read again. File &gt; Open archive reads them.</source>
        <translation>تغيّر الأرشيف ولم تُقرأ عناصره من جديد. الأمر ملف &gt; فتح أرشيف يقرؤها.</translation>
    </message>
    <message numerus="yes">
        <source>Read-only: split over %n files</source>
        <extracomment>The status bar's state of the archive; %n is the number of files it is split over</extracomment>
        <translation><numerusform>للقراءة فقط: مجزأ على %n ملف</numerusform><numerusform>للقراءة فقط: في ملف واحد</numerusform><numerusform>للقراءة فقط: مجزأ على ملفين</numerusform><numerusform>للقراءة فقط: مجزأ على %n ملفات</numerusform><numerusform>للقراءة فقط: مجزأ على %n ملفًا</numerusform><numerusform>للقراءة فقط: مجزأ على %n ملف</numerusform></translation>
    </message>
    <message>
        <source>A split archive is not changed: members cannot be added, deleted, renamed or written back. File &gt; Save as… makes a single copy that can.</source>
        <translation>الأرشيف المجزأ لا يُعدَّل: لا يمكن إضافة عناصر إليه أو حذفها أو إعادة تسميتها أو كتابتها فيه من جديد. الأمر ملف &gt; حفظ باسم… يصنع منه نسخة واحدة تقبل ذلك.</translation>
    </message>
    <message>
        <source>Read-only: %1</source>
        <extracomment>The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")</extracomment>
        <translation>للقراءة فقط: %1</translation>
    </message>
    <message>
        <source>Members cannot be added, deleted or written back. File &gt; Save as… makes a copy that can, in ZIP, tar or 7z.</source>
        <translation>لا يمكن إضافة عناصر أو حذفها أو كتابتها من جديد. الأمر ملف &gt; حفظ باسم… يصنع نسخة تقبل ذلك بصيغة ZIP أو tar أو 7z.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>%1 does not exist, and it cannot be made: its name says %2, a format that is only read. File &gt; New archive makes one.</source>
        <extracomment>%1 is the archive's path, %2 the format its name ends in ("rar")</extracomment>
        <translation>%1 غير موجود ولا يمكن إنشاؤه: اسمه يدل على صيغة %2، وهي صيغة تُقرأ فقط. الأمر ملف &gt; أرشيف جديد ينشئ أرشيفًا.</translation>
    </message>
    <message>
        <source>New: the first add makes it</source>
        <translation>جديد: تنشئه أول إضافة</translation>
    </message>
    <message>
        <source>%1 does not exist yet; the first add makes it as a %2 archive.</source>
        <extracomment>%1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>%1 غير موجود بعد؛ ستنشئه أول إضافة أرشيفًا بصيغة %2.</translation>
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
        <translation>الأرشيف غير موجود: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the archive's path, %2 why it cannot be read</extracomment>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>%1: not everything could be done</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: تعذّر إنجاز كل المطلوب</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>تعذّر إنشاء المجلد %1: %2</translation>
    </message>
    <message>
        <source>%1: nothing was extracted</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>%1: لم يُستخرج شيء</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <extracomment>The program's old text, its odd spacing included</extracomment>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ". "directory" = مجلد (folder).</translatorcomment><translation>خطأ: لم يُحدَّد مجلد</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the archive's path, %2 what its extraction did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a %2 archive, which is only read here</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "rar")</extracomment>
        <translation>%1 أرشيف %2، وهو للقراءة فقط هنا</translation>
    </message>
    <message>
        <source>%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which archive to make</source>
        <extracomment>%1 is the archive's path; the endings are typed as they are</extracomment>
        <translation>%1: الاسم المنتهي بـ .zip أو .tar.gz أو .tar.xz أو .tar.zst أو .tar.bz2 أو .tar أو .7z يحدد نوع الأرشيف الذي يُنشأ</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <extracomment>%1 is the archive's path</extracomment>
        <translation>استبدال الملف الموجود: %1؟</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>تعذّر إنشاء %1: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 in place: %2</source>
        <extracomment>%1 is the archive's path, %2 the system's reason</extracomment>
        <translation>تعذّر وضع %1 في مكانه: %2</translation>
    </message>
    <message>
        <source>No such file: %1</source>
        <extracomment>%1 is a path from the command line</extracomment>
        <translation>الملف غير موجود: %1</translation>
    </message>
</context>
<context>
    <name>CommentForm</name>
    <message>
        <source>Archive comment - %1</source>
        <extracomment>Window title; %1 is the archive's file name.</extracomment>
        <translation>تعليق الأرشيف - %1</translation>
    </message>
    <message>
        <source>Archive comment</source>
        <translation>تعليق الأرشيف</translation>
    </message>
</context>
<context>
    <name>CompressForm</name>
    <message>
        <source>Store only</source>
        <translation>تخزين فقط</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>الأسرع</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>الأصغر</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>ا&amp;ستعراض…</translation>
    </message>
    <message>
        <source>&amp;Archive:</source>
        <translation>ال&amp;أرشيف:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>ال&amp;صيغة:</translation>
    </message>
    <message>
        <source>Compression &amp;level:</source>
        <translation>مستوى ال&amp;ضغط:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;كلمة المرور:</translation>
    </message>
    <message>
        <source>&amp;Confirm password:</source>
        <translation>&amp;تأكيد كلمة المرور:</translation>
    </message>
    <message>
        <source>Compress to</source>
        <translation>ضغط إلى</translation>
    </message>
    <message>
        <source>Give the archive a name.</source>
        <translation>أعطِ الأرشيف اسمًا.</translation>
    </message>
    <message>
        <source>Give the archive's whole path, starting with /.</source>
        <translation>اكتب المسار الكامل للأرشيف، بدءًا بـ /.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <extracomment>%1 is the path typed for the archive.</extracomment>
        <translation>%1 مجلد.</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>كلمتا المرور مختلفتان.</translation>
    </message>
</context>
<context>
    <name>ExternalEditWatch</name>
    <message>
        <source>%1 was changed in another program. Update it in the archive?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>تغيّر %1 في برنامج آخر. هل تريد تحديثه في الأرشيف؟</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. They are kept in %3.</source>
        <extracomment>%1 is the member's name, %2 the archive's path, %3 the path of the edited copy</extracomment>
        <translation>لم تُكتب تغييراتك على "%1" في %2. وهي محفوظة في %3.</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: الملف غير موجود %1</translation>
    </message>
    <message>
        <source>Error :No directory selected</source>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ". "directory" = مجلد (folder).</translatorcomment><translation>خطأ: لم يُحدَّد مجلد</translation>
    </message>
    <message>
        <source>Error :Directory not found %1</source>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ". "directory" = مجلد (folder).</translatorcomment><translation>خطأ: المجلد غير موجود %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to extract</source>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: لا ملفات لاستخراجها</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: لم يُحدَّد أي ملف</translation>
    </message>
    <message>
        <source>Error :Cannot make the folder %1: %2</source>
        <extracomment>%1 is a folder's path, %2 why it could not be made</extracomment>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: تعذّر إنشاء المجلد %1: %2</translation>
    </message>
    <message>
        <source>Extracting file(s)</source>
        <translation>استخراج الملفات</translation>
    </message>
    <message>
        <source>Beginning Extract from %1 to %2</source>
        <extracomment>The message window's first line; %1 is the archive's path, %2 the folder extracted into</extracomment>
        <translation>بدء الاستخراج من %1 إلى %2</translation>
    </message>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>The old "Fatal DLL Exception" is rendered "استثناء فادح في مكتبة DLL" (fatal exception in a DLL library); "DLL" kept as is.</translatorcomment><translation>خطأ في الاستخراج؛ استثناء فادح في مكتبة DLL</translation>
    </message>
    <message numerus="yes">
        <source>%n existing file was kept; choose OverWrite Existing: Yes to replace it.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>"OverWrite Existing: Yes" is quoted as the Extract dialog shows it in Arabic: «استبدال الموجود: نعم».</translatorcomment><translation><numerusform>أُبقي على %n ملف موجود؛ اختر «استبدال الموجود: نعم» لاستبدالها.</numerusform><numerusform>أُبقي على ملف موجود واحد؛ اختر «استبدال الموجود: نعم» لاستبداله.</numerusform><numerusform>أُبقي على ملفين موجودين؛ اختر «استبدال الموجود: نعم» لاستبدالهما.</numerusform><numerusform>أُبقي على %n ملفات موجودة؛ اختر «استبدال الموجود: نعم» لاستبدالها.</numerusform><numerusform>أُبقي على %n ملفًا موجودًا؛ اختر «استبدال الموجود: نعم» لاستبدالها.</numerusform><numerusform>أُبقي على %n ملف موجود؛ اختر «استبدال الموجود: نعم» لاستبدالها.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n existing files were kept; choose OverWrite Existing: Yes to replace them.</source>
        <extracomment>"OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them</extracomment>
        <translatorcomment>"OverWrite Existing: Yes" is quoted as the Extract dialog shows it in Arabic: «استبدال الموجود: نعم».</translatorcomment><translation><numerusform>أُبقي على %n ملف موجود؛ اختر «استبدال الموجود: نعم» لاستبدالها.</numerusform><numerusform>أُبقي على ملف موجود واحد؛ اختر «استبدال الموجود: نعم» لاستبداله.</numerusform><numerusform>أُبقي على ملفين موجودين؛ اختر «استبدال الموجود: نعم» لاستبدالهما.</numerusform><numerusform>أُبقي على %n ملفات موجودة؛ اختر «استبدال الموجود: نعم» لاستبدالها.</numerusform><numerusform>أُبقي على %n ملفًا موجودًا؛ اختر «استبدال الموجود: نعم» لاستبدالها.</numerusform><numerusform>أُبقي على %n ملف موجود؛ اختر «استبدال الموجود: نعم» لاستبدالها.</numerusform></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvex 97 Help</source>
        <translation>مساعدة Orvex 97</translation>
    </message>
</context>
<context>
    <name>ListingSummary</name>
    <message numerus="yes">
        <source>%1 member</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 عنصر</numerusform><numerusform>%1 عنصر</numerusform><numerusform>%1 عنصر</numerusform><numerusform>%1 عناصر</numerusform><numerusform>%1 عنصرًا</numerusform><numerusform>%1 عنصر</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 members</source>
        <translation><numerusform>%1 عنصر</numerusform><numerusform>%1 عنصر</numerusform><numerusform>%1 عنصر</numerusform><numerusform>%1 عناصر</numerusform><numerusform>%1 عنصرًا</numerusform><numerusform>%1 عنصر</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folder</source>
        <extracomment>Status bar; %1 is a number in the user's digits</extracomment>
        <translation><numerusform>%1 مجلد</numerusform><numerusform>%1 مجلد</numerusform><numerusform>%1 مجلد</numerusform><numerusform>%1 مجلدات</numerusform><numerusform>%1 مجلدًا</numerusform><numerusform>%1 مجلد</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 folders</source>
        <translation><numerusform>%1 مجلد</numerusform><numerusform>%1 مجلد</numerusform><numerusform>%1 مجلد</numerusform><numerusform>%1 مجلدات</numerusform><numerusform>%1 مجلدًا</numerusform><numerusform>%1 مجلد</numerusform></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")</extracomment>
        <translation>%1، %2، %3</translation>
    </message>
    <message>
        <source>%1 (%2 packed)</source>
        <extracomment>Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")</extracomment>
        <translation>%1 (%2 بعد الضغط)</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>فتح باستخدام</translation>
    </message>
    <message>
        <source>Open "%1" with:</source>
        <extracomment>%1 is the name of an archive member.</extracomment>
        <translation>فتح "%1" باستخدام:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>%1 is the name of the desktop's default application for the file.</extracomment>
        <translation>%1 (الافتراضي)</translation>
    </message>
    <message>
        <source>Or a command (%f stands for the file):</source>
        <translation>أو أمر (يمثّل %f الملف):</translation>
    </message>
</context>
<context>
    <name>OperationFrame</name>
    <message>
        <source>The listing was not read again and is out of date: open the archive again to see its members as they are now.</source>
        <translation>لم تُقرأ القائمة من جديد وهي غير محدَّثة: افتح الأرشيف مرة أخرى لترى عناصره كما هي الآن.</translation>
    </message>
    <message>
        <source>Reading archive</source>
        <translation>قراءة الأرشيف</translation>
    </message>
    <message>
        <source>Reading members…</source>
        <translation>قراءة العناصر…</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln member…</source>
        <extracomment>Status window while an archive is read; %Ln is the number of members read so far</extracomment>
        <translation><numerusform>قراءة %Ln عنصر…</numerusform><numerusform>قراءة عنصر واحد…</numerusform><numerusform>قراءة عنصرين…</numerusform><numerusform>قراءة %Ln عناصر…</numerusform><numerusform>قراءة %Ln عنصرًا…</numerusform><numerusform>قراءة %Ln عنصر…</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln members…</source>
        <translation><numerusform>قراءة %Ln عنصر…</numerusform><numerusform>قراءة عنصر واحد…</numerusform><numerusform>قراءة عنصرين…</numerusform><numerusform>قراءة %Ln عناصر…</numerusform><numerusform>قراءة %Ln عنصرًا…</numerusform><numerusform>قراءة %Ln عنصر…</numerusform></translation>
    </message>
    <message>
        <source>Error message from DLL: %1</source>
        <extracomment>Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries</extracomment>
        <translatorcomment>"DLL", the program's old word for its libraries, is kept with مكتبة (library).</translatorcomment><translation>رسالة خطأ من مكتبة DLL: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel the operation</source>
        <translation>إلغاء العملية</translation>
    </message>
    <message numerus="yes">
        <source>%n more error was logged in the message window</source>
        <translation><numerusform>سُجّل %n خطأ آخر في نافذة الرسائل</numerusform><numerusform>سُجّل خطأ آخر في نافذة الرسائل</numerusform><numerusform>سُجّل خطآن آخران في نافذة الرسائل</numerusform><numerusform>سُجّلت %n أخطاء أخرى في نافذة الرسائل</numerusform><numerusform>سُجّل %n خطأً آخر في نافذة الرسائل</numerusform><numerusform>سُجّل %n خطأ آخر في نافذة الرسائل</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n more errors were logged in the message window</source>
        <translation><numerusform>سُجّل %n خطأ آخر في نافذة الرسائل</numerusform><numerusform>سُجّل خطأ آخر في نافذة الرسائل</numerusform><numerusform>سُجّل خطآن آخران في نافذة الرسائل</numerusform><numerusform>سُجّلت %n أخطاء أخرى في نافذة الرسائل</numerusform><numerusform>سُجّل %n خطأً آخر في نافذة الرسائل</numerusform><numerusform>سُجّل %n خطأ آخر في نافذة الرسائل</numerusform></translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status window; %1 is the name of the member being worked on</extracomment>
        <translation>الملف: %1</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message numerus="yes">
        <source>%n files were added</source>
        <translation><numerusform>تمت إضافة %n ملف</numerusform><numerusform>تمت إضافة ملف واحد</numerusform><numerusform>تمت إضافة ملفين</numerusform><numerusform>تمت إضافة %n ملفات</numerusform><numerusform>تمت إضافة %n ملفًا</numerusform><numerusform>تمت إضافة %n ملف</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were extracted</source>
        <translation><numerusform>تم استخراج %n ملف</numerusform><numerusform>تم استخراج ملف واحد</numerusform><numerusform>تم استخراج ملفين</numerusform><numerusform>تم استخراج %n ملفات</numerusform><numerusform>تم استخراج %n ملفًا</numerusform><numerusform>تم استخراج %n ملف</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were renamed</source>
        <translation><numerusform>تمت إعادة تسمية %n ملف</numerusform><numerusform>تمت إعادة تسمية ملف واحد</numerusform><numerusform>تمت إعادة تسمية ملفين</numerusform><numerusform>تمت إعادة تسمية %n ملفات</numerusform><numerusform>تمت إعادة تسمية %n ملفًا</numerusform><numerusform>تمت إعادة تسمية %n ملف</numerusform></translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Enter the password for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>أدخل كلمة المرور لـ %1:</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>كلمة المرور خاطئة.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
</context>
<context>
    <name>PropertiesForm</name>
    <message>
        <source>Properties</source>
        <translation>الخصائص</translation>
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
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>ملف ZIP غير موجود: %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to rename</source>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: لا ملفات لإعادة تسميتها</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: لم يُحدَّد ملف</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>الاسم الجديد لـ %1:</translation>
    </message>
    <message>
        <source>Renaming file(s)</source>
        <translation>إعادة تسمية الملفات</translation>
    </message>
    <message>
        <source>Beginning rename in %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>بدء إعادة التسمية في %1</translation>
    </message>
    <message>
        <source>Fatal error trying to rename</source>
        <translation>خطأ فادح أثناء محاولة إعادة التسمية</translation>
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
        <translation>إضافة ملفات</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>Select all files</source>
        <translation>تحديد كل الملفات</translation>
    </message>
    <message>
        <source>Files to Add:</source>
        <translation>الملفات المراد إضافتها:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;فرز</translation>
    </message>
    <message>
        <source>Sort file(s)</source>
        <translation>فرز الملفات</translation>
    </message>
    <message>
        <source>Add &amp;dir</source>
        <translation>إضافة م&amp;جلد</translation>
    </message>
    <message>
        <source>Add directory to Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>إضافة مجلد إلى ملف ZIP</translation>
    </message>
    <message>
        <source>Add &amp;file(s)</source>
        <translation>إضافة م&amp;لفات</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>إضافة ملفات إلى ملف ZIP</translation>
    </message>
    <message>
        <source>&amp;Remove file</source>
        <translation>إ&amp;زالة ملف</translation>
    </message>
    <message>
        <source>Remove file(s) from Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file). The list entries are removed from the list to add.</translatorcomment><translation>إزالة ملفات من ملف ZIP</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Save DirNames</source>
        <extracomment>Option: store each file's folder names with it. The box is 130 pixels wide.</extracomment>
        <translatorcomment>"Save DirNames" (store each file's folder names) rendered by its meaning: "حفظ أسماء المجلدات" (save folder names).</translatorcomment><translation>حفظ أسماء المجلدات</translation>
    </message>
    <message>
        <source>Saves the pathname with each filename</source>
        <translation>يحفظ مسار كل ملف مع اسمه</translation>
    </message>
    <message>
        <source>Recurse Dirs</source>
        <extracomment>Option: include the subfolders of each folder added.</extracomment>
        <translatorcomment>"Recurse Dirs" rendered by its meaning: "تضمين المجلدات الفرعية" (include subfolders).</translatorcomment><translation>تضمين المجلدات الفرعية</translation>
    </message>
    <message>
        <source>Subdirectories below EACH given filespecification will be included in the filespecification</source>
        <translatorcomment>The old "filespecification" is rendered "نمط ملفات" (file pattern).</translatorcomment><translation>تُضمَّن المجلدات الفرعية الموجودة تحت كل نمط ملفات معطى</translation>
    </message>
    <message>
        <source>Force MS-DOS</source>
        <extracomment>Option: store names as short 8.3 MS-DOS names.</extracomment>
        <translatorcomment>"Force MS-DOS" rendered by its meaning: "فرض أسماء MS-DOS" (force MS-DOS names, 8.3).</translatorcomment><translation>فرض أسماء MS-DOS</translation>
    </message>
    <message>
        <source>Force all filenames that go into the ZIP file to meet the DOS 8x3 restriction. If not checked, long filenames are supported</source>
        <translation>إلزام كل أسماء الملفات الداخلة في ملف ZIP بقيد DOS للأسماء (8.3). إن لم يُحدَّد الخيار فالأسماء الطويلة مدعومة</translation>
    </message>
    <message>
        <source>Use Timestamp</source>
        <extracomment>Option: give the archive file the date of its newest member.</extracomment>
        <translatorcomment>"Use Timestamp": "استخدام ختم الوقت" (give the archive the time of its newest member).</translatorcomment><translation>استخدام ختم الوقت</translation>
    </message>
    <message>
        <source>Set ZIP timestamp to that of the newest file in the archive</source>
        <translation>ضبط وقت ملف ZIP على وقت أحدث ملف في الأرشيف</translation>
    </message>
    <message>
        <source>Delete file(s) after</source>
        <translation>حذف الملفات بعد ذلك</translation>
    </message>
    <message>
        <source>After adding to archive, delete original file</source>
        <translation>حذف الملف الأصلي بعد إضافته إلى الأرشيف</translation>
    </message>
    <message>
        <source>Only update file(s)</source>
        <translation>تحديث الملفات فقط</translation>
    </message>
    <message>
        <source>Encrypt with password…</source>
        <translation>تشفير بكلمة مرور…</translation>
    </message>
    <message>
        <source>Encrypt the added files with a password (AES-256)</source>
        <translation>تشفير الملفات المضافة بكلمة مرور (AES-256)</translation>
    </message>
    <message>
        <source>Store full paths</source>
        <translation>حفظ المسارات الكاملة</translation>
    </message>
    <message>
        <source>With Save DirNames, store each path from the root folder instead of from the folder that holds what was added</source>
        <translatorcomment>"Save DirNames" is quoted as the check box is named in Arabic: «حفظ أسماء المجلدات».</translatorcomment><translation>مع «حفظ أسماء المجلدات»، يُحفظ كل مسار بدءًا من المجلد الجذر بدلًا من المجلد الذي يحوي ما أُضيف</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>مستوى الضغط</translation>
    </message>
    <message>
        <source>Compression level, default = max = save space, Min = save time</source>
        <translation>مستوى الضغط، الافتراضي = الأقصى = توفير المساحة، الأدنى = توفير الوقت</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>Under the compression level's scale: the least compression (fastest).</extracomment>
        <translation>أدنى</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Under the compression level's scale: medium compression.</extracomment>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Max</source>
        <extracomment>Under the compression level's scale: the most compression (smallest).</extracomment>
        <translation>أقصى</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Start compressing file(s)</source>
        <translation>بدء ضغط الملفات</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>إلغاء العملية</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Enter the password for the files to add:</source>
        <translation>أدخل كلمة المرور للملفات المراد إضافتها:</translation>
    </message>
    <message numerus="yes">
        <source>The password is longer than %n bytes.</source>
        <extracomment>%n is the longest password the archive takes, in bytes of UTF-8.</extracomment>
        <translation><numerusform>كلمة المرور أطول من %n بايت.</numerusform><numerusform>كلمة المرور أطول من بايت واحد.</numerusform><numerusform>كلمة المرور أطول من بايتين.</numerusform><numerusform>كلمة المرور أطول من %n بايتات.</numerusform><numerusform>كلمة المرور أطول من %n بايتًا.</numerusform><numerusform>كلمة المرور أطول من %n بايت.</numerusform></translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>أدخل كلمة المرور مرة أخرى:</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>كلمتا المرور غير متطابقتين.</translation>
    </message>
</context>
<context>
    <name>TExtract</name>
    <message>
        <source>Select Extract Directory</source>
        <translation>اختيار مجلد الاستخراج</translation>
    </message>
    <message>
        <source>Look &amp;in:</source>
        <translation>البحث &amp;في:</translation>
    </message>
    <message>
        <source>Create new directory</source>
        <translation>إنشاء مجلد جديد</translation>
    </message>
    <message>
        <source>Extract &amp;to:</source>
        <translation>الاستخراج إ&amp;لى:</translation>
    </message>
    <message>
        <source>The folder to extract into; one that does not exist yet is made</source>
        <translation>المجلد الذي يُستخرج إليه؛ يُنشأ إن لم يكن موجودًا</translation>
    </message>
    <message>
        <source>Into a folder named after the archive</source>
        <translation>إلى مجلد باسم الأرشيف</translation>
    </message>
    <message>
        <source>Extract into a new folder in the chosen one, named after the archive (photos.tar.gz: photos)</source>
        <extracomment>"photos.tar.gz: photos" is an example: an archive's name and the folder named after it.</extracomment>
        <translation>الاستخراج إلى مجلد جديد داخل المجلد المختار، يحمل اسم الأرشيف (photos.tar.gz: photos)</translation>
    </message>
    <message>
        <source>Expand ZIP Dirs</source>
        <extracomment>Group title: whether the folders stored in the archive are made again ("Dirs": directories).</extracomment>
        <translatorcomment>"Expand ZIP Dirs" rendered by its meaning: "إنشاء مجلدات الأرشيف" (recreate the archive's folders).</translatorcomment><translation>إنشاء مجلدات الأرشيف</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored in the archive (if any) will also be recreated.</source>
        <translation>يستخرج الملفات ويعيد إنشاء المسار النسبي الذي ربما حُفظ مع كل ملف. تُنشأ كذلك المجلدات الفارغة المحفوظة في الأرشيف (إن وُجدت).</translation>
    </message>
    <message>
        <source>OverWrite Existing</source>
        <extracomment>Group title: whether existing files are overwritten. The capital W is the program's own.</extracomment>
        <translatorcomment>"OverWrite Existing" (odd capital W) rendered by its meaning: "استبدال الموجود" (replace existing files).</translatorcomment><translation>استبدال الموجود</translation>
    </message>
    <message>
        <source>Overwrite any pre-existing files during extraction.</source>
        <translation>استبدال أي ملفات موجودة مسبقًا أثناء الاستخراج.</translation>
    </message>
    <message>
        <source>Files to Extract</source>
        <translation>الملفات المراد استخراجها</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>Selected Files</source>
        <translation>الملفات المحددة</translation>
    </message>
    <message>
        <source>Files to extract</source>
        <translation>الملفات المراد استخراجها</translation>
    </message>
    <message>
        <source>Only Update file(s)</source>
        <translation>تحديث الملفات فقط</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Start extracting file(s)</source>
        <translation>بدء استخراج الملفات</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>إلغاء العملية</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A drive in the list: %1 is its name, %2 the folder it is mounted on.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The folder to extract into must be a full path, starting with "/" or "~": %1</source>
        <extracomment>%1 is the folder as the user typed it.</extracomment>
        <translation>يجب أن يكون مجلد الاستخراج مسارًا كاملًا يبدأ بـ "/" أو "~": %1</translation>
    </message>
    <message>
        <source>Input Box</source>
        <extracomment>The title of the box that asks for a new folder's name.</extracomment>
        <translation>مربع إدخال</translation>
    </message>
    <message>
        <source>Directory</source>
        <extracomment>The prompt of the box that asks for a new folder's name.</extracomment>
        <translation>المجلد</translation>
    </message>
</context>
<context>
    <name>TF_About</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Orvex 97 for Linux, Desktop Edition 1.0</source>
        <extracomment>The product's name and edition; "Orvex 97" is a name.</extracomment>
        <translation>Orvex 97 لنظام لينكس، إصدار سطح المكتب 1.0</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>The country of the maker's postal address.</extracomment>
        <translation>النرويج</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>البريد الإلكتروني: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
</context>
<context>
    <name>TF_Editform</name>
    <message>
        <source>Orvex 97 Internal editor</source>
        <translation>المحرر الداخلي لـ Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>إنشاء ملف جديد</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>فتح ملف موجود</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>حفظ الملف الحالي</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>Save current file under a new name</source>
        <translation>حفظ الملف الحالي باسم جديد</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>طباعة الملف الحالي</translation>
    </message>
    <message>
        <source>P&amp;rinter settings...</source>
        <translation>إ&amp;عدادات الطابعة...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>الخروج من هذا التطبيق</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>التراجع عن آخر إجراء</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;قص</translation>
    </message>
    <message>
        <source>Delete selected item</source>
        <translation>حذف العنصر المحدد</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Copy selected item to clipboard</source>
        <translation>نسخ العنصر المحدد إلى الحافظة</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;لصق</translation>
    </message>
    <message>
        <source>Paste contents of clipboard</source>
        <translation>لصق محتوى الحافظة</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;بحث</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;بحث عن...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>ا&amp;ستبدال</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>بحث عن ال&amp;تالي</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the file's name, or "Noname".</extracomment>
        <translation>هل تريد حفظ التغييرات على %1؟</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Text not found.</source>
        <translation>لم يُعثر على النص.</translation>
    </message>
    <message>
        <source>Cannot find "%1".</source>
        <extracomment>%1 is the text searched for.</extracomment>
        <translation>تعذّر العثور على "%1".</translation>
    </message>
    <message>
        <source>Update zipfile?</source>
        <extracomment>Whether the archive takes the edited member back in.</extracomment>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>هل تريد تحديث ملف ZIP؟</translation>
    </message>
</context>
<context>
    <name>TF_status</name>
    <message>
        <source>File:</source>
        <translation>الملف:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
</context>
<context>
    <name>TGradientCaption</name>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>قائمة النافذة</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>ا&amp;ستعادة</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>ت&amp;كبير</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>An operation is running. Stop it and quit?</source>
        <translation>هناك عملية قيد التنفيذ. هل تريد إيقافها والخروج؟</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>تعذّر حذف %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.</source>
        <extracomment>%1 is a file's path, %2 the system's reason; more parts of the split archive follow it.</extracomment>
        <translation>تعذّر نقل %1 إلى المهملات (%2). هل تريد حذفه نهائيًا؟ وستلحق به الأجزاء التي تليه.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the Trash (%2). Delete it for good?</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>تعذّر نقل %1 إلى المهملات (%2). هل تريد حذفه نهائيًا؟</translation>
    </message>
    <message>
        <source>All archives (%1);;ZIP Files (%2);;All files (*)</source>
        <extracomment>File dialog's filters, split by ";;"; each keeps its patterns in parentheses.</extracomment>
        <translation>كل الأرشيفات (%1);;ملفات ZIP (%2);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>ZIP Files (%1)</source>
        <extracomment>A file dialog's filter; %1 is the patterns, kept in parentheses.</extracomment>
        <translation>ملفات ZIP (%1)</translation>
    </message>
    <message>
        <source>%1 archives (%2)</source>
        <extracomment>A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.</extracomment>
        <translation>أرشيفات %1 (%2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog's filter; the pattern stays in parentheses.</extracomment>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>1 member is selected.</source>
        <translation>عنصر واحد محدد.</translation>
    </message>
    <message numerus="yes">
        <source>%n members are selected.</source>
        <extracomment>Never 1: the line above is said for one member.</extracomment>
        <translation><numerusform>%n عنصر محدد.</numerusform><numerusform>عنصر واحد محدد.</numerusform><numerusform>عنصران محددان.</numerusform><numerusform>%n عناصر محددة.</numerusform><numerusform>%n عنصرًا محددًا.</numerusform><numerusform>%n عنصر محدد.</numerusform></translation>
    </message>
    <message>
        <source>Not a usable archive name: %1</source>
        <translation>ليس اسمًا صالحًا لأرشيف: %1</translation>
    </message>
    <message>
        <source>Zipfile not found: %1. It is no longer listed under File.</source>
        <extracomment>%1 is the archive's path; File is the menu.</extracomment>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>ملف ZIP غير موجود: %1. لم يعد مدرجًا في قائمة ملف.</translation>
    </message>
    <message>
        <source>Create New ZIP File</source>
        <translation>إنشاء ملف ZIP جديد</translation>
    </message>
    <message>
        <source>Overwrite Existing File: %1?</source>
        <translation>استبدال الملف الموجود: %1؟</translation>
    </message>
    <message>
        <source>Open Existing ZIP File</source>
        <translation>فتح ملف ZIP موجود</translation>
    </message>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>ملف ZIP غير موجود: %1</translation>
    </message>
    <message>
        <source>Move %1 to the Trash?</source>
        <translation>هل تريد نقل %1 إلى المهملات؟</translation>
    </message>
    <message>
        <source>It is one part of a split archive; its other part goes too: %1</source>
        <extracomment>%1 lists the other parts' file names.</extracomment>
        <translation>إنه جزء من أرشيف مجزأ؛ وسيُنقل جزؤه الآخر أيضًا: %1</translation>
    </message>
    <message numerus="yes">
        <source>It is one part of a split archive; its other parts go too: %1</source>
        <extracomment>%1 lists the other parts' file names; never 1 part.</extracomment>
        <translation><numerusform>إنه جزء من أرشيف مجزأ؛ وستُنقل أجزاؤه الأخرى أيضًا: %1</numerusform><numerusform>إنه جزء من أرشيف مجزأ؛ وسيُنقل جزؤه الآخر أيضًا: %1</numerusform><numerusform>إنه جزء من أرشيف مجزأ؛ وسيُنقل جزآه الآخران أيضًا: %1</numerusform><numerusform>إنه جزء من أرشيف مجزأ؛ وستُنقل أجزاؤه الأخرى أيضًا: %1</numerusform><numerusform>إنه جزء من أرشيف مجزأ؛ وستُنقل أجزاؤه الأخرى أيضًا: %1</numerusform><numerusform>إنه جزء من أرشيف مجزأ؛ وستُنقل أجزاؤه الأخرى أيضًا: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :No file(s) to delete</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: لا ملفات لحذفها</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n members (the selected folders with everything in them) from: %1?</source>
        <extracomment>%1 is the archive's path.</extracomment>
        <translation><numerusform>هل تريد حذف %n عنصر (المجلدات المحددة بكل ما فيها) من: %1؟</numerusform><numerusform>هل تريد حذف عنصر واحد (المجلدات المحددة بكل ما فيها) من: %1؟</numerusform><numerusform>هل تريد حذف عنصرين (المجلدات المحددة بكل ما فيها) من: %1؟</numerusform><numerusform>هل تريد حذف %n عناصر (المجلدات المحددة بكل ما فيها) من: %1؟</numerusform><numerusform>هل تريد حذف %n عنصرًا (المجلدات المحددة بكل ما فيها) من: %1؟</numerusform><numerusform>هل تريد حذف %n عنصر (المجلدات المحددة بكل ما فيها) من: %1؟</numerusform></translation>
    </message>
    <message>
        <source>Delete selected files from: %1?
%2</source>
        <extracomment>%1 is the archive's path, %2 the line that counts the members.</extracomment>
        <translation>هل تريد حذف الملفات المحددة من: %1؟
%2</translation>
    </message>
    <message>
        <source>Error :No file(s) selected</source>
        <extracomment>The odd spacing of "Error :" is the program's own.</extracomment>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: لم يُحدَّد أي ملف</translation>
    </message>
    <message>
        <source>Deleting file(s)</source>
        <extracomment>The status window's title while members are deleted.</extracomment>
        <translation>حذف الملفات</translation>
    </message>
    <message>
        <source>Beginning delete from %1</source>
        <extracomment>The message window's first line; %1 is the archive's path.</extracomment>
        <translation>بدء الحذف من %1</translation>
    </message>
    <message>
        <source>Fatal error trying to delete</source>
        <translation>خطأ فادح أثناء محاولة الحذف</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were Deleted</source>
        <extracomment>The box after a delete; the capital D is the program's own.</extracomment>
        <translatorcomment>The capital D of "Deleted" has no Arabic counterpart; written as a normal sentence.</translatorcomment><translation><numerusform>تم حذف %n ملف</numerusform><numerusform>تم حذف ملف واحد</numerusform><numerusform>تم حذف ملفين</numerusform><numerusform>تم حذف %n ملفات</numerusform><numerusform>تم حذف %n ملفًا</numerusform><numerusform>تم حذف %n ملف</numerusform></translation>
    </message>
    <message>
        <source>Create new Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>إنشاء ملف ZIP جديد</translation>
    </message>
    <message>
        <source>Open existing Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>فتح ملف ZIP موجود</translation>
    </message>
    <message>
        <source>Delete existing Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>حذف ملف ZIP موجود</translation>
    </message>
    <message>
        <source>Execute selected file</source>
        <translation>تشغيل الملف المحدد</translation>
    </message>
    <message>
        <source>Edit selected file</source>
        <translation>تحرير الملف المحدد</translation>
    </message>
    <message>
        <source>Extract file(s) from Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>استخراج ملفات من ملف ZIP</translation>
    </message>
    <message>
        <source>Add file(s) to Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>إضافة ملفات إلى ملف ZIP</translation>
    </message>
    <message>
        <source>Delete file(s) from Zipfile</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>حذف ملفات من ملف ZIP</translation>
    </message>
    <message>
        <source>Quit Orvex 97</source>
        <translation>الخروج من Orvex 97</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;New archive</source>
        <translation>أرشيف &amp;جديد</translation>
    </message>
    <message>
        <source>&amp;Open archive</source>
        <translation>&amp;فتح أرشيف</translation>
    </message>
    <message>
        <source>&amp;Delete archive</source>
        <translation>&amp;حذف الأرشيف</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>حفظ &amp;باسم…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>خ&amp;صائص…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>&amp;Invert selection</source>
        <translation>&amp;عكس التحديد</translation>
    </message>
    <message>
        <source>&amp;Copy names</source>
        <translation>&amp;نسخ الأسماء</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;إجراءات</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>&amp;Extract </source>
        <extracomment>The trailing blank is the menu item's own, as it has always been.</extracomment>
        <translation>ا&amp;ستخراج </translation>
    </message>
    <message>
        <source>&amp;Test archive</source>
        <translation>ا&amp;ختبار الأرشيف</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>إعادة &amp;تسمية…</translation>
    </message>
    <message>
        <source>Execute file</source>
        <translation>تشغيل الملف</translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation>تحرير الملف</translation>
    </message>
    <message>
        <source>&amp;Open with default application</source>
        <translation>&amp;فتح بالتطبيق الافتراضي</translation>
    </message>
    <message>
        <source>Open &amp;with…</source>
        <translation>فتح &amp;باستخدام…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>Names from other systems</source>
        <translation>أسماء من أنظمة أخرى</translation>
    </message>
    <message>
        <source>Archive &amp;comment…</source>
        <translation>ت&amp;عليق الأرشيف…</translation>
    </message>
    <message>
        <source>&amp;Ratio column</source>
        <translation>عمود ال&amp;نسبة</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;نافذة</translation>
    </message>
    <message>
        <source>&amp;Show compress status</source>
        <extracomment>Whether the operations' message window is shown (adding, extracting, testing, not only compressing).</extracomment>
        <translatorcomment>"Show compress status" shows the message window of every operation, so it is rendered "إظهار حالة العمليات" (show the operations' status).</translatorcomment><translation>&amp;إظهار حالة العمليات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>ال&amp;محتويات</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;حول...</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <extracomment>Caption bar, after the program's name; Tolvane is the maker's name.</extracomment>
        <translation>من Tolvane</translation>
    </message>
    <message>
        <source>Zip filename:</source>
        <extracomment>Status bar, before the current archive's path.</extracomment>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>اسم ملف ZIP:</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>The path field above the listing: the folder inside the archive that is shown.</extracomment>
        <translation>المجلد</translation>
    </message>
    <message>
        <source>The folder shown; type a folder's path and press Enter to go there</source>
        <translation>المجلد المعروض؛ اكتب مسار مجلد واضغط Enter للانتقال إليه</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>ت&amp;صفية:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <source>part of a name; * and ? as wildcards</source>
        <extracomment>Placeholder of the filter field; * and ? are typed as they are.</extracomment>
        <translation>جزء من اسم؛ يمكن استخدام * و ? كمحارف بدل</translation>
    </message>
    <message>
        <source>Folders</source>
        <extracomment>The tree of the archive's folders.</extracomment>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>The listing of the archive's members.</extracomment>
        <translation>العناصر</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A command's tooltip: %1 is its name, %2 its key.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;تقدم</translation>
    </message>
    <message>
        <source>&amp;Up one folder</source>
        <translation>مجلد &amp;أعلى</translation>
    </message>
    <message>
        <source>F&amp;ilter…</source>
        <translation>ت&amp;صفية…</translation>
    </message>
    <message>
        <source>As f&amp;olders</source>
        <translation>&amp;كمجلدات</translation>
    </message>
    <message>
        <source>As a f&amp;lat list</source>
        <translation>كقائمة م&amp;سطحة</translation>
    </message>
    <message>
        <source>There is no folder %1 in this archive.</source>
        <translation>لا يوجد مجلد %1 في هذا الأرشيف.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln members shown</source>
        <extracomment>Status bar while the listing is filtered: %1 members of %Ln match.</extracomment>
        <translation><numerusform>عُرض %1 من %Ln عنصر</numerusform><numerusform>عُرض %1 من عنصر واحد</numerusform><numerusform>عُرض %1 من عنصرين</numerusform><numerusform>عُرض %1 من %Ln عناصر</numerusform><numerusform>عُرض %1 من %Ln عنصرًا</numerusform><numerusform>عُرض %1 من %Ln عنصر</numerusform></translation>
    </message>
    <message>
        <source>Ratio %</source>
        <extracomment>The listing's column title: each member's packed size as a percentage of its size.</extracomment>
        <translation>النسبة %</translation>
    </message>
    <message>
        <source>E&amp;xtract selected…</source>
        <translation>استخراج ال&amp;محدد…</translation>
    </message>
    <message>
        <source>&amp;Test selected</source>
        <translation>اختبار المحد&amp;د</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <extracomment>Status bar; %1 sums up the selected members.</extracomment>
        <translation>المحدد: %1</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <extracomment>The second line of the selection's tooltip; %1 sums up the archive's members.</extracomment>
        <translation>الأرشيف: %1</translation>
    </message>
</context>
<context>
    <name>TMsgform</name>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>الملف:</translation>
    </message>
    <message>
        <source>Exctracting files:</source>
        <extracomment>The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.</extracomment>
        <translatorcomment>The misspelt "Exctracting files:" is written correctly: "استخراج الملفات:" (extracting files), short for the narrow panel.</translatorcomment><translation>استخراج الملفات:</translation>
    </message>
</context>
<context>
    <name>TSortableGrid</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>تعذّر فتح الملف %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>تعذّرت قراءة الملف %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>تعذّر إنشاء الملف %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>تعذّرت كتابة الملف %1</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message numerus="yes">
        <source>%n file(s) tested, %1 with errors</source>
        <extracomment>The box after a test: the files tested, then %1, how many of them had errors</extracomment>
        <translation><numerusform>اختُبر %n ملف؛ ذات الأخطاء: %1</numerusform><numerusform>اختُبر ملف واحد؛ ذات الأخطاء: %1</numerusform><numerusform>اختُبر ملفان؛ ذات الأخطاء: %1</numerusform><numerusform>اختُبرت %n ملفات؛ ذات الأخطاء: %1</numerusform><numerusform>اختُبر %n ملفًا؛ ذات الأخطاء: %1</numerusform><numerusform>اختُبر %n ملف؛ ذات الأخطاء: %1</numerusform></translation>
    </message>
    <message>
        <source>Error :File not found %1</source>
        <extracomment>The program's old text, its odd spacing included; %1 is the archive's path or "None"</extracomment>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: الملف غير موجود %1</translation>
    </message>
    <message>
        <source>Error :No file(s) to test</source>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: لا ملفات لاختبارها</translation>
    </message>
    <message>
        <source>Testing file(s)</source>
        <translation>اختبار الملفات</translation>
    </message>
    <message>
        <source>Beginning Test of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>بدء اختبار %1</translation>
    </message>
    <message>
        <source>Error in Test; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>The old "Fatal DLL Exception" is rendered "استثناء فادح في مكتبة DLL" (fatal exception in a DLL library); "DLL" kept as is.</translatorcomment><translation>خطأ في الاختبار؛ استثناء فادح في مكتبة DLL</translation>
    </message>
</context>
<context>
    <name>TextFileForm</name>
    <message>
        <source>Cannot open file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>تعذّر فتح الملف "%1". %2</translation>
    </message>
    <message>
        <source>Cannot read file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>تعذّرت قراءة الملف "%1". %2</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>ليس ملفًا نصيًا</translation>
    </message>
    <message>
        <source>Cannot create file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>تعذّر إنشاء الملف "%1". %2</translation>
    </message>
    <message>
        <source>Cannot write file "%1". %2</source>
        <extracomment>%1 is a file's path, %2 the system's reason.</extracomment>
        <translation>تعذّرت كتابة الملف "%1". %2</translation>
    </message>
</context>
<context>
    <name>TextPrinter</name>
    <message>
        <source>Cannot start printing on %1</source>
        <extracomment>%1 is the printer's name.</extracomment>
        <translation>تعذّر بدء الطباعة على %1</translation>
    </message>
</context>
<context>
    <name>archive_properties</name>
    <message>
        <source>unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message numerus="yes">
        <source>%1 byte</source>
        <extracomment>A size in bytes; %1 is the number in the user's digits</extracomment>
        <translation><numerusform>%1 بايت</numerusform><numerusform>%1 بايت</numerusform><numerusform>%1 بايت</numerusform><numerusform>%1 بايتات</numerusform><numerusform>%1 بايتًا</numerusform><numerusform>%1 بايت</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation><numerusform>%1 بايت</numerusform><numerusform>%1 بايت</numerusform><numerusform>%1 بايت</numerusform><numerusform>%1 بايتات</numerusform><numerusform>%1 بايتًا</numerusform><numerusform>%1 بايت</numerusform></translation>
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
        <translation>المسار</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No split parts, no comment</extracomment>
        <translation>لا يوجد</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>الصيغة</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>الضغط</translation>
    </message>
    <message>
        <source>as the format says</source>
        <extracomment>The compression of a format whose name says it ("tar.gz")</extracomment>
        <translation>كما تحدده الصيغة</translation>
    </message>
    <message>
        <source>Size on disk</source>
        <translation>الحجم على القرص</translation>
    </message>
    <message>
        <source>Packed size</source>
        <translation>الحجم المضغوط</translation>
    </message>
    <message>
        <source>Unpacked size</source>
        <translation>الحجم غير المضغوط</translation>
    </message>
    <message>
        <source>Ratio (packed / unpacked)</source>
        <translation>النسبة (المضغوط / غير المضغوط)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>Encrypted members</source>
        <translation>العناصر المشفرة</translation>
    </message>
    <message>
        <source>Split parts</source>
        <translation>أجزاء التقسيم</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>التعليق</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>%1 needs a archive</source>
        <extracomment>%1 is the option given (--add-to); "a archive" is the program's own English, kept as it is</extracomment>
        <translatorcomment>The odd English "a archive" needs no counterpart: Arabic has no article "a".</translatorcomment><translation>%1 يحتاج إلى أرشيف</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option given (--extract-to)</extracomment>
        <translation>%1 يحتاج إلى مجلد</translation>
    </message>
    <message>
        <source>Not a local file: %1</source>
        <extracomment>%1 is a path or URL from the command line</extracomment>
        <translation>ليس ملفًا محليًا: %1</translation>
    </message>
    <message>
        <source>%1 needs at least one file</source>
        <extracomment>%1 is the option given (--compress)</extracomment>
        <translation>%1 يحتاج إلى ملف واحد على الأقل</translation>
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
        <translation>  --extract-here FILE...       استخراج كل أرشيف إلى المجلد الذي يحويه؛
                               العناصر التي ليست كلها تحت مجلد علوي واحد تذهب
                               إلى مجلد جديد باسم الأرشيف
  --extract-to DIR FILE...     مثل السابق، إلى DIR
  --extract FILE...            السؤال عن مكان الاستخراج، في نافذة الاستخراج
  --compress FILE...           السؤال عن اسم أرشيف جديد وصيغته ومستوى ضغطه
                               وكلمة مروره، ثم إضافة FILE إليه
  --add-to ARCHIVE FILE...     إضافة FILE إلى ARCHIVE (يُنشأ إن لم يوجد) دون سؤال
يمكن أن يكون FILE مسارًا أو عنوان file://. لا تفتح هذه الأوضاع نافذة رئيسية؛
وحالة الخروج 0 عند إنجاز كل المطلوب، و1 عند فشل شيء أو إلغائه،
و2 عند خطأ في سطر الأوامر.
</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>File: %1</source>
        <extracomment>The progress line: %1 is the name of the member being worked on</extracomment>
        <translation>الملف: %1</translation>
    </message>
    <message>
        <source>No such archive: %1</source>
        <translation>الأرشيف غير موجود: %1</translation>
    </message>
    <message>
        <source>%1 is the archive being converted</source>
        <extracomment>%1 is the path of the new archive given to convert</extracomment>
        <translation>%1 هو الأرشيف الجاري تحويله</translation>
    </message>
    <message>
        <source>%1 exists; convert writes a new archive only</source>
        <extracomment>%1 is the path of the new archive; "convert" is the command's name and stays as it is</extracomment>
        <translation>%1 موجود؛ الأمر convert يكتب أرشيفًا جديدًا فقط</translation>
    </message>
    <message>
        <source>Nothing in %1 could be converted</source>
        <extracomment>%1 is the path of the source archive</extracomment>
        <translation>تعذّر تحويل أي شيء في %1</translation>
    </message>
    <message>
        <source>Unknown or incomplete option: %1</source>
        <translation>خيار غير معروف أو ناقص: %1</translation>
    </message>
    <message>
        <source>Unknown charset %1; it is one of %2</source>
        <extracomment>%1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")</extracomment>
        <translation>ترميز غير معروف %1؛ الترميزات المتاحة: %2</translation>
    </message>
    <message>
        <source>list needs an archive</source>
        <extracomment>"list" is the command's name and stays as it is</extracomment>
        <translation>الأمر list يحتاج إلى أرشيف</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on</source>
        <extracomment>%1 is the command's name (add, convert); the options stay as they are</extracomment>
        <translation>%1 --encrypt يحتاج إلى كلمة مرور: --password-file FILE، أو طرفية لكتابتها فيها</translation>
    </message>
    <message>
        <source>%1 --encrypt needs a password that is not empty</source>
        <extracomment>%1 is the command's name (add, convert)</extracomment>
        <translation>%1 --encrypt يحتاج إلى كلمة مرور غير فارغة</translation>
    </message>
    <message>
        <source>%1 (again)</source>
        <extracomment>Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive</extracomment>
        <translation>%1 (مرة أخرى)</translation>
    </message>
    <message>
        <source>The two passwords differ</source>
        <translation>كلمتا المرور مختلفتان</translation>
    </message>
    <message>
        <source>The level is a number from 0 to 9</source>
        <extracomment>The compression level of --level</extracomment>
        <translation>المستوى رقم من 0 إلى 9</translation>
    </message>
    <message>
        <source>add needs an archive and at least one file</source>
        <extracomment>"add" is the command's name and stays as it is</extracomment>
        <translation>الأمر add يحتاج إلى أرشيف وملف واحد على الأقل</translation>
    </message>
    <message>
        <source>--%1 is for ZIP archives; %2 is a %3 archive</source>
        <extracomment>%1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)</extracomment>
        <translation>الخيار --%1 خاص بأرشيفات ZIP؛ أما %2 فأرشيف %3</translation>
    </message>
    <message>
        <source>--password-file goes with --encrypt</source>
        <translation>الخيار --password-file يُستخدم مع --encrypt</translation>
    </message>
    <message>
        <source>delete needs an archive and at least one member name</source>
        <extracomment>"delete" is the command's name and stays as it is</extracomment>
        <translation>الأمر delete يحتاج إلى أرشيف واسم عنصر واحد على الأقل</translation>
    </message>
    <message>
        <source>extract needs an archive</source>
        <extracomment>"extract" is the command's name and stays as it is</extracomment>
        <translation>الأمر extract يحتاج إلى أرشيف</translation>
    </message>
    <message>
        <source>No such directory: %1</source>
        <translation>المجلد غير موجود: %1</translation>
    </message>
    <message>
        <source>test needs an archive</source>
        <extracomment>"test" is the command's name and stays as it is</extracomment>
        <translation>الأمر test يحتاج إلى أرشيف</translation>
    </message>
    <message>
        <source>convert needs a source archive and a new archive</source>
        <extracomment>"convert" is the command's name and stays as it is</extracomment>
        <translation>الأمر convert يحتاج إلى أرشيف مصدر وأرشيف جديد</translation>
    </message>
    <message>
        <source>--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without encryption</source>
        <extracomment>%1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)</extracomment>
        <translation>الخيار --encrypt ينشئ أرشيف ZIP؛ لكن %1 يدل على أرشيف %2، فيُكتب دون تشفير</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE]</source>
        <extracomment>Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are left as typed, as in the --help text, so the usage lines stay readable on a terminal.</translatorcomment><translation>ARCHIVE [--charset NAME] [--password-file FILE]</translation>
    </message>
    <message>
        <source>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</source>
        <extracomment>Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are left as typed, as in the --help text, so the usage lines stay readable on a terminal.</translatorcomment><translation>ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] SPEC...</translation>
    </message>
    <message>
        <source>ARCHIVE NAME...</source>
        <extracomment>Usage of "orvexzip delete": translate only the words in capitals</extracomment>
        <translatorcomment>The words in capitals are left as typed, as in the --help text, so the usage lines stay readable on a terminal.</translatorcomment><translation>ARCHIVE NAME...</translation>
    </message>
    <message>
        <source>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are left as typed, as in the --help text, so the usage lines stay readable on a terminal.</translatorcomment><translation>ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] [--freshen] [--charset NAME] [--password-file FILE] [NAME...]</translation>
    </message>
    <message>
        <source>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</source>
        <extracomment>Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are left as typed, as in the --help text, so the usage lines stay readable on a terminal.</translatorcomment><translation>ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]</translation>
    </message>
    <message>
        <source>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</source>
        <extracomment>Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are</extracomment>
        <translatorcomment>The words in capitals are left as typed, as in the --help text, so the usage lines stay readable on a terminal.</translatorcomment><translation>SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The first line of orvexzip's usage; the commands follow</extracomment>
        <translation>الاستخدام:</translation>
    </message>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <extracomment>%1 is the password file's path, %2 the system's reason</extracomment>
        <translation>تعذّرت قراءة ملف كلمة المرور %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The password in %1 is longer than %n bytes</source>
        <extracomment>%1 is the password file's path; %n the most bytes a password may have</extracomment>
        <translation><numerusform>كلمة المرور في %1 أطول من %n بايت</numerusform><numerusform>كلمة المرور في %1 أطول من بايت واحد</numerusform><numerusform>كلمة المرور في %1 أطول من بايتين</numerusform><numerusform>كلمة المرور في %1 أطول من %n بايتات</numerusform><numerusform>كلمة المرور في %1 أطول من %n بايتًا</numerusform><numerusform>كلمة المرور في %1 أطول من %n بايت</numerusform></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <extracomment>The question on the terminal: %1 is the archive or member the password is for</extracomment>
        <translation>كلمة المرور لـ %1: </translation>
    </message>
    <message numerus="yes">
        <source>The password typed is longer than %n bytes</source>
        <extracomment>%n is the most bytes a password may have</extracomment>
        <translation><numerusform>كلمة المرور المكتوبة أطول من %n بايت</numerusform><numerusform>كلمة المرور المكتوبة أطول من بايت واحد</numerusform><numerusform>كلمة المرور المكتوبة أطول من بايتين</numerusform><numerusform>كلمة المرور المكتوبة أطول من %n بايتات</numerusform><numerusform>كلمة المرور المكتوبة أطول من %n بايتًا</numerusform><numerusform>كلمة المرور المكتوبة أطول من %n بايت</numerusform></translation>
    </message>
</context>
<context>
    <name>comment_command</name>
    <message>
        <source>Zipfile not found: %1</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>ملف ZIP غير موجود: %1</translation>
    </message>
    <message>
        <source>%1 is a %2 archive: no comment of it can be read here.</source>
        <extracomment>%1 is the archive's file name, %2 its format ("tar.gz", "7z")</extracomment>
        <translation>%1 أرشيف %2: لا يمكن قراءة تعليقه هنا.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names; a changed comment is written as UTF-8.</source>
        <translation>يُقرأ بترميز UTF-8، وإلا فبصفحة الترميز المستخدمة لأسماء العناصر؛ ويُكتب التعليق المعدَّل بترميز UTF-8.</translation>
    </message>
    <message>
        <source>Read as UTF-8, or else in the code page of the members' names. A %1 archive cannot be changed.</source>
        <translation>يُقرأ بترميز UTF-8، وإلا فبصفحة الترميز المستخدمة لأسماء العناصر. لا يمكن تعديل أرشيف %1.</translation>
    </message>
    <message numerus="yes">
        <source>The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.</source>
        <extracomment>%Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds</extracomment>
        <translation><numerusform>يشغل التعليق %Ln بايت؛ وتعليق أرشيف ZIP يتسع لـ %1 على الأكثر.</numerusform><numerusform>يشغل التعليق بايتًا واحدًا؛ وتعليق أرشيف ZIP يتسع لـ %1 على الأكثر.</numerusform><numerusform>يشغل التعليق بايتين؛ وتعليق أرشيف ZIP يتسع لـ %1 على الأكثر.</numerusform><numerusform>يشغل التعليق %Ln بايتات؛ وتعليق أرشيف ZIP يتسع لـ %1 على الأكثر.</numerusform><numerusform>يشغل التعليق %Ln بايتًا؛ وتعليق أرشيف ZIP يتسع لـ %1 على الأكثر.</numerusform><numerusform>يشغل التعليق %Ln بايت؛ وتعليق أرشيف ZIP يتسع لـ %1 على الأكثر.</numerusform></translation>
    </message>
    <message>
        <source>Writing the comment</source>
        <translation>كتابة التعليق</translation>
    </message>
    <message>
        <source>Beginning comment of %1</source>
        <extracomment>The message window's first line; %1 is the archive's path</extracomment>
        <translation>بدء كتابة تعليق %1</translation>
    </message>
    <message>
        <source>Fatal error trying to write the comment</source>
        <translation>خطأ فادح أثناء محاولة كتابة التعليق</translation>
    </message>
</context>
<context>
    <name>drop_add</name>
    <message>
        <source>%1 is a %2 archive, which is read-only. Save it as ZIP (File &gt; Save as…) to add files.</source>
        <extracomment>%1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File &gt; Save as…" is the menu item</extracomment>
        <translation>%1 أرشيف %2، وهو للقراءة فقط. احفظه بصيغة ZIP (ملف &gt; حفظ باسم…) لإضافة ملفات.</translation>
    </message>
    <message>
        <source>No archive is open. Create a new archive for the dropped files?</source>
        <translation>لا يوجد أرشيف مفتوح. هل تريد إنشاء أرشيف جديد للملفات المُفلَتة؟</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Noname</source>
        <extracomment>The name of a text not yet saved, shown in the editor's title.</extracomment>
        <translatorcomment>The old "Noname" is rendered "بلا اسم" (without name).</translatorcomment><translation>بلا اسم</translation>
    </message>
    <message>
        <source>Text Filer (%1)</source>
        <extracomment>The editor's file dialog filter; "Filer" is the program's own word for files.</extracomment>
        <translatorcomment>The old "Text Filer" (Filer = files) is rendered by its meaning: "ملفات نصية" (text files).</translatorcomment><translation>ملفات نصية (%1)</translation>
    </message>
    <message>
        <source>Noname - %1</source>
        <extracomment>The editor's first title; %1 is the application's title.</extracomment>
        <translatorcomment>The old "Noname" is rendered "بلا اسم" (without name), as in the editor's title.</translatorcomment><translation>بلا اسم - %1</translation>
    </message>
    <message>
        <source>Orvex 97 Internal editor - %1</source>
        <extracomment>The editor's title; %1 is the file's name, or "Noname".</extracomment>
        <translation>المحرر الداخلي لـ Orvex 97 - %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is a file's full path.</extracomment>
        <translation>%1 موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>%1 has characters that %2 cannot hold. Save it as UTF-8?</source>
        <extracomment>%1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".</extracomment>
        <translation>يحتوي %1 على محارف لا يستوعبها الترميز %2. هل تريد حفظه بترميز UTF-8؟</translation>
    </message>
</context>
<context>
    <name>extract_placement</name>
    <message>
        <source>Cannot make a folder in %1: %2</source>
        <extracomment>%1 is a folder's path, %2 the system's reason</extracomment>
        <translation>تعذّر إنشاء مجلد في %1: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2: %3</source>
        <extracomment>%1 and %2 are paths, %3 the system's reason</extracomment>
        <translation>تعذّر نقل %1 إلى %2: %3</translation>
    </message>
    <message>
        <source>Every name for %1 in %2 is taken</source>
        <extracomment>%1 is a file or folder name, %2 the folder it was to go in</extracomment>
        <translation>كل الأسماء الممكنة لـ %1 في %2 مأخوذة</translation>
    </message>
</context>
<context>
    <name>extract_target</name>
    <message>
        <source>%1 is a file, not a folder: nothing can be extracted into %2</source>
        <extracomment>%1 is the path of a file, %2 the folder chosen, which lies below it or is it.</extracomment>
        <translation>%1 ملف وليس مجلدًا: لا يمكن استخراج أي شيء إلى %2</translation>
    </message>
</context>
<context>
    <name>listing_text</name>
    <message>
        <source>File Name</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Compr Size</source>
        <extracomment>Column title: the compressed size</extracomment>
        <translatorcomment>The abbreviated column title "Compr Size" is written in full: "الحجم المضغوط" (compressed size).</translatorcomment><translation>الحجم المضغوط</translation>
    </message>
    <message>
        <source>Uncmpr Size</source>
        <extracomment>Column title: the uncompressed size</extracomment>
        <translatorcomment>The abbreviated column title "Uncmpr Size" is rendered "الحجم الأصلي" (original size), shorter than "uncompressed size" in Arabic.</translatorcomment><translation>الحجم الأصلي</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>التاريخ/الوقت</translation>
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
        <translation>الاستخدام: orvex97 [ARCHIVE]
      أو: orvex97 MODE FILE...
يفتح ARCHIVE في نافذة Orvex 97 (ودونه تُفتح النافذة وحدها): أرشيف ZIP
أو tar (عادي، .gz، .bz2، .xz، .zst) أو 7z، أو أرشيف يُقرأ فقط (RAR،
ISO، cpio، ar، cab، lha، xar، أو ملف .gz أو .bz2 أو .xz أو .zst منفرد).

الأوضاع (MODE)، لقوائم مدير الملفات:
%1
الخيارات:
  --new-archive  فتح النافذة والسؤال عن اسم أرشيف جديد
  -h, --help     إظهار هذه المساعدة والخروج
  --version      إظهار الإصدار والخروج
تُقبل أيضًا خيارات Qt نفسها (-platform، -style، ...).
</translation>
    </message>
    <message>
        <source>Try 'orvex97 --help'.</source>
        <translation>جرّب 'orvex97 --help'.</translation>
    </message>
</context>
<context>
    <name>member_commands</name>
    <message>
        <source>Error in Extract; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>The old "Fatal DLL Exception" is rendered "استثناء فادح في مكتبة DLL" (fatal exception in a DLL library); "DLL" kept as is.</translatorcomment><translation>خطأ في الاستخراج؛ استثناء فادح في مكتبة DLL</translation>
    </message>
    <message>
        <source>Your changes to "%1" were not written into %2. The editor opens again with them: close it to try again, or keep them with File &gt; Save As; answer No to "Update zipfile?" to let them go.</source>
        <extracomment>%1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing</extracomment>
        <translatorcomment>"Update zipfile?" is quoted as the editor asks it in Arabic: «هل تريد تحديث ملف ZIP؟».</translatorcomment><translation>لم تُكتب تغييراتك على "%1" في %2. سيُفتح المحرر مجددًا بها: أغلقه لإعادة المحاولة، أو احتفظ بها عبر ملف &gt; حفظ باسم؛ وأجب بـ «لا» عن «هل تريد تحديث ملف ZIP؟» للتخلي عنها.</translation>
    </message>
    <message>
        <source>Error :No file selected</source>
        <translatorcomment>The old "Error :" with its odd spacing is written as the normal Arabic "خطأ: ".</translatorcomment><translation>خطأ: لم يُحدَّد ملف</translation>
    </message>
    <message>
        <source>"%1" is a link, and the archive holds nothing to open through it.</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>"%1" رابط، ولا يحوي الأرشيف شيئًا يمكن فتحه عبره.</translation>
    </message>
    <message>
        <source>"%1" is encrypted in the archive, and its password is not known here. Write it back without encryption?</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>"%1" مشفر في الأرشيف، وكلمة مروره غير معروفة هنا. هل تريد كتابته من جديد دون تشفير؟</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <extracomment>%1 is the member's name</extracomment>
        <translation>تعذّر فتح الملف "%1"</translation>
    </message>
    <message>
        <source>%1 (read-only: a %2 archive is not written)</source>
        <extracomment>The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")</extracomment>
        <translation>%1 (للقراءة فقط: لا يُكتب في أرشيف %2)</translation>
    </message>
</context>
<context>
    <name>name_charset</name>
    <message>
        <source>US English (DOS)</source>
        <translation>الإنجليزية الأمريكية (DOS)</translation>
    </message>
    <message>
        <source>Western European (DOS)</source>
        <translation>أوروبا الغربية (DOS)</translation>
    </message>
    <message>
        <source>Central European (DOS)</source>
        <translation>أوروبا الوسطى (DOS)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS)</source>
        <translation>السيريلية (DOS)</translation>
    </message>
    <message>
        <source>Greek (DOS)</source>
        <translation>اليونانية (DOS)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>اليابانية (Shift-JIS)</translation>
    </message>
    <message>
        <source>Simplified Chinese (GBK)</source>
        <translation>الصينية المبسطة (GBK)</translation>
    </message>
    <message>
        <source>Korean (Unified Hangul)</source>
        <translation>الكورية (الهانغول الموحد)</translation>
    </message>
    <message>
        <source>Traditional Chinese (Big5)</source>
        <translation>الصينية التقليدية (Big5)</translation>
    </message>
    <message>
        <source>Western European (Windows)</source>
        <translation>أوروبا الغربية (Windows)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A menu item: a code page's number (%1), then what it was used for (%2)</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The menu item that reads names in the code page the archive suggests</extracomment>
        <translation>تلقائي</translation>
    </message>
</context>
<context>
    <name>newdir</name>
    <message>
        <source>Path not found</source>
        <translation>المسار غير موجود</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>رُفض الوصول إلى الملف</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>الملف موجود بالفعل</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <extracomment>%1 is the system's error number.</extracomment>
        <translation>خطأ إدخال/إخراج %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain "/": make one folder at a time</source>
        <translation>لا يمكن أن يحوي اسم المجلد "/": أنشئ مجلدًا واحدًا في كل مرة</translation>
    </message>
    <message>
        <source>"%1" is not a name for a new folder</source>
        <extracomment>%1 is "." or "..".</extracomment>
        <translation>"%1" ليس اسمًا لمجلد جديد</translation>
    </message>
</context>
<context>
    <name>open_command</name>
    <message>
        <source>No application is set up to open %1</source>
        <extracomment>%1 is the path of the member's copy</extracomment>
        <translation>لا يوجد تطبيق مُعَدّ لفتح %1</translation>
    </message>
    <message>
        <source>This command cannot be started: %1</source>
        <extracomment>%1 is the command line the user chose</extracomment>
        <translation>تعذّر تشغيل هذا الأمر: %1</translation>
    </message>
</context>
<context>
    <name>plain_words</name>
    <message>
        <source>the password given does not open it</source>
        <translation>كلمة المرور المعطاة لا تفتحه</translation>
    </message>
    <message>
        <source>it is encrypted, and no password was given</source>
        <translation>إنه مشفر ولم تُعطَ كلمة مرور</translation>
    </message>
    <message>
        <source>its encrypted data was changed after it was written</source>
        <translation>تغيّرت بياناته المشفرة بعد كتابتها</translation>
    </message>
    <message>
        <source>it is compressed with a method this program cannot read</source>
        <translation>إنه مضغوط بطريقة لا يستطيع هذا البرنامج قراءتها</translation>
    </message>
    <message>
        <source>it is encrypted in a way this program cannot read</source>
        <translation>إنه مشفر بطريقة لا يستطيع هذا البرنامج قراءتها</translation>
    </message>
    <message>
        <source>its data is damaged (it does not match its check sum)</source>
        <translation>بياناته تالفة (لا تطابق مجموعها الاختباري)</translation>
    </message>
    <message>
        <source>its data is damaged</source>
        <translation>بياناته تالفة</translation>
    </message>
    <message>
        <source>the archive ends before its data does</source>
        <translation>ينتهي الأرشيف قبل أن تنتهي بياناته</translation>
    </message>
    <message>
        <source>a member of the same name was extracted to that file first; extract with folder names to keep both</source>
        <translation>استُخرج إلى ذلك الملف أولًا عنصر بالاسم نفسه؛ استخرج مع أسماء المجلدات للاحتفاظ بالاثنين</translation>
    </message>
    <message>
        <source>its name would put it outside the chosen folder</source>
        <translation>اسمه سيضعه خارج المجلد المختار</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>the chosen folder cannot be written to</source>
        <translation>لا يمكن الكتابة في المجلد المختار</translation>
    </message>
    <message>
        <source>there is not enough memory to extract it</source>
        <translation>لا توجد ذاكرة كافية لاستخراجه</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>يعترضه مجلد بالاسم نفسه</translation>
    </message>
    <message>
        <source>%1 is not a ZIP archive.</source>
        <extracomment>%1 is the archive's file name</extracomment>
        <translation>%1 ليس أرشيف ZIP.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged; the members listed were found without it and can be tested and extracted.</source>
        <translation>فهرس محتويات الأرشيف تالف؛ عُثر على العناصر المدرجة دونه، ويمكن اختبارها واستخراجها.</translation>
    </message>
    <message>
        <source>The archive's table of contents is damaged, and no member could be found without it.</source>
        <translation>فهرس محتويات الأرشيف تالف، ولم يُعثر على أي عنصر دونه.</translation>
    </message>
    <message>
        <source>The archive is damaged; the members listed could be read.</source>
        <translation>الأرشيف تالف؛ أمكنت قراءة العناصر المدرجة.</translation>
    </message>
    <message>
        <source>The archive is damaged; none of its members could be read.</source>
        <translation>الأرشيف تالف؛ تعذّرت قراءة كل عناصره.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A member's name and why it was not extracted (a reason in words, else the library's own message)</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: with "Recurse Dirs" off a folder adds nothing. Check "Recurse Dirs" to add it with everything in it.</source>
        <extracomment>"Recurse Dirs" is the name of a check box of the Add dialog</extracomment>
        <translatorcomment>"Recurse Dirs" is quoted as the check box is named in Arabic: «تضمين المجلدات الفرعية».</translatorcomment><translation>لم يُضَف المجلد %1: حين يكون «تضمين المجلدات الفرعية» معطّلًا لا يضيف المجلد شيئًا. فعّل «تضمين المجلدات الفرعية» لإضافته بكل ما فيه.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Cannot use directory %1: it %2</source>
        <extracomment>%1 is a folder; %2 says why it cannot be used ("is a link")</extracomment>
        <translation>تعذّر استخدام المجلد %1: %2</translation>
    </message>
    <message>
        <source>is a link</source>
        <extracomment>Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")</extracomment>
        <translation>رابط</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>ليس مجلدًا</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Why a folder cannot be used; follows the folder's name</extracomment>
        <translation>ملك لمستخدم آخر</translation>
    </message>
    <message>
        <source>has mode %1, not 0700</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755</extracomment>
        <translation>صلاحياته %1 وليست 0700</translation>
    </message>
    <message>
        <source>cannot be made: its folder %1 cannot be created</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it</extracomment>
        <translation>يتعذّر إنشاؤه: يتعذّر إنشاء المجلد الحاوي له %1</translation>
    </message>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>Why a folder cannot be used; follows the folder's name. %1 is the system's reason</extracomment>
        <translation>يتعذّر إنشاؤه: %1</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "No" buttons elsewhere</extracomment>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel" buttons elsewhere</extracomment>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An error box's text: %1 is the error message, which ends without a full stop</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>there is no folder for a Trash</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>لا يوجد مجلد للمهملات</translation>
    </message>
    <message>
        <source>the Trash could not be found</source>
        <extracomment>Why a file was not moved to the Trash</extracomment>
        <translation>تعذّر العثور على المهملات</translation>
    </message>
    <message>
        <source>Cannot create a folder in %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>تعذّر إنشاء مجلد في %1: %2</translation>
    </message>
    <message>
        <source>The working folder %1 %2, so nothing in it is used or removed; this run keeps its copies of members in a new private folder under %3 instead.</source>
        <extracomment>%1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files</extracomment>
        <translation>مجلد العمل %1 %2، لذا لا يُستخدم أي شيء فيه ولا يُحذف؛ وسيحتفظ هذا التشغيل بنسخه من العناصر في مجلد خاص جديد تحت %3 بدلًا منه.</translation>
    </message>
    <message>
        <source>In the working folder %1, nothing of these is used or removed: %2.</source>
        <extracomment>%1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")</extracomment>
        <translation>في مجلد العمل %1، لا يُستخدم أيٌّ مما يلي ولا يُحذف: %2.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <extracomment>%1 is the folder for temporary files, %2 the system's reason</extracomment>
        <translation>تعذّر إنشاء مجلد عمل في %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the working folder %1: %2</source>
        <extracomment>%1 is a folder, %2 why it cannot be used</extracomment>
        <translation>تعذّر استخدام مجلد العمل %1: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>%1 is a folder, %2 the system's reason</extracomment>
        <translation>تعذّر قفل %1: %2</translation>
    </message>
</context>
<context>
    <name>platform::SearchDialogWindow</name>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>ا&amp;بحث عن:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>ا&amp;ستبدال بـ:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>مطابقة الكلمة كاملة &amp;فقط</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>مطابقة حالة الأ&amp;حرف</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>لأ&amp;على</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;لأسفل</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>بحث عن ال&amp;تالي</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>استب&amp;دال</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>استبدال ال&amp;كل</translation>
    </message>
</context>
<context>
    <name>program_check</name>
    <message>
        <source>"%1" is a desktop launcher, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>"%1" مشغّل سطح مكتب، قد يشغّله سطح المكتب بدلًا من عرضه، لذا لم يُفتح. الأمر «تشغيل الملف» يشغّل العنصر عن قصد.</translation>
    </message>
    <message>
        <source>"%1" is a program, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>"%1" برنامج، قد يشغّله سطح المكتب بدلًا من عرضه، لذا لم يُفتح. الأمر «تشغيل الملف» يشغّل العنصر عن قصد.</translation>
    </message>
    <message>
        <source>"%1" is a script, which the desktop could run instead of showing it, so it is not opened. Execute file runs a member on purpose.</source>
        <extracomment>%1 is the member's name; "Execute file" is a command of the File menu</extracomment>
        <translation>"%1" نص برمجي، قد يشغّله سطح المكتب بدلًا من عرضه، لذا لم يُفتح. الأمر «تشغيل الملف» يشغّل العنصر عن قصد.</translation>
    </message>
</context>
<context>
    <name>save_as</name>
    <message>
        <source>ZIP Files</source>
        <translation>ملفات ZIP</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Password for the new archive:</source>
        <translation>كلمة المرور للأرشيف الجديد:</translation>
    </message>
    <message>
        <source>An empty password encrypts nothing; nothing was saved.</source>
        <translation>كلمة المرور الفارغة لا تشفّر شيئًا؛ لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>Type the password again:</source>
        <translation>اكتب كلمة المرور مرة أخرى:</translation>
    </message>
    <message>
        <source>The two passwords differ; nothing was saved.</source>
        <translation>كلمتا المرور مختلفتان؛ لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>You must create a new zipfile or open a zipfile first!</source>
        <translatorcomment>The old word "Zipfile" is rendered as "ملف ZIP" (ZIP file).</translatorcomment><translation>يجب أولًا إنشاء ملف ZIP جديد أو فتح ملف ZIP!</translation>
    </message>
    <message>
        <source>%1 is the open archive; Save as writes another file.</source>
        <extracomment>%1 is the chosen file's path; "Save as" is the command</extracomment>
        <translation>%1 هو الأرشيف المفتوح؛ «حفظ باسم» يكتب ملفًا آخر.</translation>
    </message>
    <message>
        <source>%1 is not a file; nothing was saved.</source>
        <extracomment>%1 is the chosen path</extracomment>
        <translation>%1 ليس ملفًا؛ لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 موجود. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Encrypt the new archive's members with a password?</source>
        <translation>هل تريد تشفير عناصر الأرشيف الجديد بكلمة مرور؟</translation>
    </message>
    <message>
        <source>Saving as %1</source>
        <extracomment>The status window's title; %1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>الحفظ بصيغة %1</translation>
    </message>
    <message>
        <source>Beginning Save as %1 of %2</source>
        <extracomment>The message window's first line; %1 is a format's name, %2 the open archive's path</extracomment>
        <translation>بدء الحفظ بصيغة %1 لـ %2</translation>
    </message>
    <message>
        <source>Error in Save as; Fatal DLL Exception</source>
        <extracomment>"DLL" is the program's old word for its libraries</extracomment>
        <translatorcomment>The old "Fatal DLL Exception" is rendered "استثناء فادح في مكتبة DLL" (fatal exception in a DLL library); "DLL" kept as is.</translatorcomment><translation>خطأ في «حفظ باسم»؛ استثناء فادح في مكتبة DLL</translation>
    </message>
    <message>
        <source>Nothing in %1 could be read; nothing was saved.</source>
        <extracomment>%1 is the open archive's path</extracomment>
        <translation>تعذّرت قراءة أي شيء في %1؛ لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>Some members could not be read. Save the others as %1?</source>
        <extracomment>%1 is a format's name ("ZIP", "tar.gz")</extracomment>
        <translation>تعذّرت قراءة بعض العناصر. هل تريد حفظ البقية بصيغة %1؟</translation>
    </message>
    <message numerus="yes">
        <source>%n files were saved in %1</source>
        <extracomment>%1 is the new archive's path</extracomment>
        <translation><numerusform>حُفظ %n ملف في %1</numerusform><numerusform>حُفظ ملف واحد في %1</numerusform><numerusform>حُفظ ملفان في %1</numerusform><numerusform>حُفظت %n ملفات في %1</numerusform><numerusform>حُفظ %n ملفًا في %1</numerusform><numerusform>حُفظ %n ملف في %1</numerusform></translation>
    </message>
</context>
<context>
    <name>write_limits</name>
    <message>
        <source>tar archives cannot be encrypted</source>
        <translation>لا يمكن تشفير أرشيفات tar</translation>
    </message>
    <message>
        <source>libarchive 3.6.2, which writes 7z here, cannot encrypt it</source>
        <translation>libarchive 3.6.2، التي تكتب 7z هنا، لا تستطيع تشفيره</translation>
    </message>
    <message>
        <source>%1 archives cannot be encrypted here</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>لا يمكن تشفير أرشيفات %1 هنا</translation>
    </message>
    <message>
        <source>A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 names</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension</extracomment>
        <translation>أرشيف %1 يحفظ الأسماء كما هي: أسماء DOS 8.3 لأرشيفات ZIP فقط</translation>
    </message>
    <message>
        <source>A %1 archive does not take the time of its newest member</source>
        <extracomment>%1 is a format's name ("tar.gz", "7z")</extracomment>
        <translation>أرشيف %1 لا يأخذ وقت أحدث عناصره</translation>
    </message>
</context>
</TS>