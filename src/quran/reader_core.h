// The reader core shared by the Quran page reader and the commentary reader:
// the reading position, the aya map and its marks, the recitation with its
// repetition, the 10 ms watch and the advance through ayas, pages and suras.
// Each screen owns its controls and button tables and tells the core how to
// show what changed through ReaderView.
#pragma once

#include <QPointer>
#include <climits>
#include <QString>
#include <string>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/listening.h"
#include "platform/media.h"
#include "quran/number_field.h"
#include "quran/page_panel.h"

class QLabel;
namespace platform {
class RichTextBox;
}
class SkinScreen;

/// What a reader screen shows of the core's state.
class ReaderView {
  public:
    virtual ~ReaderView() = default;
    /// Shows the reading position: the number fields, and whatever else the
    /// screen shows for each aya. Called for every aya shown.
    virtual void ShowPosition() = 0;
    /// Enables and disables the stepping buttons at the ends of their ranges.
    virtual void UpdateNavigationButtons() = 0;
    /// Shows the recitation as playing, or as paused or stopped.
    virtual void ShowTransport(bool playing) {}
    /// Shows which repeat count is active.
    virtual void UpdateRepeatButtons() {}
};

/// The eight stepping actions, in the order both readers number their buttons.
enum class Step {
    NextAya,
    PreviousAya,
    NextSura,
    PreviousSura,
    NextPage,
    PreviousPage,
    NextPart,
    PreviousPart
};

class ReaderCore {
  public:
    /// The core of `screen`, whose page panel is `panel` and whose sura title
    /// picture is `title`; the sura titles are TitleFolder + n + ".jpg". The
    /// core adds the hidden timing list (rich1), the player (mci1) and the
    /// watch (Timer6) to the screen.
    ReaderCore(QWidget* screen, ReaderView& view, PagePanel* panel, platform::ImageControl* title,
               std::string titleFolder);
    /// The status line goes too, wherever it stands.
    ~ReaderCore();

    // Reading position.
    /// (Re)loads what depends on CurrentSura (aya count, title, timing list), then ShowAya.
    void LoadSura();
    /// Shows CurrentAya of the loaded sura and recites it.
    void ShowAya();
    /// Shows CurrentAya while the recording plays on (continuous recitation).
    void ShowNextAya();
    void LookUpPart();
    /// Moves to the first aya of part n.
    void GoToPart(int n);
    /// Moves to the first aya of CurrentPage.
    void GoToPage();
    /// Marks CurrentAya on its page, turning the page when it starts on another.
    void LocateAya();
    /// A press on the page picture at page coordinates x, y.
    void HitTestAya(int x, int y);
    /// Steps from the reader's own position; a step outside the Quran does nothing.
    void StepTo(Step step);
    /// Back to the first aya of the sura.
    void FirstAya();

    // Recitation.
    void ComputeAyaTimes();
    void PlayAya();
    void AyaFinished();
    /// The 10 ms watch.
    void Timer6Timer();
    /// Play: goes on where the recording stands; a recitation that was halted
    /// (no timing list or recording) is tried again from the aya's start.
    void Play();
    void Pause();
    void Stop();
    /// Leaving the reader: the watch stops and the recording is closed.
    void Leave();
    /// True while the transport shows the recitation as playing.
    bool Playing() const { return playing_; }
    /// Chooses how many times each aya is recited (1..3; other counts change
    /// nothing). It counts from the aya being recited on, and the repeat
    /// buttons show the choice at once.
    void ChooseRepeatCount(int count);
    /// How many times the aya is recited now: the repeat button's count, the
    /// third button standing for the count chosen in the preferences.
    static int RepeatTimes();
    static constexpr int kWithoutEnd = INT_MAX;
    /// The listening keys: R marks the first aya of a range, R again its last
    /// (the block is then repeated); Escape clears a range or a first end.
    /// False for any other key, and for Escape with no range.
    bool ListeningKey(int key);
    /// What differs from the disc's own recitation now ("pause 3 s",
    /// "ayas 5–10 ×4", "repeat ×7", "volume 60 %"); empty when nothing does.
    static QString ListeningStatus();
    /// The status line: shows ListeningStatus, nothing while it is empty. In
    /// the black margin below the reader when the display has one (it stays
    /// there), else as a strip over the reader's bottom edge that hides itself
    /// 3 s after each change.
    QPointer<QLabel> StatusLine;
    /// The first end marked by R, waiting for the second; invalid when none.
    platform::AyaRef RangeStart;
    /// True during the pause after an aya.
    bool Pausing() const { return pausing_; }
    /// The rounds of the range completed so far.
    int RangeRoundsDone() const { return rangeDone_; }

    /// Connects the four number fields: Enter goes to the number typed.
    void AttachFields(NumberField* aya, NumberField* sura, NumberField* page, NumberField* part);
    /// Enables the stepping buttons of `screen` for the position: eight buttons
    /// from `first` on, in the order of Step.
    static void UpdateStepButtons(SkinScreen& screen, int first);
    /// The readers' stepping keys: Left and Right the next and previous aya
    /// (the page reads right to left), Page Down and Page Up the next and
    /// previous page, each through its button of `screen` (eight from `first`
    /// on), so a disabled button stays disabled; Home the sura's first aya.
    /// False for any other key.
    bool StepKey(SkinScreen& screen, int first, int key);

    /// Where the reader stands, as a screen reader says it: sura (its name in
    /// Arabic), aya, page and part.
    static QString PositionText(bool arabic);
    /// The text of an aya from the Quran's text file ("11"); empty for a
    /// position outside the Quran. A damaged file raises its read error.
    static QString AyaText(int sura, int aya);
    /// Tells a screen reader of a new aya (once per aya).
    void AnnouncePosition();

    /// The recording of a sura: the program's drive + "%3.3d" + ".mp3".
    static std::string RecordingFile(int sura);

    PagePanel* panquran;
    platform::ImageControl* imgsoraname;
    std::string TitleFolder;
    platform::RichTextBox* rich1;
    platform::MediaPlayer* mci1;
    platform::Timer* Timer6;

    int AyaStartMs = 0;
    int AyaEndMs = 0;
    /// True once the start and end of the aya shown are known; the watch
    /// only acts on times that belong to the aya on show.
    bool AyaTimesKnown = false;
    /// The recitation was halted because the aya shown could not be recited.
    bool RecitationHalted = false;
    /// The timing list of the loaded sura was read.
    bool TimingListLoaded = false;
    /// The sura whose title imgsoraname shows.
    int ShownSuraTitle = 0;

  private:
    void LoadTimingList();
    void LoadPage(int page);
    /// Stops a recitation that cannot go on: the recording is closed once and
    /// the transport shows it stopped.
    void Halt();
    void ShowTransport(bool playing);
    void UpdateButtons();
    /// The aya's last repetition ended: true when the range took over (back
    /// to its start, or stopped after its last round).
    bool EndOfRange();
    /// The next aya plays on from the recording.
    void AdvanceAya();
    /// Outlines the ends of the range on the page shown.
    void ShowRangeEnds();
    /// Shows the status line when what it would say changed.
    void UpdateStatus();

    ReaderView& view_;
    bool playing_ = false;
    bool pausing_ = false;
    bool heldRecording_ = false;  // the recording was paused for the pause
    int64_t pauseUntil_ = 0;      // clock time the pause ends
    int pauseLeftMs_ = 0;         // what was left of a pause held by the user
    int rangeDone_ = 0;
    QString status_;
    QWidget* screen_;
    platform::Timer* statusTimer_;
    int AnnouncedSura = 0, AnnouncedAya = 0;
};
