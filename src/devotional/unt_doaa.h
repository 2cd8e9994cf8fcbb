// The supplications: five recorded supplications, one per button, each with
// the round picture's slideshow running until its recording ends. Section 8
// of the main menu; button 6 goes back to the menu.
#pragma once

#include <QPointer>
#include <string>

#include "devotional/recordings_screen.h"
#include "devotional/unt_pic.h"

class Tfrm_doaa : public RecordingsScreen {
    Q_OBJECT
  public:
    explicit Tfrm_doaa(QWidget* parent = nullptr);
    void formCreate() override;

    /// Opens the round picture (once, 10 ms after creation, or at once when
    /// a supplication starts before that).
    void Timer1Timer();
    /// Starts supplication n (1..5): the pictures from photo 1 with style
    /// 118, then the recording.
    void StartSupplication(int n);
    /// Enter or Space with no button focused opens the photo screen, as a
    /// click on the round picture does.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) override;

    /// Recording of supplication n: SoundDir + "doaa\" + n + ".wav".
    static std::string RecordingFile(int n);

    platform::Timer* Timer1;
    /// The round picture, once Timer1 has opened it.
    QPointer<Tfrm_pic> Pic;

  protected:
    void ButtonClick(int n) override;
    void RecordingEnded() override;
    void Leaving() override;
};

extern QPointer<Tfrm_doaa> frm_doaa;

/// Opens section 8 (the supplications) inside the hub.
void OpenSupplicationsSection();
