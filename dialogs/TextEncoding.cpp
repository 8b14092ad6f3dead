#include "dialogs/TextEncoding.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

using Flag = QStringConverter::Flag;

// Qt has Windows-1252 only through ICU. A Qt built without it reads those
// files as Latin-1, which also gives back every byte; only 0x80-0x9F then
// show as control characters.
const char *const Windows1252Name = "windows-1252";

QStringConverter::Encoding unicodeEncoding(TextEncoding::Kind kind)
{
    switch (kind) {
    case TextEncoding::Kind::Utf16LE: return QStringConverter::Utf16LE;
    case TextEncoding::Kind::Utf16BE: return QStringConverter::Utf16BE;
    case TextEncoding::Kind::Utf32LE: return QStringConverter::Utf32LE;
    case TextEncoding::Kind::Utf32BE: return QStringConverter::Utf32BE;
    case TextEncoding::Kind::Utf8:
    case TextEncoding::Kind::Windows1252: break;
    }
    return QStringConverter::Utf8;
}

// Stateless: a one-piece conversion, so an incomplete sequence at the end is
// an error instead of being held back for more input.
QStringDecoder decoderFor(TextEncoding::Kind kind)
{
    if (kind != TextEncoding::Kind::Windows1252)
        return QStringDecoder(unicodeEncoding(kind), Flag::Stateless);
    QStringDecoder decoder(Windows1252Name, Flag::Stateless);
    return decoder.isValid() ? std::move(decoder) : QStringDecoder(QStringConverter::Latin1, Flag::Stateless);
}

QStringEncoder encoderFor(TextEncoding::Kind kind, bool byteOrderMark)
{
    // Not stateless: Qt's UTF-8 encoder leaves out the mark when it is.
    if (kind != TextEncoding::Kind::Windows1252)
        return QStringEncoder(unicodeEncoding(kind), byteOrderMark ? Flag::WriteBom : Flag::Default);
    QStringEncoder encoder(Windows1252Name, Flag::Stateless);
    return encoder.isValid() ? std::move(encoder) : QStringEncoder(QStringConverter::Latin1, Flag::Stateless);
}

// Enough of a file to tell binary data from text.
constexpr qsizetype SniffLength = 8192;

}  // namespace

std::optional<TextEncoding> TextEncoding::detect(const QByteArray &bytes)
{
    // A form is taken only when it gives back the very bytes it read.
    const auto givesBack = [&bytes](const TextEncoding &encoding) {
        return encoding.encode(encoding.decode(bytes)) == bytes;
    };
    // Text in these holds NUL bytes. FF FE 00 00 is the UTF-32 mark, or the
    // UTF-16 one before a NUL character: the longer marks are tried first.
    const struct {
        QByteArrayView mark;
        Kind kind;
    } wideMarks[] = {
        {QByteArrayView("\xFF\xFE\0\0", 4), Kind::Utf32LE},
        {QByteArrayView("\0\0\xFE\xFF", 4), Kind::Utf32BE},
        {QByteArrayView("\xFF\xFE", 2), Kind::Utf16LE},
        {QByteArrayView("\xFE\xFF", 2), Kind::Utf16BE},
    };
    for (const auto &m : wideMarks) {
        const TextEncoding encoding(m.kind, true);
        if (bytes.startsWith(m.mark) && givesBack(encoding))
            return encoding;
    }
    if (bytes.left(SniffLength).contains('\0'))
        return std::nullopt;
    for (const bool byteOrderMark : {true, false}) {
        const TextEncoding utf8(Kind::Utf8, byteOrderMark);
        if (bytes.startsWith("\xEF\xBB\xBF") == byteOrderMark && givesBack(utf8))
            return utf8;
    }
    return windows1252();
}

QString TextEncoding::name() const
{
    switch (kind_) {
    case Kind::Utf8: return QStringLiteral("UTF-8");
    case Kind::Utf16LE: return QStringLiteral("UTF-16LE");
    case Kind::Utf16BE: return QStringLiteral("UTF-16BE");
    case Kind::Utf32LE: return QStringLiteral("UTF-32LE");
    case Kind::Utf32BE: return QStringLiteral("UTF-32BE");
    case Kind::Windows1252: break;
    }
    return QStringLiteral("Windows-1252");
}

QString TextEncoding::decode(const QByteArray &bytes) const
{
    // The Unicode decoders drop a leading byte-order mark.
    QStringDecoder decoder = decoderFor(kind_);
    return decoder(bytes);
}

QByteArray TextEncoding::encode(const QString &text) const
{
    QStringEncoder encoder = encoderFor(kind_, byteOrderMark_);
    return encoder(text);
}

bool TextEncoding::canEncode(const QString &text) const
{
    if (kind_ != Kind::Windows1252)
        return true;
    // Read back, as a character written as a look-alike or a '?' is not an
    // error to every converter.
    QStringEncoder encoder = encoderFor(kind_, false);
    const QByteArray bytes = encoder(text);
    return !encoder.hasError() && decode(bytes) == text;
}
