#include "platform/click_label.h"

#include <QMouseEvent>

#include "platform/guard.h"

namespace platform {

ClickLabel::ClickLabel(QWidget* parent, const QString& name) : QLabel(parent) {
    setObjectName(name);
    setMouseTracking(true);
}

void ClickLabel::mouseMoveEvent(QMouseEvent*) {
    if (onMouseMove) guarded(onMouseMove);
}

void ClickLabel::mousePressEvent(QMouseEvent*) {
    pressed_ = true;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) &&
        onClick)
        guarded(onClick);
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

}  // namespace platform
