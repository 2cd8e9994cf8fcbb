// The shaped button: its shapes, bands and gradients drawn without a
// control, then the control's clicks, keys, rotation and state pictures.
#include "components/shaped_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <tuple>

#include "components/button_painting.h"
#include "support/screen_test.h"

using namespace ButtonShapes;
using namespace ButtonPaint;

/// The face of a plain w by h rectangle drawn in colour `color`.
static QImage face(int w, int h, int depth, QColor color, FaceState state = {}) {
    ShapeParams params;
    params.width = w;
    params.height = h;
    params.depth = depth;
    const Regions regions =
        buildRegions(shapeOutlines(params), {w, h}, depth, thickness(params), false, true);
    FaceLook look;
    look.color = color;
    look.depth = depth;
    QImage img;
    renderFace(img, look, state, {}, regions);
    return img;
}

TEST(ButtonShapes, LighterDarkerAndTheOutlineAtBrightness360And361) {
    EXPECT_EQ(lighter(qRgb(0, 223, 224)), qRgb(32, 255, 255));
    EXPECT_EQ(darker(qRgb(31, 32, 255)), qRgb(0, 0, 223));
    // Brightness 360 gets a light outline, 361 a dark one; disabled, the
    // light one is a step lighter still and the dark one a single step darker.
    const QRgb dim = qRgb(120, 120, 120), bright = qRgb(121, 120, 120);
    const struct {
        QRgb color;
        bool enabled;
        QRgb outline;
    } rows[] = {{dim, true, qRgb(184, 184, 184)},
                {bright, true, qRgb(57, 56, 56)},
                {dim, false, qRgb(216, 216, 216)},
                {bright, false, qRgb(89, 88, 88)}};
    for (const auto& r : rows) {
        EXPECT_EQ(bandColors(r.color, false, r.enabled).outline, r.outline) << r.color;
        // On the face: the outermost ring of pixels.
        const QImage img = face(30, 20, 2, QColor(r.color), {false, false, r.enabled});
        EXPECT_EQ(img.pixel(0, 10), r.outline) << r.color << " " << r.enabled;
    }
}

TEST(ButtonShapes, RectangleBandsLitTopLeftSwappedWhenPressedAndPaleWhenDisabled) {
    const QColor f(100, 150, 200);
    const QRgb light = qRgb(132, 182, 232), dark = qRgb(68, 118, 168), plain = f.rgb();
    // Disabled: the face Lighter(F), the lit band two steps lighter, the
    // shaded band Darker(Lighter(F)).
    const QRgb pale = lighter(plain), paler = shade(plain, 2);
    // Depth 3 on 40 by 20: the outline, then two more band pixels, then the face.
    const struct {
        int x, y;
        QRgb up, down, off;
    } probes[] = {{20, 1, light, dark, paler},  {20, 2, light, dark, paler},
                  {20, 3, plain, plain, pale},  {1, 10, light, dark, paler},
                  {38, 10, dark, light, plain}, {20, 18, dark, light, plain},
                  {20, 16, plain, plain, pale}, {20, 10, plain, plain, pale}};
    const QImage up = face(40, 20, 3, f), down = face(40, 20, 3, f, {true}),
                 off = face(40, 20, 3, f, {false, false, false});
    for (const auto& p : probes) {
        EXPECT_EQ(up.pixel(p.x, p.y), p.up) << p.x << "," << p.y;
        EXPECT_EQ(down.pixel(p.x, p.y), p.down) << p.x << "," << p.y;
        EXPECT_EQ(off.pixel(p.x, p.y), p.off) << p.x << "," << p.y;
    }
}

TEST(ButtonShapes, GradientsRunFromTheFirstColourToTheSecond) {
    const QRgb yellow = qRgb(253, 215, 62), red = qRgb(255, 0, 0);
    const auto fill = [&](TShapeGradientKind kind, int angle) {
        QImage img(200, 200, QImage::Format_ARGB32_Premultiplied);
        fillGradient(img, Gradient{kind, angle, yellow, red, {}, 0}, {});
        return img;
    };
    const QImage circular = fill(gkCircular, 0);
    EXPECT_EQ(std::tuple(circular.pixel(100, 100), circular.pixel(0, 0), circular.pixel(199, 199)),
              std::tuple(yellow, red, red));
    EXPECT_EQ(circular.pixel(100, 0),
              stepColor(Gradient{gkCircular, 0, yellow, red, {}, 0}, 33, 47, {}));
    // 45 degrees: top-left to bottom-right; 90: left to right; -90: right to left.
    for (auto [angle, first, last] : {std::tuple(450, QPoint(0, 0), QPoint(199, 199)),
                                      std::tuple(900, QPoint(0, 100), QPoint(199, 100)),
                                      std::tuple(-900, QPoint(199, 100), QPoint(0, 100))}) {
        const QImage img = fill(gkLinear, angle);
        EXPECT_EQ(std::tuple(img.pixel(first), img.pixel(last)), std::tuple(yellow, red)) << angle;
    }
}

// Step k takes column width * k / N of the picture's row, which for the last
// step is one past the picture: its last column is taken. A row the picture
// does not have reads row 0.
TEST(ButtonShapes, GradientPictureStaysInsideThePicture) {
    QImage picture(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        picture.setPixel(x, 0, qRgb(10 * x, 0, 0));
        picture.setPixel(x, 1, qRgb(0, 10 * x, 0));
    }
    Gradient g{gkLinear, 450, 0, 0, picture, 1};
    EXPECT_EQ(stepColor(g, 10, 10, {}), qRgb(0, 30, 0));               // the last step
    EXPECT_EQ(stepColor(g, 0, 0, {}), qRgb(0, 0, 0));                  // no steps: the first
    EXPECT_EQ(stepColor(g, 5, 10, {1, 0}), shade(qRgb(0, 20, 0), 2));  // disabled
    for (int line : {-1, 2, 1000}) {
        g.pictureLine = line;
        EXPECT_EQ(stepColor(g, 10, 10, {}), qRgb(30, 0, 0)) << line;
    }
}

TEST(ButtonShapes, ArcSetsItsOwnHeight) {
    const double third = 2 * std::numbers::pi / 3;
    EXPECT_EQ(arcHeight(100, third, 0.5), 44);                     // R 58, (1 - 0.25) * 58 = 43.5
    EXPECT_EQ(arcHeight(100, 3 * std::numbers::pi / 2, 0.5), 85);  // R 50, 50 + 35.4
    EXPECT_EQ(arcHeight(100, 0.05, 0.5), std::nullopt);            // too narrow: the rectangle
    EXPECT_EQ(arcHeight(1024, 0.1, 0), MaxSize);  // a radius of 10244 pixels is cut
}

TEST(ButtonShapes, InsetMovesEdgesInwardAndHolesOutward) {
    const Outlines square =
        normalised({{QPolygonF{{0, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 10}, {10, 0}, {0, 0}}}});
    ASSERT_EQ(square.size(), 1u);
    EXPECT_EQ(square[0].points,
              (QPolygonF{{10, 0}, {10, 10}, {0, 10}, {0, 0}}));  // clockwise, no repeats
    EXPECT_EQ(inset(square, 2)[0].points, (QPolygonF{{8, 2}, {8, 8}, {2, 8}, {2, 2}}));
    const Outlines hole = normalised({{QPolygonF{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true}});
    EXPECT_EQ(inset(hole, 1)[0].points, (QPolygonF{{-1, 11}, {11, 11}, {11, -1}, {-1, -1}}));
    // A spike folding back on itself stays finite.
    const Outlines spike = inset(normalised({{QPolygonF{{0, 0}, {20, 0}, {10, 0}, {10, 10}}}}), 1);
    for (const QPointF& p : spike[0].points) EXPECT_TRUE(std::isfinite(p.x() + p.y()));
}

TEST(ButtonShapes, EveryKindStaysInItsBoxAtAnySize) {
    // Within half a pixel: the arc's radius and height are rounded.
    for (int kind = 0; kind < ShapeKindCount; ++kind) {
        for (auto [w, h, depth, ratio, arc] :
             {std::tuple(0, 0, 2, 0.5, 2.0), std::tuple(1, 1, 0, 1.0, 0.01),
              std::tuple(3, 2, 2, 0.0, 6.3), std::tuple(2, 300, 9, 0.5, 0.2),
              std::tuple(97, 41, 400, 1.0, 3.2), std::tuple(60, 60, 2, 0.0, 0.2)}) {
            ShapeParams params;
            params.kind = TShapeKind(kind);
            params.width = w;
            params.height = kind == bkArc ? arcHeight(w, arc, ratio).value_or(h) : h;
            params.depth = depth;
            params.peaks = 3;
            params.radiusRatio = ratio;
            params.arcAngle = arc;
            const Outlines o = shapeOutlines(params);
            const QRectF box = pathOf(o).boundingRect();
            EXPECT_TRUE(box.isEmpty() || QRectF(-0.5, -0.5, w + 1, params.height + 1).contains(box))
                << kind << " " << w << "x" << h;
            const QSize size = turnedSize(w, params.height, 450);
            const Regions r = buildRegions(turned(o, w, params.height, 450), size, depth,
                                           thickness(params), true, true);
            EXPECT_EQ(r.mask.size(), size);
        }
    }
}

// A region stored as text is checked against its bytes; a user button whose
// text is broken keeps its rectangle, and a region given to it overrides the text.
TEST(ButtonShapes, StringRegionIsCheckedAgainstItsBytes) {
    const QRegion shape = QRegion(0, 0, 30, 10) + QRegion(0, 10, 10, 20);
    const std::string text = encodeStringRegion(shape);
    // Bytes as themselves with any second character, or "!" and the byte + 128;
    // a lone last character is no byte.
    std::string plain = text;
    for (size_t i = 0; i + 1 < plain.size(); i += 2)
        if (plain[i] != '!') plain[i + 1] = 'z';
    for (const std::string& t : {text, text + "x", plain}) EXPECT_EQ(decodeStringRegion(t), shape);
    const auto broken = [&](size_t byte, uint8_t value) {
        std::string t = text;
        t[2 * byte] = '!';
        t[2 * byte + 1] = char(value + 128);
        return decodeStringRegion(t);
    };
    EXPECT_EQ(broken(0, 31), std::nullopt);  // header size
    EXPECT_EQ(broken(4, 2), std::nullopt);   // not a rectangle list
    EXPECT_EQ(broken(8, 3), std::nullopt);   // more rectangles than bytes
    EXPECT_EQ(broken(11, 0x80), std::nullopt);
    EXPECT_EQ(decodeStringRegion(text.substr(0, text.size() - 2)), std::nullopt);
    EXPECT_EQ(decodeStringRegion(""), std::nullopt);
    TShapedButton b;
    b.SetButtonKind(bkUser);
    b.SetButtonWidth(30);
    b.SetButtonHeight(30);
    b.SetStringButtonRegion(text);
    EXPECT_EQ(b.ShapeRegion(), shape);
    b.SetStringButtonRegion(text.substr(0, 40));  // cut short
    EXPECT_EQ(b.ShapeRegion(), QRegion(0, 0, 30, 30));
    b.SetUserRegion(QRegion(5, 5, 10, 10));
    EXPECT_EQ(b.ShapeRegion(), QRegion(5, 5, 10, 10));
}

namespace {

// Buttons on the display of the screen tests; clicks and keys go through
// its helpers, the rotation timer runs on its clock.
class ShapedButton : public ScreenTest {
  protected:
    /// A button of `kind`, `w` by `h`, with bands `depth` wide, counting its clicks.
    std::unique_ptr<TShapedButton> button(TShapeKind kind, int w, int h, int depth = 2) {
        auto b = std::make_unique<TShapedButton>(display.get());
        b->SetButtonKind(kind);
        b->SetButtonWidth(w);
        b->SetButtonHeight(h);
        b->SetButtonDepth(depth);
        b->OnClick = [this] { ++clicks; };
        return b;
    }

    static void key(QWidget& w, QEvent::Type type, int key) {
        QKeyEvent e(type, key, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
    static void enter(QWidget& w) {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&w, &e);
    }
    static void leave(QWidget& w) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(&w, &e);
    }
    static QRgb pixel(TShapedButton& b, int x, int y) { return b.FacePicture().pixel(x, y); }

    int clicks = 0;
};

}  // namespace

TEST_F(ShapedButton, InitialValues) {
    TShapedButton b;
    EXPECT_EQ(std::tuple(b.ButtonWidth(), b.ButtonHeight(), b.size()),
              std::tuple(75, 25, QSize(75, 25)));
    EXPECT_EQ(std::tuple(b.ButtonAngle(), b.ButtonDepth(), b.PeaksNumber(), b.GradientAngle()),
              std::tuple(0, 2, 6, 450));
    EXPECT_EQ(std::tuple(b.CaptionTop(), b.CaptionLeft(), b.BitmapTop(), b.BitmapLeft()),
              std::tuple(5, 5, 5, 5));
    EXPECT_EQ(std::tuple(b.RotatedTime(), b.RotatedAngle(), b.OnEnterInterval(), b.OnExitInterval(),
                         b.OnClickInterval()),
              std::tuple(40, 40, 40, 40, 40));
    EXPECT_EQ(std::tuple(b.ButtonKind(), b.Button3DKind(), b.GradientKind(), b.Caption3dKind()),
              std::tuple(bkRect, dk3D, gkNone, ckSimple));
    EXPECT_EQ(std::tuple(b.CaptionHAlign(), b.CaptionVAlign(), b.BitmapHAlign(), b.BitmapVAlign()),
              std::tuple(haCenter, vaCenter, haLeft, vaTop));
    EXPECT_EQ(std::tuple(b.ButtonColor(), b.ButtonColor1()), std::tuple(clBtnFace, clBtnShadow));
    EXPECT_EQ(std::tuple(b.RadiusRatio(), b.ArcAngle()), std::tuple(0.5, 2.0943951023932));
    EXPECT_TRUE(b.UserRGNAUTO() && b.ShowFocusRGN() && !b.Rotated() && !b.CustomDraw());
    EXPECT_EQ(b.font().family(), "Times New Roman");
}

// A refused value leaves the property as it was; sizes are cut to the largest screen.
TEST_F(ShapedButton, RefusedValuesAreIgnoredAndSizesCut) {
    TShapedButton b;
    const auto refuses = [&](auto set, auto get, auto bad, auto good) {
        const auto before = (b.*get)();
        (b.*set)(bad);
        EXPECT_EQ((b.*get)(), before) << bad;
        (b.*set)(good);
        EXPECT_EQ((b.*get)(), good);
    };
    using B = TShapedButton;
    refuses(&B::SetButtonWidth, &B::ButtonWidth, -1, 0);
    refuses(&B::SetButtonHeight, &B::ButtonHeight, -5, 30);
    refuses(&B::SetButtonDepth, &B::ButtonDepth, -1, 0);
    refuses(&B::SetRotatedTime, &B::RotatedTime, -1, 0);
    refuses(&B::SetRotatedAngle, &B::RotatedAngle, 1800, 1799);
    refuses(&B::SetRotatedAngle, &B::RotatedAngle, -1800, -1799);
    refuses(&B::SetRadiusRatio, &B::RadiusRatio, 1.01, 1.0);
    refuses(&B::SetRadiusRatio, &B::RadiusRatio, std::nan(""), 0.0);
    refuses(&B::SetArcAngle, &B::ArcAngle, 0.009, 0.01);
    refuses(&B::SetArcAngle, &B::ArcAngle, 6.3, 6.28);
    refuses(&B::SetPeaksNumber, &B::PeaksNumber, 2, 3);
    // No frames, or no time per frame, would divide by zero.
    for (auto [set, get] : {std::pair(&B::SetMainBitmapGlyphs, &B::MainBitmapGlyphs),
                            std::pair(&B::SetOnEnterGlyphs, &B::OnEnterGlyphs),
                            std::pair(&B::SetOnExitInterval, &B::OnExitInterval),
                            std::pair(&B::SetOnClickInterval, &B::OnClickInterval)})
        refuses(set, get, 0, 7);
    // Kinds read from stored integers out of range.
    refuses(&B::SetButtonKind, &B::ButtonKind, TShapeKind(15), bkOval);
    refuses(&B::SetButton3DKind, &B::Button3DKind, TShape3DKind(-1), dkNone);
    refuses(&B::SetGradientKind, &B::GradientKind, TShapeGradientKind(3), gkCircular);
    b.SetButtonWidth(100000);
    EXPECT_EQ(b.ButtonWidth(), ButtonShapes::MaxSize);
    for (auto [set, want] : {std::pair(1900, -1700), std::pair(-1800, 1800), std::pair(3600, 0),
                             std::pair(5400, 1800), std::pair(-5401, 1799), std::pair(9450, -1350),
                             std::pair(std::numeric_limits<int>::min(), -848)}) {
        b.SetButtonAngle(set);
        EXPECT_EQ(b.ButtonAngle(), want) << set;
    }
}

TEST_F(ShapedButton, FixedCaptionAndGradientTurnWithTheShape) {
    auto b = button(bkRect, 80, 40);
    b->SetCaptionAngle(100);
    b->SetGradientAngle(450);
    // Caption fixed, gradient fixed, new button angle; caption and gradient angles after.
    const struct {
        bool caption, gradient;
        int angle, captionAngle, gradientAngle;
    } rows[] = {{true, false, 300, 400, 450},       // turned by 300: the caption with it
                {true, true, -1700, -1600, -1550},  // by -2000, both, kept in range
                {false, true, 0, -1600, 150}};      // by 1700: the gradient only
    for (const auto& r : rows) {
        b->SetCaptionFixed(r.caption);
        b->SetGradientFixed(r.gradient);
        b->SetButtonAngle(r.angle);
        EXPECT_EQ(std::tuple(b->CaptionAngle(), b->GradientAngle()),
                  std::tuple(r.captionAngle, r.gradientAngle))
            << r.angle;
    }
}

TEST_F(ShapedButton, TurningKeepsTheRotationPointInPlaceAndStepsOnTheClock) {
    auto b = button(bkRect, 80, 40);
    b->move(100, 200);
    b->SetRotationPointX(10);
    b->SetRotationPointY(30);
    const auto placeOfPivot = [&] {
        return QPointF(b->pos()) + ButtonShapes::turnedPoint({10, 30}, 80, 40, b->ButtonAngle());
    };
    const QPointF pivot = placeOfPivot();
    EXPECT_EQ(pivot, QPointF(110, 230));
    for (int angle : {300, 900, -1350, 1800}) {
        b->SetButtonAngle(angle);
        EXPECT_EQ(b->size(), ButtonShapes::turnedSize(80, 40, angle));
        EXPECT_NEAR(placeOfPivot().x(), pivot.x(), 0.51) << angle;
        EXPECT_NEAR(placeOfPivot().y(), pivot.y(), 0.51) << angle;
    }
    // A whole turn in steps, on the timer: back where it started, without drift.
    b->SetButtonAngle(0);
    const QPoint start = b->pos();
    b->SetRotationCenterFixed(true);
    b->SetRotatedAngle(7);
    b->SetRotated(true);
    clock.advance(3600 / 7 * 40);
    b->SetRotated(false);
    b->SetButtonAngle(0);
    EXPECT_EQ(b->pos(), start);
    // Steps come at most every MinRotationInterval ms.
    b->SetRotatedTime(0);
    b->SetRotated(true);
    clock.advance(TShapedButton::MinRotationInterval * 5);
    EXPECT_EQ(b->ButtonAngle(), 5 * 7);
    b->SetRotatedTime(100);  // while turning
    clock.advance(250);
    EXPECT_EQ(b->ButtonAngle(), 7 * 7);
}

// The oval of the Forty Hadith screen is a capsule, and only it takes clicks.
TEST_F(ShapedButton, TheOvalIsACapsuleAndOnlyTheShapeIsClickable) {
    auto b = button(bkOval, 97, 41, 4);
    const QRegion& shape = b->ShapeRegion();
    ASSERT_EQ(shape.boundingRect(), QRect(0, 0, 97, 41));
    // Every row is one run whose ends lie on circles of diameter 41 at both ends.
    for (int y = 0; y < 41; ++y) {
        const double dy = y + 0.5 - 20.5, dx = std::sqrt(20.5 * 20.5 - dy * dy);
        int first = -1, last = -2, runs = 0;
        for (int x = 0; x < 97; ++x) {
            if (!shape.contains(QPoint(x, y))) continue;
            if (last != x - 1) ++runs;
            if (first < 0) first = x;
            last = x;
        }
        EXPECT_EQ(runs, 1) << y;
        EXPECT_NEAR(first + 0.5, 20.5 - dx, 1.0) << y;
        EXPECT_NEAR(last + 0.5, 76.5 + dx, 1.0) << y;
    }
    // The bands follow the round ends: lit at the left end, shaded at the right.
    const QRgb f = qRgb(253, 215, 62);
    b->SetButtonColor(QColor(f));
    EXPECT_EQ(std::tuple(pixel(*b, 2, 20), pixel(*b, 94, 20), pixel(*b, 48, 20)),
              std::tuple(lighter(f), darker(f), f));
    Click(b.get(), {2, 2});  // inside the rectangle, outside the round end
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(b->isDown());
    Click(b.get(), {48, 20});
    EXPECT_EQ(clicks, 1);
    // A press inside and a release outside is no click either.
    MouseDown(b.get(), {48, 20});
    MouseUp(b.get(), {94, 2});
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapedButton, KeyboardClicks) {
    auto b = button(bkElliptic, 60, 40);
    key(*b, QEvent::KeyPress, Qt::Key_Space);
    EXPECT_TRUE(b->isDown());
    key(*b, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    Key(b.get(), Qt::Key_Return);
    Key(b.get(), Qt::Key_Enter);
    EXPECT_EQ(clicks, 3);
    // While Space is held the pointer's comings and goings are ignored, until
    // the key comes up or the focus leaves (the key-up then goes elsewhere).
    key(*b, QEvent::KeyPress, Qt::Key_Space);
    enter(*b);
    EXPECT_FALSE(b->PointerInside());
    QFocusEvent away(QEvent::FocusOut);
    QApplication::sendEvent(b.get(), &away);
    enter(*b);
    EXPECT_TRUE(b->PointerInside());
    b->setEnabled(false);
    Key(b.get(), Qt::Key_Return);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ShapedButton, FlattenKindsShowBandsOnlyUnderThePointer) {
    const QRgb f = clBtnFace.rgb();
    for (TShape3DKind kind : {dk3D, dkFlatten, dkFlattenSimple, dk3dBorderFlatten, dkNone}) {
        auto b = button(bkRect, 60, 30, 3);
        b->SetButton3DKind(kind);
        const bool always = kind == dk3D, ever = kind != dkNone;
        EXPECT_EQ(pixel(*b, 30, 1), always ? lighter(f) : f) << kind;
        enter(*b);
        EXPECT_EQ(pixel(*b, 30, 1), ever ? lighter(f) : f) << kind;
        // The border kind adds the inner pair and a second outline while inside.
        EXPECT_EQ(pixel(*b, 30, 4) != f, kind == dk3dBorderFlatten) << kind;
        leave(*b);
        EXPECT_EQ(pixel(*b, 30, 1), always ? lighter(f) : f) << kind;
        EXPECT_EQ(pixel(*b, 30, 4), f) << kind;
    }
}

TEST_F(ShapedButton, StateStripsStepAtTheirIntervalAndStopOnTheLastFrame) {
    // Strips of 8 by 8 frames in distinct colours: main grey, enter 3 frames, exit 2.
    const auto strip = [](std::vector<QRgb> colors) {
        QImage img(8 * int(colors.size()), 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, colors[x / 8]);
        return img;
    };
    const QRgb grey = qRgb(90, 90, 90), e0 = qRgb(200, 0, 0), e1 = qRgb(0, 200, 0),
               e2 = qRgb(0, 0, 200), x0 = qRgb(0, 200, 200), x1 = qRgb(200, 0, 200);
    auto b = button(bkRect, 60, 30, 2);
    b->SetMainBitmap(strip({grey}));
    b->SetOnEnterBitmap(strip({e0, e1, e2}));
    b->SetOnEnterGlyphs(3);
    b->SetOnEnterInterval(50);
    b->SetOnExitBitmap(strip({x0, x1}));
    b->SetOnExitGlyphs(2);
    b->SetOnExitInterval(30);
    const auto shown = [&] { return pixel(*b, 5, 5); };  // inside the frame at (2, 2)
    EXPECT_EQ(shown(), grey);
    enter(*b);
    for (QRgb want : {e0, e0, e1, e1, e2, e2, e2}) {
        EXPECT_EQ(shown(), want) << clock.now();
        clock.advance(25);
    }
    leave(*b);
    EXPECT_EQ(shown(), x0);
    clock.advance(30);
    EXPECT_EQ(shown(), x1);
    clock.advance(1000);
    EXPECT_EQ(shown(), x1);
}

TEST_F(ShapedButton, CustomDrawLeavesTheFaceToOnPaint) {
    auto b = button(bkRect, 40, 20, 2);
    b->SetCaption("Wide caption");
    b->SetCustomDraw(true);
    b->OnPaint = [](TShapedButton* sender) { sender->Canvas()->fillRect(18, 8, 4, 4, Qt::red); };
    QImage target(b->size(), QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::blue);
    b->render(&target, {}, {}, QWidget::RenderFlags());
    EXPECT_EQ(target.pixel(20, 10), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(10, 10), qRgb(0, 0, 255));          // cleared: no face, no caption
    EXPECT_EQ(target.pixel(20, 1), lighter(clBtnFace.rgb()));  // the bands stay
    EXPECT_EQ(b->Canvas(), nullptr);
}

TEST_F(ShapedButton, ResizedFromOutsideKeepsProportions) {
    auto b = button(bkElliptic, 100, 50);
    b->show();  // a hidden control hears of its new size when it is shown
    b->resize(300, 300);
    EXPECT_EQ(std::tuple(b->ButtonWidth(), b->ButtonHeight(), b->size()),
              std::tuple(300, 150, QSize(300, 150)));
}
