#include "components/picture_show.h"

#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <chrono>

#include "components/effect_canvas.h"
#include "components/transition_effects.h"
#include "platform/clock.h"

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
// TCustomPictureShow: the run of a transition

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
