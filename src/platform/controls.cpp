#include "platform/controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "platform/guard.h"
#include "platform/jpeg.h"

namespace platform {

ImageControl::ImageControl(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::setPicture(const QImage& picture) {
    picture_ = picture;
    if (autoSize_ && !picture_.isNull()) resize(picture_.size());
    update();
}

void ImageControl::loadPicture(const std::string& windowsPath) {
    // Nothing is seen of a picture beyond the program's 1024 by 768 display,
    // or beyond the control it is stretched over when that is larger.
    const QSize shownAt = (stretch_ ? size() : QSize()).expandedTo(QSize(1024, 768));
    setPicture(loadJpeg(windowsPath, shownAt));
}

void ImageControl::clearPicture() {
    picture_ = QImage();
    update();
}

void ImageControl::setAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

void ImageControl::setStretch(bool on) {
    stretch_ = on;
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    if (stretch_)
        p.drawImage(rect(), picture_);
    else
        p.drawImage(0, 0, picture_);
}

void ImageControl::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove) {
        QPoint pos = e->position().toPoint();
        guarded([&] { onMouseMove(pos.x(), pos.y()); });
    }
}

void ImageControl::mousePressEvent(QMouseEvent* e) {
    pressed_ = true;
    if (onMouseDown) {
        QPoint pos = e->position().toPoint();
        guarded([&] { onMouseDown(e->button(), pos.x(), pos.y()); });
    }
}

void ImageControl::mouseReleaseEvent(QMouseEvent* e) {
    bool wasPressed = pressed_;
    pressed_ = false;
    QPoint pos = e->position().toPoint();
    // The handlers may close the screen and release this control.
    QPointer<ImageControl> self(this);
    if (onMouseUp) guarded([&] { onMouseUp(e->button(), pos.x(), pos.y()); });
    if (self && wasPressed && e->button() == Qt::LeftButton && rect().contains(pos) && onClick)
        guarded(onClick);
}

}  // namespace platform
