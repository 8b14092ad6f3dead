// The editor's searches on a plain text with a selection: the search
// routines, find next, replace and replace all.
#include "dialogs/TextSearch.h"

#include <gtest/gtest.h>

#include "../app/QStringPrinter.h"

using Button = platform::SearchDialog::Button;

namespace {

SearchOptions down(bool matchCase = false)
{
    return {true, matchCase, false};
}
SearchOptions up(bool matchCase = false)
{
    return {false, matchCase, false};
}

// The replace dialog as the user leaves it: these texts, and `pressed`.
void fillReplace(TextSearch &search, const QString &find, const QString &replacement, Button pressed)
{
    search.replaceDialog.findText = find;
    search.replaceDialog.replaceText = replacement;
    search.replaceDialog.pressed = pressed;
}

}  // namespace

TEST(FindInBuffer, DownStartsAtTheSelectionEndAndUpEndsAtItsStart)
{
    const QString text = QStringLiteral("abc abc abc");
    // Down: a match must begin at or after the end of the selection.
    EXPECT_EQ(FindInBuffer(text, 11, 0, 0, u"abc", down()), 0);
    EXPECT_EQ(FindInBuffer(text, 11, 0, 3, u"abc", down()), 4);
    EXPECT_EQ(FindInBuffer(text, 11, 1, 0, u"abc", down()), 4);
    EXPECT_EQ(FindInBuffer(text, 11, 8, 0, u"abc", down()), 8);  // ends exactly at n
    EXPECT_EQ(FindInBuffer(text, 11, 9, 0, u"abc", down()), -1);
    // Up: a match must end at or before the start of the selection.
    EXPECT_EQ(FindInBuffer(text, 11, 8, 3, u"abc", up()), 4);
    EXPECT_EQ(FindInBuffer(text, 11, 7, 0, u"abc", up()), 4);
    EXPECT_EQ(FindInBuffer(text, 11, 6, 0, u"abc", up()), 0);
    EXPECT_EQ(FindInBuffer(text, 11, 3, 0, u"abc", up()), 0);
    EXPECT_EQ(FindInBuffer(text, 11, 2, 0, u"abc", up()), -1);  // start would be negative
}

TEST(FindInBuffer, CaseAndLength)
{
    const QString text = QStringLiteral("Grüße GRÜSSE grÜße");
    EXPECT_EQ(FindInBuffer(text, int(text.size()), 0, 0, u"GRÜ", down()), 0);
    EXPECT_EQ(FindInBuffer(text, int(text.size()), 0, 0, u"GRÜ", down(true)), 6);
    EXPECT_EQ(FindInBuffer(text, int(text.size()), 0, 1, u"grÜ", down(true)), 13);
    // Only the first n characters are searched.
    EXPECT_EQ(FindInBuffer(text, 15, 0, 1, u"grü", down()), 6);
    EXPECT_EQ(FindInBuffer(text, 14, 7, 0, u"grü", down()), -1);
    // A selection past n, or a pattern longer than the text.
    EXPECT_EQ(FindInBuffer(text, 5, 9, 0, u"e", down()), -1);
    EXPECT_EQ(FindInBuffer(u"ab", 2, 0, 0, u"abc", down()), -1);
}

TEST(FindForward, MatchCaseAndWholeWords)
{
    const QString text = QStringLiteral("cat concat Cat cat_x cat.");
    EXPECT_EQ(findForward(text, 0, u"cat", false, false), 0);
    EXPECT_EQ(findForward(text, 1, u"cat", false, false), 7);
    EXPECT_EQ(findForward(text, 1, u"cat", false, true), 11);
    EXPECT_EQ(findForward(text, 1, u"cat", true, true), 21);  // "cat_x" is one word
    EXPECT_EQ(findForward(text, 22, u"cat", false, false), -1);
    EXPECT_EQ(findForward(text, 99, u"cat", false, false), -1);
    EXPECT_EQ(findForward(text, 0, u"", false, false), -1);
}

TEST(FindInText, SelectsTheMatchOrLeavesTheSelection)
{
    StringText text(QStringLiteral("one two one"), 2, 3);
    EXPECT_TRUE(FindInText(text, QStringLiteral("ONE"), down()));
    EXPECT_EQ(text.selStart(), 8);
    EXPECT_EQ(text.selLength(), 3);
    EXPECT_FALSE(FindInText(text, QStringLiteral("one"), down()));
    EXPECT_EQ(text.selStart(), 8);
    EXPECT_EQ(text.selLength(), 3);
    EXPECT_FALSE(FindInText(text, QString(), down()));
    StringText empty;
    EXPECT_FALSE(FindInText(empty, QStringLiteral("x"), down()));
}

TEST(FindInText, HasNoLengthLimit)
{
    QString big(100000, QLatin1Char('x'));
    big += QStringLiteral("needle");
    StringText text(big);
    ASSERT_TRUE(FindInText(text, QStringLiteral("NEEDLE"), down()));
    EXPECT_EQ(text.selStart(), 100000);
}

TEST(TextSearch, FindStartsAtTheTopAndOptionsHoldForOneSearch)
{
    TextSearch search;
    StringText text(QStringLiteral("Alpha alpha ALPHA alpha"), 18, 5);
    search.startFind(text);
    EXPECT_EQ(text.selStart(), 0);
    EXPECT_EQ(text.selLength(), 0);

    search.findDialog.findText = QStringLiteral("alpha");
    search.findDialog.matchCase = true;
    ASSERT_TRUE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 6);  // "Alpha" at 0 differs in case
    EXPECT_FALSE(search.findDialog.matchCase);
    EXPECT_EQ(search.replaceDialog.findText, "alpha");

    // F3: the next match after the current one, now in any case.
    ASSERT_TRUE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 12);
    ASSERT_TRUE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 18);
    EXPECT_FALSE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 18);  // the selection stays on the last match
    EXPECT_EQ(text.selLength(), 5);
}

TEST(TextSearch, WholeWordAlsoHoldsForOneSearch)
{
    TextSearch search;
    StringText text(QStringLiteral("ant pants ant"));
    search.findDialog.findText = QStringLiteral("ant");
    search.findDialog.wholeWord = true;
    text.select(1, 0);
    ASSERT_TRUE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 10);
    EXPECT_FALSE(search.findDialog.wholeWord);
    text.select(1, 0);
    ASSERT_TRUE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 5);
}

TEST(TextSearch, UpFindsTheLastMatchBeforeTheSelectionOnce)
{
    TextSearch search;
    StringText text(QStringLiteral("ant pants Ant ant"), 14, 3);
    search.findDialog.findText = QStringLiteral("ant");
    search.findDialog.down = false;
    search.findDialog.matchCase = true;
    search.findDialog.wholeWord = true;
    ASSERT_TRUE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 0);  // "Ant" differs in case, "pants" is no word
    EXPECT_TRUE(search.findDialog.down);
    search.findDialog.down = false;
    EXPECT_FALSE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 0);
    text.select(14, 3);
    search.findDialog.down = false;
    ASSERT_TRUE(search.findNext(text));
    EXPECT_EQ(text.selStart(), 10);
}

TEST(TextSearch, ReplaceTakesAShortSelectionAsItsFindText)
{
    TextSearch search;
    search.replaceDialog.findText = QStringLiteral("old");
    search.replaceDialog.matchCase = true;
    const QString line = QString(40, QLatin1Char('y'));

    StringText thirty(line, 0, 30);
    search.startReplace(thirty);
    EXPECT_EQ(search.replaceDialog.findText, "old");
    StringText none(line, 3, 0);
    search.startReplace(none);
    EXPECT_EQ(search.replaceDialog.findText, "old");
    StringText twentyNine(line, 1, 29);
    search.startReplace(twentyNine);
    EXPECT_EQ(search.replaceDialog.findText, QString(29, QLatin1Char('y')));

    EXPECT_TRUE(search.replaceDialog.down);
    EXPECT_TRUE(search.replaceDialog.wholeWordHidden);
    EXPECT_FALSE(search.replaceDialog.matchCase);
}

TEST(TextSearch, ReplaceASelectionInAnotherCaseThenSelectTheNext)
{
    TextSearch search;
    fillReplace(search, QStringLiteral("cat"), QStringLiteral("dog"), Button::Replace);
    StringText text(QStringLiteral("CAT cat Cat"), 0, 3);
    EXPECT_TRUE(search.replace(text));
    EXPECT_EQ(text.text(), "dog cat Cat");
    EXPECT_EQ(text.selStart(), 4);
    EXPECT_EQ(text.selLength(), 3);

    // With match case a selection in another case is no match: it stays.
    search.replaceDialog.matchCase = true;
    text.select(8, 3);
    EXPECT_FALSE(search.replace(text));
    EXPECT_EQ(text.text(), "dog cat Cat");
    search.replaceDialog.matchCase = false;

    // A selection that is not the find text is left alone.
    text.select(0, 3);
    EXPECT_TRUE(search.replace(text));
    EXPECT_EQ(text.text(), "dog cat Cat");
    EXPECT_EQ(text.selStart(), 4);

    // Replacing the last one finds nothing more.
    text.select(8, 3);
    EXPECT_FALSE(search.replace(text));
    EXPECT_EQ(text.text(), "dog cat dog");
}

TEST(TextSearch, ReplaceAllRunsFromTheCaretAndEndsWithTheFindTextInTheReplacement)
{
    // Each search ends before the text just put in, downward and upward.
    const struct {
        QString find, replacement;
        bool down;
        QString text;
        int caret;
        QString expected;
    } cases[] = {
        {"a", "b", true, "a a a|a a a", 5, "a a a|b b b"},
        {"cat", "concatenate", true, "cat, cat; CAT", 0, "concatenate, concatenate; concatenate"},
        {"a", "aa", false, "a-a-a|a", 5, "aa-aa-aa|a"},
    };
    for (const auto &c : cases) {
        TextSearch search;
        fillReplace(search, c.find, c.replacement, Button::ReplaceAll);
        search.replaceDialog.down = c.down;
        StringText text(c.text, c.caret, 0);
        EXPECT_FALSE(search.replace(text)) << c.text.toStdString();
        EXPECT_EQ(text.text(), c.expected);
    }
}

TEST(TextSearch, ReplaceWithNoFindTextInsertsNothing)
{
    TextSearch search;
    search.replaceDialog.replaceText = QStringLiteral("x");
    for (Button button : {Button::Replace, Button::ReplaceAll}) {
        search.replaceDialog.pressed = button;
        StringText text(QStringLiteral("abc"), 1, 0);
        EXPECT_FALSE(search.replace(text));
        EXPECT_EQ(text.text(), "abc");
    }
}
