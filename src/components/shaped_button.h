// The shaped button: a push button that draws itself and is clipped to one of
// fifteen shapes, with 3D bands derived from its face colour, an optional
// gradient, rotation in tenths of a degree (also continuous, on a timer),
// captions at any angle and animated state pictures.
//
// The shape is the button: it is the widget's mask, so the parent shows
// around it and a click outside the shape (but inside the rectangle) is not a
// click. The control's size is the bounding box of the turned shape; set the
// shape's size through ButtonWidth and ButtonHeight. A resize from outside
// scales the shape, keeping its proportions.
//
// All drawing goes to an off-screen face picture, re-rendered only when a
// property changed or the pressed, pointer-inside, enabled or focus state
// differs from the last render. Regions are rebuilt only when the shape
// changes. Time comes from the platform clock: the state pictures and the
// rotation step on platform timers.
//
// Keyboard: the button takes the focus; Space presses and clicks it on
// release, Enter clicks it, and the caption's access character (after "&")
// is its shortcut.
#pragma once

#include <QPainter>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "components/button_painting.h"
#include "components/button_shapes.h"

namespace platform {
class Timer;
}

class TShapedButton;

/// Raised when the pointer enters or leaves the button.
using TMouseInOutEvent = std::function<void(TShapedButton* sender)>;
/// An event with the sender only.
using TShapedNotifyEvent = std::function<void(TShapedButton* sender)>;

class TShapedButton : public QPushButton {
    Q_OBJECT
  public:
    explicit TShapedButton(QWidget* parent = nullptr);
    ~TShapedButton() override;

    /// Rotation of the shape in tenths of a degree, counter-clockwise, kept in
    /// -1799..1800 (any value is brought into range modulo 3600). Turning
    /// also turns the caption with CaptionFixed and the gradient with
    /// GradientFixed, and moves the control so that the rotation point keeps
    /// its place on the parent.
    int ButtonAngle() const { return angle_; }
    void SetButtonAngle(int angle);
    /// Size of the unturned shape; negative values are refused, values above
    /// ButtonShapes::MaxSize become that size.
    int ButtonWidth() const { return shape_.width; }
    void SetButtonWidth(int width);
    int ButtonHeight() const { return shape_.height; }
    void SetButtonHeight(int height);

    /// Caption text; "&" marks the access character, "&&" is a literal "&".
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    /// Caption offsets used with haNone and vaNone.
    int CaptionTop() const { return look_.captionOffset.y(); }
    void SetCaptionTop(int top);
    int CaptionLeft() const { return look_.captionOffset.x(); }
    void SetCaptionLeft(int left);
    /// Caption angle in tenths of a degree, counter-clockwise.
    int CaptionAngle() const { return look_.captionAngle; }
    void SetCaptionAngle(int angle);
    TShapeHAlign CaptionHAlign() const { return look_.captionH; }
    void SetCaptionHAlign(TShapeHAlign align);
    TShapeVAlign CaptionVAlign() const { return look_.captionV; }
    void SetCaptionVAlign(TShapeVAlign align);
    TShapeCaption3dKind Caption3dKind() const { return look_.captionKind; }
    void SetCaption3dKind(TShapeCaption3dKind kind);
    /// When True the caption turns with the shape.
    bool CaptionFixed() const { return captionFixed_; }
    void SetCaptionFixed(bool on) { captionFixed_ = on; }
    /// Colour of the caption; clNone draws none.
    QColor FontColor() const { return look_.fontColor; }
    void SetFontColor(const QColor& color);

    /// Face colour (every band colour derives from it); clNone leaves the face unfilled.
    QColor ButtonColor() const { return look_.color; }
    void SetButtonColor(const QColor& color);
    /// Second gradient colour.
    QColor ButtonColor1() const { return look_.color1; }
    void SetButtonColor1(const QColor& color);
    TShapeKind ButtonKind() const { return shape_.kind; }
    void SetButtonKind(TShapeKind kind);
    TShape3DKind Button3DKind() const { return look_.kind3D; }
    void SetButton3DKind(TShape3DKind kind);
    /// Width of the 3D bands, and the corner radius basis of bkRoundRect;
    /// negative values are refused, values above ButtonShapes::MaxSize become that.
    int ButtonDepth() const { return shape_.depth; }
    void SetButtonDepth(int depth);
    /// Corners of bkPoly, points of bkPolyStar: 3..MaxPeaks, others refused.
    int PeaksNumber() const { return shape_.peaks; }
    void SetPeaksNumber(int peaks);
    /// Inner radius of bkArc and bkDonut as a fraction of the outer: 0..1.
    double RadiusRatio() const { return shape_.radiusRatio; }
    void SetRadiusRatio(double ratio);
    /// Opening of bkArc in radians: 0.01..2 pi.
    double ArcAngle() const { return shape_.arcAngle; }
    void SetArcAngle(double angle);

    /// The bkUser shape as a text-encoded region record; a record that does
    /// not hold together gives the rectangle.
    const std::string& StringButtonRegion() const { return stringRegion_; }
    void SetStringButtonRegion(const std::string& text);
    /// For bkUser: build the bands from the user region (True), or use it as is.
    bool UserRGNAUTO() const { return userAuto_; }
    void SetUserRGNAUTO(bool on);
    /// The bkUser shape as a region; overrides StringButtonRegion. Only while
    /// ButtonKind is bkUser.
    void SetUserRegion(const QRegion& region);

    /// The point the shape turns about, in unturned shape coordinates, or
    /// the middle of the shape with RotationCenterFixed.
    int RotationPointX() const { return pivot_.x(); }
    void SetRotationPointX(int x);
    int RotationPointY() const { return pivot_.y(); }
    void SetRotationPointY(int y);
    bool RotationCenterFixed() const { return centerFixed_; }
    void SetRotationCenterFixed(bool on);
    /// Continuous rotation: every RotatedTime ms the angle grows by RotatedAngle.
    bool Rotated() const { return rotated_; }
    void SetRotated(bool on);
    /// Negative values are refused; steps come at most every MinRotationInterval ms.
    int RotatedTime() const { return rotatedTime_; }
    void SetRotatedTime(int ms);
    static constexpr int MinRotationInterval = 10;
    /// -1799..1799; other values are refused.
    int RotatedAngle() const { return rotatedAngle_; }
    void SetRotatedAngle(int angle);

    TShapeGradientKind GradientKind() const { return look_.gradient.kind; }
    void SetGradientKind(TShapeGradientKind kind);
    /// Direction of the linear gradient in tenths of a degree.
    int GradientAngle() const { return look_.gradient.angle; }
    void SetGradientAngle(int angle);
    /// When True the gradient direction turns with the shape.
    bool GradientFixed() const { return gradientFixed_; }
    void SetGradientFixed(bool on) { gradientFixed_ = on; }
    /// A picture whose row GradientBitmapLine gives the gradient's colours.
    const QImage& GradientBitmap() const { return look_.gradient.picture; }
    void SetGradientBitmap(const QImage& picture);
    int GradientBitmapLine() const { return look_.gradient.pictureLine; }
    void SetGradientBitmapLine(int line);

    /// State picture strips: frames side by side. Glyph counts and intervals
    /// below 1 are refused.
    const QImage& MainBitmap() const { return strips_[Main].bitmap; }
    void SetMainBitmap(const QImage& strip) { setStripBitmap(Main, strip); }
    int MainBitmapGlyphs() const { return strips_[Main].glyphs; }
    void SetMainBitmapGlyphs(int glyphs) { setStripGlyphs(Main, glyphs); }
    const QImage& OnEnterBitmap() const { return strips_[Enter].bitmap; }
    void SetOnEnterBitmap(const QImage& strip) { setStripBitmap(Enter, strip); }
    int OnEnterGlyphs() const { return strips_[Enter].glyphs; }
    void SetOnEnterGlyphs(int glyphs) { setStripGlyphs(Enter, glyphs); }
    int OnEnterInterval() const { return strips_[Enter].interval; }
    void SetOnEnterInterval(int ms) { setStripInterval(Enter, ms); }
    const QImage& OnExitBitmap() const { return strips_[Exit].bitmap; }
    void SetOnExitBitmap(const QImage& strip) { setStripBitmap(Exit, strip); }
    int OnExitGlyphs() const { return strips_[Exit].glyphs; }
    void SetOnExitGlyphs(int glyphs) { setStripGlyphs(Exit, glyphs); }
    int OnExitInterval() const { return strips_[Exit].interval; }
    void SetOnExitInterval(int ms) { setStripInterval(Exit, ms); }
    const QImage& OnClickBitmap() const { return strips_[Click].bitmap; }
    void SetOnClickBitmap(const QImage& strip) { setStripBitmap(Click, strip); }
    int OnClickGlyphs() const { return strips_[Click].glyphs; }
    void SetOnClickGlyphs(int glyphs) { setStripGlyphs(Click, glyphs); }
    int OnClickInterval() const { return strips_[Click].interval; }
    void SetOnClickInterval(int ms) { setStripInterval(Click, ms); }
    /// Leave out the pixels of each strip's top-left colour.
    bool Transparent() const { return look_.transparent; }
    void SetTransparent(bool on);
    /// State picture placement; the offsets are used with haNone and vaNone.
    int BitmapTop() const { return look_.bitmapOffset.y(); }
    void SetBitmapTop(int top);
    int BitmapLeft() const { return look_.bitmapOffset.x(); }
    void SetBitmapLeft(int left);
    TShapeHAlign BitmapHAlign() const { return look_.bitmapH; }
    void SetBitmapHAlign(TShapeHAlign align);
    TShapeVAlign BitmapVAlign() const { return look_.bitmapV; }
    void SetBitmapVAlign(TShapeVAlign align);

    /// Clear the face instead of filling it and draw neither state picture
    /// nor caption; the bands are still drawn, and OnPaint draws the rest.
    bool CustomDraw() const { return look_.customDraw; }
    void SetCustomDraw(bool on);
    /// Draw the focus outline when the button has the focus or is the default.
    bool ShowFocusRGN() const { return showFocus_; }
    void SetShowFocusRGN(bool on);

    TMouseInOutEvent onMouseEnter, onMouseExit;
    /// Raised after every draw; Canvas() paints on the button meanwhile.
    TShapedNotifyEvent OnPaint;
    /// The button was clicked (mouse, Space, Enter or the access character).
    std::function<void()> OnClick;
    /// The painter of the draw in progress, for OnPaint; nullptr otherwise.
    QPainter* Canvas() const { return canvas_; }

    /// The face picture as it is drawn now (rendered first if out of date).
    const QImage& FacePicture();
    /// The shape in control coordinates: the window region and hit area.
    const QRegion& ShapeRegion() const { return regions_.window; }
    /// True while the pointer is over the button.
    bool PointerInside() const { return inside_; }

    QSize sizeHint() const override { return size(); }
    QSize minimumSizeHint() const override { return {0, 0}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    enum StripKind { Main, Enter, Exit, Click, NoStrip };
    struct Strip {
        QImage bitmap;
        int glyphs = 1, interval = 40;
    };

    void setStripBitmap(StripKind kind, const QImage& strip);
    void setStripGlyphs(StripKind kind, int glyphs);
    void setStripInterval(StripKind kind, int ms);
    /// Starts strip `kind` from frame 0 unless it is running already.
    void startStrip(StripKind kind);
    /// Stops strip `kind` if it is the one running.
    void stopStrip(StripKind kind);
    void animationTick();
    /// The animations of the pointer (or the focus) coming, going and pressing.
    void animateIn();
    void animateOut();
    void animatePress();
    ButtonPaint::StateFrame stateFrame() const;

    /// The face must be drawn again.
    void restyle();
    /// The shape changed: rebuild the regions, resize and restyle.
    void reshape();
    void fire(const TShapedNotifyEvent& event);
    /// The point the shape turns about, in unturned shape coordinates.
    QPointF pivot() const;
    ButtonPaint::FaceState faceState() const;

    ButtonShapes::ShapeParams shape_;
    ButtonPaint::FaceLook look_;
    ButtonShapes::Regions regions_;
    int angle_ = 0;
    QPoint pivot_{0, 0};
    bool centerFixed_ = false, captionFixed_ = false, gradientFixed_ = false;
    bool rotated_ = false;
    int rotatedTime_ = 40, rotatedAngle_ = 40;
    std::string stringRegion_;
    std::optional<QRegion> userRegion_;
    bool userAuto_ = true, showFocus_ = true;

    std::array<Strip, 4> strips_;
    StripKind running_ = NoStrip, shown_ = Main;
    int frame_ = 0;
    platform::Timer* animation_ = nullptr;
    platform::Timer* rotation_ = nullptr;

    /// Where the rotation point lies on the parent, while the control stays
    /// where it was last placed (so that turning never drifts).
    QPointF anchor_;
    std::optional<QPoint> placedAt_;

    QImage face_;
    bool faceOutOfDate_ = true;
    std::optional<ButtonPaint::FaceState> renderedState_;
    bool inside_ = false, keyHeld_ = false, reshaping_ = false;
    QPainter* canvas_ = nullptr;
};
