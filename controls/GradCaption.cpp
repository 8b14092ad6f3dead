#include "controls/GradCaption.h"

#include "controls/WindowChecks.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIconEngine>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>
#include <QWhatsThis>
#include <QWindow>

using caption::isResizable;
using caption::requireWindow;
using platform::SystemColor;

namespace {

// The older shell's system-menu box shows a bar, like a space bar: the key
// that opened the menu from the keyboard.
QIcon systemMenuBoxIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(3, 7, 10, 3), platform::systemColor(SystemColor::ButtonText));
    return QIcon(pixmap);
}

// The style draws its title-bar glyphs in fixed dark colours, which vanish on
// a dark desktop's buttons: each is painted in the button text colour of the
// palette of the moment, keeping only its shape.
class ButtonTextGlyph : public QIconEngine {
public:
    explicit ButtonTextGlyph(QIcon shape) : shape_(std::move(shape)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const bool disabled = mode == QIcon::Disabled;
        QPixmap glyph = shape_.pixmap(size, QIcon::Normal, state);
        if (glyph.isNull())
            return glyph;
        QPainter painter(&glyph);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(glyph.rect(),
                         platform::systemColor(disabled ? SystemColor::GrayText : SystemColor::ButtonText));
        return glyph;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QIconEngine *clone() const override { return new ButtonTextGlyph(shape_); }

private:
    QIcon shape_;
};

QIcon titleBarIcon(const QWidget *widget, QStyle::StandardPixmap picture)
{
    return QIcon(new ButtonTextGlyph(widget->style()->standardIcon(picture, nullptr, widget)));
}

}  // namespace

TGradientCaption::TGradientCaption(QWidget *owner) : QWidget(requireWindow(owner)), owner_(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    loadCaptionFont();
    appNameText_ = std::make_unique<TAppNameText>(this);
    captionText_ = std::make_unique<TCaptionText>(this);
    companyText_ = std::make_unique<TCompanyText>(this);

    const auto makeButton = [this](const char *name, const QIcon &icon, const QString &tip) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setFocusPolicy(Qt::NoFocus);  // the window's focus stays where it is
        button->setIcon(icon);
        button->setToolTip(tip);
        button->hide();
        return button;
    };
    const auto standard = [this](QStyle::StandardPixmap picture) { return titleBarIcon(this, picture); };
    minimizeButton_ = makeButton("minimizeButton", standard(QStyle::SP_TitleBarMinButton), tr("Minimize"));
    maximizeButton_ = makeButton("maximizeButton", standard(QStyle::SP_TitleBarMaxButton), tr("Maximize"));
    closeButton_ = makeButton("closeButton", standard(QStyle::SP_TitleBarCloseButton), tr("Close"));
    helpButton_ = makeButton("helpButton", standard(QStyle::SP_TitleBarContextHelpButton), tr("Help"));
    systemMenuBox_ = makeButton("systemMenuBox", systemMenuBoxIcon(), tr("Window menu"));
    connect(minimizeButton_, &QToolButton::clicked, this, [this] {
        if (owner_)
            owner_->showMinimized();
    });
    connect(maximizeButton_, &QToolButton::clicked, this, &TGradientCaption::toggleMaximized);
    connect(closeButton_, &QToolButton::clicked, this, [this] {
        if (owner_)
            owner_->close();
    });
    connect(helpButton_, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(systemMenuBox_, &QToolButton::clicked, this,
            [this] { showWindowMenu(mapToGlobal(systemMenuBox_->geometry().bottomLeft() + QPoint(0, 1))); });

    lastHeight_ = currentLayout().height;
    resize(owner->width(), lastHeight_);
    owner->installEventFilter(this);
    layoutButtons();
    updateButtonStates();
}

TGradientCaption::~TGradientCaption()
{
    if (owner_)
        owner_->removeEventFilter(this);
}

void TGradientCaption::setColor(const platform::ColorRef &value)
{
    color_ = value;
    update();
}

void TGradientCaption::setEnabled(TGradEnabled value)
{
    enabled_ = value;
    update();
}

void TGradientCaption::setNumColors(int value)
{
    numColors_ = caption::clampNumColors(numColors_, value);
    update();
}

void TGradientCaption::setNewShell(bool value)
{
    newShell_ = value;
    relayout();
}

TBorderKind TGradientCaption::BorderStyle() const
{
    if (borderStyleSet_ || !owner_)
        return borderStyle_;
    const bool resizable = isResizable(owner_);
    switch (owner_->windowType()) {
    case Qt::Tool: return resizable ? bkSizeToolWin : bkToolWindow;
    case Qt::Dialog:
    case Qt::Sheet: return resizable ? bkSizeable : bkDialog;
    default: return resizable ? bkSizeable : bkSingle;
    }
}

void TGradientCaption::setBorderStyle(TBorderKind value)
{
    borderStyle_ = value;
    borderStyleSet_ = true;
    relayout();
}

void TGradientCaption::resetBorderStyle()
{
    borderStyleSet_ = false;
    relayout();
}

bool TGradientCaption::paintsActive() const
{
    if (activeKnown_)
        return lastActive_;
    return owner_ && owner_->isActiveWindow();
}

void TGradientCaption::activationChanged(bool active)
{
    lastActive_ = active;
    activeKnown_ = true;
    update();
}

void TGradientCaption::loadCaptionFont()
{
    captionFont_ = platform::captionFont();
}

void TGradientCaption::reloadSystemSettings()
{
    loadCaptionFont();
    appNameText_->applyFontKind();
    captionText_->applyFontKind();
    companyText_->applyFontKind();
    systemMenuBox_->setIcon(systemMenuBoxIcon());
    relayout();
}

void TGradientCaption::relayout()
{
    const int height = currentLayout().height;
    if (height != lastHeight_) {
        lastHeight_ = height;
        updateGeometry();
        emit heightChanged();
    }
    layoutButtons();
    updateButtonStates();
    update();
}

void TGradientCaption::partChanged()
{
    update();
}

caption::CaptionMetrics TGradientCaption::metrics() const
{
    const QFontMetrics fm(captionFont_);
    caption::CaptionMetrics m;
    m.smallIcon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m.captionHeight = std::max(fm.height() + 5, m.smallIcon + 2);
    m.smallCaptionHeight = std::max(fm.height() + 1, m.smallIcon - 2);
    m.buttonWidth = m.captionHeight;
    m.smallButtonWidth = m.smallCaptionHeight;
    return m;
}

caption::CaptionWindow TGradientCaption::windowInfo() const
{
    caption::CaptionWindow info;
    info.border = BorderStyle();
    const Qt::WindowFlags flags = owner_ ? owner_->windowFlags() : Qt::WindowFlags();
    info.systemMenu = flags.testFlag(Qt::WindowSystemMenuHint);
    info.minimizeBox = flags.testFlag(Qt::WindowMinimizeButtonHint);
    info.maximizeBox = flags.testFlag(Qt::WindowMaximizeButtonHint);
    info.helpButton = flags.testFlag(Qt::WindowContextHelpButtonHint);
    info.newShell = newShell_;
    info.width = width();
    return info;
}

caption::CaptionLayout TGradientCaption::currentLayout() const
{
    // Right to left, the buttons sit on the left and the title starts on the right.
    const caption::CaptionLayout layout = caption::layoutCaption(windowInfo(), metrics());
    return layoutDirection() == Qt::RightToLeft ? caption::mirrored(layout, width()) : layout;
}

QRect TGradientCaption::fromReadingStart(const QRect &rect) const
{
    return layoutDirection() == Qt::RightToLeft ? caption::mirrored(rect, width()) : rect;
}

QSize TGradientCaption::sizeHint() const
{
    return {std::max(width(), 100), currentLayout().height};
}

QSize TGradientCaption::minimumSizeHint() const
{
    return {0, currentLayout().height};
}

QFont TGradientCaption::fitToCaptionHeight(const QFont &font) const
{
    // Measured as it would be drawn on a small scratch bitmap: the character
    // height is what the font really gets, which for fonts with fixed sizes
    // is not always what was asked for.
    QImage scratch(10, 10, QImage::Format_RGB32);
    const auto charHeight = [&scratch](const QFont &f) { return QFontInfo(QFont(f, &scratch)).pixelSize(); };
    const int captionHeight = charHeight(captionFont_);
    const int current = font.pixelSize() > 0 ? font.pixelSize() : charHeight(font);
    const int fitted = caption::fitPixelSize(current, captionHeight, [&](int size) {
        QFont trial = font;
        trial.setPixelSize(size);
        return charHeight(trial);
    });
    QFont result = font;
    result.setPixelSize(fitted);
    return result;
}

QIcon TGradientCaption::iconForPaint() const
{
    // The window's icon (Qt answers the application's when the window has
    // none), else the application's, else the desktop's generic one.
    QIcon icon = owner_ ? owner_->windowIcon() : QIcon();
    if (icon.isNull())
        icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_TitleBarMenuButton, nullptr, this);
    return icon;
}

void TGradientCaption::paintBar(QPainter &painter, bool active)
{
    const caption::CaptionLayout layout = currentLayout();
    if (layout.height <= 0)
        return;
    const QPalette palette = QGuiApplication::palette();
    const QColor background =
        platform::systemColor(active ? SystemColor::ActiveCaption : SystemColor::InactiveCaption, palette);

    // Around the title area (under the buttons) the strip has the plain
    // caption colour; the gradient ends in that colour at the title's right.
    painter.fillRect(QRect(0, 0, width(), layout.height), background);
    const QRect title = layout.title;
    // Planned as for left to right, then placed from the reading start.
    const QRect readingTitle = fromReadingStart(title);
    if (caption::paintsGradient(enabled_, active)) {
        const auto bands = caption::gradientBands(readingTitle.x(), readingTitle.width(), color_.resolve(palette).rgb(),
                                                  background.rgb(), numColors_);
        for (const caption::GradientBand &band : bands)
            if (band.width > 0)
                painter.fillRect(fromReadingStart(QRect(band.left, title.y(), band.width, title.height())),
                                 QColor::fromRgb(band.color));
    }

    captionText_->refresh();
    const std::array<TCompanyText *, 3> parts{companyText_.get(), appNameText_.get(), captionText_.get()};
    std::array<QString, 3> texts;
    std::array<caption::PartMeasure, 3> measures;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        texts[i] = caption::singleLine(parts[i]->Caption());
        const QFontMetrics fm(parts[i]->Font(), painter.device());
        measures[i] = {fm.horizontalAdvance(texts[i]) + 3, parts[i]->Visible(), texts[i].isEmpty()};
    }
    const caption::CaptionPlan plan =
        caption::planCaption(readingTitle, layout.showsIcon, metrics().smallIcon, measures, newShell_);

    painter.save();
    painter.setClipRect(title);
    if (!plan.icon.isEmpty())
        iconForPaint().paint(&painter, fromReadingStart(plan.icon));
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const caption::PartPlacement &place = plan.parts[i];
        if (!place.drawn || place.available <= 0)
            continue;
        const TCompanyText &part = *parts[i];
        const QFontMetrics fm(part.Font(), painter.device());
        const QRect box = fromReadingStart(QRect(place.textLeft, title.y(), place.available, title.height()));
        const QString shown =
            caption::elideRight(texts[i], place.available, [&fm](const QString &s) { return fm.horizontalAdvance(s); });
        painter.save();
        painter.setClipRect(box.intersected(title));
        painter.setFont(part.Font());
        painter.setPen((active ? part.ColorActive() : part.ColorInactive()).resolve(palette));
        const Qt::Alignment start = layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
        painter.drawText(box, start | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        painter.restore();
    }
    painter.restore();
}

void TGradientCaption::paintEvent(QPaintEvent *)
{
    // Composed off-screen, so that the window only ever shows a finished bar.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    if (buffer.isNull())
        return;
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        paintBar(painter, paintsActive());
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void TGradientCaption::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutButtons();
}

void TGradientCaption::changeEvent(QEvent *event)
{
    // The buttons change sides with the layout's direction.
    if (event->type() == QEvent::LayoutDirectionChange) {
        layoutButtons();
        update();
    }
    QWidget::changeEvent(event);
}

void TGradientCaption::layoutButtons()
{
    const caption::CaptionLayout layout = currentLayout();
    const auto place = [](QToolButton *button, const QRect &rect) {
        if (rect.isEmpty()) {
            button->hide();
            return;
        }
        button->setGeometry(rect);
        const int side = std::max(6, std::min(rect.width(), rect.height()) - 4);
        button->setIconSize(QSize(side, side));
        button->show();
    };
    place(minimizeButton_, layout.minimizeButton);
    place(maximizeButton_, layout.maximizeButton);
    place(closeButton_, layout.closeButton);
    place(helpButton_, layout.helpButton);
    place(systemMenuBox_, layout.systemMenuBox);
}

bool TGradientCaption::canMaximize() const
{
    return owner_ && owner_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint) && isResizable(owner_);
}

void TGradientCaption::updateButtonStates()
{
    if (!owner_)
        return;
    minimizeButton_->setEnabled(owner_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    maximizeButton_->setEnabled(canMaximize());
    const bool maximized = owner_->isMaximized();
    maximizeButton_->setIcon(
        titleBarIcon(this, maximized ? QStyle::SP_TitleBarNormalButton : QStyle::SP_TitleBarMaxButton));
    maximizeButton_->setToolTip(maximized ? tr("Restore") : tr("Maximize"));
}

void TGradientCaption::toggleMaximized()
{
    if (!canMaximize())
        return;
    if (owner_->isMaximized())
        owner_->showNormal();
    else
        owner_->showMaximized();
}

void TGradientCaption::showWindowMenu(const QPoint &globalPos)
{
    if (!owner_)
        return;
    if (!windowMenu_) {
        windowMenu_ = new QMenu(this);
        windowMenu_->setObjectName(QStringLiteral("windowMenu"));
    }
    windowMenu_->clear();
    const auto add = [this](const QString &text, bool enabled, void (QWidget::*action)()) {
        QAction *item = windowMenu_->addAction(text);
        item->setEnabled(enabled);
        connect(item, &QAction::triggered, this, [this, action] {
            if (owner_)
                (owner_->*action)();
        });
    };
    const bool maximized = owner_->isMaximized();
    add(tr("&Restore"), maximized || owner_->isMinimized(), &QWidget::showNormal);
    add(tr("Mi&nimize"), owner_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), &QWidget::showMinimized);
    add(tr("Ma&ximize"), canMaximize() && !maximized, &QWidget::showMaximized);
    windowMenu_->addSeparator();
    QAction *close = windowMenu_->addAction(tr("&Close") + QLatin1Char('\t') + QStringLiteral("Alt+F4"));
    connect(close, &QAction::triggered, this, [this] {
        if (owner_)
            owner_->close();
    });
    windowMenu_->popup(globalPos);
}

bool TGradientCaption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != owner_)
        return false;
    switch (event->type()) {
    case QEvent::ActivationChange: activationChanged(owner_->isActiveWindow()); break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange: update(); break;
    case QEvent::WindowStateChange:
        updateButtonStates();
        update();
        break;
    case QEvent::Show:
        // Flags and size limits may have changed while the window was hidden.
        relayout();
        break;
    case QEvent::ApplicationFontChange:
    case QEvent::ApplicationPaletteChange: reloadSystemSettings(); break;
    default: break;
    }
    return false;
}

void TGradientCaption::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !owner_) {
        QWidget::mousePressEvent(event);
        return;
    }
    const caption::CaptionLayout layout = currentLayout();
    const QRect icon = fromReadingStart(
        caption::planCaption(fromReadingStart(layout.title), layout.showsIcon, metrics().smallIcon, {}, newShell_)
            .icon);
    if (icon.contains(event->position().toPoint())) {
        showWindowMenu(mapToGlobal(QPoint(icon.left(), height())));
        return;
    }
    if (owner_->isMaximized() || owner_->isFullScreen())
        return;  // a maximised window stays where it is
    dragArmed_ = true;
    dragMoving_ = false;
    pressGlobal_ = event->globalPosition().toPoint();
    windowStart_ = owner_->pos();
}

void TGradientCaption::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragArmed_ || !(event->buttons() & Qt::LeftButton) || !owner_)
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (!dragMoving_) {
        // Waiting for the drag distance keeps a double-click a double-click.
        if ((global - pressGlobal_).manhattanLength() < QApplication::startDragDistance())
            return;
        // The window system moves the window where it can: it knows the
        // screens' edges, snapping and the keyboard.
        if (QWindow *handle = owner_->windowHandle(); handle && handle->startSystemMove()) {
            dragArmed_ = false;
            return;
        }
        dragMoving_ = true;
    }
    owner_->move(windowStart_ + (global - pressGlobal_));
}

void TGradientCaption::mouseReleaseEvent(QMouseEvent *event)
{
    dragArmed_ = false;
    dragMoving_ = false;
    QWidget::mouseReleaseEvent(event);
}

void TGradientCaption::mouseDoubleClickEvent(QMouseEvent *event)
{
    dragArmed_ = false;
    dragMoving_ = false;
    if (event->button() == Qt::LeftButton)
        toggleMaximized();
}

void TGradientCaption::contextMenuEvent(QContextMenuEvent *event)
{
    showWindowMenu(event->globalPos());
}
