#pragma once
// The frameless host: a window whose system frame is replaced by a caption
// bar, a painted frame and edge resizing.

#include <QImage>

class QWidget;
class TGradientCaption;

// Makes `window` frameless and docks a caption bar on its top, inside a thin
// raised frame, above the menu bar and everything else; edges resize the
// window. The window's layout keeps working (the bar lives in the window's
// top contents margin), and menuBar() still answers the window's menu bar.
// Call before the window is shown, or it is shown again. Removing the bar
// (deleting it) gives the window back its system frame.
TGradientCaption *installCaptionBar(QWidget *window);

// Width of the frame installCaptionBar draws around a window that is neither
// maximised nor full screen.
constexpr int CaptionFrameWidth = 4;

// `window` as it looks with its caption bar active or inactive; the bar's
// state afterwards is what it was. For screenshots.
QImage renderWithCaption(QWidget *window, bool active);
