#include "platform/clock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>

#include "platform/guard.h"

namespace platform {

namespace {

RealClock realClock;
Clock* currentClock = &realClock;

QElapsedTimer& elapsed() {
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t;
}

std::atomic<uint32_t> seed{0};

}  // namespace

Clock& Clock::current() {
    return *currentClock;
}
void Clock::install(Clock* clock) {
    currentClock = clock ? clock : &realClock;
}

Timer::Timer(QObject* owner, int intervalMs, bool enabled)
    : QObject(owner), interval_(intervalMs), enabled_(enabled), clock_(&Clock::current()) {
    clock_->timerChanged(*this);
}

Timer::~Timer() {
    clock_->timerGone(*this);
}

void Timer::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    clock_->timerChanged(*this);
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    clock_->timerChanged(*this);
}

void Timer::fire() {
    if (onTimer) guarded(onTimer);
}

int64_t RealClock::now() const {
    return elapsed().elapsed();
}

void RealClock::timerChanged(Timer& timer) {
    if (!timer.enabled() || timer.interval() <= 0) {
        if (timer.qtimer) timer.qtimer->stop();
        return;
    }
    if (!timer.qtimer) {
        timer.qtimer = std::make_unique<QTimer>();
        Timer* t = &timer;
        QObject::connect(timer.qtimer.get(), &QTimer::timeout, t, [t] { t->fire(); });
    }
    timer.qtimer->start(timer.interval());
}

void RealClock::timerGone(Timer& timer) {
    timer.qtimer.reset();
}

void ManualClock::timerChanged(Timer& timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
    if (timer.enabled() && timer.interval() > 0) {
        timer.due = now_ + timer.interval();
        timers_.push_back(&timer);
    }
}

void ManualClock::timerGone(Timer& timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

Timer* ManualClock::nextDue(int64_t limit) {
    Timer* best = nullptr;
    for (Timer* t : timers_)
        if (t->due <= limit && (!best || t->due < best->due)) best = t;
    return best;
}

void ManualClock::advance(int64_t ms) {
    const int64_t end = now_ + ms;
    while (Timer* t = nextDue(end)) {
        now_ = std::max(now_, t->due);
        if (onAdvance) onAdvance(now_);
        // Re-check: the hook may have changed the timers.
        if (std::find(timers_.begin(), timers_.end(), t) == timers_.end() || t->due > now_)
            continue;
        t->due = now_ + t->interval();
        t->fire();
    }
    now_ = end;
    if (onAdvance) onAdvance(now_);
}

int random(int n) {
    // The animation thread of the picture show draws from the same generator
    // as the user-interface thread: each step is one atomic update.
    uint32_t old = seed.load(std::memory_order_relaxed);
    uint32_t next;
    do {
        next = old * 134775813u + 1u;
    } while (!seed.compare_exchange_weak(old, next, std::memory_order_relaxed));
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<uint64_t>(next) * static_cast<uint32_t>(n)) >> 32);
}

void randomize(uint32_t s) {
    seed.store(s, std::memory_order_relaxed);
}
uint32_t randomSeed() {
    return seed.load(std::memory_order_relaxed);
}

}  // namespace platform
