#include "app/NameCharsetChoice.h"

#include "engine/zipformat/NameCharset.h"

#include <QCoreApplication>

namespace name_charset {

namespace {
const char *const Key = "namesFromOtherSystems";
const char *const AutoItem = "Auto";

// A bare number says nothing to most users; what each page was used for does.
// The words are translated where the menu shows them; the numbers are items.
const struct {
    const char *page;
    const char *language;
} Languages[] = {
    {"437", QT_TRANSLATE_NOOP("name_charset", "US English (DOS)")},
    {"850", QT_TRANSLATE_NOOP("name_charset", "Western European (DOS)")},
    {"852", QT_TRANSLATE_NOOP("name_charset", "Central European (DOS)")},
    {"866", QT_TRANSLATE_NOOP("name_charset", "Cyrillic (DOS)")},
    {"737", QT_TRANSLATE_NOOP("name_charset", "Greek (DOS)")},
    {"932", QT_TRANSLATE_NOOP("name_charset", "Japanese (Shift-JIS)")},
    {"936", QT_TRANSLATE_NOOP("name_charset", "Simplified Chinese (GBK)")},
    {"949", QT_TRANSLATE_NOOP("name_charset", "Korean (Unified Hangul)")},
    {"950", QT_TRANSLATE_NOOP("name_charset", "Traditional Chinese (Big5)")},
    {"1252", QT_TRANSLATE_NOOP("name_charset", "Western European (Windows)")},
};
}  // namespace

QStringList menuItems()
{
    QStringList items{QString::fromLatin1(AutoItem)};
    for (const std::string &page : zipformat::nameCodePages())
        items.append(QString::fromStdString(page));
    return items;
}

QString caption(const QString &item)
{
    for (const auto &l : Languages)
        if (item == QLatin1String(l.page))
            //: A menu item: a code page's number (%1), then what it was used for (%2)
            return QCoreApplication::translate("name_charset", "%1 — %2")
                .arg(item, QCoreApplication::translate("name_charset", l.language));
    //: The menu item that reads names in the code page the archive suggests
    return item == QLatin1String(AutoItem) ? QCoreApplication::translate("name_charset", "Auto") : item;
}

std::string charsetOfItem(const QString &item)
{
    const std::string text = item.toStdString();
    return zipformat::isNameCodePage(text) ? text : std::string();
}

QString itemOfCharset(const std::string &charset)
{
    return zipformat::isNameCodePage(charset) ? QString::fromStdString(charset) : QString::fromLatin1(AutoItem);
}

std::string stored(const QSettings &settings)
{
    return charsetOfItem(settings.value(QLatin1String(Key)).toString());
}

void store(QSettings &settings, const std::string &charset)
{
    settings.setValue(QLatin1String(Key), QString::fromStdString(charsetOfItem(QString::fromStdString(charset))));
    settings.sync();
}

}  // namespace name_charset
