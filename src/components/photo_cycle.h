// The photo slideshows. A photo is brought in by a transition; 2 seconds
// after each transition has ended a random photo follows with a random
// transition, until the cycle is ended. The Quran photo screen, the call to
// prayer's slideshow and the supplications' round picture all run this cycle
// on their picture show; the first two are the same full-screen slideshow.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "platform/forms.h"

class TPictureShow;
namespace platform {
class Timer;
}

class PhotoCycle : public QObject {
    Q_OBJECT
  public:
    /// A cycle over `show`, owned by the screen `owner`. It writes the photo
    /// and style it shows into `photoNumber` and `photoStyle`, which must
    /// live as long as the cycle.
    PhotoCycle(TPictureShow* show, QObject* owner, int& photoNumber, int& photoStyle);

    /// The file of photo n (1..PhotoCount).
    std::function<std::string(int n)> PhotoFile;
    /// How many photos the random pick chooses from.
    int PhotoCount = 0;
    /// Whether the end of a transition starts the 2 s pause; always when empty.
    std::function<bool()> GoesOn;

    /// Shows `photo` with transition `style` at once: a transition in
    /// progress stops where it is and a pending pause is dropped first. A
    /// photo that cannot be loaded is reported (once per cycle) and another
    /// one is tried 2 s later.
    void Show(int photo, int style);
    /// Seeds the generator from the clock, picks a style (1..150), then a
    /// photo (1..PhotoCount), and shows it.
    void NextRandomPhoto();
    /// Ends the cycle for good: the transition stops where it is, the pause
    /// is dropped, and no transition end or tick starts anything any more.
    void End();
    bool Ended() const { return ended_; }

    /// The 2 s pause after a transition (the screens' Timer1).
    platform::Timer* Timer1;

  private:
    bool goesOn() const { return !ended_ && (!GoesOn || GoesOn()); }
    void Timer1Timer();

    TPictureShow* show_;
    int& photoNumber_;
    int& photoStyle_;
    bool ended_ = false;
    bool errorShown_ = false;
};

/// A slideshow over the whole 800 by 600 screen, shown modally: photo 1 with
/// style 118 first, then the cycle, each photo stretched to the screen. A
/// click on it or Escape closes it.
class PhotoSlideshow : public platform::Form {
    Q_OBJECT
  public:
    explicit PhotoSlideshow(QWidget* parent = nullptr);
    void formCreate() override;

    /// Ends the cycle and closes the screen; closing it again does nothing.
    void ClosePhotos();
    void EscapeKey() override { ClosePhotos(); }

    int PhotoNumber = 1;
    int PhotoStyle = 0;
    TPictureShow* imgground;
    PhotoCycle* Cycle;
    platform::Timer* Timer1;  // the cycle's pause
};
