#pragma once
// Windows laid out for English texts, made to hold any language's: before a
// window is first shown, every label, button and box whose text needs more
// room than it was given gets that room (the window grows with it, fixed size
// or not), and a window whose children are placed by hand is mirrored when
// the layout runs right to left. Qt's layouts mirror themselves.

class QApplication;
class QWidget;

namespace window_fit {

// The width `widget`'s own text needs, or 0 for a widget without text (an
// icon-only button) or whose text wraps.
int textWidthNeeded(const QWidget &widget);
// The height of its text's line, or 0 as above.
int textHeightNeeded(const QWidget &widget);

// Gives each child of `window` the width its text needs, moving hand-placed
// siblings to its right along and growing what holds it.
void giveTextsRoom(QWidget &window);

// Marks `widget` as showing a name or path of the user's, which it cuts as
// it was laid out to rather than growing.
void showsUsersData(QWidget &widget);

// Places the hand-placed children of `window` from the right.
void mirrorHandPlacedChildren(QWidget &window);

// Does both for every window of `application` before its first showing.
void fitEveryWindow(QApplication &application);

}  // namespace window_fit
