// The Quran page viewer: one printed page with the current aya marked in red,
// recited from the sura's recording, repeated and advanced by itself. The
// go-to panel sits on its right side.
#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/controls.h"
#include "quran/reader_core.h"
#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"

class Tfrm_remote;

class Tfrm_quran : public SkinScreen, public ReaderView {
    Q_OBJECT
  public:
    explicit Tfrm_quran(QWidget* parent = nullptr);
    ~Tfrm_quran() override;
    void formCreate() override;

    // The reader's operations, run by its core.
    void LoadSura() { Core->LoadSura(); }
    void ShowAya() { Core->ShowAya(); }
    void SavePosition();

    // Transport and repeat buttons of the go-to panel.
    void PlayButton() { Core->Play(); }
    void PauseButton() { Core->Pause(); }
    void StopButton() { Core->Stop(); }
    void RepeatButton(int count);  // 1..3

    /// Opens the sura index over the viewer (imgsoraname / lblindex click).
    void OpenSuraIndex();

    /// Script animation (500 ms) and the start-up tick (creates the panel,
    /// loads the first sura).
    void Timer1Timer();
    void Timer4Timer();
    /// Picture `frame` (1..3) of script animation `which` (1 or 2).
    std::string ScriptPicture(int which, int frame) const;

    // ReaderView: the go-to panel shows the position and the buttons.
    void ShowPosition() override;
    void UpdateNavigationButtons() override;
    void ShowTransport(bool playing) override;
    void UpdateRepeatButtons() override;

    /// Space plays or pauses; Left and Right step to the next and previous
    /// aya (the page reads right to left), Page Down and Page Up to the next
    /// and previous page, Home to the sura's first aya; Up and Down move the
    /// focus through the panel's buttons and Enter clicks the one focused;
    /// Ctrl+F opens the search as the panel's search button does.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) override;

    int ScriptFrame = 1;  // picture number of the script animation
    std::unique_ptr<StarTwinkle> Stars;

    PagePanel* panquran;
    platform::ImageControl* imgsoraname;
    QWidget* lblindex;
    platform::ImageControl* imgscript1;
    platform::ImageControl* imgscript2;
    platform::Timer* Timer1;  // script animation, 500 ms
    platform::Timer* Timer2;  // star twinkle
    platform::Timer* Timer3;
    platform::Timer* Timer4;  // start-up, 100 ms, once
    std::unique_ptr<ReaderCore> Core;
    /// The go-to panel, once the start-up tick has created it.
    QPointer<Tfrm_remote> Panel;

  protected:
    void ButtonClick(int n) override;
};

extern QPointer<Tfrm_quran> frm_quran;

/// Opens section 1 (the viewer at the position the dispatch set).
void OpenQuranSection();
/// What section 1 saves when the program is ended from any screen: the
/// reading position, while the viewer is open (as its own exit button does).
void SaveQuranSectionAtQuit();
