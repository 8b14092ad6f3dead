#pragma once
// The listing's filter: a row is kept when its name contains the text,
// whatever the case; '*' stands for any run of characters and '?' for one.

#include <QRegularExpression>
#include <QString>

class NameFilter {
public:
    NameFilter() = default;
    explicit NameFilter(const QString &text);

    bool isEmpty() const { return text_.isEmpty(); }
    const QString &text() const { return text_; }
    bool matches(QStringView name) const;
    // Every name this filter keeps, `wider` keeps too: a filter typed
    // further need only look at the rows the last one kept.
    bool narrows(const NameFilter &wider) const;

private:
    QString text_;
    bool wildcards_ = false;
    // The text in lower case when it is all ASCII, which most typed filters
    // are: found without folding each name's every character.
    QString asciiLower_;
    QRegularExpression pattern_;
};
