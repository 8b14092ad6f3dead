#include "dialogs/EditorCaptions.h"

#include <QCoreApplication>

namespace editor {

QString noName()
{
    //: The name of a text not yet saved, shown in the editor's title.
    return QCoreApplication::translate("editor", "Noname");
}

QString fileFilter()
{
    //: The editor's file dialog filter; "Filer" is the program's own word for files.
    return QCoreApplication::translate("editor", "Text Filer (%1)").arg(QStringLiteral("*.[tT][xX][tT]"));
}

QString creationCaption(const QString &applicationTitle)
{
    //: The editor's first title; %1 is the application's title.
    return QCoreApplication::translate("editor", "Noname - %1").arg(applicationTitle);
}

namespace {

QString prefixed(const QString &name)
{
    //: The editor's title; %1 is the file's name, or "Noname".
    return QCoreApplication::translate("editor", "Orvex 97 Internal editor - %1").arg(name);
}

}  // namespace

QString newFileCaption()
{
    return prefixed(noName());
}

QString lastComponent(const QString &name)
{
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

QString fileCaption(const QString &name)
{
    return prefixed(lastComponent(name));
}

QString replaceQuestion(const QString &path)
{
    //: %1 is a file's full path.
    return QCoreApplication::translate("editor", "%1 already exists. Replace it?").arg(path);
}

QString conversionQuestion(const QString &path, const QString &encodingName)
{
    //: %1 is a file's full path, %2 the name of its character encoding, e.g. "Windows-1252".
    return QCoreApplication::translate("editor", "%1 has characters that %2 cannot hold. Save it as UTF-8?")
        .arg(path, encodingName);
}

}  // namespace editor
