// The picture show control: shows one picture and changes to the next one
// through an animated transition (one of the 150 effects of
// transition_effects.h, or custom drawing for style 0). This file and
// picture_show.cpp hold the control (properties, events, painting);
// picture_show_thread.* the run of a transition and its worker thread.
//
// A transition is prepared by RunTransition and then stepped from progress 0
// to 100 (or 100 to 0 with Reverse), one frame per step:
//  - Threaded (the default): a TAnimateThread steps the progress and draws
//    each frame under the frame lock, then asks the UI thread to paint it; it
//    waits for the FrameShown event before the next step, so it is never more
//    than one frame ahead of the screen. Its end reaches the UI thread as a
//    queued call, which finishes the transition (OnComplete, OnStop).
//  - Not threaded: steps are driven by a platform::Timer with interval Delay on
//    the UI thread (the first step at once), so RunTransition returns at once
//    in both modes and no nested event loop is run. Under a ManualClock a
//    test runs a whole transition by advancing the clock.
//  - Manual: the caller sets Progress itself; StopTransition ends the run.
#pragma once

#include <QImage>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "components/picture_show_thread.h"

namespace platform {
class Timer;
}

/// How BgPicture fills the client area.
enum TBackgroundMode { bmNone, bmTiled, bmStretched, bmCentered };

/// Transition effect number: 0 (custom drawing) or 1..150.
using TShowStyle = int;

class TCustomPictureShow;

/// An event with the sender only.
using TNotifyEvent = std::function<void(TCustomPictureShow* sender)>;
/// A drawing event: the sender, the new picture and the screen bitmap being built.
using TCustomDrawEvent =
    std::function<void(TCustomPictureShow* sender, const QImage& picture, QImage& screen)>;

class TCustomPictureShow : public QWidget {
    Q_OBJECT
  public:
    explicit TCustomPictureShow(QWidget* parent = nullptr);
    /// Ends the control as EndForDestruction does. The animation thread calls
    /// virtual members: a class derived from this one must end it in its own
    /// destructor, before any part of it is gone.
    ~TCustomPictureShow() override;

    /// The picture to change to. Setting it fires OnChange and, with AutoSize,
    /// sizes the control to it.
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    /// Background drawn behind the shown image, and how it fills the control.
    const QImage& BgPicture() const { return bgPicture_; }
    void SetBgPicture(const QImage& picture);
    TBackgroundMode BgMode() const { return bgMode_; }
    void SetBgMode(TBackgroundMode mode);
    /// The control's colour, filling what neither picture covers.
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    /// Size the control to Picture when it changes (default on).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    /// Centre the image in the client area.
    bool Center() const { return center_; }
    void SetCenter(bool on);
    /// Stretch the image to the client area; with StretchFine keep its proportions.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    bool StretchFine() const { return stretchFine_; }
    void SetStretchFine(bool on);

    /// Step from a worker thread (default on), and that thread's priority.
    bool Threaded() const { return threaded_; }
    void SetThreaded(bool on) { threaded_ = on; }
    /// Whether controls created from now on are Threaded (on at start).
    /// Tests that step the screens' transitions by the manual clock turn it
    /// off for the controls those screens create.
    static void SetThreadedByDefault(bool on);
    QThread::Priority ThreadPriority() const { return priority_; }
    void SetThreadPriority(QThread::Priority priority) { priority_ = priority; }

    /// The caller drives Progress itself. Switched off while running, the
    /// animation goes on from the current progress; switched on, it pauses.
    /// Switched while idle, Progress returns to its start value.
    bool Manual() const { return manual_; }
    void SetManual(bool on);

    /// Effect number 0..150 (default 51); larger values are ignored.
    TShowStyle Style() const { return style_; }
    void SetStyle(TShowStyle style);
    /// Table name of Style, "Custom" for 0. Setting "Custom" (any case) selects
    /// 0, a table name selects its first row, anything else changes nothing.
    std::string StyleName() const;
    void SetStyleName(const std::string& name);

    /// Progress per frame, 1..100 (0 reads back as 1); default 4.
    int Step() const { return step_; }
    void SetStep(int step);
    /// Minimum milliseconds per frame, 0..65535; default 40.
    int Delay() const { return delay_; }
    void SetDelay(int ms);
    /// Run the progress from 100 down to 0.
    bool Reverse() const { return reverse_; }
    void SetReverse(bool on) { reverse_ = on; }

    /// Position of the transition, 0..100. Setting it while running draws
    /// the frame and shows it; values above 100 become 100.
    int Progress() const { return progress_; }
    void SetProgress(int progress);
    /// A transition is prepared or running.
    bool Running() const { return running_; }

    /// Starts a transition from what the control shows to Picture; does
    /// nothing when Picture is empty or a transition is running.
    virtual void RunTransition();
    /// Ends a running transition where it is: OnStop fires, OnComplete does
    /// not; the last frame drawn stays shown.
    virtual void StopTransition();
    /// Shows nothing any more (only when no transition is running).
    virtual void ClearImage();

    /// The image shown (the last frame drawn); a copy taken under the frame lock.
    QImage shownImage() const;

    /// Events. OnStart, OnComplete, OnStop, OnChange and the mouse events run
    /// on the UI thread; OnProgress and the drawing events run on the thread
    /// that sets Progress (the animation thread when Threaded), so set them
    /// before RunTransition and keep them away from widgets.
    TNotifyEvent OnChange, OnProgress, OnComplete, OnStart, OnStop, OnMouseEnter, OnMouseLeave;
    TCustomDrawEvent OnCustomDraw, OnBeforeNewFrame, OnAfterNewFrame;
    std::function<void()> OnClick, OnDblClick;
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseDown, OnMouseUp;
    std::function<void(int x, int y)> OnMouseMove;

  protected:
    /// Stops a running transition silently (no events) and joins its thread.
    void EndForDestruction();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    /// Event triggers, in the order of the original component.
    virtual void DoChange();
    virtual void DoProgress();
    virtual void DoCustomDraw(const QImage& picture, QImage& screen);
    virtual void DoBeforeNewFrame(const QImage& picture, QImage& screen);
    virtual void DoAfterNewFrame(const QImage& picture, QImage& screen);
    virtual void DoComplete();
    virtual void DoStart();
    virtual void DoStop();

  private:
    friend class TAnimateThread;

    bool onUiThread() const;
    void fire(const TNotifyEvent& event);
    void fireDraw(const TCustomDrawEvent& event, const QImage& picture, QImage& screen);
    void reportError(const std::string& message);

    void prepare();
    void animate();
    void pauseAnimation();
    void endThread();
    void threadEnded(int id);
    void timerTick();
    /// One step of the progress; true when the transition is complete.
    bool stepProgress();
    void drawFrame();
    void showFrame();
    void finish();

    QRect picRectFor(QSize size) const;
    QRect aspectFit(QSize size) const;
    QRect mediaTarget() const;
    void paintContent(QPainter& painter) const;

    QImage picture_, bgPicture_;
    TBackgroundMode bgMode_ = bmTiled;
    QColor color_{240, 240, 240};
    bool autoSize_ = true, center_ = false, stretch_ = false, stretchFine_ = false;
    bool threaded_ = true;
    QThread::Priority priority_ = QThread::NormalPriority;
    std::atomic<bool> manual_{false}, reverse_{false}, running_{false};
    std::atomic<int> style_{51}, step_{4}, delay_{40}, progress_{0};

    // Working images, guarded by frameLock_ while a transition runs.
    mutable std::recursive_mutex frameLock_;
    QImage media_, newImage_, oldImage_;

    ManualResetEvent frameShown_;
    std::unique_ptr<TAnimateThread> thread_;
    platform::Timer* timer_ = nullptr;
    int runs_ = 0, threads_ = 0;
    bool stopping_ = false, stopRequested_ = false;
    std::atomic<bool> destroying_{false};
    bool pressed_ = false;
};

/// The picture show as the screens use it.
class TPictureShow final : public TCustomPictureShow {
    Q_OBJECT
  public:
    using TCustomPictureShow::TCustomPictureShow;
    ~TPictureShow() override { EndForDestruction(); }
};
