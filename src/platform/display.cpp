#include "platform/display.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace platform {

double fittingScale(QSize area) {
    if (area.isEmpty()) return 1.0;
    const double factor = std::min(area.width() / 1024.0, area.height() / 768.0);
    return std::clamp(factor, 0.5, 8.0);
}

void prepareDisplayScaling(int argc, char** argv, bool fullScreen, QSize windowSize) {
    if (std::getenv("QT_SCALE_FACTOR")) return;
    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    if (qpa && std::strncmp(qpa, "offscreen", 9) == 0) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return;
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
        factor = std::max(factor, 1.0);
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
}

void HubWindow::setWindowSize(QSize size) {
    if (!size.isEmpty()) windowSize_ = size;
}

void HubWindow::showHub(bool fullScreen) {
    fullScreen_ = fullScreen;
    if (fullScreen) {
        // Sized to the screen first: where no window manager acts on the
        // full-screen request, the hub would keep its own size, with the
        // display in its corner.
        if (QScreen* s = screen()) setGeometry(s->geometry());
        showFullScreen();
    } else {
        resize(windowSize_);
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
    if (!fullScreen_ && !(windowState() & Qt::WindowFullScreen)) windowSize_ = size();
    area_->move(std::max(0, (width() - 1024) / 2), std::max(0, (height() - 768) / 2));
}

}  // namespace platform
