#include "app/NameCharsetChoice.h"

#include "engine/zipformat/NameCharset.h"

namespace name_charset {

namespace {
const char *const Key = "namesFromOtherSystems";
const char *const AutoItem = "Auto";
}  // namespace

QStringList menuItems()
{
    QStringList items{QString::fromLatin1(AutoItem)};
    for (const std::string &page : zipformat::nameCodePages())
        items.append(QString::fromStdString(page));
    return items;
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
