#include "app/ArchiveComment.h"

#include "engine/zipformat/NameCharset.h"
#include "engine/zipformat/Utf8.h"

namespace archive_comment {

QString decode(const std::string &bytes, const std::string &codePage, const std::vector<ArchiveEntry> &entries)
{
    QString text;
    if (zipformat::isValidUtf8(bytes)) {
        text = QString::fromStdString(bytes);
    } else {
        std::vector<std::string> names{bytes};
        for (const ArchiveEntry &entry : entries)
            if (entry.needsCodePage())
                names.push_back(entry.FileName);
        zipformat::NameDecoder decoder(zipformat::chooseNameCodePage(codePage, names));
        text = QString::fromStdString(decoder.decode(bytes));
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // Other control characters are shown as their pictures, not obeyed.
    for (QChar &c : text)
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\t')
            c = QChar(0x2400 + c.unicode());
    return text;
}

}  // namespace archive_comment
