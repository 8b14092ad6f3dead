#pragma once
// Printing a text line by line in one font, without its formatting.

#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;

// The lines of `text` as they are printed: a final line break starts no
// further line.
QStringList printedLines(const QString &text);

// Prints each line in order as one output line; a line wider than the page
// goes on below, and a full page is followed by a new one. Returns the number
// of pages. Throws std::runtime_error when the printer cannot be opened.
int printLines(QPrinter &printer, const QStringList &lines, const QFont &font);
