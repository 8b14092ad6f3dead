#include "dialogs/EditorCaptions.h"

namespace editor {

QString creationCaption(const QString &applicationTitle)
{
    return QStringLiteral("%1 - %2").arg(NoName, applicationTitle);
}

QString newFileCaption()
{
    return CaptionPrefix + NoName;
}

QString lastComponent(const QString &name)
{
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

QString fileCaption(const QString &name)
{
    return CaptionPrefix + lastComponent(name);
}

QString replaceQuestion(const QString &path)
{
    return path + QStringLiteral(" already exists. Replace it?");
}

QString conversionQuestion(const QString &path, const QString &encodingName)
{
    return QStringLiteral("%1 has characters that %2 cannot hold. Save it as UTF-8?").arg(path, encodingName);
}

}  // namespace editor
