#include "components/picture_show.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cstring>

#include "components/effect_canvas.h"
#include "components/transition_effects.h"
#include "platform/clock.h"
#include "platform/guard.h"

using TransitionEffects::Box;

namespace {

Box boxOf(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

/// Copies `from` into `to`, reusing `to`'s pixels when the sizes agree.
void copyInto(QImage& to, const QImage& from) {
    if (to.size() == from.size() && to.format() == from.format() && !from.isNull()) {
        TransitionEffects::copySame(to, from, {0, 0, from.width(), from.height()});
    } else {
        to = from.copy();
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// ManualResetEvent

void ManualResetEvent::set() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void ManualResetEvent::reset() {
    std::lock_guard lock(mutex_);
    set_ = false;
}

void ManualResetEvent::wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return set_; });
}

bool ManualResetEvent::isSet() {
    std::lock_guard lock(mutex_);
    return set_;
}

// ---------------------------------------------------------------------------
// TAnimateThread

TAnimateThread::TAnimateThread(TCustomPictureShow& owner, int id) : owner_(owner), id_(id) {}

void TAnimateThread::requestEnd() {
    {
        std::lock_guard lock(mutex_);
        end_ = true;
    }
    wake_.notify_all();
    owner_.frameShown_.set();
}

void TAnimateThread::pause(int ms) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return end_; });
}

void TAnimateThread::run() {
    using Clock = std::chrono::steady_clock;
    auto ended = [this] {
        std::lock_guard lock(mutex_);
        return end_;
    };
    while (!ended()) {
        const auto start = Clock::now();
        owner_.frameShown_.wait();
        owner_.frameShown_.reset();
        if (ended()) break;
        if (owner_.stepProgress()) break;
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        const int rest = owner_.delay_ - static_cast<int>(spent);
        if (rest > 0) pause(rest);
    }
    // The end goes to the UI thread; the call is dropped if the control is gone.
    QPointer<TCustomPictureShow> owner(&owner_);
    const int id = id_;
    QMetaObject::invokeMethod(
        &owner_,
        [owner, id] {
            if (owner) owner->threadEnded(id);
        },
        Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------
// TCustomPictureShow: construction, properties

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

void TCustomPictureShow::SetProgress(int progress) {
    progress = std::clamp(progress, 0, 100);
    if (!running_ || progress == progress_) return;
    {
        std::lock_guard lock(frameLock_);
        progress_ = progress;
        drawFrame();
    }
    if (onUiThread()) {
        showFrame();
    } else {
        // From the animation thread: the UI thread paints, then lets it go on.
        QPointer<TCustomPictureShow> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (self) self->showFrame();
            },
            Qt::QueuedConnection);
    }
    DoProgress();
}

QImage TCustomPictureShow::shownImage() const {
    std::lock_guard lock(frameLock_);
    return media_.copy();
}

// ---------------------------------------------------------------------------
// Transitions

void TCustomPictureShow::RunTransition() {
    if (picture_.isNull() || running_) return;
    if (!onUiThread()) {
        QMetaObject::invokeMethod(this, &TCustomPictureShow::RunTransition, Qt::QueuedConnection);
        return;
    }
    running_ = true;
    stopRequested_ = false;
    ++runs_;
    prepare();
    if (!manual_ && running_) animate();
}

void TCustomPictureShow::prepare() {
    const QSize size = picture_.size();
    // What the control shows now, in the rectangle the new picture will take.
    QRect source = picRectFor(size);
    if (stretch_) source = stretchFine_ ? aspectFit(size) : rect();
    QImage shown(source.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    shown.fill(color_);
    {
        QPainter p(&shown);
        p.translate(-source.topLeft());
        paintContent(p);
    }
    QImage old(size, QImage::Format_RGB32);
    TransitionEffects::stretchCopy(old, {0, 0, size.width(), size.height()}, shown,
                                   boxOf(shown.rect()));
    {
        std::lock_guard lock(frameLock_);
        oldImage_ = old;
        newImage_ = picture_.convertToFormat(QImage::Format_RGB32);
        media_ = old.copy();
        progress_ = reverse_ ? 100 : 0;
    }
    DoStart();
}

void TCustomPictureShow::animate() {
    if (thread_) endThread();
    if (threaded_) {
        thread_ = std::make_unique<TAnimateThread>(*this, ++threads_);
        frameShown_.set();
        thread_->start(priority_);
    } else {
        timer_->setInterval(std::max(1, delay_.load()));
        timer_->setEnabled(true);
        timerTick();
    }
}

void TCustomPictureShow::pauseAnimation() {
    timer_->setEnabled(false);
    if (thread_) endThread();
}

void TCustomPictureShow::endThread() {
    thread_->requestEnd();
    thread_->wait();
    thread_.reset();
}

void TCustomPictureShow::threadEnded(int id) {
    if (!thread_ || thread_->id() != id) return;  // already delivered directly
    thread_->wait();
    thread_.reset();
    if (!manual_ || stopping_) finish();
}

void TCustomPictureShow::timerTick() {
    if (!running_ || manual_) {
        timer_->setEnabled(false);
        return;
    }
    const int run = runs_;
    if (stepProgress() && running_ && runs_ == run) finish();
}

bool TCustomPictureShow::stepProgress() {
    const int p = progress_, s = step_;
    int next;
    if (reverse_) {
        next = p > s ? p - s : 0;
    } else {
        next = p + s < 100 ? p + s : 100;
    }
    SetProgress(next);
    return reverse_ ? next == 0 : next == 100;
}

void TCustomPictureShow::drawFrame() {
    // Called under the frame lock.
    if (newImage_.isNull()) return;
    copyInto(media_, oldImage_);
    DoBeforeNewFrame(newImage_, media_);
    const int p = progress_;
    if (p == 100) {
        copyInto(media_, newImage_);
    } else if (p > 0) {
        if (style_ == 0) {
            DoCustomDraw(newImage_, media_);
        } else {
            TransitionEffects::drawEffect(style_, media_, newImage_, media_.rect(), p, step_);
        }
    }
    DoAfterNewFrame(newImage_, media_);
}

void TCustomPictureShow::showFrame() {
    QRect area;
    {
        std::lock_guard lock(frameLock_);
        area = mediaTarget();
    }
    if (isVisible() && !area.isEmpty()) repaint(area);
    frameShown_.set();
}

void TCustomPictureShow::finish() {
    if (!running_) return;
    timer_->setEnabled(false);
    running_ = false;
    {
        std::lock_guard lock(frameLock_);
        newImage_ = QImage();
        oldImage_ = QImage();
    }
    if (destroying_) return;
    if (!stopRequested_) DoComplete();
    DoStop();
}

void TCustomPictureShow::StopTransition() {
    if (!running_ || stopping_) return;
    if (!onUiThread()) {
        QMetaObject::invokeMethod(this, &TCustomPictureShow::StopTransition, Qt::QueuedConnection);
        return;
    }
    const int run = runs_;
    stopping_ = true;
    stopRequested_ = true;
    if (thread_) {
        thread_->requestEnd();
        thread_->wait();
        threadEnded(thread_->id());
    }
    // No thread (timer or manual mode): finish here, unless the end of the
    // thread has done so (and a handler may even have started a new run).
    if (running_ && runs_ == run) finish();
    stopping_ = false;
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
