#pragma once
// How a text file is written, so that the editor saves a file back in the form
// it was read: plain text stays plain text, an RTF file stays its own markup
// (there is no RTF reader to show it formatted), and the character encoding,
// byte-order mark and line breaks are kept.

#include "dialogs/TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

struct TextFileForm {
    enum class Kind { PlainText, Rtf };
    Kind kind = Kind::PlainText;
    TextEncoding encoding;  // with its byte-order mark
    bool crlf = false;      // lines end in CR LF

    friend bool operator==(const TextFileForm &, const TextFileForm &) = default;
};

// An RTF file begins with "{\rtf".
bool isRtf(const QByteArray &bytes);

// The form of a file's bytes (TextEncoding::detect; RTF is Windows-1252),
// so that saving gives back every byte that was not edited. The first line
// break decides the line ends. Empty when the bytes are not text.
std::optional<TextFileForm> detectTextForm(const QByteArray &bytes);

// The text of `bytes` with every line break as '\n'.
QString decodeText(const QByteArray &bytes, const TextFileForm &form);

// `text` in `form`; check form.encoding.canEncode(text) first.
QByteArray encodeText(const QString &text, const TextFileForm &form);

struct LoadedText {
    QString text;
    TextFileForm form;
};

// Reads a whole file. Throws std::runtime_error when it cannot be read or
// is not text.
LoadedText loadTextFile(const QString &path);
// Replaces the file's content, keeping its permissions (a program member
// stays runnable). Throws std::runtime_error when it cannot be written.
void saveTextFile(const QString &path, const QString &text, const TextFileForm &form);
