#include "platform/display.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

bool liveScaling = false;
// The factor the hub set on the screen's own scale (QT_SCALE_FACTOR and the
// screen's pixel ratio come on top of it).
double screenFactor = 1.0;

// After a change of the screen's scale Qt keeps the native windows at their
// device sizes and the widgets at their own: the hub keeps its device size
// and is told its new own size; every native child (the video's panel and its
// relatives) keeps its own size in the new device pixels.
void refitWindows(QWidget* hub, QSizeF hubPixels, double scale) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QWindow* window = top->windowHandle();
        if (!window || !window->handle()) continue;
        QEvent changed(QEvent::ScreenChangeInternal);  // new pixel ratio: repaint all
        QCoreApplication::sendEvent(window, &changed);
        if (top == hub) top->resize((hubPixels / scale).toSize());
        for (QWidget* child : top->findChildren<QWidget*>()) {
            QWindow* native = child->internalWinId() ? child->windowHandle() : nullptr;
            if (!native || !native->handle()) continue;
            QWidget* parent = child->nativeParentWidget();
            const QPoint at = child->parentWidget()->mapTo(parent, child->pos());
            native->handle()->setGeometry(
                QHighDpi::toNativeWindowGeometry(QRect(at, child->size()), native));
        }
        top->update();
    }
}

// Another window of the program on show (a dialog, a message box, a menu):
// Qt 6.4 does not redraw such a window cleanly across a change of scale, so
// the change waits until it has closed.
bool otherWindowShown(const QWidget* hub) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != hub && top->isVisible()) return true;
    return false;
}

}  // namespace

void setLiveScaling(bool on) {
    liveScaling = on;
}

double fittingScale(QSize area) {
    if (area.isEmpty()) return 1.0;
    const double factor = std::min(area.width() / 1024.0, area.height() / 768.0);
    // Never below 1: Qt 6.4 lays widgets out at a scale below 1 but paints
    // them unscaled, so the display would be drawn wrong, not smaller.
    return std::clamp(factor, 1.0, 8.0);
}

void prepareDisplayScaling(int argc, char** argv, bool fullScreen, QSize windowSize) {
    if (std::getenv("QT_SCALE_FACTOR")) return;
    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    if (qpa && std::strncmp(qpa, "offscreen", 9) == 0) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return;
    setLiveScaling(true);
    double factor = 1.0;
    if (!fullScreen) {
        factor = windowSize.isEmpty() ? 1.0 : fittingScale(windowSize);
    } else {
        // A short-lived application only to measure the screen.
        int probeArgc = 1;
        char* probeArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("zafirel"), nullptr};
        QGuiApplication probe(probeArgc, probeArgv);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            factor = fittingScale(screen->size() * screen->devicePixelRatio());
    }
    if (std::abs(factor - 1.0) > 0.01)
        setenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'f', 4).constData(), 1);
}

HubWindow::HubWindow(QWidget* parent) : QWidget(parent) {
    // No frameless flag: full screen has no frame anyway, and a window keeps
    // the frame the user moves and resizes it by. The flags never change, so
    // switching never recreates the window (nor the video's native panel).
    setWindowFlags(Qt::Window);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    area_ = new QWidget(this);
    area_->setObjectName("display");
    area_->setAutoFillBackground(true);
    area_->setPalette(p);
    area_->resize(1024, 768);
    // A resize is followed once the user has stopped dragging: every change
    // of scale repaints the whole display.
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(150);
    connect(settle_, &QTimer::timeout, this, &HubWindow::followSize);
}

HubWindow::~HubWindow() {
    if (screenFactor != 1.0 && screen()) {
        screenFactor = 1.0;
        QHighDpiScaling::setScreenFactor(screen(), 1.0);
    }
}

QSize HubWindow::windowSize() const {
    return windowPixels_.isEmpty() ? QSize(1024, 768) : (windowPixels_ / scale()).toSize();
}

void HubWindow::setWindowSize(QSize size) {
    if (!size.isEmpty()) windowPixels_ = QSizeF(size) * scale();
}

QSize HubWindow::physicalSize() const {
    return (QSizeF(size()) * scale()).toSize();
}

bool HubWindow::setScale(double target) {
    QScreen* s = screen();
    if (!liveScaling || !s || std::abs(target - scale()) < 0.001) return true;
    if (otherWindowShown(this)) return false;
    const QSizeF pixels = QSizeF(size()) * scale();
    screenFactor *= target / scale();
    QHighDpiScaling::setScreenFactor(s, screenFactor);
    refitWindows(this, pixels, scale());
    return true;
}

void HubWindow::followSize() {
    if (!isVisible()) return;
    if (!setScale(fittingScale(physicalSize()))) settle_->start();  // tried again later
    if (!fullScreen_) keepWholeDisplay();
}

void HubWindow::keepWholeDisplay() {
    // A window manager keeps the window from hiding part of the display.
    setMinimumSize((QSizeF(1024, 768) / scale()).toSize());
}

void HubWindow::showHub(bool fullScreen) {
    fullScreen_ = fullScreen;
    if (fullScreen) {
        setMinimumSize(0, 0);  // a screen smaller than the display still fits
        if (QScreen* s = screen()) setScale(fittingScale(s->size() * s->devicePixelRatio()));
        // Sized to the screen first: where no window manager acts on the
        // full-screen request, the hub would keep its own size, with the
        // display in its corner.
        if (QScreen* s = screen()) setGeometry(s->geometry());
        showFullScreen();
    } else {
        // The window's own size, kept apart: the change of scale resizes the
        // hub, which would record the full screen's size as the window's.
        const QSizeF pixels = windowPixels_;
        if (!pixels.isEmpty()) setScale(fittingScale(pixels.toSize()));
        keepWholeDisplay();
        resize(pixels.isEmpty() ? QSize(1024, 768) : (pixels / scale()).toSize());
        show();
    }
}

void HubWindow::setFullScreenMode(bool fullScreen) {
    if (fullScreen == fullScreen_ && isVisible()) return;
    QPointer<QWidget> focus = QApplication::focusWidget();
    if (!fullScreen) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        if (QScreen* s = screen())
            move(s->geometry().topLeft());  // without a window manager, at 0,0
    }
    showHub(fullScreen);
    if (focus && isAncestorOf(focus)) focus->setFocus(Qt::OtherFocusReason);
}

void HubWindow::resizeEvent(QResizeEvent*) {
    if (!fullScreen_ && !(windowState() & Qt::WindowFullScreen))
        windowPixels_ = QSizeF(size()) * scale();
    if (liveScaling && isVisible()) settle_->start();
    area_->move(std::max(0, (width() - 1024) / 2), std::max(0, (height() - 768) / 2));
}

}  // namespace platform
