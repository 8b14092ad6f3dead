#pragma once
// The character encoding of a text file: found from the file's bytes, used
// to show them and to write the text back. Every form the editor reads gives
// back, byte for byte, the file it came from when the text is not edited.

#include <QByteArray>
#include <QString>
#include <optional>

class TextEncoding {
public:
    enum class Kind { Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE, Windows1252 };

    // UTF-8 without a byte-order mark: the form of a new text.
    TextEncoding() = default;
    TextEncoding(Kind kind, bool byteOrderMark) : kind_(kind), byteOrderMark_(byteOrderMark) {}

    // How `bytes` are read. A byte-order mark names UTF-8, UTF-16 or UTF-32;
    // without one, valid UTF-8 is UTF-8 and anything else Windows-1252 (the
    // five bytes that code page leaves undefined stand for the control
    // characters of the same number, so they are written back as they were).
    // Empty when the bytes are not text: a NUL byte within the first 8 KiB,
    // unless a UTF-16 or UTF-32 byte-order mark explains it.
    static std::optional<TextEncoding> detect(const QByteArray &bytes);
    // Windows-1252 whatever the bytes; for RTF, whose 8-bit bytes are that code page.
    static TextEncoding windows1252() { return TextEncoding(Kind::Windows1252, false); }

    Kind kind() const { return kind_; }
    bool byteOrderMark() const { return byteOrderMark_; }
    // "UTF-8", "UTF-16LE", ..., "Windows-1252", for messages.
    QString name() const;

    // The text of `bytes`, without the byte-order mark.
    QString decode(const QByteArray &bytes) const;
    // `text` in this encoding, with a byte-order mark when it has one.
    // Characters it cannot hold come out wrong: check canEncode first.
    QByteArray encode(const QString &text) const;
    // Whether every character of `text` can be written in this encoding.
    bool canEncode(const QString &text) const;

    friend bool operator==(const TextEncoding &, const TextEncoding &) = default;

private:
    Kind kind_ = Kind::Utf8;
    bool byteOrderMark_ = false;
};
