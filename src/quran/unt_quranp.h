// The Quran photo screen: the disc's photos one after another, each brought
// in by a transition effect chosen at random and shown for 2 seconds after
// its transition has ended. A click (or Escape) closes it. Shown modally over
// the Quran page viewer.
#pragma once

#include <QPointer>
#include <string>

#include "platform/forms.h"

class TPictureShow;
namespace platform {
class Timer;
}

class Tfrm_quranp : public platform::Form {
    Q_OBJECT
  public:
    explicit Tfrm_quranp(QWidget* parent = nullptr);
    void formCreate() override;

    /// Chooses a style and a photo at random and runs the transition to it.
    void NextRandomPhoto();
    void Timer1Timer();
    /// Stops the show (timer and transition) and closes the screen.
    void ClosePhotos();
    void EscapeKey() override { ClosePhotos(); }

    /// Photo n (1..138): GraphicDir + "photos\" + n + ".jpg".
    static std::string PhotoFile(int n);

    int PhotoNumber = 1;
    TPictureShow* imgground;
    platform::Timer* Timer1;  // 2 s after a transition ends

  private:
    /// Loads photo PhotoNumber and runs a transition of `style` to it.
    void ShowPhoto(int style);
    /// Whether a photo failed to load already; only the first is reported.
    bool PhotoErrorShown = false;
};

extern QPointer<Tfrm_quranp> frm_quranp;
