#pragma once
// What a label puts on the screen, read back as text: markup taken as the
// label takes it, and with a buddy "&x" a shortcut whose '&' is not shown.

#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

namespace ziptest {

QString shownText(const QLabel &label);
// The shown texts of the labels in `widget`.
QStringList shownTexts(const QWidget &widget);

}  // namespace ziptest
