// The call to prayer: seven recorded calls, one per button, each with a
// full-screen slideshow of photos; with the setting on, the supplication
// after the call follows it. Section 7 of the main menu; button 8 goes back
// to the menu.
#pragma once

#include <QPointer>
#include <string>

#include "devotional/recordings_screen.h"
#include "devotional/unt_azanp.h"

class Tfrm_azan : public RecordingsScreen {
    Q_OBJECT
  public:
    explicit Tfrm_azan(QWidget* parent = nullptr);
    void formCreate() override;

    /// Plays call n (1..7) and opens the slideshow of its photo set.
    void PlayCall(int n);

    /// Recording of call n: SoundDir + "azan\" + n + ".wav".
    static std::string CallFile(int n);
    /// The supplication after the call: SoundDir + "doaa\1.mp3".
    static std::string SupplicationFile();

    /// Set while the supplication after the call plays.
    int SupplicationPlayed = 0;
    /// The slideshow of the call that plays, until it closes.
    QPointer<Tfrm_azanp> Photos;

  protected:
    void ButtonClick(int n) override;
    void RecordingEnded() override;
    void Leaving() override;
};

extern QPointer<Tfrm_azan> frm_azan;

/// Opens section 7 (the call to prayer) inside the hub.
void OpenCallToPrayerSection();
