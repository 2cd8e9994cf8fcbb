// Time for the whole program. Timers and "now" come from the current Clock:
// the real clock drives Qt timers; the manual clock fires due timers in time
// order when a test advances it.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

class QTimer;

namespace platform {

class Timer;

class Clock {
  public:
    virtual ~Clock() = default;
    /// Milliseconds since an arbitrary start.
    virtual int64_t now() const = 0;
    /// Called by a timer when it is enabled, its interval changes, or it is disabled.
    virtual void timerChanged(Timer& timer) = 0;
    /// Called by a timer that is being destroyed.
    virtual void timerGone(Timer& timer) = 0;

    /// The clock every timer and media device uses.
    static Clock& current();
    /// Installs `clock` as the current clock (the caller keeps ownership);
    /// nullptr restores the real clock.
    static void install(Clock* clock);
};

/// A window timer: fires `onTimer` every `interval` ms while enabled. The
/// handler runs through the error guard. A timer with interval 0 never fires.
class Timer : public QObject {
    Q_OBJECT
  public:
    explicit Timer(QObject* owner = nullptr, int intervalMs = 1000, bool enabled = true);
    ~Timer() override;

    void setInterval(int ms);
    int interval() const { return interval_; }
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }

    std::function<void()> onTimer;

    /// Runs the handler once (through the guard); used by the clocks.
    void fire();

    /// Set by the clock that drives this timer.
    std::unique_ptr<QTimer> qtimer;
    int64_t due = 0;

  private:
    int interval_;
    bool enabled_;
    Clock* clock_;
};

/// The clock of the running program.
class RealClock : public Clock {
  public:
    int64_t now() const override;
    void timerChanged(Timer& timer) override;
    void timerGone(Timer& timer) override;
};

/// A clock for tests: time stands still until advance() is called, which
/// fires due timers in time order, including timers enabled during a tick.
class ManualClock : public Clock {
  public:
    int64_t now() const override { return now_; }
    void timerChanged(Timer& timer) override;
    void timerGone(Timer& timer) override;

    /// Moves time forward by `ms`, firing every timer that falls due.
    void advance(int64_t ms);

    /// Hooks run whenever time moves (media devices use this to report ends).
    std::function<void(int64_t now)> onAdvance;

  private:
    Timer* nextDue(int64_t limit);

    int64_t now_ = 0;
    std::vector<Timer*> timers_;
};

/// The program's one pseudo-random generator (a 32-bit linear congruential
/// generator); random(n) returns 0..n-1.
int random(int n);
void randomize(uint32_t seed);
uint32_t randomSeed();

}  // namespace platform
