#pragma once
// Delimited text lines as the grid loads and saves them, and the byte form of
// cell texts. Bytes are kept as they are: valid UTF-8 becomes its characters,
// any other byte is carried as one code unit U+DC80..U+DCFF and written back
// as the same byte, so a file that is not UTF-8 survives a load and a save.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace gridlogic {

QString DecodeBytes(QByteArrayView bytes);
QByteArray EncodeText(QStringView text);

// Lines end at CR, LF or CR LF; a NUL ends the text; a last line without an
// end still counts; an empty text has no lines.
QList<QByteArray> SplitLines(QByteArrayView data);

// Fields between the delimiter's occurrences; empty fields stay, a line
// without the delimiter is one field, an empty line one empty field.
QList<QByteArray> SplitFields(QByteArrayView line, QByteArrayView delimiter);

// The rows of a whole delimited text, each a list of decoded fields.
std::vector<QStringList> ParseDelimited(QByteArrayView data, QChar delimiter);

// Appends one line: the fields joined by the delimiter, no quoting, CR LF.
void AppendDelimitedLine(QByteArray &out, const QStringList &fields, QChar delimiter);

}  // namespace gridlogic
