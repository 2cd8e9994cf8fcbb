#include "components/picture_show.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "components/transition_effects.h"
#include "platform/clock.h"
#include "platform/guard.h"

// ---------------------------------------------------------------------------
// Construction, properties, the image shown

namespace {
std::atomic<bool> threadedByDefault{true};
}  // namespace

void TCustomPictureShow::SetThreadedByDefault(bool on) {
    threadedByDefault = on;
}

TCustomPictureShow::TCustomPictureShow(QWidget* parent) : QWidget(parent) {
    threaded_ = threadedByDefault;
    resize(100, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_ = new platform::Timer(this, delay_, false);
    timer_->onTimer = [this] { timerTick(); };
    frameShown_.set();
}

TCustomPictureShow::~TCustomPictureShow() {
    EndForDestruction();
}

void TCustomPictureShow::EndForDestruction() {
    destroying_ = true;
    StopTransition();
    if (thread_) endThread();  // a paused animation's thread, if any
}

void TCustomPictureShow::SetPicture(const QImage& picture) {
    picture_ = picture;
    DoChange();
    if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

void TCustomPictureShow::SetBgPicture(const QImage& picture) {
    const bool had = !bgPicture_.isNull();
    bgPicture_ = picture;
    if (had || !bgPicture_.isNull()) update();
}

void TCustomPictureShow::SetBgMode(TBackgroundMode mode) {
    if (mode == bgMode_) return;
    bgMode_ = mode;
    if (!bgPicture_.isNull()) update();
}

void TCustomPictureShow::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TCustomPictureShow::SetAutoSize(bool on) {
    autoSize_ = on;
    if (on && !picture_.isNull()) resize(picture_.size());
}

void TCustomPictureShow::SetCenter(bool on) {
    if (on == center_) return;
    center_ = on;
    if (!media_.isNull()) update();
}

void TCustomPictureShow::SetStretch(bool on) {
    if (on == stretch_) return;
    stretch_ = on;
    if (!media_.isNull()) update();
}

void TCustomPictureShow::SetStretchFine(bool on) {
    if (on == stretchFine_) return;
    stretchFine_ = on;
    if (!media_.isNull()) update();
}

void TCustomPictureShow::SetManual(bool on) {
    if (on == manual_) return;
    if (!onUiThread()) {  // e.g. from a handler on the animation thread, which cannot join itself
        QMetaObject::invokeMethod(
            this, [this, on] { SetManual(on); }, Qt::QueuedConnection);
        return;
    }
    manual_ = on;
    if (running_) {
        if (on) {
            pauseAnimation();
        } else {
            animate();
        }
    } else {
        progress_ = reverse_ ? 100 : 0;
    }
}

void TCustomPictureShow::SetStyle(TShowStyle style) {
    // Every picture of a transition is 32 bits per pixel already, which the
    // fade and the pivots (118..122) need.
    if (style == style_ || style < 0 || style > TransitionEffects::EffectCount) return;
    style_ = style;
}

std::string TCustomPictureShow::StyleName() const {
    return style_ == 0 ? "Custom" : TransitionEffects::effectName(style_);
}

void TCustomPictureShow::SetStyleName(const std::string& name) {
    if (QString::fromStdString(name).compare("Custom", Qt::CaseInsensitive) == 0) {
        SetStyle(0);
    } else if (const int style = TransitionEffects::findEffect(name)) {
        SetStyle(style);
    }
}

void TCustomPictureShow::SetStep(int step) {
    step_ = std::clamp(step, 1, 100);
}

void TCustomPictureShow::SetDelay(int ms) {
    delay_ = std::clamp(ms, 0, 65535);
    timer_->setInterval(std::max(1, delay_.load()));
}

QImage TCustomPictureShow::shownImage() const {
    std::lock_guard lock(frameLock_);
    return media_.copy();
}

void TCustomPictureShow::ClearImage() {
    if (running_) return;
    std::lock_guard lock(frameLock_);
    if (media_.isNull()) return;
    media_ = QImage();
    update();
}

// ---------------------------------------------------------------------------
// Events

bool TCustomPictureShow::onUiThread() const {
    return QThread::currentThread() == thread();
}

void TCustomPictureShow::reportError(const std::string& message) {
    QMetaObject::invokeMethod(
        this, [message] { platform::ErrorBox::show(message); }, Qt::QueuedConnection);
}

void TCustomPictureShow::fire(const TNotifyEvent& event) {
    if (!event || destroying_) return;
    if (onUiThread()) {
        platform::guarded([&] { event(this); });
        return;
    }
    // On the animation thread: errors are shown by the UI thread.
    try {
        event(this);
    } catch (const std::exception& e) {
        reportError(e.what());
    }
}

void TCustomPictureShow::fireDraw(const TCustomDrawEvent& event, const QImage& picture,
                                  QImage& screen) {
    if (!event || destroying_) return;
    if (onUiThread()) {
        platform::guarded([&] { event(this, picture, screen); });
        return;
    }
    try {
        event(this, picture, screen);
    } catch (const std::exception& e) {
        reportError(e.what());
    }
}

void TCustomPictureShow::DoChange() {
    fire(OnChange);
}
void TCustomPictureShow::DoProgress() {
    fire(OnProgress);
}
void TCustomPictureShow::DoCustomDraw(const QImage& picture, QImage& screen) {
    fireDraw(OnCustomDraw, picture, screen);
}
void TCustomPictureShow::DoBeforeNewFrame(const QImage& picture, QImage& screen) {
    fireDraw(OnBeforeNewFrame, picture, screen);
}
void TCustomPictureShow::DoAfterNewFrame(const QImage& picture, QImage& screen) {
    fireDraw(OnAfterNewFrame, picture, screen);
}
void TCustomPictureShow::DoComplete() {
    fire(OnComplete);
}
void TCustomPictureShow::DoStart() {
    fire(OnStart);
}
void TCustomPictureShow::DoStop() {
    fire(OnStop);
}

// ---------------------------------------------------------------------------
// Geometry and painting

QRect TCustomPictureShow::picRectFor(QSize size) const {
    QRect r(QPoint(0, 0), size);
    if (center_) r.moveTo((width() - size.width()) / 2, (height() - size.height()) / 2);
    return r;
}

QRect TCustomPictureShow::aspectFit(QSize size) const {
    if (size.isEmpty()) return rect();
    const int cw = width(), ch = height();
    if (int64_t(cw) * size.height() > int64_t(ch) * size.width()) {
        const int w = TransitionEffects::mulDiv(ch, size.width(), size.height());
        return QRect((cw - w) / 2, 0, w, ch);
    }
    const int h = TransitionEffects::mulDiv(cw, size.height(), size.width());
    return QRect(0, (ch - h) / 2, cw, h);
}

QRect TCustomPictureShow::mediaTarget() const {
    if (stretch_) return stretchFine_ ? aspectFit(media_.size()) : rect();
    return picRectFor(media_.size()).intersected(rect());
}

void TCustomPictureShow::paintContent(QPainter& p) const {
    p.fillRect(rect(), color_);
    if (!bgPicture_.isNull()) {
        switch (bgMode_) {
            case bmNone:
                break;
            case bmTiled:
                p.fillRect(rect(), QBrush(bgPicture_));
                break;
            case bmStretched:
                p.drawImage(rect(), bgPicture_);
                break;
            case bmCentered:
                p.drawImage((width() - bgPicture_.width()) / 2,
                            (height() - bgPicture_.height()) / 2, bgPicture_);
                break;
        }
    }
    std::lock_guard lock(frameLock_);
    if (media_.isNull()) return;
    if (stretch_) {
        p.drawImage(stretchFine_ ? aspectFit(media_.size()) : rect(), media_);
    } else {
        p.drawImage(picRectFor(media_.size()).topLeft(), media_);
    }
}

void TCustomPictureShow::paintEvent(QPaintEvent*) {
    {
        QPainter p(this);
        paintContent(p);
    }
    frameShown_.set();
}

void TCustomPictureShow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void TCustomPictureShow::enterEvent(QEnterEvent*) {
    fire(OnMouseEnter);
}
void TCustomPictureShow::leaveEvent(QEvent*) {
    fire(OnMouseLeave);
}

void TCustomPictureShow::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    const QPoint p = e->position().toPoint();
    if (OnMouseDown) platform::guarded([&] { OnMouseDown(e->button(), p.x(), p.y()); });
}

void TCustomPictureShow::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(p);
    pressed_ = false;
    if (OnMouseUp) platform::guarded([&] { OnMouseUp(e->button(), p.x(), p.y()); });
    if (click && OnClick) platform::guarded(OnClick);
}

void TCustomPictureShow::mouseDoubleClickEvent(QMouseEvent* e) {
    if (OnDblClick) platform::guarded(OnDblClick);
    QWidget::mouseDoubleClickEvent(e);
}

void TCustomPictureShow::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseMove) platform::guarded([&] { OnMouseMove(p.x(), p.y()); });
}
