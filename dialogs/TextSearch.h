#pragma once
// The editor's searches on a text and its selection, without a window: find
// next, replace, replace all, and the search routines beneath them.

#include "platform/SearchDialog.h"

#include <QString>
#include <QStringView>

struct SearchOptions {
    bool down = true;
    bool matchCase = false;
    bool wholeWord = false;
};

// The first position, going in the options' direction from the selection,
// where the pattern's m characters stand in the first n characters of
// `buffer`; -1 when there is none. Down, a match begins at or after the
// selection's end; up, it ends at or before the selection's start. Without
// match case both sides are compared upper-cased.
int FindInBuffer(QStringView buffer, int n, int selStart, int selLength, QStringView pattern,
                 const SearchOptions &options);

// The forward search of the text control: the first match at or after
// `start`; a whole word has no letter, digit or '_' right before or after it.
int findForward(QStringView text, int start, QStringView pattern, bool matchCase, bool wholeWord);
// The same going up: the last match that ends at or before `end`.
int findBackward(QStringView text, int end, QStringView pattern, bool matchCase, bool wholeWord);

// A text with a selection, as the searches see it. Positions count UTF-16
// units, a line break as one.
class EditableText {
public:
    virtual ~EditableText() = default;
    virtual const QString &text() = 0;
    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    virtual void select(int start, int length) = 0;
    // Puts `replacement` in place of the selection and the caret after it.
    virtual void replaceSelection(const QString &replacement) = 0;

    QString selectedText() { return text().mid(selStart(), selLength()); }
};

// An EditableText held in a string.
class StringText : public EditableText {
public:
    explicit StringText(QString text = {}, int selStart = 0, int selLength = 0);
    const QString &text() override { return text_; }
    int selStart() const override { return start_; }
    int selLength() const override { return length_; }
    void select(int start, int length) override;
    void replaceSelection(const QString &replacement) override;

private:
    QString text_;
    int start_ = 0;
    int length_ = 0;
};

// Selects the next match of `pattern` after the selection (FindInBuffer with
// the options); false, with the selection unchanged, when there is none.
bool FindInText(EditableText &text, const QString &pattern, const SearchOptions &options);

// The state of the find and replace dialogs and what their buttons and the
// menu's search commands do to a text. The caller shows the dialogs and the
// messages.
class TextSearch {
public:
    TextSearch();

    platform::SearchDialog findDialog{platform::SearchDialog::Kind::Find};
    platform::SearchDialog replaceDialog{platform::SearchDialog::Kind::Replace};

    // "Find...": a new search starts at the top.
    void startFind(EditableText &text);
    // "Replace": a short selection becomes the text to find.
    void startReplace(EditableText &text);
    // "Find Next" and F3: from the selection, its end going down and its
    // start going up, with the find dialog's text and options, which then go
    // back to their defaults.
    bool findNext(EditableText &text);
    // The replace dialog's Find Next: its text becomes the find dialog's.
    void takeReplaceFindText();
    // The replace dialog's Replace or Replace All (as `pressed` says). True
    // when something was found after the replacing; Replace All stops at the
    // end of the text.
    bool replace(EditableText &text);

    static constexpr int MaxSelectionForFindText = 30;

private:
    void resetOptions();
    static SearchOptions optionsOf(const platform::SearchDialog &dialog);
};
