#include "app/NameCharsetChoice.h"

#include "engine/zipformat/NameCharset.h"

namespace name_charset {

namespace {
const char *const Key = "namesFromOtherSystems";
const char *const AutoItem = "Auto";

// A bare number says nothing to most users; what each page was used for does.
const struct {
    const char *page;
    const char *language;
} Languages[] = {
    {"437", "US English (DOS)"},
    {"850", "Western European (DOS)"},
    {"852", "Central European (DOS)"},
    {"866", "Cyrillic (DOS)"},
    {"737", "Greek (DOS)"},
    {"932", "Japanese (Shift-JIS)"},
    {"936", "Simplified Chinese (GBK)"},
    {"949", "Korean (Unified Hangul)"},
    {"950", "Traditional Chinese (Big5)"},
    {"1252", "Western European (Windows)"},
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
            return item + QStringLiteral(" — ") + QString::fromUtf8(l.language);
    return item;
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
