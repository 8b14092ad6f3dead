#include "dialogs/TextSearch.h"

#include <algorithm>

namespace {

bool sameUpperCased(QStringView a, QStringView b)
{
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].toUpper() != b[i].toUpper())
            return false;
    return true;
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

}  // namespace

int FindInBuffer(QStringView buffer, int n, int selStart, int selLength, QStringView pattern,
                 const SearchOptions &options)
{
    n = std::min<int>(n, int(buffer.size()));
    const int m = int(pattern.size());
    int start = 0;
    int count = 0;
    if (options.down) {
        start = selStart + selLength;
        count = n - start - m;
        if (count < 0)
            return -1;
    } else {
        start = selStart - m;
        count = start;
    }
    if (start < 0 || start > n)
        return -1;
    const int step = options.down ? 1 : -1;
    for (int i = 0, position = start; i <= count; ++i, position += step) {
        const QStringView candidate = buffer.mid(position, m);
        if (options.matchCase ? candidate == pattern : sameUpperCased(candidate, pattern))
            return position;
    }
    return -1;
}

namespace {

bool standsAlone(QStringView text, qsizetype at, qsizetype length)
{
    const qsizetype end = at + length;
    return (at == 0 || !isWordCharacter(text[at - 1])) && (end == text.size() || !isWordCharacter(text[end]));
}

}  // namespace

int findForward(QStringView text, int start, QStringView pattern, bool matchCase, bool wholeWord)
{
    if (pattern.isEmpty() || start > text.size())
        return -1;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = text.indexOf(pattern, std::max(start, 0), cs); at >= 0; at = text.indexOf(pattern, at + 1, cs))
        if (!wholeWord || standsAlone(text, at, pattern.size()))
            return int(at);
    return -1;
}

int findBackward(QStringView text, int end, QStringView pattern, bool matchCase, bool wholeWord)
{
    const qsizetype last = std::min<qsizetype>(end, text.size()) - pattern.size();
    if (pattern.isEmpty() || last < 0)
        return -1;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = text.lastIndexOf(pattern, last, cs); at >= 0;
         at = at == 0 ? -1 : text.lastIndexOf(pattern, at - 1, cs))
        if (!wholeWord || standsAlone(text, at, pattern.size()))
            return int(at);
    return -1;
}

StringText::StringText(QString text, int selStart, int selLength) : text_(std::move(text))
{
    select(selStart, selLength);
}

void StringText::select(int start, int length)
{
    start_ = std::clamp(start, 0, int(text_.size()));
    length_ = std::clamp(length, 0, int(text_.size()) - start_);
}

void StringText::replaceSelection(const QString &replacement)
{
    text_.replace(start_, length_, replacement);
    start_ += int(replacement.size());
    length_ = 0;
}

bool FindInText(EditableText &text, const QString &pattern, const SearchOptions &options)
{
    if (pattern.isEmpty())
        return false;
    // The whole text: the search has no length limit.
    const QString &buffer = text.text();
    const int n = int(buffer.size());
    if (n == 0)
        return false;
    const int position = FindInBuffer(buffer, n, text.selStart(), text.selLength(), pattern, options);
    if (position < 0)
        return false;
    text.select(position, int(pattern.size()));
    return true;
}

TextSearch::TextSearch()
{
    resetOptions();
}

SearchOptions TextSearch::optionsOf(const platform::SearchDialog &dialog)
{
    return SearchOptions{dialog.down, dialog.matchCase, dialog.wholeWord};
}

namespace {

// Down, ignoring case, not by whole words; an open window shows it at once.
void resetDialog(platform::SearchDialog &dialog, bool wholeWordHidden)
{
    dialog.down = true;
    dialog.matchCase = false;
    dialog.wholeWord = false;
    dialog.wholeWordHidden = wholeWordHidden;
    dialog.stateChanged();
}

}  // namespace

void TextSearch::resetOptions()
{
    // The replace dialog offers no whole-word box.
    resetDialog(findDialog, false);
    resetDialog(replaceDialog, true);
}

void TextSearch::startFind(EditableText &text)
{
    text.select(0, 0);
}

void TextSearch::startReplace(EditableText &text)
{
    const int length = text.selLength();
    if (length > 0 && length < MaxSelectionForFindText)
        replaceDialog.findText = text.selectedText();
    replaceDialog.down = true;
    replaceDialog.matchCase = false;
    replaceDialog.wholeWord = false;
    replaceDialog.wholeWordHidden = true;
    replaceDialog.stateChanged();
}

bool TextSearch::findNext(EditableText &text)
{
    const QString pattern = findDialog.findText;
    const int position = findDialog.down ? findForward(text.text(), text.selStart() + text.selLength(), pattern,
                                                       findDialog.matchCase, findDialog.wholeWord)
                                         : findBackward(text.text(), text.selStart(), pattern, findDialog.matchCase,
                                                        findDialog.wholeWord);
    if (position >= 0)
        text.select(position, int(pattern.size()));
    replaceDialog.findText = pattern;
    // Match case and whole word hold for one search only.
    resetOptions();
    return position >= 0;
}

void TextSearch::takeReplaceFindText()
{
    findDialog.findText = replaceDialog.findText;
    findDialog.stateChanged();
}

bool TextSearch::replace(EditableText &text)
{
    const QString pattern = replaceDialog.findText;
    const SearchOptions options = optionsOf(replaceDialog);
    auto replaceMatch = [&] {
        const int start = text.selStart();
        text.replaceSelection(replaceDialog.replaceText);
        // Going up, the next search must end before the inserted text, or a
        // replacement that contains the pattern would be found again.
        if (!options.down)
            text.select(start, 0);
    };
    // An empty pattern matches the empty selection: nothing to replace.
    if (!pattern.isEmpty()
        && text.selectedText().compare(pattern, options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0)
        replaceMatch();
    bool found = FindInText(text, pattern, options);
    if (replaceDialog.pressed == platform::SearchDialog::Button::ReplaceAll) {
        while (found) {
            replaceMatch();
            found = FindInText(text, pattern, options);
        }
    }
    return found;
}
