#include "platform/display.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <cstring>

namespace platform {

void prepareDisplayScaling(int argc, char** argv) {
    if (std::getenv("QT_SCALE_FACTOR")) return;
    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    if (qpa && std::strncmp(qpa, "offscreen", 9) == 0) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return;
    double factor = 1.0;
    {
        // A short-lived application only to measure the screen.
        int probeArgc = 1;
        char* probeArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("zafirel"), nullptr};
        QGuiApplication probe(probeArgc, probeArgv);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QSize size = screen->size() * screen->devicePixelRatio();
            factor = std::min(size.width() / 1024.0, size.height() / 768.0);
        }
    }
    if (factor > 1.01) {
        setenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'f', 4).constData(), 1);
    }
}

HubWindow::HubWindow(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
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

void HubWindow::showHub(bool fullScreen) {
    if (fullScreen) {
        // Sized to the screen first: where no window manager acts on the
        // full-screen request, the hub would keep its own size, with the
        // display in its corner.
        if (QScreen* s = screen()) setGeometry(s->geometry());
        showFullScreen();
    } else {
        resize(1024, 768);
        show();
    }
}

void HubWindow::resizeEvent(QResizeEvent*) {
    area_->move(std::max(0, (width() - 1024) / 2), std::max(0, (height() - 768) / 2));
}

}  // namespace platform
