// The worker side of the picture show (picture_show.h): the thread that
// steps a threaded transition and the event it waits on between frames. The
// run of a transition itself (prepare, step, draw a frame, show it, finish)
// is in picture_show_thread.cpp too, whether the thread or the timer steps it.
#pragma once

#include <QThread>
#include <condition_variable>
#include <mutex>

class TCustomPictureShow;

/// A manual-reset event: stays set until reset; waiters pass while it is set.
class ManualResetEvent {
  public:
    /// Sets the event and wakes every waiter.
    void set();
    /// Clears the event.
    void reset();
    /// Waits until the event is set.
    void wait();
    /// True while the event is set.
    bool isSet();

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = false;
};

/// The worker thread of a threaded transition.
class TAnimateThread : public QThread {
  public:
    TAnimateThread(TCustomPictureShow& owner, int id);
    /// Asks the loop to end and wakes it from any wait.
    void requestEnd();
    /// The number of the run this thread belongs to.
    int id() const { return id_; }

  protected:
    void run() override;

  private:
    /// Sleeps up to `ms` milliseconds; returns early when the end is requested.
    void pause(int ms);

    TCustomPictureShow& owner_;
    const int id_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool end_ = false;
};
