#include "components/shaped_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>
#include <limits>
#include <memory>
#include <tuple>

#include "platform/clock.h"

using ButtonPaint::lighter;

namespace {

class ShapedButton : public ::testing::Test {
  protected:
    void SetUp() override { platform::Clock::install(&clock); }
    void TearDown() override { platform::Clock::install(nullptr); }

    /// A button of `kind`, `w` by `h`, with bands `depth` wide, counting its clicks.
    std::unique_ptr<TShapedButton> button(TShapeKind kind, int w, int h, int depth = 2) {
        auto b = std::make_unique<TShapedButton>(&parent);
        b->SetButtonKind(kind);
        b->SetButtonWidth(w);
        b->SetButtonHeight(h);
        b->SetButtonDepth(depth);
        b->OnClick = [this] { ++clicks; };
        return b;
    }

    static void send(QWidget& w, QEvent::Type type, QPoint at) {
        QMouseEvent e(type, at, w.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
    static void click(QWidget& w, QPoint at) {
        send(w, QEvent::MouseButtonPress, at);
        send(w, QEvent::MouseButtonRelease, at);
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

    platform::ManualClock clock;
    QWidget parent;
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
    EXPECT_EQ(std::tuple(b.ButtonColor(), b.ButtonColor1()),
              std::tuple(ButtonPaint::clBtnFace, ButtonPaint::clBtnShadow));
    EXPECT_EQ(std::tuple(b.RadiusRatio(), b.ArcAngle()), std::tuple(0.5, 2.0943951023932));
    EXPECT_TRUE(b.UserRGNAUTO() && b.ShowFocusRGN() && !b.Rotated() && !b.CustomDraw());
    EXPECT_EQ(b.font().family(), "Times New Roman");
    EXPECT_EQ(b.focusPolicy(), Qt::StrongFocus);
}

TEST_F(ShapedButton, RefusedValuesAreIgnored) {
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
}

TEST_F(ShapedButton, AnglesAreKeptInRange) {
    TShapedButton b;
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
    b->SetCaptionFixed(true);
    b->SetButtonAngle(300);
    EXPECT_EQ(std::tuple(b->CaptionAngle(), b->GradientAngle()), std::tuple(400, 450));
    b->SetGradientFixed(true);
    b->SetButtonAngle(-1700);  // a turn by -2000
    EXPECT_EQ(std::tuple(b->CaptionAngle(), b->GradientAngle()), std::tuple(-1600, -1550));
    b->SetCaptionFixed(false);
    b->SetButtonAngle(0);
    EXPECT_EQ(std::tuple(b->CaptionAngle(), b->GradientAngle()), std::tuple(-1600, 150));
}

TEST_F(ShapedButton, TurningKeepsTheRotationPointInPlace) {
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
}

TEST_F(ShapedButton, RotationStepsOnTheClockWithAFloorOnTheInterval) {
    auto b = button(bkOval, 97, 41);
    b->SetRotatedTime(0);
    b->SetRotated(true);
    clock.advance(TShapedButton::MinRotationInterval * 5);
    EXPECT_EQ(b->ButtonAngle(), 5 * 40);
    b->SetRotatedTime(100);
    clock.advance(250);
    EXPECT_EQ(b->ButtonAngle(), 7 * 40);
}

TEST_F(ShapedButton, FortyHadithOvalIsACapsule) {
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
    b->SetButtonColor(QColor(253, 215, 62));
    const QRgb f = qRgb(253, 215, 62);
    EXPECT_EQ(pixel(*b, 2, 20), lighter(f));
    EXPECT_EQ(pixel(*b, 94, 20), ButtonPaint::darker(f));
    EXPECT_EQ(pixel(*b, 48, 20), f);
}

TEST_F(ShapedButton, OnlyTheShapeIsClickable) {
    auto b = button(bkOval, 97, 41, 4);
    click(*b, {2, 2});  // inside the rectangle, outside the round end
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(b->isDown());
    click(*b, {48, 20});
    EXPECT_EQ(clicks, 1);
    // A press inside and a release outside is no click either.
    send(*b, QEvent::MouseButtonPress, {48, 20});
    send(*b, QEvent::MouseButtonRelease, {94, 2});
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapedButton, KeyboardClicks) {
    auto b = button(bkElliptic, 60, 40);
    key(*b, QEvent::KeyPress, Qt::Key_Space);
    EXPECT_TRUE(b->isDown());
    key(*b, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    key(*b, QEvent::KeyPress, Qt::Key_Return);
    key(*b, QEvent::KeyPress, Qt::Key_Enter);
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
    key(*b, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ShapedButton, FlattenKindsShowBandsOnlyUnderThePointer) {
    const QRgb f = ButtonPaint::clBtnFace.rgb();
    for (TShape3DKind kind : {dk3D, dkFlatten, dkFlattenSimple, dk3dBorderFlatten, dkNone}) {
        auto b = button(bkRect, 60, 30, 3);
        b->SetButton3DKind(kind);
        const bool always = kind == dk3D, ever = kind != dkNone;
        EXPECT_EQ(pixel(*b, 30, 1), always ? lighter(f) : f) << kind;
        enter(*b);
        EXPECT_TRUE(b->PointerInside());
        EXPECT_EQ(pixel(*b, 30, 1), ever ? lighter(f) : f) << kind;
        // The border kind adds the inner pair and a second outline while inside.
        if (kind == dk3dBorderFlatten) {
            EXPECT_NE(pixel(*b, 30, 4), f);
        }
        leave(*b);
        EXPECT_EQ(pixel(*b, 30, 1), always ? lighter(f) : f) << kind;
        EXPECT_EQ(pixel(*b, 30, 4), f) << kind;
    }
}

TEST_F(ShapedButton, StateStripsStepAtTheirInterval) {
    // Strips of 8 by 8 frames in distinct colours: main grey, enter 4 frames, exit 2.
    const auto strip = [](std::initializer_list<QRgb> colors) {
        QImage img(8 * int(colors.size()), 8, QImage::Format_RGB32);
        int i = 0;
        for (QRgb c : colors) {
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) img.setPixel(8 * i + x, y, c);
            ++i;
        }
        return img;
    };
    const QRgb grey = qRgb(90, 90, 90), e0 = qRgb(200, 0, 0), e1 = qRgb(0, 200, 0),
               e2 = qRgb(0, 0, 200), e3 = qRgb(200, 200, 0), x0 = qRgb(0, 200, 200),
               x1 = qRgb(200, 0, 200);
    auto b = button(bkRect, 60, 30, 2);
    b->SetMainBitmap(strip({grey}));
    b->SetOnEnterBitmap(strip({e0, e1, e2, e3}));
    b->SetOnEnterGlyphs(4);
    b->SetOnEnterInterval(50);
    b->SetOnExitBitmap(strip({x0, x1}));
    b->SetOnExitGlyphs(2);
    b->SetOnExitInterval(30);
    const auto shown = [&] { return pixel(*b, 5, 5); };  // inside the frame at (2, 2)
    EXPECT_EQ(shown(), grey);
    enter(*b);
    EXPECT_EQ(shown(), e0);
    for (QRgb want : {e0, e1, e1, e2, e2, e3, e3, e3, e3}) {
        clock.advance(25);
        EXPECT_EQ(shown(), want) << clock.now();
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
    EXPECT_EQ(target.pixel(10, 10), qRgb(0, 0, 255));  // cleared: no face, no caption
    EXPECT_EQ(target.pixel(20, 1), lighter(ButtonPaint::clBtnFace.rgb()));  // the bands stay
    EXPECT_EQ(b->Canvas(), nullptr);
}

TEST_F(ShapedButton, UserRegionFromTextOrTheRectangle) {
    auto b = button(bkUser, 40, 30);
    const QRegion l = QRegion(0, 0, 40, 10) + QRegion(0, 10, 10, 20);
    b->SetStringButtonRegion(ButtonShapes::encodeStringRegion(l));
    EXPECT_EQ(b->ShapeRegion(), l);
    b->SetStringButtonRegion(b->StringButtonRegion().substr(0, 40));  // cut short
    EXPECT_EQ(b->ShapeRegion(), QRegion(0, 0, 40, 30));
    b->SetUserRegion(QRegion(5, 5, 10, 10));
    EXPECT_EQ(b->ShapeRegion(), QRegion(5, 5, 10, 10));
}

TEST_F(ShapedButton, ResizedFromOutsideKeepsProportions) {
    auto b = button(bkElliptic, 100, 50);
    parent.show();  // a hidden control hears of its new size when it is shown
    b->resize(300, 300);
    EXPECT_EQ(std::tuple(b->ButtonWidth(), b->ButtonHeight(), b->size()),
              std::tuple(300, 150, QSize(300, 150)));
}
