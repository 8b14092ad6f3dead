#include "controls/FlatButton.h"
#include "controls/FlatButtonLogic.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace flatbutton;

namespace {

const QRgb Face = qRgb(200, 200, 200);
const QRgb Light = qRgb(250, 250, 250);
const QRgb Shadow = qRgb(100, 100, 100);
const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const FaceColors Colors{Face, Light, Shadow};

// A w x h glyph whose border is its transparent colour (white) and whose
// inside is `inside`.
QImage framedGlyph(int w, int h, QRgb inside)
{
    QImage glyph(w, h, QImage::Format_RGB32);
    glyph.fill(White);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            glyph.setPixel(x, y, inside);
    return glyph;
}

LayoutInput glyphOnly(int w, int h, int gw, int gh)
{
    LayoutInput in;
    in.width = w;
    in.height = h;
    in.glyphEmpty = false;
    in.glyphWidth = gw;
    in.glyphHeight = gh;
    return in;
}

}  // namespace

// ----------------------------------------------------------------------------
// Arithmetic, no window

TEST(FlatButtonLogic, ShadingFollowsTheThresholdsAndKeepsTransparentPixels)
{
    QImage glyph(6, 1, QImage::Format_RGB32);
    const QRgb key = qRgb(0, 128, 128);
    glyph.setPixel(0, 0, key);
    glyph.setPixel(1, 0, qRgb(255, 255, 0));  // 510: highlight
    glyph.setPixel(2, 0, White);              // 765: white
    glyph.setPixel(3, 0, Black);              // 0: black
    glyph.setPixel(4, 0, qRgb(58, 0, 0));     // just above T3: shadow
    glyph.setPixel(5, 0, key);                // transparent colour stays
    const QImage shaded = shadeImage(glyph, stMedium, Light, Shadow);
    EXPECT_EQ(shaded.pixel(0, 0), key);
    EXPECT_EQ(shaded.pixel(1, 0), Light);
    EXPECT_EQ(shaded.pixel(2, 0), White);
    EXPECT_EQ(shaded.pixel(3, 0), Black);
    EXPECT_EQ(shaded.pixel(4, 0), Shadow);
    EXPECT_EQ(shaded.pixel(5, 0), key);

    // Each bound is exclusive.
    for (const TFlatButtonShadingType type : {stLight, stMedium, stDark}) {
        const ShadingThresholds t = shadingThresholds(type);
        EXPECT_EQ(shadeColor(t.t1 + 1, t, Light, Shadow), White);
        EXPECT_EQ(shadeColor(t.t1, t, Light, Shadow), Light);
        EXPECT_EQ(shadeColor(t.t2, t, Light, Shadow), Shadow);
        EXPECT_EQ(shadeColor(t.t3, t, Light, Shadow), Black);
    }
    EXPECT_TRUE(shadeImage(QImage(), stMedium, Light, Shadow).isNull());
}

TEST(FlatButtonLogic, EmbossedGlyphIsTheDarkMaskInHighlightThenShadow)
{
    QImage glyph(3, 2, QImage::Format_RGB32);
    glyph.fill(White);  // top-left white: transparent
    glyph.setPixel(1, 0, Black);
    glyph.setPixel(2, 1, qRgb(240, 240, 240));  // light: not in the mask
    const QImage embossed = embossedGlyph(glyph, Light, Shadow);
    ASSERT_EQ(embossed.size(), QSize(4, 3));
    EXPECT_EQ(embossed.pixel(1, 0), Shadow);
    EXPECT_EQ(embossed.pixel(2, 1), Light);      // the highlight, one right and down
    EXPECT_EQ(qAlpha(embossed.pixel(0, 0)), 0);  // transparent colour: never in it
    EXPECT_EQ(qAlpha(embossed.pixel(3, 2)), 0);  // the light pixel's shadow spot
}

TEST(FlatButtonLogic, ARaisedFrameIsLitTopLeftAndShadedBottomRight)
{
    const int W = 6, H = 5;
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Face);
    const FrameRects rects = frameRects(W, H);
    const FrameColors raised = frameColors(FrameKind::Raised, Colors);
    QPainter painter(&image);
    for (const QRect &r : rects.first)
        painter.fillRect(r, QColor(raised.first));
    for (const QRect &r : rects.second)
        painter.fillRect(r, QColor(raised.second));
    painter.end();
    for (int x = 0; x < W - 1; ++x) {
        EXPECT_EQ(image.pixel(x, 0), Light) << x;
        EXPECT_EQ(image.pixel(x + 1, H - 1), Shadow) << x;
    }
    for (int y = 0; y < H - 1; ++y) {
        EXPECT_EQ(image.pixel(0, y), Light) << y;
        EXPECT_EQ(image.pixel(W - 1, y + 1), Shadow) << y;
    }
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x)
            EXPECT_EQ(image.pixel(x, y), Face) << x << "," << y;
}

// What a user sees of a layout: the glyph and the caption inside the button,
// apart, on the sides the layout names, and pushed to the side the alignment
// names; centred means the same room on both sides, give or take a pixel.
TEST(FlatButtonLogic, GlyphAndCaptionSitWhereTheLayoutAndAlignmentSay)
{
    const QRect button(0, 0, 100, 60);
    LayoutInput in = glyphOnly(button.width(), button.height(), 16, 16);
    in.captionShown = true;
    in.textWidth = 40;
    in.textHeight = 13;
    for (const TFlatButtonLayout layout : {blBitmapTop, blBitmapBottom, blBitmapLeft, blBitmapRight}) {
        for (const TAlignment alignment : {taLeftJustify, taCenter, taRightJustify}) {
            in.layout = layout;
            in.alignment = alignment;
            const LayoutResult r = layoutButton(in);
            SCOPED_TRACE(testing::Message() << "layout " << int(layout) << ", alignment " << int(alignment));
            const QRect glyph(r.glyphX, r.glyphY, 16, 16), caption = r.captionRect;
            EXPECT_EQ(caption.size(), QSize(40, 13));
            EXPECT_TRUE(button.contains(glyph) && button.contains(caption));
            EXPECT_FALSE(glyph.intersects(caption));
            const bool glyphOnItsSide[] = {glyph.bottom() < caption.top(), glyph.top() > caption.bottom(),
                                           glyph.right() < caption.left(), glyph.left() > caption.right()};
            const int side = layout == blBitmapTop ? 0 : layout == blBitmapBottom ? 1 : layout == blBitmapLeft ? 2 : 3;
            EXPECT_TRUE(glyphOnItsSide[side]);
            // Side by side the pair is aligned; above each other, each of the two.
            const bool sideBySide = layout == blBitmapLeft || layout == blBitmapRight;
            for (const QRect &aligned : sideBySide ? std::vector{glyph.united(caption)} : std::vector{glyph, caption}) {
                const int leftRoom = aligned.left(), rightRoom = button.right() - aligned.right();
                const int leaning = alignment == taLeftJustify ? -1 : alignment == taRightJustify ? 1 : 0;
                if (leaning == 0)
                    EXPECT_LE(std::abs(leftRoom - rightRoom), 1) << "centred";
                else
                    EXPECT_EQ(leftRoom < rightRoom ? -1 : 1, leaning) << "pushed to its side";
            }
        }
    }
}

// However little room there is, a caption never reaches past the button's
// edge or under the glyph or the arrow mark, and its width is never negative.
// Right to left the face reads from the right edge; the frame stays lit top-left.
TEST(FlatButtonLogic, RightToLeftGlyphCaptionAndMarkArePlacedFromTheRight)
{
    FacePlan plan;
    plan.captionRect = QRect(22, 4, 30, 14);
    plan.glyphPos = QPoint(4, 3);
    plan.arrowPos = QPoint(60, 10);
    const FacePlan mirrored = mirroredFace(plan, 75, 16);
    EXPECT_EQ(mirrored.captionRect, QRect(23, 4, 30, 14));
    EXPECT_EQ(mirrored.glyphPos, QPoint(55, 3));
    EXPECT_EQ(mirrored.arrowPos, QPoint(8, 10));
    EXPECT_EQ(mirroredAlignment(taLeftJustify), taRightJustify);
    EXPECT_EQ(mirroredAlignment(taCenter), taCenter);
}

TEST(FlatButtonLogic, ACaptionTooWideGivesWayToTheGlyphAndTheArrowMark)
{
    const struct {
        int width;
        bool glyph, popupMark, wordWrap;
    } cases[] = {
        {60, false, true, false}, {50, true, false, false}, {12, true, false, false},
        {60, false, false, true}, {30, true, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " wide, glyph " << c.glyph << ", mark " << c.popupMark);
        LayoutInput in = c.glyph ? glyphOnly(c.width, 20, 16, 16) : LayoutInput{};
        in.width = c.width;
        in.height = 20;
        in.captionShown = true;
        in.textWidth = 200;
        in.textHeight = 13;
        in.popupMark = c.popupMark;
        in.wordWrap = c.wordWrap;
        in.layout = blBitmapLeft;
        const LayoutResult r = layoutButton(in);
        EXPECT_GE(r.textWidth, 0);
        EXPECT_LT(r.textWidth, c.width);
        if (r.textWidth == 0)
            continue;
        EXPECT_GE(r.textX, 0);
        EXPECT_LE(r.textX + r.textWidth, c.width - (c.popupMark ? 10 : 0));
        EXPECT_GE(r.textX, c.glyph ? r.glyphX + 16 : 0);
    }
}

TEST(FlatButtonLogic, FramesAndShiftsOfEachStateAndBevelStyle)
{
    FaceInput in;
    in.options = {boPopupMark, boShowBevel};
    in.hasDropDown = true;
    in.captionShown = true;
    in.bitmapEmpty = false;
    in.bitmapWidth = 16;
    in.bitmapHeight = 10;
    in.layout.glyphX = 5;
    in.layout.glyphY = 7;
    in.layout.captionRect = QRect(3, 20, 30, 13);
    // Pressed moves the glyph and the arrow mark one pixel right and down;
    // the caption moves with them, and a lowered button's caption also rests there.
    const struct {
        TBevelStyle bevel;
        FaceState state;
        FrameKind frame;
        int glyphShift, captionShift;
    } cases[] = {
        {bsRaised, FaceState::Rest, FrameKind::None, 0, 0},
        {bsRaised, FaceState::Hot, FrameKind::Raised, 0, 0},
        {bsRaised, FaceState::Pressed, FrameKind::Sunken, 1, 1},
        {bsLowered, FaceState::Rest, FrameKind::None, 0, 1},
        {bsLowered, FaceState::Hot, FrameKind::Sunken, 0, 1},
        {bsLowered, FaceState::Pressed, FrameKind::Raised, 1, 0},
    };
    for (const auto &c : cases) {
        in.bevelStyle = c.bevel;
        in.state = c.state;
        const FacePlan plan = planFace(in);
        SCOPED_TRACE(testing::Message() << "bevel " << int(c.bevel) << ", state " << int(c.state));
        EXPECT_EQ(plan.frame, c.frame);
        EXPECT_EQ(plan.glyphPos, QPoint(5, 7) + QPoint(c.glyphShift, c.glyphShift));
        EXPECT_EQ(plan.arrowPos, QPoint(16 + 5 + 3, 5 + 7) + QPoint(c.glyphShift, c.glyphShift));
        EXPECT_EQ(plan.captionRect, in.layout.captionRect.translated(c.captionShift, c.captionShift));
    }

    // Without boShowBevel no state has a frame.
    in.options = {boPopupMark};
    for (const FaceState state : {FaceState::Hot, FaceState::Pressed}) {
        in.state = state;
        EXPECT_EQ(planFace(in).frame, FrameKind::None);
    }
}

TEST(FlatButtonLogic, WhichGlyphEachStateDraws)
{
    FaceInput in;
    in.options = {boMonoDisplay, boPopupMark, boShowBevel};
    in.bitmapEmpty = false;
    in.hasDropDown = true;
    in.captionShown = true;
    const struct {
        FaceState state;
        bool noFocusBitmap, disabledBitmap;
        GlyphKind glyph;
    } cases[] = {
        {FaceState::Rest, false, false, GlyphKind::Shaded},
        {FaceState::Rest, true, false, GlyphKind::NoFocusBitmap},
        {FaceState::Hot, true, false, GlyphKind::Bitmap},
        {FaceState::Disabled, true, false, GlyphKind::Embossed},
        {FaceState::Disabled, true, true, GlyphKind::DisabledBitmap},
    };
    for (const auto &c : cases) {
        in.state = c.state;
        in.noFocusBitmapEmpty = !c.noFocusBitmap;
        in.disabledBitmapEmpty = !c.disabledBitmap;
        EXPECT_EQ(planFace(in).glyph, c.glyph) << int(c.state) << c.noFocusBitmap << c.disabledBitmap;
    }

    // Disabled: an embossed caption, no arrow mark, and a frame only when down.
    in.state = FaceState::Disabled;
    FacePlan plan = planFace(in);
    EXPECT_EQ(plan.caption, CaptionLook::Embossed);
    EXPECT_FALSE(plan.arrow);
    EXPECT_EQ(plan.frame, FrameKind::None);
    in.down = true;
    EXPECT_EQ(planFace(in).frame, FrameKind::Sunken);
}

TEST(FlatButtonLogic, AcceleratorMarks)
{
    EXPECT_EQ(stripAccelerators("&Open"), "Open");
    EXPECT_EQ(stripAccelerators("Save && E&xit"), "Save & Exit");
    EXPECT_EQ(stripAccelerators("Trailing&"), "Trailing&");
    EXPECT_EQ(acceleratorChar("Save && E&xit"), QChar(u'x'));
    EXPECT_TRUE(acceleratorChar("Save && Exit").isNull());
    EXPECT_TRUE(isAccelerator("&Open", QChar(u'O')));
    EXPECT_TRUE(isAccelerator("&open", QChar(u'O')));
    EXPECT_FALSE(isAccelerator("&Open", QChar(u'p')));
}

TEST(FlatButtonLogic, HintRulesOfIconOnlyMode)
{
    const TFlatButtonOptions iconOnly{boIconOnly};
    EXPECT_EQ(hintAfterOptions(iconOnly, {"", false}, "&Open"), (HintState{"Open", true}));
    EXPECT_EQ(hintAfterOptions(iconOnly, {"Own", false}, "&Open"), (HintState{"Own", false}));
    EXPECT_EQ(hintAfterOptions(iconOnly, {"", false}, "Save && Exit").hint, "Save & Exit");
    EXPECT_EQ(hintAfterOptions({}, {"Open", true}, "&Open"), (HintState{"", false}));
    EXPECT_EQ(hintAfterOptions({}, {"Other", true}, "&Open"), (HintState{"Other", true}));
    // An empty hint on a button without caption keeps ShowHint, so a hint
    // given afterwards still shows.
    EXPECT_EQ(hintAfterOptions({boShowBevel}, {"", true}, ""), (HintState{"", true}));
    EXPECT_EQ(hintAfterCaption(iconOnly, {"Open", true}, "&Close"), (HintState{"Close", true}));
    EXPECT_EQ(hintAfterCaption({}, {"Open", true}, "&Close"), (HintState{"Open", true}));
}

TEST(FlatButtonLogic, PaintedCaptionIsCutToTheBuffer)
{
    const QString longCaption(300, u'a');
    EXPECT_EQ(paintedCaption(longCaption, false).size(), 259);
    const QString wrapped = paintedCaption(longCaption, true);
    EXPECT_EQ(wrapped.size(), 259);
    EXPECT_TRUE(wrapped.endsWith(QString(258, u'a') + u' '));
    // A character outside the basic plane is not cut in two.
    const QString astral = QString(258, u'a') + QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(paintedCaption(astral, false), QString(258, u'a'));
    EXPECT_EQ(paintedCaption("&Open", false), "&Open");
}

TEST(FlatButtonLogic, CaptionLinesWrapAndElide)
{
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const CaptionText one("&Open file", font, false, 10);
    ASSERT_EQ(one.lines().size(), 1u);
    EXPECT_EQ(one.plain(), "Open file");
    EXPECT_EQ(one.acceleratorIndex(), 0);
    EXPECT_EQ(one.height(), metrics.height());
    EXPECT_EQ(one.lineForDrawing(0, 1000), "&Open file");
    const QString cut = one.lineForDrawing(0, metrics.horizontalAdvance("Open"));
    EXPECT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();

    const int wordWidth = metrics.horizontalAdvance("Extract ");
    const CaptionText wrapped("Extract all && more ", font, true, wordWidth);
    EXPECT_GE(wrapped.lines().size(), 3u);
    EXPECT_EQ(wrapped.height(), int(wrapped.lines().size()) * metrics.height());
    EXPECT_EQ(wrapped.lineForDrawing(0, wordWidth), "Extract");
    EXPECT_TRUE(wrapped.lineForDrawing(1, wordWidth).contains("&&"));  // one ampersand, shown

    // A word longer than the width stays whole on its line.
    const CaptionText longWord("Supercalifragilistic", font, true, 5);
    EXPECT_EQ(longWord.lines().size(), 1u);
    EXPECT_GT(longWord.width(), 5);
}

TEST(FlatButtonLogic, PointerCrossingsAreReportedOnceAndTheRealPositionWins)
{
    using C = PointerTracker::Crossing;
    const QRect button(0, 0, 25, 25);
    PointerTracker t;
    // The window comes back with the pointer at `at`.
    const auto recheckAt = [&](QPoint at) {
        return [&button, at](PointerTracker &p) { return p.recheck(button, at); };
    };
    // Each step: what happens, the crossing to report, hot and inside afterwards.
    const struct {
        const char *what;
        std::function<C(PointerTracker &)> step;
        C crossing;
        bool hot, inside;
    } steps[] = {
        {"enter", [](PointerTracker &p) { return p.moved(true); }, C::Entered, true, true},
        {"enter again", [](PointerTracker &p) { return p.moved(true); }, C::None, true, true},
        {"box closed, pointer away", recheckAt({40, 5}), C::Left, false, false},
        {"still away", recheckAt({40, 5}), C::None, false, false},
        {"accelerator",
         [](PointerTracker &p) {
             p.setHot(true);
             return C::None;
         },
         C::None, true, false},
        {"back, pointer away", recheckAt({-1, 5}), C::None, false, false},
        {"back, pointer on the corner", recheckAt({24, 24}), C::Entered, true, true},
        {"back, pointer past it", recheckAt({25, 25}), C::Left, false, false},
    };
    for (const auto &s : steps) {
        EXPECT_EQ(s.step(t), s.crossing) << s.what;
        EXPECT_EQ(t.hot(), s.hot) << s.what;
        EXPECT_EQ(t.inside(), s.inside) << s.what;
    }
}

// ----------------------------------------------------------------------------
// The button

namespace {

class FlatButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, QColor(Face));
        palette.setColor(QPalette::Light, QColor(Light));
        palette.setColor(QPalette::Dark, QColor(Shadow));
        palette.setColor(QPalette::Text, QColor(Black));
        form = std::make_unique<QWidget>();
        form->setPalette(palette);
        form->setGeometry(100, 100, 300, 200);
        QApplication::setActiveWindow(form.get());
        QCursor::setPos(QPoint(5, 5));  // away from the form
    }

    TFlatButton *makeButton(QPoint pos = {10, 10})
    {
        auto *button = new TFlatButton(form.get());
        button->move(pos);
        button->show();
        form->show();
        return button;
    }

    static void enter(TFlatButton *b)
    {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), b->mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(b, &event);
    }
    static void leave(TFlatButton *b)
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(b, &event);
    }
    static void mouse(TFlatButton *b, QEvent::Type type, QPoint pos, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(pos), b->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
        QApplication::sendEvent(b, &event);
    }
    static void press(TFlatButton *b, QPoint pos = {5, 5}) { mouse(b, QEvent::MouseButtonPress, pos, Qt::LeftButton); }
    static void release(TFlatButton *b, QPoint pos = {5, 5})
    {
        mouse(b, QEvent::MouseButtonRelease, pos, Qt::NoButton);
    }
    static void click(TFlatButton *b)
    {
        enter(b);
        press(b);
        release(b);
        leave(b);
    }

    std::unique_ptr<QWidget> form;
};

}  // namespace

// The extract dialog's button: glyph only, frame on demand, mono display off.
TEST_F(FlatButtonTest, GlyphButtonShowsFrameAndShiftAndClicksOnRelease)
{
    TFlatButton *b = makeButton();
    b->setFixedSize(25, 25);
    b->setOptions({boPopupMark, boShowBevel});
    b->setGlyph(QPixmap::fromImage(framedGlyph(6, 6, Red)));
    b->setToolTip("Create new directory");
    EXPECT_TRUE(b->ShowHint());
    QSignalSpy clicks(b, &TFlatButton::clicked);
    int onClick = 0;
    b->OnClick = [&](TFlatButton *sender) { onClick += sender == b; };
    const QPoint g(b->currentLayout().glyphX, b->currentLayout().glyphY);
    ASSERT_EQ(g, QPoint(9, 9));

    QImage face = b->renderFace();
    EXPECT_EQ(face.pixel(0, 0), Face);  // no frame at rest
    EXPECT_EQ(face.pixel(24, 24), Face);
    EXPECT_EQ(face.pixel(g + QPoint(1, 1)), Red);
    EXPECT_EQ(face.pixel(g), Face);  // the transparent border

    enter(b);
    face = b->renderFace();
    EXPECT_EQ(face.pixel(0, 0), Light);
    EXPECT_EQ(face.pixel(24, 24), Shadow);

    press(b);
    face = b->renderFace();
    EXPECT_EQ(face.pixel(0, 0), Shadow);
    EXPECT_EQ(face.pixel(24, 24), Light);
    EXPECT_EQ(face.pixel(g + QPoint(1, 1)), Face);  // moved right and down
    EXPECT_EQ(face.pixel(g + QPoint(5, 5)), Red);
    EXPECT_EQ(clicks.count(), 0);

    release(b);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(onClick, 1);
    EXPECT_FALSE(b->isPressed());
}

TEST_F(FlatButtonTest, PressMoveOffAndReleaseGivesNoClick)
{
    TFlatButton *b = makeButton();
    b->setCaption("Go");
    QSignalSpy clicks(b, &TFlatButton::clicked);
    QSignalSpy exits(b, &TFlatButton::exited);
    enter(b);
    press(b);
    mouse(b, QEvent::MouseMove, {80, 5}, Qt::LeftButton);
    EXPECT_TRUE(b->isPressed());
    EXPECT_FALSE(b->isHot());
    EXPECT_EQ(b->renderFace().pixel(0, 0), Face);  // looks at rest
    EXPECT_EQ(exits.count(), 1);
    mouse(b, QEvent::MouseMove, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(b->renderFace().pixel(0, 0), Shadow);  // pressed again
    mouse(b, QEvent::MouseMove, {80, 5}, Qt::LeftButton);
    release(b, {80, 5});
    leave(b);  // crossing reported after the release: no second OnExit
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(exits.count(), 2);  // off, on, off
    EXPECT_FALSE(b->isPressed());
    EXPECT_EQ(b->renderFace().pixel(0, 0), Face);
}

// A quick second click arrives as a double-click press: it clicks too, and
// only with the left button.
TEST_F(FlatButtonTest, DoubleClickPressIsAPress)
{
    TFlatButton *b = makeButton();
    b->setCaption("Go");
    QSignalSpy clicks(b, &TFlatButton::clicked);
    enter(b);
    press(b);
    release(b);
    mouse(b, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton);
    EXPECT_TRUE(b->isPressed());
    release(b);
    EXPECT_EQ(clicks.count(), 2);

    QMouseEvent right(QEvent::MouseButtonDblClick, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(b, &right);
    EXPECT_FALSE(b->isPressed());
    release(b);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(FlatButtonTest, DropDownMenuOpensUnderTheButtonWithoutClick)
{
    TFlatButton *b = makeButton({20, 30});
    b->setOptions({boPopupMark, boShowBevel});
    b->setGlyph(QPixmap::fromImage(framedGlyph(8, 8, Red)));
    QMenu menu;
    menu.addAction("One");
    b->setDropDownMenu(&menu);
    QSignalSpy clicks(b, &TFlatButton::clicked);
    QPoint shownAt;
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        QMetaObject::invokeMethod(
            &menu,
            [&] {
                shownAt = menu.pos();
                menu.close();
            },
            Qt::QueuedConnection);
    });

    // The arrow: 7 pixels right of the glyph, in the caption colour.
    const LayoutResult l = b->currentLayout();
    EXPECT_EQ(l.glyphX, (50 - 18) / 2);
    const QPoint arrow(8 + l.glyphX + 3, 4 + l.glyphY);
    const QImage face = b->renderFace();
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(face.pixel(arrow.x() + x, arrow.y() - 1), Black) << x;
    EXPECT_EQ(face.pixel(arrow.x() - 1, arrow.y() - 1), Face);
    EXPECT_EQ(face.pixel(arrow.x() + 7, arrow.y() - 1), Face);
    EXPECT_EQ(face.pixel(arrow.x() + 3, arrow.y() + 2), Black);

    enter(b);
    press(b);
    EXPECT_EQ(shownAt, b->mapToGlobal(QPoint(0, b->height())));
    EXPECT_FALSE(b->isPressed());
    release(b);
    EXPECT_EQ(clicks.count(), 0);

    // Destroying the menu clears the reference.
    auto *temporary = new QMenu;
    b->setDropDownMenu(temporary);
    delete temporary;
    EXPECT_EQ(b->DropDownMenu(), nullptr);
}

TEST_F(FlatButtonTest, GroupsKeepAtMostOneButtonDown)
{
    TFlatButton *a = makeButton({0, 0});
    TFlatButton *b = makeButton({60, 0});
    TFlatButton *c = makeButton({120, 0});
    for (TFlatButton *x : {a, b, c})
        x->setGroupIndex(1);
    QSignalSpy clicks(b, &TFlatButton::clicked);

    click(a);
    EXPECT_TRUE(a->Down());
    click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_FALSE(c->Down());
    click(b);  // the down button stays down
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(clicks.count(), 2);

    a->setAllowAllUp(true);  // copied to the whole group
    EXPECT_TRUE(b->AllowAllUp());
    EXPECT_TRUE(c->AllowAllUp());
    click(b);
    EXPECT_FALSE(b->Down());

    c->setDown(true);
    EXPECT_TRUE(c->Down());
    c->setGroupIndex(0);
    EXPECT_FALSE(c->Down());
    c->setDown(true);  // outside a group: no effect
    EXPECT_FALSE(c->Down());
}

TEST_F(FlatButtonTest, DownButtonHasTheDitheredFace)
{
    TFlatButton *b = makeButton();
    b->setGroupIndex(3);
    b->setDown(true);
    QImage face = b->renderFace();
    EXPECT_EQ(face.pixel(2, 2), Light);
    EXPECT_EQ(face.pixel(3, 2), Face);
    EXPECT_EQ(face.pixel(0, 0), Shadow);  // drawn like pressed
    b->setShowDownPattern(false);
    EXPECT_EQ(b->renderFace().pixel(2, 2), Face);
}

TEST_F(FlatButtonTest, MonoDisplayRestsOnTheShadedGlyph)
{
    TFlatButton *b = makeButton();
    b->setGlyph(QPixmap::fromImage(framedGlyph(6, 6, qRgb(255, 255, 0))));
    const LayoutResult l = b->currentLayout();
    const QPoint inside(l.glyphX + 2, l.glyphY + 2);
    EXPECT_EQ(b->renderFace().pixel(inside), Light);
    enter(b);
    EXPECT_EQ(b->renderFace().pixel(inside), qRgb(255, 255, 0));
    leave(b);
    b->setNoFocusBitmap(framedGlyph(6, 6, Red));
    EXPECT_EQ(b->renderFace().pixel(inside), Red);
    b->setNoFocusBitmap(QImage());
    b->setShadedBitmap(QImage());  // an empty image draws nothing
    EXPECT_EQ(b->renderFace().pixel(inside), Face);
}

TEST_F(FlatButtonTest, IconOnlyTurnsTheCaptionIntoTheHint)
{
    TFlatButton *plain = makeButton({0, 0});
    TFlatButton *b = makeButton({60, 0});
    b->setCaption("&Open");
    EXPECT_NE(b->renderFace(), plain->renderFace());
    b->setOptions({boIconOnly, boShowBevel});
    EXPECT_EQ(b->Hint(), "Open");
    EXPECT_TRUE(b->ShowHint());
    EXPECT_EQ(b->renderFace(), plain->renderFace());  // caption not drawn
    b->setCaption("Save && Exit");
    EXPECT_EQ(b->Hint(), "Save & Exit");
    b->setOptions({boShowBevel});
    EXPECT_EQ(b->Hint(), "");
    EXPECT_FALSE(b->ShowHint());
}

TEST_F(FlatButtonTest, DisabledShowsEmbossedGlyphAndNoArrowAndIgnoresPresses)
{
    TFlatButton *b = makeButton();
    b->setOptions({boPopupMark, boShowBevel});
    b->setGlyph(QPixmap::fromImage(framedGlyph(6, 6, Black)));
    b->setCaption("Go");
    QMenu menu;
    b->setDropDownMenu(&menu);
    QSignalSpy clicks(b, &TFlatButton::clicked);
    QSignalSpy enters(b, &TFlatButton::entered);
    b->setEnabled(false);
    const LayoutResult l = b->currentLayout();
    const QImage face = b->renderFace();
    EXPECT_EQ(face.pixel(l.glyphX + 1, l.glyphY + 1), Shadow);
    EXPECT_EQ(face.pixel(l.glyphX + 5, l.glyphY + 5), Light);
    const QPoint arrow(6 + l.glyphX + 3, 3 + l.glyphY);
    EXPECT_EQ(face.pixel(arrow.x() + 3, arrow.y()), Face);
    bool sawLight = false, sawShadow = false;
    for (int y = l.textY; y < l.textY + l.textHeight + 1; ++y)
        for (int x = 0; x < face.width(); ++x) {
            sawLight |= face.pixel(x, y) == Light;
            sawShadow |= face.pixel(x, y) == Shadow;
        }
    EXPECT_TRUE(sawLight && sawShadow);  // the caption in both colours

    enter(b);  // still followed
    EXPECT_EQ(enters.count(), 1);
    press(b);
    release(b);
    EXPECT_FALSE(b->isPressed());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FlatButtonTest, AcceleratorActsAsAClick)
{
    TFlatButton *b = makeButton();
    b->setCaption("&Open");
    QSignalSpy clicks(b, &TFlatButton::clicked);
    QTest::keyClick(form.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    b->setCaption("Open");
    QTest::keyClick(form.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    b->setCaption("&Open");
    b->setEnabled(false);
    QTest::keyClick(form.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatButtonTest, CaptionColourFollowsThePointerAndBevelStyleShiftsIt)
{
    TFlatButton *b = makeButton();
    b->setCaption("MMMM");
    b->setUnselectedFontColor(QColor(Red));
    const auto count = [](const QImage &image, QRgb color) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == color;
        return n;
    };
    const QImage rest = b->renderFace();
    EXPECT_GT(count(rest, Red), 0);
    enter(b);
    const QImage hot = b->renderFace();
    EXPECT_EQ(count(hot, Red), 0);
    EXPECT_GT(count(hot, Black), 0);

    // Lowered: the hot caption sits one pixel right and down.
    b->setBevelStyle(bsLowered);
    const QImage lowered = b->renderFace();
    const QRect inner(2, 2, 46, 36);
    EXPECT_EQ(lowered.copy(inner.translated(1, 1)), hot.copy(inner));
}

// A box opened by a click takes the pointer's crossings while it is up: when
// the button's window comes back, the button looks where the pointer really is.
TEST_F(FlatButtonTest, HotFrameGoesWhenTheWindowComesBackWithThePointerAway)
{
    const struct {
        const char *how;
        std::function<void(TFlatButton *)> comeBack;
    } ways[] = {
        {"window activated again",
         [this](TFlatButton *) {
             QApplication::setActiveWindow(nullptr);
             QApplication::setActiveWindow(form.get());
         }},
        {"button shown again",
         [](TFlatButton *b) {
             b->hide();
             b->show();
         }},
        {"click returned from a box",
         [](TFlatButton *b) {
             QCursor::setPos(b->mapToGlobal(QPoint(5, 5)));
             // The box came, the pointer went to it, the box went; no leave was seen.
             b->OnClick = [](TFlatButton *) { QCursor::setPos(QPoint(5, 5)); };
             press(b);
             release(b);
         }},
    };
    for (const auto &way : ways) {
        TFlatButton *b = makeButton();
        b->setFixedSize(25, 25);
        b->setCaption("Go");
        QSignalSpy exits(b, &TFlatButton::exited);
        enter(b);
        ASSERT_EQ(b->renderFace().pixel(0, 0), Light) << way.how;
        way.comeBack(b);  // the pointer ends at (5, 5), away from the form
        EXPECT_FALSE(b->isHot()) << way.how;
        EXPECT_EQ(b->renderFace().pixel(0, 0), Face) << way.how;
        EXPECT_EQ(exits.count(), 1) << way.how;
        delete b;
    }
}
