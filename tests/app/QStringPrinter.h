#pragma once
// Lets GoogleTest print a QString as its text in failure messages.

#include <QString>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
