#include "app/ArchiveComment.h"

#include "engine/zipformat/NameCharset.h"
#include "engine/zipformat/Utf8.h"

#include <QRegularExpression>

namespace archive_comment {

QString decode(const std::string &bytes, const std::string &codePage, const std::vector<ArchiveEntry> &entries)
{
    QString text;
    if (zipformat::isValidUtf8(bytes)) {
        text = QString::fromStdString(bytes);
    } else {
        // A few bytes of comment are no ground for a guess: without names to
        // guess from it is read in ZIP's own code page, 437.
        std::vector<std::string> names;
        for (const ArchiveEntry &entry : entries)
            if (entry.needsCodePage())
                names.push_back(entry.FileName);
        const bool guessed = codePage.empty() || codePage == "auto";
        zipformat::NameDecoder decoder(guessed && names.empty() ? std::string("437")
                                                                : zipformat::chooseNameCodePage(codePage, names));
        text = QString::fromStdString(decoder.decode(bytes));
    }
    // DOS line ends, doubled ones (a CRLF written through a text-mode tool) and lone CRs.
    text.replace(QRegularExpression(QStringLiteral("\r+\n|\r")), QStringLiteral("\n"));
    // Other control characters are shown as their pictures, not obeyed.
    for (QChar &c : text)
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\t')
            c = QChar(0x2400 + c.unicode());
    return text;
}

std::string encode(const QString &text, const std::string &original)
{
    QString bytes = text;
    for (QChar &c : bytes)
        if (c.unicode() >= 0x2400 && c.unicode() < 0x2420)
            c = QChar(c.unicode() - 0x2400);
    if (original.find('\r') != std::string::npos)
        bytes.replace(u'\n', QStringLiteral("\r\n"));
    return bytes.toStdString();
}

}  // namespace archive_comment
