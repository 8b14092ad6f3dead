#include "controls/WindowFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace window_fit {

namespace {

const char *const FittedProperty = "orvexFittedToTexts";
const char *const UsersDataProperty = "orvexShowsUsersData";

bool layoutHolds(QLayout *layout, const QWidget *widget)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget || (item->layout() && layoutHolds(item->layout(), widget)))
            return true;
    }
    return false;
}

bool isHandPlaced(const QWidget &widget)
{
    const QWidget *parent = widget.parentWidget();
    return parent && !widget.isWindow() && !layoutHolds(parent->layout(), &widget);
}

bool hasFixedWidth(const QWidget &widget)
{
    return widget.minimumWidth() == widget.maximumWidth();
}

// `widget` is `by` pixels wider: what holds it grows with it.
void growHolder(QWidget &widget, int by);

void widen(QWidget &widget, int by)
{
    if (by <= 0)
        return;
    const int oldRight = widget.x() + widget.width();
    // Only a fixed width is raised: a layout already keeps any other widget
    // at its text's width, unless what holds it is too narrow.
    // A window the user can resize is left to the user, and to its layout's
    // minimum.
    if (hasFixedWidth(widget))
        widget.setFixedWidth(widget.maximumWidth() + by);
    else if (isHandPlaced(widget))
        widget.resize(widget.width() + by, widget.height());
    if (widget.isWindow())
        return;
    if (isHandPlaced(widget)) {
        // Everything placed to its right moves along, whole columns with it,
        // so that nothing is covered and the columns keep their order.
        QWidget *parent = widget.parentWidget();
        int rightmost = widget.x() + widget.width();
        for (QObject *object : parent->children()) {
            auto *sibling = qobject_cast<QWidget *>(object);
            if (!sibling || sibling == &widget || sibling->isWindow() || !isHandPlaced(*sibling)
                || sibling->x() < oldRight)
                continue;
            sibling->move(sibling->x() + by, sibling->y());
            rightmost = std::max(rightmost, sibling->x() + sibling->width());
        }
        if (rightmost > parent->width())
            widen(*parent, rightmost - parent->width());
        return;
    }
    growHolder(widget, by);
}

void growHolder(QWidget &widget, int by)
{
    QWidget *parent = widget.parentWidget();
    if (!parent || !parent->layout())
        return;
    parent->layout()->invalidate();
    parent->layout()->activate();
    const int wanted = std::max(parent->layout()->totalMinimumSize().width(), parent->width() + by);
    if (wanted > parent->width())
        widen(*parent, wanted - parent->width());
}

// QLabel's indent: a framed label without one set indents by half an 'x'.
int labelIndent(const QLabel &label)
{
    if (label.indent() >= 0)
        return label.indent();
    return label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
}

}  // namespace

int textHeightNeeded(const QWidget &widget)
{
    if (qobject_cast<const QCheckBox *>(&widget) || qobject_cast<const QRadioButton *>(&widget))
        return widget.hasHeightForWidth() ? 0 : widget.sizeHint().height();
    if (textWidthNeeded(widget) <= 0)
        return 0;
    // Measured on the text itself: a fallback font's characters can be taller
    // than the widget's own font.
    const auto *label = qobject_cast<const QLabel *>(&widget);
    const auto *button = qobject_cast<const QAbstractButton *>(&widget);
    const QString text = label ? label->text() : button ? button->text() : QString();
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text).height();
}

int textWidthNeeded(const QWidget &widget)
{
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
            return 0;
        const QMargins margins = label->contentsMargins();
        return metrics.size(Qt::TextShowMnemonic, label->text()).width() + margins.left() + margins.right()
               + 2 * label->margin() + labelIndent(*label);
    }
    if (const auto *box = qobject_cast<const QGroupBox *>(&widget))
        return box->title().isEmpty() ? 0 : metrics.size(Qt::TextShowMnemonic, box->title()).width() + 16;
    const auto *button = qobject_cast<const QAbstractButton *>(&widget);
    if (!button || button->text().isEmpty())
        return 0;
    if (qobject_cast<const QCheckBox *>(&widget) || qobject_cast<const QRadioButton *>(&widget))
        return widget.hasHeightForWidth() ? 0 : widget.sizeHint().width();
    if (const auto *tool = qobject_cast<const QToolButton *>(&widget);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return 0;
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return metrics.size(Qt::TextShowMnemonic, button->text()).width() + icon + 8;
}

void giveTextsRoom(QWidget &window)
{
    if (window.layout())
        window.layout()->activate();
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->isWindow() || widget->property(UsersDataProperty).toBool())
            continue;
        // A fixed width counts even where its layout has not placed it yet.
        const int width = hasFixedWidth(*widget) ? widget->maximumWidth() : widget->width();
        widen(*widget, textWidthNeeded(*widget) - width);
        // A line taller than the English font's (Chinese and Japanese
        // characters) gets its height where it was placed or fixed; what
        // holds it keeps its own.
        const int taller = textHeightNeeded(*widget);
        if (taller > widget->height() && !widget->isWindow()) {
            if (widget->minimumHeight() == widget->maximumHeight())
                widget->setFixedHeight(taller);
            else if (isHandPlaced(*widget))
                widget->resize(widget->width(), taller);
        }
    }
    if (window.layout()) {
        window.layout()->activate();
        const QSize wanted = window.layout()->totalMinimumSize();
        if (wanted.width() > window.width())
            widen(window, wanted.width() - window.width());
    }
}

void showsUsersData(QWidget &widget)
{
    widget.setProperty(UsersDataProperty, true);
}

void mirrorHandPlacedChildren(QWidget &window)
{
    for (QWidget *widget : window.findChildren<QWidget *>())
        if (isHandPlaced(*widget))
            widget->move(widget->parentWidget()->width() - widget->x() - widget->width(), widget->y());
}

namespace {

class FirstShowing : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The receiver first: events our workers post to their channels are
        // made on the worker's thread, and handed over by Qt where a thread
        // checker cannot see it; nothing of them but their receiver is read.
        if (!watched->isWidgetType() || event->type() != QEvent::Show)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        if (!window->isWindow() || window->property(FittedProperty).toBool())
            return false;
        window->setProperty(FittedProperty, true);
        giveTextsRoom(*window);
        if (window->layoutDirection() == Qt::RightToLeft)
            mirrorHandPlacedChildren(*window);
        return false;
    }
};

}  // namespace

void fitEveryWindow(QApplication &application)
{
    application.installEventFilter(new FirstShowing(&application));
}

}  // namespace window_fit
