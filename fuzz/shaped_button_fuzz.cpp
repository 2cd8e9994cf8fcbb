// Fuzz target: a shaped button driven by a script of property values, sizes,
// pointer, key and clock events, drawn after every step. No value may crash,
// hang or divide by zero, and what the button reports stays in range.
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "components/shaped_button.h"
#include "platform/clock.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define LEAKS_IGNORED_HERE __lsan::ScopedDisabler leaksIgnored
#endif
#endif
#ifndef LEAKS_IGNORED_HERE
#define LEAKS_IGNORED_HERE
#endif

namespace {

/// Reads the script: bytes and little-endian numbers, zeros past its end.
struct Script {
    const uint8_t* data;
    size_t size, at = 0;

    bool done() const { return at >= size; }
    uint8_t byte() { return at < size ? data[at++] : 0; }
    int small() { return int(int8_t(byte())); }
    int number() {
        uint32_t v = 0;
        for (int k = 0; k < 4; ++k) v |= uint32_t(byte()) << (8 * k);
        return int32_t(v);
    }
    /// A size: mostly up to 255, now and then up to 65535.
    int extent() { return byte() < 240 ? byte() : int(uint16_t(number())); }
    double real() {
        uint64_t bits = uint64_t(uint32_t(number())) | uint64_t(uint32_t(number())) << 32;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    QImage picture() {
        QImage img(byte() % 40, byte() % 12, QImage::Format_RGB32);
        img.fill(QColor::fromRgb(byte(), byte(), byte()));
        if (!img.isNull()) img.setPixel(0, 0, qRgb(byte(), 0, 0));
        return img;
    }
    QColor color() {
        if (byte() == 0) return ButtonPaint::clNone;
        return QColor(byte(), byte(), byte());
    }
};

void send(QWidget& w, QEvent::Type type, QPoint at) {
    QMouseEvent e(type, at, at, Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void step(TShapedButton& b, Script& s, platform::ManualClock& clock) {
    switch (s.byte() % 28) {
        case 0:
            b.SetButtonKind(TShapeKind(s.small()));
            break;
        case 1:
            b.SetButton3DKind(TShape3DKind(s.small()));
            break;
        case 2:
            b.SetButtonWidth(s.byte() == 0 ? s.number() : s.extent());
            break;
        case 3:
            b.SetButtonHeight(s.byte() == 0 ? s.number() : s.extent());
            break;
        case 4:
            b.SetButtonDepth(s.byte() == 0 ? s.number() : s.small());
            break;
        case 5:
            b.SetButtonAngle(s.number());
            break;
        case 6:
            b.SetPeaksNumber(s.byte() == 0 ? s.number() : s.small());
            break;
        case 7:
            b.SetRadiusRatio(s.byte() < 128 ? s.byte() / 200.0 : s.real());
            break;
        case 8:
            b.SetArcAngle(s.byte() < 128 ? s.byte() / 20.0 : s.real());
            break;
        case 9:
            b.SetCaptionAngle(s.number());
            break;
        case 10:
            b.SetGradientKind(TShapeGradientKind(s.small()));
            break;
        case 11:
            b.SetGradientAngle(s.number());
            break;
        case 12:
            b.SetGradientBitmap(s.picture());
            break;
        case 13:
            b.SetGradientBitmapLine(s.small());
            break;
        case 14:
            b.SetOnEnterBitmap(s.picture());
            b.SetOnEnterGlyphs(s.small());
            b.SetOnEnterInterval(s.small());
            b.SetMainBitmap(s.picture());
            b.SetMainBitmapGlyphs(s.small());
            break;
        case 15: {
            const size_t n = std::min<size_t>(s.byte(), s.size - std::min(s.size, s.at));
            b.SetStringButtonRegion(std::string(reinterpret_cast<const char*>(s.data + s.at), n));
            s.at += n;
            break;
        }
        case 16:
            b.SetCaption(s.byte() % 2 ? "&Ok && go" : QString());
            break;
        case 17:
            b.SetCaption3dKind(TShapeCaption3dKind(s.small()));
            b.SetCaptionHAlign(TShapeHAlign(s.small()));
            b.SetCaptionVAlign(TShapeVAlign(s.small()));
            b.SetBitmapHAlign(TShapeHAlign(s.small()));
            b.SetBitmapVAlign(TShapeVAlign(s.small()));
            b.SetCaptionLeft(s.number());
            b.SetBitmapTop(s.number());
            break;
        case 18:
            b.SetRotatedTime(s.small());
            b.SetRotatedAngle(s.number() % 4000);
            b.SetRotated(s.byte() % 2);
            break;
        case 19:
            clock.advance(s.byte());
            break;
        case 20: {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&b, s.byte() % 2 ? static_cast<QEvent*>(&enter) : &leave);
            break;
        }
        case 21: {
            const QPoint at(s.small(), s.small());
            send(b, QEvent::MouseButtonPress, at);
            send(b, QEvent::MouseButtonRelease, at);
            break;
        }
        case 22: {
            QKeyEvent key(s.byte() % 2 ? QEvent::KeyPress : QEvent::KeyRelease,
                          s.byte() % 2 ? Qt::Key_Space : Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(&b, &key);
            break;
        }
        case 23:
            b.resize(s.extent(), s.extent());
            break;
        case 24:
            b.setEnabled(s.byte() % 2);
            break;
        case 25:
            b.SetButtonColor(s.color());
            b.SetButtonColor1(s.color());
            b.SetFontColor(s.color());
            break;
        case 26: {
            const uint8_t flags = s.byte();
            b.SetCustomDraw(flags & 1);
            b.SetTransparent(flags & 2);
            b.SetCaptionFixed(flags & 4);
            b.SetGradientFixed(flags & 8);
            b.SetRotationCenterFixed(flags & 16);
            b.SetUserRGNAUTO(flags & 32);
            b.setDefault(flags & 64);
            b.SetRotationPointX(s.number());
            break;
        }
        case 27:
            b.SetUserRegion(QRegion(s.small(), s.small(), s.extent(), s.extent()));
            break;
    }
}

}  // namespace

namespace {

/// The application, made once; its first caption loads the font
/// configuration, which lives as long as the program (and which the font
/// library never frees): not a leak of any input.
void startOnce() {
    static int argc = 1;
    static char name[] = "shaped_button_fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        LEAKS_IGNORED_HERE;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        TShapedButton warm;
        warm.SetCaption("&Ok && go");
        warm.FacePicture();
        return a;
    }();
    (void)app;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    startOnce();  // the replay driver does not call LLVMFuzzerInitialize
    static platform::ManualClock clock;
    platform::Clock::install(&clock);

    // Shown, so that resizes from outside reach the control at once.
    static QWidget* parent = [] {
        LEAKS_IGNORED_HERE;
        auto* p = new QWidget;
        p->show();
        return p;
    }();
    auto b = std::make_unique<TShapedButton>(parent);
    b->show();
    Script s{data, size};
    for (int steps = 0; !s.done() && steps < 64; ++steps) {
        step(*b, s, clock);
        const QImage& face = b->FacePicture();
        if (face.size() != b->size() && !b->size().isEmpty()) std::abort();
        if (b->ButtonAngle() < -1799 || b->ButtonAngle() > 1800) std::abort();
        if (b->ButtonWidth() < 0 || b->ButtonWidth() > ButtonShapes::MaxSize) std::abort();
        if (b->MainBitmapGlyphs() < 1 || b->OnEnterInterval() < 1) std::abort();
        if (!QRect(QPoint(), b->size()).contains(b->ShapeRegion().boundingRect()) &&
            !b->ShapeRegion().isEmpty())
            std::abort();
    }
    b.reset();
    platform::Clock::install(nullptr);
    return 0;
}
