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
    explicit ButtonTextGlyph(QIcon shape) : m_shape(std::move(shape)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const bool disabled = mode == QIcon::Disabled;
        QPixmap glyph = m_shape.pixmap(size, QIcon::Normal, state);
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
    QIconEngine *clone() const override { return new ButtonTextGlyph(m_shape); }

private:
    QIcon m_shape;
};

QIcon titleBarIcon(const QWidget *widget, QStyle::StandardPixmap picture)
{
    return QIcon(new ButtonTextGlyph(widget->style()->standardIcon(picture, nullptr, widget)));
}

}  // namespace

TGradientCaption::TGradientCaption(QWidget *owner) : QWidget(requireWindow(owner)), m_owner(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    loadCaptionFont();
    m_appNameText = std::make_unique<TAppNameText>(this);
    m_captionText = std::make_unique<TCaptionText>(this);
    m_companyText = std::make_unique<TCompanyText>(this);

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
    m_minimizeButton = makeButton("minimizeButton", standard(QStyle::SP_TitleBarMinButton), tr("Minimize"));
    m_maximizeButton = makeButton("maximizeButton", standard(QStyle::SP_TitleBarMaxButton), tr("Maximize"));
    m_closeButton = makeButton("closeButton", standard(QStyle::SP_TitleBarCloseButton), tr("Close"));
    m_helpButton = makeButton("helpButton", standard(QStyle::SP_TitleBarContextHelpButton), tr("Help"));
    m_systemMenuBox = makeButton("systemMenuBox", systemMenuBoxIcon(), tr("Window menu"));
    connect(m_minimizeButton, &QToolButton::clicked, this, [this] {
        if (m_owner)
            m_owner->showMinimized();
    });
    connect(m_maximizeButton, &QToolButton::clicked, this, &TGradientCaption::toggleMaximized);
    connect(m_closeButton, &QToolButton::clicked, this, [this] {
        if (m_owner)
            m_owner->close();
    });
    connect(m_helpButton, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(m_systemMenuBox, &QToolButton::clicked, this, [this] {
        showWindowMenu(mapToGlobal(m_systemMenuBox->geometry().bottomLeft() + QPoint(0, 1)));
    });

    m_lastHeight = currentLayout().height;
    resize(owner->width(), m_lastHeight);
    owner->installEventFilter(this);
    layoutButtons();
    updateButtonStates();
}

TGradientCaption::~TGradientCaption()
{
    if (m_owner)
        m_owner->removeEventFilter(this);
}

void TGradientCaption::setColor(const platform::ColorRef &value)
{
    m_color = value;
    update();
}

void TGradientCaption::setEnabled(TGradEnabled value)
{
    m_enabled = value;
    update();
}

void TGradientCaption::setNumColors(int value)
{
    m_numColors = caption::clampNumColors(m_numColors, value);
    update();
}

void TGradientCaption::setNewShell(bool value)
{
    m_newShell = value;
    relayout();
}

TBorderKind TGradientCaption::BorderStyle() const
{
    if (m_borderStyleSet || !m_owner)
        return m_borderStyle;
    const bool resizable = isResizable(m_owner);
    switch (m_owner->windowType()) {
    case Qt::Tool:
        return resizable ? bkSizeToolWin : bkToolWindow;
    case Qt::Dialog:
    case Qt::Sheet:
        return resizable ? bkSizeable : bkDialog;
    default:
        return resizable ? bkSizeable : bkSingle;
    }
}

void TGradientCaption::setBorderStyle(TBorderKind value)
{
    m_borderStyle = value;
    m_borderStyleSet = true;
    relayout();
}

void TGradientCaption::resetBorderStyle()
{
    m_borderStyleSet = false;
    relayout();
}

bool TGradientCaption::paintsActive() const
{
    if (m_activeKnown)
        return m_lastActive;
    return m_owner && m_owner->isActiveWindow();
}

void TGradientCaption::activationChanged(bool active)
{
    m_lastActive = active;
    m_activeKnown = true;
    update();
}

void TGradientCaption::loadCaptionFont()
{
    m_captionFont = platform::captionFont();
}

void TGradientCaption::reloadSystemSettings()
{
    loadCaptionFont();
    m_appNameText->applyFontKind();
    m_captionText->applyFontKind();
    m_companyText->applyFontKind();
    m_systemMenuBox->setIcon(systemMenuBoxIcon());
    relayout();
}

void TGradientCaption::relayout()
{
    const int height = currentLayout().height;
    if (height != m_lastHeight) {
        m_lastHeight = height;
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
    const QFontMetrics fm(m_captionFont);
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
    const Qt::WindowFlags flags = m_owner ? m_owner->windowFlags() : Qt::WindowFlags();
    info.systemMenu = flags.testFlag(Qt::WindowSystemMenuHint);
    info.minimizeBox = flags.testFlag(Qt::WindowMinimizeButtonHint);
    info.maximizeBox = flags.testFlag(Qt::WindowMaximizeButtonHint);
    info.helpButton = flags.testFlag(Qt::WindowContextHelpButtonHint);
    info.newShell = m_newShell;
    info.width = width();
    return info;
}

caption::CaptionLayout TGradientCaption::currentLayout() const
{
    return caption::layoutCaption(windowInfo(), metrics());
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
    const int captionHeight = charHeight(m_captionFont);
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
    QIcon icon = m_owner ? m_owner->windowIcon() : QIcon();
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
    if (caption::paintsGradient(m_enabled, active)) {
        const auto bands = caption::gradientBands(title.x(), title.width(), m_color.resolve(palette).rgb(),
                                                  background.rgb(), m_numColors);
        for (const caption::GradientBand &band : bands)
            if (band.width > 0)
                painter.fillRect(QRect(band.left, title.y(), band.width, title.height()), QColor::fromRgb(band.color));
    }

    m_captionText->refresh();
    const std::array<TCompanyText *, 3> parts{m_companyText.get(), m_appNameText.get(), m_captionText.get()};
    std::array<QString, 3> texts;
    std::array<caption::PartMeasure, 3> measures;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        texts[i] = caption::singleLine(parts[i]->Caption());
        const QFontMetrics fm(parts[i]->Font(), painter.device());
        measures[i] = {fm.horizontalAdvance(texts[i]) + 3, parts[i]->Visible(), texts[i].isEmpty()};
    }
    const caption::CaptionPlan plan =
        caption::planCaption(title, layout.showsIcon, metrics().smallIcon, measures, m_newShell);

    painter.save();
    painter.setClipRect(title);
    if (!plan.icon.isEmpty())
        iconForPaint().paint(&painter, plan.icon);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const caption::PartPlacement &place = plan.parts[i];
        if (!place.drawn || place.available <= 0)
            continue;
        const TCompanyText &part = *parts[i];
        const QFontMetrics fm(part.Font(), painter.device());
        const QRect box(place.textLeft, title.y(), place.available, title.height());
        const QString shown =
            caption::elideRight(texts[i], place.available, [&fm](const QString &s) { return fm.horizontalAdvance(s); });
        painter.save();
        painter.setClipRect(box.intersected(title));
        painter.setFont(part.Font());
        painter.setPen((active ? part.ColorActive() : part.ColorInactive()).resolve(palette));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
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
    place(m_minimizeButton, layout.minimizeButton);
    place(m_maximizeButton, layout.maximizeButton);
    place(m_closeButton, layout.closeButton);
    place(m_helpButton, layout.helpButton);
    place(m_systemMenuBox, layout.systemMenuBox);
}

bool TGradientCaption::canMaximize() const
{
    return m_owner && m_owner->windowFlags().testFlag(Qt::WindowMaximizeButtonHint) && isResizable(m_owner);
}

void TGradientCaption::updateButtonStates()
{
    if (!m_owner)
        return;
    m_minimizeButton->setEnabled(m_owner->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    m_maximizeButton->setEnabled(canMaximize());
    const bool maximized = m_owner->isMaximized();
    m_maximizeButton->setIcon(
        titleBarIcon(this, maximized ? QStyle::SP_TitleBarNormalButton : QStyle::SP_TitleBarMaxButton));
    m_maximizeButton->setToolTip(maximized ? tr("Restore") : tr("Maximize"));
}

void TGradientCaption::toggleMaximized()
{
    if (!canMaximize())
        return;
    if (m_owner->isMaximized())
        m_owner->showNormal();
    else
        m_owner->showMaximized();
}

void TGradientCaption::showWindowMenu(const QPoint &globalPos)
{
    if (!m_owner)
        return;
    if (!m_windowMenu) {
        m_windowMenu = new QMenu(this);
        m_windowMenu->setObjectName(QStringLiteral("windowMenu"));
    }
    m_windowMenu->clear();
    const auto add = [this](const QString &text, bool enabled, void (QWidget::*action)()) {
        QAction *item = m_windowMenu->addAction(text);
        item->setEnabled(enabled);
        connect(item, &QAction::triggered, this, [this, action] {
            if (m_owner)
                (m_owner->*action)();
        });
    };
    const bool maximized = m_owner->isMaximized();
    add(tr("&Restore"), maximized || m_owner->isMinimized(), &QWidget::showNormal);
    add(tr("Mi&nimize"), m_owner->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), &QWidget::showMinimized);
    add(tr("Ma&ximize"), canMaximize() && !maximized, &QWidget::showMaximized);
    m_windowMenu->addSeparator();
    QAction *close = m_windowMenu->addAction(tr("&Close") + QLatin1Char('\t') + QStringLiteral("Alt+F4"));
    connect(close, &QAction::triggered, this, [this] {
        if (m_owner)
            m_owner->close();
    });
    m_windowMenu->popup(globalPos);
}

bool TGradientCaption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_owner)
        return false;
    switch (event->type()) {
    case QEvent::ActivationChange:
        activationChanged(m_owner->isActiveWindow());
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        update();
        break;
    case QEvent::WindowStateChange:
        updateButtonStates();
        update();
        break;
    case QEvent::Show:
        // Flags and size limits may have changed while the window was hidden.
        relayout();
        break;
    case QEvent::ApplicationFontChange:
    case QEvent::ApplicationPaletteChange:
        reloadSystemSettings();
        break;
    default:
        break;
    }
    return false;
}

void TGradientCaption::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_owner) {
        QWidget::mousePressEvent(event);
        return;
    }
    const caption::CaptionLayout layout = currentLayout();
    const QRect icon = caption::planCaption(layout.title, layout.showsIcon, metrics().smallIcon, {}, m_newShell).icon;
    if (icon.contains(event->position().toPoint())) {
        showWindowMenu(mapToGlobal(QPoint(icon.left(), height())));
        return;
    }
    if (m_owner->isMaximized() || m_owner->isFullScreen())
        return;  // a maximised window stays where it is
    m_dragArmed = true;
    m_dragMoving = false;
    m_pressGlobal = event->globalPosition().toPoint();
    m_windowStart = m_owner->pos();
}

void TGradientCaption::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragArmed || !(event->buttons() & Qt::LeftButton) || !m_owner)
        return;
    const QPoint global = event->globalPosition().toPoint();
    if (!m_dragMoving) {
        // Waiting for the drag distance keeps a double-click a double-click.
        if ((global - m_pressGlobal).manhattanLength() < QApplication::startDragDistance())
            return;
        // The window system moves the window where it can: it knows the
        // screens' edges, snapping and the keyboard.
        if (QWindow *handle = m_owner->windowHandle(); handle && handle->startSystemMove()) {
            m_dragArmed = false;
            return;
        }
        m_dragMoving = true;
    }
    m_owner->move(m_windowStart + (global - m_pressGlobal));
}

void TGradientCaption::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragArmed = false;
    m_dragMoving = false;
    QWidget::mouseReleaseEvent(event);
}

void TGradientCaption::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_dragArmed = false;
    m_dragMoving = false;
    if (event->button() == Qt::LeftButton)
        toggleMaximized();
}

void TGradientCaption::contextMenuEvent(QContextMenuEvent *event)
{
    showWindowMenu(event->globalPos());
}
