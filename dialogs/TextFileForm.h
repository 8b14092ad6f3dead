#pragma once
// How a text file is written, so that the editor saves a file back in the form
// it was read: plain text stays plain text, an RTF file stays its own markup
// (there is no RTF reader to show it formatted), and the character encoding,
// byte-order mark and line breaks are kept.

#include <QByteArray>
#include <QString>
#include <QStringConverter>

struct TextFileForm {
    enum class Kind { PlainText, Rtf };
    Kind kind = Kind::PlainText;
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    bool byteOrderMark = false;
    bool crlf = false;  // lines end in CR LF

    friend bool operator==(const TextFileForm &, const TextFileForm &) = default;
};

// An RTF file begins with "{\rtf".
bool isRtf(const QByteArray &bytes);

// The form of a file's bytes: a byte-order mark names its encoding; without
// one, RTF and text that is not valid UTF-8 are read byte for byte (Latin-1),
// so that saving gives back every byte that was not edited. The first line
// break decides the line ends.
TextFileForm detectTextForm(const QByteArray &bytes);

// The text of `bytes` with every line break as '\n'.
QString decodeText(const QByteArray &bytes, const TextFileForm &form);

// `text` in `form`. A text that Latin-1 cannot hold is written as UTF-8,
// and `form` says so afterwards.
QByteArray encodeText(const QString &text, TextFileForm &form);

struct LoadedText {
    QString text;
    TextFileForm form;
};

// Reads a whole file. Throws std::runtime_error when it cannot be read.
LoadedText loadTextFile(const QString &path);
// Replaces the file's content, keeping its permissions (a program member
// stays runnable). Throws std::runtime_error when it cannot be written.
void saveTextFile(const QString &path, const QString &text, TextFileForm &form);
