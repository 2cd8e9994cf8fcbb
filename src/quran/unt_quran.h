// The Quran page viewer: one printed page with the current aya marked in red,
// recited from the sura's recording, repeated and advanced by itself. The
// go-to panel sits on its right side.
#pragma once

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/media.h"
#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"

class QWidget;
class QFrame;
namespace platform {
class RichTextBox;
}

class Tfrm_quran : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_quran(QWidget* parent = nullptr);
    ~Tfrm_quran() override;
    void formCreate() override;

    // Reading position.
    void LoadSura();
    void ShowAya();
    void ShowNextAya();
    void LookUpPart();
    void GoToPart(int n);
    void GoToPage();
    void SavePosition();

    // Aya map.
    void LocateAya();
    void HitTestAya(int x, int y);  // imgpageMouseDown

    // Recitation.
    void ComputeAyaTimes();
    void PlayAya();
    void AyaFinished();
    void UpdateRepeatButtons();
    void Timer6Timer();
    /// Shows the panel's transport buttons as playing (play off, pause and
    /// stop on) or as paused/stopped (the other way round).
    void ShowTransport(bool playing);
    /// The recording of a sura: the program's drive + "%3.3d" + ".mp3".
    static std::string RecordingFile(int sura);

    // Transport and repeat buttons of the go-to panel.
    void PlayButton();
    void PauseButton();
    void StopButton();
    void RepeatButton(int count);  // 1..3

    /// Opens the sura index over the viewer (imgsoraname / lblindex click).
    void OpenSuraIndex();

    /// Script animation (500 ms) and the start-up tick (creates the panel,
    /// loads the first sura).
    void Timer1Timer();
    void Timer4Timer();
    /// Picture `frame` (1..3) of script animation `which` (1 or 2).
    std::string ScriptPicture(int which, int frame) const;

    int AyaStartMs = 0;
    int AyaEndMs = 0;
    /// True once the start and end of the aya shown are known; the watch
    /// only acts on times that belong to the aya on show.
    bool AyaTimesKnown = false;
    /// The recitation was halted because the aya shown could not be timed.
    bool RecitationHalted = false;
    /// The timing list of the loaded sura was read.
    bool TimingListLoaded = false;
    int ScriptFrame = 1;  // picture number of the script animation
    std::unique_ptr<StarTwinkle> Stars;

    platform::ImageControl* imgsoraname;
    int ShownSuraTitle = 0;  // the sura whose title imgsoraname shows
    QWidget* lblindex;
    QWidget* panquran;
    platform::ImageControl* imgquran;
    platform::ImageControl* imgpage;
    QWidget* shpaya[3];  // shpaya1..3, the red highlight shapes (merge pen)
    platform::ImageControl* imgscript1;
    platform::ImageControl* imgscript2;
    platform::RichTextBox* rich1;
    platform::MediaPlayer* mci1;
    platform::Timer* Timer1;  // script animation, 500 ms
    platform::Timer* Timer2;  // star twinkle
    platform::Timer* Timer3;
    platform::Timer* Timer4;  // start-up, 100 ms, once
    platform::Timer* Timer6;  // recitation watch, 10 ms

  protected:
    void ButtonClick(int n) override;

  private:
    void HideHighlight();
    void ShowPositionOnPanel();
    void UpdatePanelButtons();
    /// Loads page picture `page` into imgpage (the error box reports a missing one).
    void LoadPage(int page);
};

extern QPointer<Tfrm_quran> frm_quran;

/// Opens section 1 (the viewer at the position the dispatch set).
void OpenQuranSection();
