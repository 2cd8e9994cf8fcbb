// The shaped button: turning and reshaping, drawing, the pointer, focus and
// key states, and the state picture animation.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <limits>

#include "components/shaped_button.h"
#include "platform/clock.h"
#include "platform/guard.h"

using namespace ButtonShapes;

namespace {

/// `angle` brought into -1799..1800 tenths of a degree, whatever its size.
int normalAngle(int64_t angle) {
    int64_t a = angle % 3600;
    if (a < 0) a += 3600;
    return int(a > 1800 ? a - 3600 : a);
}

}  // namespace

// ---------------------------------------------------------------------------
// Shape and place

QPointF TShapedButton::pivot() const {
    if (centerFixed_) return {shape_.width / 2.0, shape_.height / 2.0};
    return pivot_;
}

void TShapedButton::SetButtonAngle(int value) {
    const int angle = normalAngle(value);
    if (angle == angle_) return;
    const int turn = angle - angle_;
    if (captionFixed_) look_.captionAngle = normalAngle(int64_t(look_.captionAngle) + turn);
    if (gradientFixed_) look_.gradient.angle = normalAngle(int64_t(look_.gradient.angle) + turn);
    // The rotation point keeps its place on the parent. While the control
    // stands where the last turn put it, the kept place is reused, so that
    // rounding never adds up over a continuous rotation.
    const QPointF p = pivot();
    const int w = shape_.width, h = shape_.height;
    if (placedAt_ != pos()) anchor_ = QPointF(pos()) + turnedPoint(p, w, h, angle_);
    angle_ = angle;
    reshape();
    const QPointF at = anchor_ - turnedPoint(p, w, h, angle_);
    const QPoint to(int(std::lround(at.x())), int(std::lround(at.y())));
    move(to);
    placedAt_ = to;
}

void TShapedButton::reshape() {
    if (shape_.kind == bkArc) {
        if (auto h = arcHeight(shape_.width, shape_.arcAngle, shape_.radiusRatio))
            shape_.height = *h;
    }
    ShapeParams params = shape_;
    if (params.kind == bkUser)
        params.userRegion =
            userRegion_ ? *userRegion_ : decodeStringRegion(stringRegion_).value_or(QRegion());
    const int w = params.width, h = params.height;
    const bool border = look_.kind3D == dk3dBorder || look_.kind3D == dk3dBorderFlatten;
    regions_ =
        buildRegions(turned(shapeOutlines(params), w, h, angle_), turnedSize(w, h, angle_),
                     params.depth, thickness(params), border, params.kind != bkUser || userAuto_);
    // An empty mask would show the whole rectangle: one outside it shows nothing.
    setMask(regions_.window.isEmpty() ? QRegion(-1, -1, 1, 1) : regions_.window);
    placedAt_.reset();
    reshaping_ = true;
    if (size() != regions_.size) resize(regions_.size);
    reshaping_ = false;
    restyle();
}

void TShapedButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    const QSize box = regions_.size, now = size();
    if (reshaping_ || now == box) return;
    // Resized from outside: the shape keeps its proportions and fits the new size.
    constexpr double none = std::numeric_limits<double>::infinity();
    const double ratio = std::min(box.width() > 0 ? double(now.width()) / box.width() : none,
                                  box.height() > 0 ? double(now.height()) / box.height() : none);
    if (std::isinf(ratio)) {
        shape_.width = std::min(now.width(), MaxSize);
        shape_.height = std::min(now.height(), MaxSize);
    } else {
        shape_.width = int(std::min(std::lround(shape_.width * ratio), long(MaxSize)));
        shape_.height = int(std::min(std::lround(shape_.height * ratio), long(MaxSize)));
    }
    reshape();
}

bool TShapedButton::hitButton(const QPoint& pos) const {
    return regions_.window.contains(pos);
}

// ---------------------------------------------------------------------------
// Drawing

void TShapedButton::restyle() {
    faceOutOfDate_ = true;
    update();
}

ButtonPaint::FaceState TShapedButton::faceState() const {
    return {isDown(), inside_, isEnabled(), showFocus_ && (hasFocus() || isDefault())};
}

const QImage& TShapedButton::FacePicture() {
    const ButtonPaint::FaceState state = faceState();
    if (look_.caption != text()) {
        look_.caption = text();
        faceOutOfDate_ = true;
    }
    if (faceOutOfDate_ || renderedState_ != state) {
        ButtonPaint::renderFace(face_, look_, state, stateFrame(), regions_);
        faceOutOfDate_ = false;
        renderedState_ = state;
    }
    return face_;
}

void TShapedButton::paintEvent(QPaintEvent*) {
    FacePicture();
    QPainter p(this);
    p.drawImage(0, 0, face_);
    canvas_ = &p;
    fire(OnPaint);
    canvas_ = nullptr;
}

void TShapedButton::fire(const TShapedNotifyEvent& event) {
    if (event) platform::guarded([&] { event(this); });
}

void TShapedButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        look_.font = font();
        restyle();
    }
    if (event->type() == QEvent::EnabledChange) update();
}

// ---------------------------------------------------------------------------
// Pointer, focus and keys

void TShapedButton::animateIn() {
    stopStrip(Exit);
    startStrip(Enter);
    update();
}

void TShapedButton::animateOut() {
    stopStrip(Enter);
    stopStrip(Click);
    startStrip(Exit);
    update();
}

void TShapedButton::animatePress() {
    stopStrip(Enter);
    startStrip(Click);
}

void TShapedButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    if (keyHeld_) return;
    inside_ = true;
    animateIn();
    fire(onMouseEnter);
}

void TShapedButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    if (keyHeld_) return;
    inside_ = false;
    animateOut();
    fire(onMouseExit);
}

void TShapedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (!hitButton(event->position().toPoint())) {
            event->ignore();
            return;
        }
        animatePress();
    }
    QPushButton::mousePressEvent(event);
}

// The focus animates like the pointer, without the pointer's events.
void TShapedButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    animateIn();
}

void TShapedButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    keyHeld_ = false;  // its key-up goes to the next control
    animateOut();
}

void TShapedButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!event->isAutoRepeat() && key == Qt::Key_Space) {
        keyHeld_ = true;  // the pointer's comings and goings are ignored meanwhile
        animatePress();
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) {
            startStrip(Click);
            click();
        }
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TShapedButton::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) keyHeld_ = false;
    QPushButton::keyReleaseEvent(event);
}

// ---------------------------------------------------------------------------
// State pictures

void TShapedButton::startStrip(StripKind kind) {
    if (running_ == kind) return;
    shown_ = kind;
    frame_ = 0;
    restyle();
    animation_->setEnabled(false);
    running_ = NoStrip;
    const Strip& strip = strips_[kind];
    if (strip.bitmap.isNull() || strip.glyphs < 2) return;  // nothing to step through
    running_ = kind;
    animation_->setInterval(strip.interval);
    animation_->setEnabled(true);
}

void TShapedButton::stopStrip(StripKind kind) {
    if (running_ != kind) return;
    animation_->setEnabled(false);
    running_ = NoStrip;
}

void TShapedButton::animationTick() {
    if (running_ == NoStrip) {
        animation_->setEnabled(false);
        return;
    }
    const int glyphs = strips_[running_].glyphs;
    if (++frame_ >= glyphs) {
        frame_ = glyphs - 1;  // the last frame stays
        stopStrip(running_);
    }
    restyle();
}

ButtonPaint::StateFrame TShapedButton::stateFrame() const {
    // A state without a picture shows the first frame of the main picture.
    const Strip& shown = strips_[shown_];
    if (shown.bitmap.isNull()) return {strips_[Main].bitmap, strips_[Main].glyphs, 0};
    return {shown.bitmap, shown.glyphs, frame_};
}
