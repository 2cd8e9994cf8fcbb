// The supplications' round picture: a borderless window over the
// supplications screen of which only a circle is drawn and takes the mouse.
// Its picture show runs a slideshow of the 138 photos while a supplication
// plays; a click on the picture opens the Quran photo screen.
#pragma once

#include <QPointer>

#include "platform/forms.h"

class PhotoCycle;
class TPictureShow;
namespace platform {
class Timer;
}

/// Shared with the supplications screen, which starts and stops the show:
/// the photo shown or being shown (1..138), its transition style (1..150),
/// and 1 when the show stops after the transition in progress.
extern int PicPhotoNumber, PicPhotoStyle, PicStopShow;

class Tfrm_pic : public platform::Form {
    Q_OBJECT
  public:
    explicit Tfrm_pic(QWidget* parent = nullptr);
    void formCreate() override;

    /// Shows photo PicPhotoNumber with style PicPhotoStyle at once and goes
    /// on until PicStopShow is 1; PicStopShow is cleared.
    void StartShow();
    /// Opens the Quran photo screen modally; the show goes on meanwhile.
    void imggroundClick();
    /// Ends the show for good and closes the window.
    void ClosePicture();
    /// Escape goes to the supplications screen beneath.
    void EscapeKey() override;

    /// The circle the window keeps: the ellipse of this bounding box.
    static QRect Circle() { return QRect(QPoint(79, 103), QPoint(480, 502)); }

    TPictureShow* imgground;
    PhotoCycle* Cycle;
    platform::Timer* Timer1;  // the cycle's 2 s pause
};

extern QPointer<Tfrm_pic> frm_pic;
