#include "controls/CaptionHost.h"
#include "controls/CaptionLogic.h"
#include "controls/GradCaption.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

using namespace caption;

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Navy = qRgb(0, 0, 128);
const QRgb Grey = qRgb(128, 128, 128);

// Every character 5 pixels wide, the ellipsis too.
int fiveEach(const QString &text)
{
    return int(text.size()) * 5;
}

std::array<PartMeasure, 3> parts(int company, int appName, int captionWidth)
{
    return {PartMeasure{company, true, false}, PartMeasure{appName, true, false},
            PartMeasure{captionWidth, true, false}};
}

}  // namespace

// ----------------------------------------------------------------------------
// Arithmetic, no window

TEST(CaptionArithmetic, OneColourIsTheStartColourAndTwoSplitTheWidth)
{
    EXPECT_EQ(gradientBands(10, 300, Red, Navy, 1), (std::vector<GradientBand>{{10, 300, Red}}));
    EXPECT_EQ(gradientBands(0, 101, Red, Navy, 2), (std::vector<GradientBand>{{0, 51, Red}, {51, 50, Navy}}));
}

TEST(CaptionArithmetic, BandsTileTheWidthWithColoursStepwiseFromStartToEnd)
{
    for (const int n : {64, 256}) {
        SCOPED_TRACE(n);
        const int width = 400;
        const auto bands = gradientBands(7, width, qRgb(0, 200, 10), qRgb(255, 0, 10), n);
        ASSERT_EQ(int(bands.size()), n);
        EXPECT_EQ(bands.front().color, qRgb(0, 200, 10));
        EXPECT_EQ(bands.back().color, qRgb(255, 0, 10));
        int x = 7;
        for (int i = 0; i < n; ++i) {
            const GradientBand &band = bands[std::size_t(i)];
            EXPECT_EQ(band.left, x);
            EXPECT_GE(band.width, width / n);
            EXPECT_LE(band.width, width / n + 1);
            // Each step goes the same way as the whole, by about an even share.
            if (i > 0) {
                const QRgb before = bands[std::size_t(i - 1)].color;
                EXPECT_GE(qRed(band.color) - qRed(before), 255 / (n - 1));
                EXPECT_LE(qRed(band.color) - qRed(before), 255 / (n - 1) + 1);
                EXPECT_LE(qGreen(band.color) - qGreen(before), -(200 / (n - 1)));
                EXPECT_GE(qGreen(band.color) - qGreen(before), -(200 / (n - 1)) - 1);
            }
            EXPECT_EQ(qBlue(band.color), 10);
            x += band.width;
        }
        EXPECT_EQ(x, 7 + width);
    }
}

TEST(CaptionArithmetic, MoreColoursThanPixelsGiveEmptyAndSinglePixelBands)
{
    const auto bands = gradientBands(0, 100, Red, Navy, 256);
    int covered = 0, empty = 0;
    for (const GradientBand &band : bands) {
        EXPECT_TRUE(band.width == 0 || band.width == 1);
        covered += band.width;
        empty += band.width == 0;
    }
    EXPECT_EQ(covered, 100);
    EXPECT_EQ(empty, 156);
    EXPECT_EQ(bands.back().color, Navy);
}

// The buttons a window's kind has, left to right at the bar's right end,
// inside the bar, apart from each other, and the title ending before them.
TEST(CaptionLayoutRules, ButtonsAreTakenOffTheRightOfTheTitle)
{
    const CaptionMetrics m{20, 16, 20, 16, 16};
    const struct {
        TBorderKind border;
        bool helpButton;
        int height;
        bool minMax, icon;
    } cases[] = {
        {bkSizeable, false, 20, true, true},
        {bkToolWindow, false, 16, false, false},
        {bkDialog, true, 20, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.border));
        CaptionWindow window;
        window.width = 400;
        window.border = c.border;
        window.helpButton = c.helpButton;
        const CaptionLayout l = layoutCaption(window, m);
        EXPECT_EQ(l.height, c.height);
        EXPECT_EQ(l.showsIcon, c.icon);
        EXPECT_TRUE(l.systemMenuBox.isEmpty());
        const QRect bar(0, 0, window.width, l.height);
        ASSERT_FALSE(l.closeButton.isEmpty());
        EXPECT_TRUE(bar.contains(l.closeButton));
        EXPECT_GE(bar.right() - l.closeButton.right(), 0);
        EXPECT_LE(bar.right() - l.closeButton.right(), 4);
        EXPECT_EQ(l.minimizeButton.isEmpty(), !c.minMax);
        EXPECT_EQ(l.maximizeButton.isEmpty(), !c.minMax);
        int firstButton = l.closeButton.left();
        if (c.minMax) {
            EXPECT_TRUE(bar.contains(l.minimizeButton) && bar.contains(l.maximizeButton));
            EXPECT_LT(l.maximizeButton.right(), l.closeButton.left());
            EXPECT_LT(l.minimizeButton.right(), l.maximizeButton.left());
            firstButton = l.minimizeButton.left();
        }
        EXPECT_LT(l.title.right(), firstButton);
        EXPECT_GT(l.title.width(), window.width / 2);
    }
    CaptionWindow none;
    none.width = 400;
    none.border = bkNone;
    EXPECT_EQ(layoutCaption(none, m).height, 0);
    EXPECT_TRUE(layoutCaption(none, m).title.isEmpty());
}

TEST(CaptionLayoutRules, OlderShellHasASystemMenuBoxAndNoCloseButton)
{
    const CaptionMetrics m{20, 16, 20, 16, 16};
    CaptionWindow window;
    window.width = 400;
    window.newShell = false;
    const CaptionLayout old = layoutCaption(window, m);
    EXPECT_TRUE(old.closeButton.isEmpty());
    EXPECT_FALSE(old.showsIcon);
    EXPECT_EQ(old.systemMenuBox, QRect(0, 0, 20, 20));
    EXPECT_EQ(old.title, QRect(20, 0, 400 - 20 - 40, 20));
}

TEST(CaptionLayoutRules, ATooNarrowTitleKeepsTwoPixels)
{
    CaptionWindow window;
    window.width = 30;
    const CaptionLayout narrow = layoutCaption(window, CaptionMetrics{20, 16, 20, 16, 16});
    EXPECT_EQ(narrow.title.left(), 0);
    EXPECT_EQ(narrow.title.width(), 2);
}

TEST(CaptionTextFitting, CompanyGoesFirstThenApplicationName)
{
    const QRect title(0, 0, 200, 20);
    // All three fit only while their sum stays below the width.
    CaptionPlan plan = planCaption(title, false, 16, parts(50, 60, 89), true);
    EXPECT_TRUE(plan.parts[piCompany].drawn && plan.parts[piAppName].drawn && plan.parts[piCaption].drawn);
    EXPECT_EQ(plan.parts[piCompany].textLeft, 3);
    EXPECT_EQ(plan.parts[piAppName].textLeft, 50 + 3);
    EXPECT_EQ(plan.parts[piCaption].textLeft, 110 + 3);
    EXPECT_EQ(plan.parts[piCaption].available, 200 - 113);

    plan = planCaption(title, false, 16, parts(50, 60, 90), true);
    EXPECT_FALSE(plan.parts[piCompany].kept);
    EXPECT_TRUE(plan.parts[piAppName].drawn);
    EXPECT_EQ(plan.parts[piAppName].textLeft, 3);
    EXPECT_EQ(plan.total, 150);

    plan = planCaption(title, false, 16, parts(50, 110, 90), true);
    EXPECT_FALSE(plan.parts[piCompany].kept);
    EXPECT_FALSE(plan.parts[piAppName].kept);
    EXPECT_TRUE(plan.parts[piCaption].drawn);
    EXPECT_EQ(plan.parts[piCaption].textLeft, 3);

    // The caption is drawn even when it alone is wider than the title.
    plan = planCaption(title, false, 16, parts(10, 10, 500), true);
    EXPECT_TRUE(plan.parts[piCaption].drawn);
    EXPECT_EQ(plan.parts[piCaption].available, 197);
}

TEST(CaptionTextFitting, InvisiblePartsCountButAreNotDrawn)
{
    const QRect title(0, 0, 200, 20);
    auto measures = parts(50, 120, 40);
    measures[piAppName].visible = false;
    const CaptionPlan plan = planCaption(title, false, 16, measures, true);
    // The hidden application name pushes the company text out ...
    EXPECT_FALSE(plan.parts[piCompany].kept);
    EXPECT_TRUE(plan.parts[piAppName].kept);
    EXPECT_FALSE(plan.parts[piAppName].drawn);
    // ... and takes no room itself.
    EXPECT_EQ(plan.parts[piCaption].textLeft, 3);

    // An empty company text measures 3 and is not drawn; a hidden caption is not drawn either.
    auto emptyCompany = parts(3, 40, 40);
    emptyCompany[piCompany].empty = true;
    emptyCompany[piCaption].visible = false;
    const CaptionPlan second = planCaption(title, false, 16, emptyCompany, true);
    EXPECT_TRUE(second.parts[piCompany].kept);
    EXPECT_FALSE(second.parts[piCompany].drawn);
    EXPECT_EQ(second.parts[piAppName].textLeft, 3);
    EXPECT_FALSE(second.parts[piCaption].drawn);
}

TEST(CaptionTextFitting, OlderShellCentresIncludingInvisibleParts)
{
    const QRect title(20, 0, 201, 20);
    auto measures = parts(40, 30, 60);
    measures[piAppName].visible = false;
    const CaptionPlan plan = planCaption(title, false, 16, measures, false);
    // (201 - 130) / 2 = 35, rounded towards zero; the hidden part still counts in 130.
    EXPECT_EQ(plan.parts[piCompany].textLeft, 20 + 35 + 3);
    EXPECT_EQ(plan.parts[piCaption].textLeft, 20 + 35 + 40 + 3);

    // Nothing is centred when the kept texts fill the title.
    const CaptionPlan full = planCaption(title, false, 16, parts(10, 10, 400), false);
    EXPECT_EQ(full.parts[piCaption].textLeft, 20 + 3);
}

TEST(CaptionTextFitting, IconComesBeforeTheTexts)
{
    const CaptionPlan plan = planCaption(QRect(4, 0, 300, 20), true, 16, parts(20, 20, 20), true);
    EXPECT_EQ(plan.icon, QRect(4 + 2, 2, 16, 16));
    EXPECT_EQ(plan.parts[piCompany].textLeft, 4 + 1 + 16 + 1 + 3);
}

TEST(CaptionTextFitting, ElisionCutsAtTheEndWithAnEllipsis)
{
    EXPECT_EQ(elideRight(QStringLiteral("Archive"), 35, fiveEach), QStringLiteral("Archive"));
    EXPECT_EQ(elideRight(QStringLiteral("Archive"), 34, fiveEach), QStringLiteral("Archi\u2026"));
    EXPECT_EQ(elideRight(QStringLiteral("Archive"), 10, fiveEach), QStringLiteral("A\u2026"));
    EXPECT_EQ(elideRight(QStringLiteral("Archive"), 3, fiveEach), QStringLiteral("\u2026"));
    // An accent stays with its letter.
    EXPECT_EQ(elideRight(QStringLiteral("ae\u0301bc"), 15, fiveEach), QStringLiteral("a\u2026"));
    EXPECT_EQ(singleLine(QStringLiteral("a\nb\r\nc")), QStringLiteral("a b  c"));
}

TEST(CaptionTextFitting, FontHeightIsCorrectedOnceAndAgainIfStillTooTall)
{
    // A scalable font: one correction is exact.
    EXPECT_EQ(fitPixelSize(30, 13, [](int size) { return size; }), 13);
    // A font that renders two pixels taller than asked.
    EXPECT_EQ(fitPixelSize(20, 13, [](int size) { return size + 2; }), 11);
    // A font with fixed sizes 10, 14 and 18 that picks the nearest: asked
    // for 13 it gives 14, so the second step takes one pixel more.
    const auto fixedSizes = [](int size) { return size <= 12 ? 10 : size <= 16 ? 14 : 18; };
    EXPECT_EQ(fitPixelSize(18, 13, fixedSizes), 12);
}

TEST(WindowEdges, EdgesAndCornersNearTheBorder)
{
    const QSize size(300, 200);
    EXPECT_EQ(edgesAt({150, 100}, size, 6, 16), Qt::Edges());
    EXPECT_EQ(edgesAt({2, 100}, size, 6, 16), Qt::LeftEdge);
    EXPECT_EQ(edgesAt({297, 100}, size, 6, 16), Qt::RightEdge);
    EXPECT_EQ(edgesAt({150, 0}, size, 6, 16), Qt::TopEdge);
    EXPECT_EQ(edgesAt({150, 199}, size, 6, 16), Qt::BottomEdge);
    EXPECT_EQ(edgesAt({1, 10}, size, 6, 16), Qt::LeftEdge | Qt::TopEdge);
    EXPECT_EQ(edgesAt({290, 198}, size, 6, 16), Qt::RightEdge | Qt::BottomEdge);
    EXPECT_EQ(edgesAt({300, 100}, size, 6, 16), Qt::Edges());
}

TEST(WindowEdges, ResizingKeepsTheOppositeEdgesAndTheLimits)
{
    const QRect start(100, 100, 300, 200);
    EXPECT_EQ(resizedGeometry(start, Qt::RightEdge, {50, 30}, {0, 0}, {1000, 1000}), QRect(100, 100, 350, 200));
    EXPECT_EQ(resizedGeometry(start, Qt::LeftEdge | Qt::TopEdge, {-20, 10}, {0, 0}, {1000, 1000}),
              QRect(80, 110, 320, 190));
    // The right edge stays put when the minimum width stops the left one.
    EXPECT_EQ(resizedGeometry(start, Qt::LeftEdge, {250, 0}, {120, 50}, {1000, 1000}), QRect(280, 100, 120, 200));
    EXPECT_EQ(resizedGeometry(start, Qt::BottomEdge, {0, 900}, {0, 0}, {1000, 400}), QRect(100, 100, 300, 400));
}

// ----------------------------------------------------------------------------
// The bar on a window

namespace {

class CaptionBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedPalette = QApplication::palette();
        savedFont = QApplication::font();
        QPalette palette = savedPalette;
        palette.setColor(QPalette::Active, QPalette::Highlight, QColor(Navy));
        palette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
        palette.setColor(QPalette::Inactive, QPalette::Dark, QColor(Grey));
        palette.setColor(QPalette::Inactive, QPalette::Light, QColor(192, 192, 192));
        QApplication::setPalette(palette);
        owner = std::make_unique<QWidget>();
        owner->resize(400, 200);
        bar = new TGradientCaption(owner.get());
        bar->resize(400, bar->sizeHint().height());
    }
    void TearDown() override
    {
        owner.reset();
        QApplication::setPalette(savedPalette);
        QApplication::setFont(savedFont);
        QCoreApplication::sendPostedEvents();
    }

    QImage image(bool active)
    {
        bar->activationChanged(active);
        return bar->grab().toImage();
    }
    // Whether any pixel of the rows of the strip in [x0, x1) has `color`.
    static bool contains(const QImage &image, int x0, int x1, QRgb color)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = std::max(0, x0); x < std::min(x1, image.width()); ++x)
                if ((image.pixel(x, y) & 0xffffff) == (color & 0xffffff))
                    return true;
        return false;
    }

    QPalette savedPalette;
    QFont savedFont;
    std::unique_ptr<QWidget> owner;
    TGradientCaption *bar = nullptr;
};

}  // namespace

TEST_F(CaptionBar, OwnerMustBeAWindow)
{
    QWidget child(owner.get());
    EXPECT_THROW(TGradientCaption{&child}, std::invalid_argument);
    EXPECT_THROW(TGradientCaption{nullptr}, std::invalid_argument);
}

TEST_F(CaptionBar, NumColorsLimits)
{
    bar->setNumColors(300);
    EXPECT_EQ(bar->NumColors(), 256);
    bar->setNumColors(0);
    bar->setNumColors(-5);
    EXPECT_EQ(bar->NumColors(), 256);
}

TEST_F(CaptionBar, FontKindsDeriveFromTheCaptionFont)
{
    TCompanyText *part = bar->CompanyText();
    part->setFontKind(fkSystemBI);
    EXPECT_TRUE(part->Font().bold());
    EXPECT_TRUE(part->Font().italic());
    EXPECT_EQ(part->Font().family(), bar->CaptionFont().family());
    part->setFontKind(fkSystemI);
    EXPECT_TRUE(part->Font().italic());

    QFont custom(QStringLiteral("Monospace"));
    custom.setPixelSize(30);
    part->setFont(custom);
    EXPECT_EQ(part->FontKind(), fkCustom);
    EXPECT_EQ(part->Font().pixelSize(), 30);

    // Auto height keeps the face and takes the caption font's character height.
    const int captionHeight = QFontInfo(bar->CaptionFont()).pixelSize();
    part->setFontKind(fkAutoHeight);
    EXPECT_EQ(part->FontKind(), fkAutoHeight);
    EXPECT_EQ(part->Font().family(), custom.family());
    EXPECT_EQ(part->Font().pixelSize(), captionHeight);
    custom.setPixelSize(8);
    part->setFont(custom);
    EXPECT_EQ(part->FontKind(), fkAutoHeight);
    EXPECT_EQ(part->Font().pixelSize(), captionHeight);
}

TEST_F(CaptionBar, CaptionTextIsTheOwnersTitle)
{
    bar->CaptionText()->setCaption(QStringLiteral("Archive.zip"));
    EXPECT_EQ(owner->windowTitle(), QStringLiteral("Archive.zip"));
    owner->setWindowTitle(QStringLiteral("Other"));
    EXPECT_EQ(bar->CaptionText()->Caption(), QStringLiteral("Other"));
}

TEST_F(CaptionBar, PaintsTheGradientFromColorToTheCaptionColour)
{
    bar->setColor(QColor(Red));
    const CaptionLayout layout = bar->currentLayout();
    const QRect title = layout.title;
    const QImage active = image(true);
    // Row 0 is above icon and texts.
    EXPECT_EQ(active.pixel(title.left(), 0) & 0xffffff, Red & 0xffffff);
    EXPECT_EQ(active.pixel(title.right(), 0) & 0xffffff, Navy & 0xffffff);
    const auto bands = gradientBands(title.left(), title.width(), Red, Navy, 64);
    const GradientBand &middle = bands[32];
    EXPECT_EQ(active.pixel(middle.left, 0), bands[32].color);
    EXPECT_EQ(active.pixel(middle.left + middle.width - 1, title.height() - 1), bands[32].color);
    // Under the buttons the strip has the plain caption colour.
    EXPECT_EQ(active.pixel(bar->width() - 1, 0), Navy);

    // Inactive: the same gradient, ending in the inactive caption colour.
    const QImage inactive = image(false);
    EXPECT_EQ(inactive.pixel(title.left(), 0), Red);
    EXPECT_EQ(inactive.pixel(title.right(), 0), Grey);

    bar->setNumColors(1);
    EXPECT_EQ(image(true).pixel(title.right(), 0), Red);
}

// Right to left, the bar reads from the right: icon and gradient start there,
// the buttons sit on the left.
TEST_F(CaptionBar, RightToLeftTheBarIsMirrored)
{
    QPixmap magenta(16, 16);
    magenta.fill(QColor(255, 0, 255));
    owner->setWindowIcon(QIcon(magenta));
    bar->setColor(QColor(Red));
    owner->setLayoutDirection(Qt::RightToLeft);
    bar->resize(400, bar->sizeHint().height());
    const CaptionLayout layout = bar->currentLayout();
    const auto *close = bar->findChild<QToolButton *>(QStringLiteral("closeButton"));
    EXPECT_LT(close->geometry().right(), 30);
    EXPECT_EQ(layout.title.right(), bar->width() - 1);
    const QImage active = image(true);
    EXPECT_EQ(active.pixel(layout.title.right(), 0) & 0xffffff, Red & 0xffffff);
    EXPECT_EQ(active.pixel(layout.title.left(), 0) & 0xffffff, Navy & 0xffffff);
    EXPECT_TRUE(contains(active, bar->width() - 24, bar->width(), qRgb(255, 0, 255)));
    EXPECT_FALSE(contains(active, 0, bar->width() / 2, qRgb(255, 0, 255)));
}

TEST_F(CaptionBar, SolidFillWhenTheGradientIsOff)
{
    bar->setColor(QColor(Red));
    const QRect title = bar->currentLayout().title;
    bar->setEnabled(geWhenActive);
    EXPECT_EQ(image(true).pixel(title.left(), 0), Red);
    EXPECT_EQ(image(false).pixel(title.left(), 0), Grey);
    EXPECT_EQ(image(false).pixel(title.right(), 0), Grey);
    bar->setEnabled(geNever);
    EXPECT_EQ(image(true).pixel(title.left(), 0), Navy);
    EXPECT_EQ(image(false).pixel(title.left(), 0), Grey);
}

TEST_F(CaptionBar, TextsAreDrawnInTheirColoursAndDroppedWhenNarrow)
{
    const QRgb green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), yellow = qRgb(255, 255, 0);
    bar->setColor(QColor(Navy));  // no gradient in the way of the colour checks
    bar->CompanyText()->setCaption(QStringLiteral("Company"));
    bar->CompanyText()->setColorActive(QColor(yellow));
    bar->AppNameText()->setCaption(QStringLiteral("Application"));
    bar->AppNameText()->setColorActive(QColor(green));
    bar->AppNameText()->setColorInactive(QColor(green));
    bar->CaptionText()->setCaption(QStringLiteral("Title"));
    bar->CaptionText()->setColorActive(QColor(blue));

    QImage wide = image(true);
    EXPECT_TRUE(contains(wide, 0, wide.width(), yellow));
    EXPECT_TRUE(contains(wide, 0, wide.width(), green));
    EXPECT_TRUE(contains(wide, 0, wide.width(), blue));
    EXPECT_FALSE(contains(image(false), 0, wide.width(), blue));  // the inactive colour is used

    // Just wide enough for the application name and the caption.
    const QFontMetrics fm(bar->CaptionFont());
    const int needed =
        fm.horizontalAdvance(QStringLiteral("Application")) + fm.horizontalAdvance(QStringLiteral("Title")) + 6;
    const int buttons = 400 - bar->currentLayout().title.width();
    bar->resize(needed + buttons + 18 + 4, bar->height());
    QImage narrow = image(true);
    EXPECT_FALSE(contains(narrow, 0, narrow.width(), yellow));
    EXPECT_TRUE(contains(narrow, 0, narrow.width(), green));
    EXPECT_TRUE(contains(narrow, 0, narrow.width(), blue));

    // Hiding the application name does not bring the company text back.
    bar->AppNameText()->setVisible(false);
    narrow = image(true);
    EXPECT_FALSE(contains(narrow, 0, narrow.width(), yellow));
    EXPECT_FALSE(contains(narrow, 0, narrow.width(), green));
}

TEST_F(CaptionBar, IconOnTheCurrentShellCentredTextsOnTheOlderOne)
{
    QPixmap magenta(16, 16);
    magenta.fill(QColor(255, 0, 255));
    owner->setWindowIcon(QIcon(magenta));
    const CaptionLayout layout = bar->currentLayout();
    const QRect icon = planCaption(layout.title, true, 16, {}, true).icon;
    EXPECT_EQ(image(true).pixel(icon.center()), qRgb(255, 0, 255));
    EXPECT_FALSE(bar->findChild<QToolButton *>(QStringLiteral("closeButton"))->isHidden());

    bar->setNewShell(false);
    bar->CaptionText()->setCaption(QStringLiteral("Title"));
    bar->CaptionText()->setColorActive(QColor(0, 255, 0));
    const QImage old = image(true);
    EXPECT_FALSE(contains(old, 0, old.width(), qRgb(255, 0, 255)));
    EXPECT_TRUE(bar->findChild<QToolButton *>(QStringLiteral("closeButton"))->isHidden());
    EXPECT_FALSE(bar->findChild<QToolButton *>(QStringLiteral("systemMenuBox"))->isHidden());
    // Centred: no text in the left quarter of the title.
    const QRect title = bar->currentLayout().title;
    EXPECT_FALSE(contains(old, title.left(), title.left() + title.width() / 4, qRgb(0, 255, 0)));
    EXPECT_TRUE(contains(old, title.left(), title.right(), qRgb(0, 255, 0)));
}

TEST_F(CaptionBar, ActiveStateFollowsTheOwnersActivation)
{
    // Before any activation change the bar asks the window.
    EXPECT_EQ(bar->paintsActive(), owner->isActiveWindow());
    owner->show();
    QApplication::setActiveWindow(owner.get());
    ASSERT_TRUE(owner->isActiveWindow());
    EXPECT_TRUE(bar->paintsActive());
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_FALSE(bar->paintsActive());
    const QRect title = bar->currentLayout().title;
    EXPECT_EQ(bar->grab().toImage().pixel(title.right(), 0), Grey);
}

TEST_F(CaptionBar, DesktopFontAndPaletteChangesAreTakenUp)
{
    bar->AppNameText()->setFontKind(fkSystemB);
    QFont custom(QStringLiteral("Monospace"));
    custom.setPixelSize(9);
    bar->CompanyText()->setFont(custom);
    QSignalSpy heightChanged(bar, &TGradientCaption::heightChanged);
    const int oldHeight = bar->sizeHint().height();

    QFont larger = QApplication::font();
    larger.setPixelSize(QFontInfo(larger).pixelSize() + 10);
    QApplication::setFont(larger);
    QCoreApplication::sendPostedEvents();  // the change reaches the windows as a posted event
    EXPECT_EQ(QFontInfo(bar->CaptionFont()).pixelSize(), larger.pixelSize());
    EXPECT_EQ(bar->AppNameText()->Font().pixelSize(), larger.pixelSize());
    EXPECT_TRUE(bar->AppNameText()->Font().bold());
    EXPECT_EQ(bar->CompanyText()->Font().pixelSize(), 9);
    EXPECT_GT(bar->sizeHint().height(), oldHeight);
    EXPECT_EQ(heightChanged.count(), 1);

    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(Red));
    QApplication::setPalette(palette);
    QCoreApplication::sendPostedEvents();
    bar->resize(400, bar->sizeHint().height());
    EXPECT_EQ(image(true).pixel(bar->currentLayout().title.right(), 0), Red);
}

// The style draws its glyphs dark whatever the palette; on a dark desktop
// they must still show on the buttons, also when the palette changes later.
TEST_F(CaptionBar, ButtonGlyphsStandOutFromDarkButtons)
{
    const QPalette dark(QColor(53, 53, 53));
    QApplication::setPalette(dark);
    QCoreApplication::sendPostedEvents();
    for (const char *name : {"minimizeButton", "maximizeButton", "closeButton"}) {
        const auto *button = bar->findChild<QToolButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        const QImage glyph = button->icon().pixmap(16).toImage();
        int lightness = 0, drawn = 0;
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x)
                if (qAlpha(glyph.pixel(x, y)) > 128) {
                    lightness += QColor(glyph.pixel(x, y)).lightness();
                    ++drawn;
                }
        ASSERT_GT(drawn, 0) << name;
        EXPECT_GE(lightness / drawn - dark.color(QPalette::Button).lightness(), 100) << name;
    }
}

// ----------------------------------------------------------------------------
// Installed on a main window

namespace {

class InstalledBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QMainWindow>();
        menuBar = window->menuBar();
        menuBar->addMenu(QStringLiteral("&File"));
        window->setCentralWidget(new QLabel(QStringLiteral("contents")));
        window->resize(457, 346);
        window->move(100, 100);
        bar = installCaptionBar(window.get());
        bar->CompanyText()->setCaption(QStringLiteral("Orvex 97"));
        bar->CompanyText()->setFontKind(fkSystemBI);
        bar->AppNameText()->setCaption(QStringLiteral("by Tolvane"));
        bar->AppNameText()->setFontKind(fkSystemB);
        bar->CaptionText()->setCaption(QStringLiteral(" "));
        window->show();
        QCoreApplication::sendPostedEvents();
    }

    void mouse(QObject *target, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButtons buttons)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    std::unique_ptr<QMainWindow> window;
    QMenuBar *menuBar = nullptr;
    TGradientCaption *bar = nullptr;
};

}  // namespace

TEST_F(InstalledBar, SitsAboveTheMenuBarInAFramelessWindow)
{
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->menuBar(), menuBar);  // still the window's own menu bar
    const int frame = CaptionFrameWidth;
    EXPECT_EQ(bar->geometry(), QRect(frame, frame, 457 - 2 * frame, bar->sizeHint().height()));
    EXPECT_EQ(menuBar->geometry().top(), bar->geometry().bottom() + 1);
    EXPECT_GT(window->centralWidget()->geometry().top(), menuBar->geometry().bottom());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" "));
}

TEST_F(InstalledBar, ButtonsAndDoubleClickDriveTheWindow)
{
    auto *maximize = bar->findChild<QToolButton *>(QStringLiteral("maximizeButton"));
    ASSERT_TRUE(maximize && maximize->isVisible() && maximize->isEnabled());
    maximize->click();
    EXPECT_TRUE(window->isMaximized());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(bar->geometry().topLeft(), QPoint(0, 0));  // no frame while maximised
    maximize->click();
    EXPECT_FALSE(window->isMaximized());

    const QPoint inTitle(bar->currentLayout().title.center());
    mouse(bar, QEvent::MouseButtonPress, inTitle, bar->mapToGlobal(inTitle), Qt::LeftButton);
    mouse(bar, QEvent::MouseButtonRelease, inTitle, bar->mapToGlobal(inTitle), Qt::NoButton);
    mouse(bar, QEvent::MouseButtonDblClick, inTitle, bar->mapToGlobal(inTitle), Qt::LeftButton);
    EXPECT_TRUE(window->isMaximized());
    window->showNormal();

    bar->findChild<QToolButton *>(QStringLiteral("closeButton"))->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(InstalledBar, OlderShellClosesThroughItsSystemMenuBox)
{
    bar->setNewShell(false);
    auto *box = bar->findChild<QToolButton *>(QStringLiteral("systemMenuBox"));
    ASSERT_TRUE(box && box->isVisible());
    box->click();
    auto *menu = bar->findChild<QMenu *>(QStringLiteral("windowMenu"));
    ASSERT_TRUE(menu && menu->isVisible());
    const QList<QAction *> actions = menu->actions();
    ASSERT_FALSE(actions.isEmpty());
    EXPECT_FALSE(actions.front()->isEnabled());  // restore: the window is neither maximised nor minimised
    menu->hide();
    actions.back()->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(InstalledBar, DraggingTheBarMovesTheWindow)
{
    const QPoint start = window->pos();
    const QPoint local(bar->currentLayout().title.center());
    const QPoint global(500, 300);
    mouse(bar, QEvent::MouseButtonPress, local, global, Qt::LeftButton);
    mouse(bar, QEvent::MouseMove, local + QPoint(40, 25), global + QPoint(40, 25), Qt::LeftButton);
    mouse(bar, QEvent::MouseMove, local + QPoint(60, 30), global + QPoint(60, 30), Qt::LeftButton);
    mouse(bar, QEvent::MouseButtonRelease, local, global + QPoint(60, 30), Qt::NoButton);
    EXPECT_EQ(window->pos(), start + QPoint(60, 30));
}

TEST_F(InstalledBar, EdgesResizeTheWindow)
{
    QWindow *handle = window->windowHandle();
    ASSERT_TRUE(handle);
    const QRect start = window->geometry();
    const QPoint edge(start.width() - 2, 150);
    mouse(handle, QEvent::MouseMove, edge, start.topLeft() + edge, Qt::NoButton);
    EXPECT_EQ(window->cursor().shape(), Qt::SizeHorCursor);
    mouse(handle, QEvent::MouseButtonPress, edge, start.topLeft() + edge, Qt::LeftButton);
    mouse(handle, QEvent::MouseMove, edge, start.topLeft() + edge + QPoint(50, 0), Qt::LeftButton);
    mouse(handle, QEvent::MouseButtonRelease, edge, start.topLeft() + edge + QPoint(50, 0), Qt::NoButton);
    EXPECT_EQ(window->geometry(), start.adjusted(0, 0, 50, 0));

    // A window of fixed size has no sizing edges.
    window->setFixedSize(window->size());
    mouse(handle, QEvent::MouseMove, QPoint(1, 150), window->geometry().topLeft() + QPoint(1, 150), Qt::NoButton);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(InstalledBar, ScreenshotsShowBothStatesAndLeaveTheBarAsItWas)
{
    const bool before = bar->paintsActive();
    const QImage active = renderWithCaption(window.get(), true);
    const QImage inactive = renderWithCaption(window.get(), false);
    const QPoint lastTitlePixel = bar->mapTo(window.get(), QPoint(bar->currentLayout().title.right(), 0));
    EXPECT_EQ(active.pixel(lastTitlePixel), platform::systemColor(platform::SystemColor::ActiveCaption).rgb());
    EXPECT_EQ(inactive.pixel(lastTitlePixel), platform::systemColor(platform::SystemColor::InactiveCaption).rgb());
    EXPECT_EQ(bar->paintsActive(), before);
}

TEST_F(InstalledBar, RemovingTheBarGivesTheFrameBack)
{
    delete bar;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->contentsMargins(), QMargins());
    EXPECT_TRUE(window->isVisible());
}
