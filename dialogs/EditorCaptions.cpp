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

}  // namespace editor
