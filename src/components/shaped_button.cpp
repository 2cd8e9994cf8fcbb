// The shaped button: construction and properties. Every setter ignores a value
// equal to the current one and a refused value; what changes the shape
// rebuilds the regions, what changes the look only redraws the face.
#include "components/shaped_button.h"

#include <cmath>
#include <numbers>

#include "platform/clock.h"
#include "platform/guard.h"

using namespace ButtonShapes;

namespace {

/// Stores `value` in `field`; false when it was there already.
template <class T>
bool assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

/// An enumeration value in range (values may come from stored integers).
template <class E>
bool inRange(E value, int count) {
    return int(value) >= 0 && int(value) < count;
}

/// Pictures are kept as 24-bit colour.
QImage opaque(const QImage& picture) {
    return picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TShapedButton::TShapedButton(QWidget* parent) : QPushButton(parent) {
    resize(75, 25);  // the toolkit's size of a new button
    shape_.width = width();
    shape_.height = height();
    QFont font("Times New Roman");
    font.setPixelSize(11);
    setFont(font);
    look_.font = font;
    animation_ = new platform::Timer(this, strips_[Enter].interval, false);
    animation_->onTimer = [this] { animationTick(); };
    rotation_ = new platform::Timer(this, rotatedTime_, false);
    rotation_->onTimer = [this] { SetButtonAngle(angle_ + rotatedAngle_); };
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (OnClick) platform::guarded(OnClick);
    });
    reshape();
}

TShapedButton::~TShapedButton() = default;

void TShapedButton::SetButtonWidth(int width) {
    if (width >= 0 && assign(shape_.width, std::min(width, MaxSize))) reshape();
}

void TShapedButton::SetButtonHeight(int height) {
    if (height >= 0 && assign(shape_.height, std::min(height, MaxSize))) reshape();
}

void TShapedButton::SetCaption(const QString& caption) {
    if (caption == text()) return;
    setText(caption);
    restyle();
}

void TShapedButton::SetCaptionTop(int top) {
    if (assign(look_.captionOffset.ry(), top)) restyle();
}

void TShapedButton::SetCaptionLeft(int left) {
    if (assign(look_.captionOffset.rx(), left)) restyle();
}

void TShapedButton::SetCaptionAngle(int angle) {
    if (assign(look_.captionAngle, angle)) restyle();
}

void TShapedButton::SetCaptionHAlign(TShapeHAlign align) {
    if (inRange(align, haNone + 1) && assign(look_.captionH, align)) restyle();
}

void TShapedButton::SetCaptionVAlign(TShapeVAlign align) {
    if (inRange(align, vaNone + 1) && assign(look_.captionV, align)) restyle();
}

void TShapedButton::SetCaption3dKind(TShapeCaption3dKind kind) {
    if (inRange(kind, ckPressed + 1) && assign(look_.captionKind, kind)) restyle();
}

void TShapedButton::SetFontColor(const QColor& color) {
    if (assign(look_.fontColor, color)) restyle();
}

void TShapedButton::SetButtonColor(const QColor& color) {
    if (assign(look_.color, color)) restyle();
}

void TShapedButton::SetButtonColor1(const QColor& color) {
    if (assign(look_.color1, color)) restyle();
}

void TShapedButton::SetButtonKind(TShapeKind kind) {
    if (inRange(kind, ShapeKindCount) && assign(shape_.kind, kind)) reshape();
}

void TShapedButton::SetButton3DKind(TShape3DKind kind) {
    // The border kinds set the focus outline further in.
    if (inRange(kind, Shape3DKindCount) && assign(look_.kind3D, kind)) reshape();
}

void TShapedButton::SetButtonDepth(int depth) {
    if (depth < 0 || !assign(shape_.depth, std::min(depth, MaxSize))) return;
    look_.depth = shape_.depth;
    reshape();
}

void TShapedButton::SetPeaksNumber(int peaks) {
    if (peaks >= 3 && peaks <= MaxPeaks && assign(shape_.peaks, peaks)) reshape();
}

void TShapedButton::SetRadiusRatio(double ratio) {
    if (ratio >= 0 && ratio <= 1 && assign(shape_.radiusRatio, ratio)) reshape();
}

void TShapedButton::SetArcAngle(double angle) {
    if (angle >= 0.01 && angle <= 2 * std::numbers::pi && assign(shape_.arcAngle, angle)) reshape();
}

void TShapedButton::SetStringButtonRegion(const std::string& text) {
    if (assign(stringRegion_, text) && shape_.kind == bkUser) reshape();
}

void TShapedButton::SetUserRGNAUTO(bool on) {
    if (assign(userAuto_, on) && shape_.kind == bkUser) reshape();
}

void TShapedButton::SetUserRegion(const QRegion& region) {
    if (shape_.kind != bkUser || userRegion_ == region) return;
    userRegion_ = region;
    reshape();
}

// The rotation point only decides where the control stands after a turn.
void TShapedButton::SetRotationPointX(int x) {
    if (assign(pivot_.rx(), x)) placedAt_.reset();
}

void TShapedButton::SetRotationPointY(int y) {
    if (assign(pivot_.ry(), y)) placedAt_.reset();
}

void TShapedButton::SetRotationCenterFixed(bool on) {
    if (assign(centerFixed_, on)) placedAt_.reset();
}

void TShapedButton::SetRotated(bool on) {
    if (!assign(rotated_, on)) return;
    rotation_->setInterval(std::max(rotatedTime_, MinRotationInterval));
    rotation_->setEnabled(on);
}

void TShapedButton::SetRotatedTime(int ms) {
    // An interval of 0 would step as fast as the event loop turns.
    if (ms >= 0 && assign(rotatedTime_, ms))
        rotation_->setInterval(std::max(ms, MinRotationInterval));
}

void TShapedButton::SetRotatedAngle(int angle) {
    if (angle >= -1799 && angle <= 1799) rotatedAngle_ = angle;
}

void TShapedButton::SetGradientKind(TShapeGradientKind kind) {
    if (inRange(kind, gkCircular + 1) && assign(look_.gradient.kind, kind)) restyle();
}

void TShapedButton::SetGradientAngle(int angle) {
    if (assign(look_.gradient.angle, angle)) restyle();
}

void TShapedButton::SetGradientBitmap(const QImage& picture) {
    if (assign(look_.gradient.picture, opaque(picture))) restyle();
}

void TShapedButton::SetGradientBitmapLine(int line) {
    if (assign(look_.gradient.pictureLine, line)) restyle();
}

void TShapedButton::setStripBitmap(StripKind kind, const QImage& strip) {
    if (assign(strips_[kind].bitmap, opaque(strip))) restyle();
}

void TShapedButton::setStripGlyphs(StripKind kind, int glyphs) {
    if (glyphs >= 1 && assign(strips_[kind].glyphs, glyphs)) restyle();
}

void TShapedButton::setStripInterval(StripKind kind, int ms) {
    if (ms < 1 || !assign(strips_[kind].interval, ms)) return;
    if (running_ == kind) animation_->setInterval(ms);
}

void TShapedButton::SetTransparent(bool on) {
    if (assign(look_.transparent, on)) restyle();
}

void TShapedButton::SetBitmapTop(int top) {
    if (assign(look_.bitmapOffset.ry(), top)) restyle();
}

void TShapedButton::SetBitmapLeft(int left) {
    if (assign(look_.bitmapOffset.rx(), left)) restyle();
}

void TShapedButton::SetBitmapHAlign(TShapeHAlign align) {
    if (inRange(align, haNone + 1) && assign(look_.bitmapH, align)) restyle();
}

void TShapedButton::SetBitmapVAlign(TShapeVAlign align) {
    if (inRange(align, vaNone + 1) && assign(look_.bitmapV, align)) restyle();
}

void TShapedButton::SetCustomDraw(bool on) {
    if (assign(look_.customDraw, on)) restyle();
}

void TShapedButton::SetShowFocusRGN(bool on) {
    if (assign(showFocus_, on)) restyle();
}
