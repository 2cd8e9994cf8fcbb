#include "quran/reader_core.h"

#include <QLabel>

#include <algorithm>
#include <cstdio>

#include "platform/accessible.h"
#include "platform/codepage.h"
#include "platform/guard.h"
#include "platform/indexed_text_file.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "quran/aya_timing.h"
#include "quran/quran_files.h"
#include "quran/sura_names.h"
#include "shell/globals.h"
#include "skin/skin_screen.h"

namespace {
std::string threeDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3.3d", n);
    return buf;
}
}  // namespace

ReaderCore::ReaderCore(QWidget* screen, ReaderView& view, PagePanel* panel,
                       platform::ImageControl* title, std::string titleFolder)
    : panquran(panel),
      imgsoraname(title),
      TitleFolder(std::move(titleFolder)),
      view_(view),
      screen_(screen) {
    panquran->onPageClick = [this](int x, int y) { HitTestAya(x, y); };
    rich1 = new platform::RichTextBox(screen, "rich1");
    rich1->hide();
    mci1 = new platform::MediaPlayer(screen);
    mci1->setObjectName("mci1");
    mci1->AutoRewind = false;
    Timer6 = new platform::Timer(screen, 10, false);
    Timer6->onTimer = [this] { Timer6Timer(); };
    // A native strip over the bottom edge of the reader's picture.
    StatusLine = new QLabel(screen);
    StatusLine->setObjectName("listeningStatus");
    StatusLine->setAlignment(Qt::AlignCenter);
    StatusLine->hide();
    statusTimer_ = new platform::Timer(screen, 3000, false);
    statusTimer_->onTimer = [this] {
        statusTimer_->setEnabled(false);
        StatusLine->hide();
    };
    // A screen reader hears where the reader stands and can read the aya.
    platform::AccessibleFacts facts;
    facts.role = QAccessible::StaticText;
    facts.name = [] { return LanguageIndex == 1 ? QString("صفحة المصحف") : QString("Quran page"); };
    facts.description = [] { return PositionText(LanguageIndex == 1); };
    facts.text = [] { return AyaText(CurrentSura, CurrentAya); };
    platform::setAccessibleFacts(panquran, std::move(facts));
}

ReaderCore::~ReaderCore() {
    delete StatusLine;
}

QString ReaderCore::PositionText(bool arabic) {
    if (arabic) {
        const QString name = SuraNamesFile().Name(CurrentSura);
        return QString("سورة %1، الآية %2، الصفحة %3، الجزء %4")
            .arg(name.isEmpty() ? QString::number(CurrentSura) : name)
            .arg(CurrentAya)
            .arg(CurrentPage)
            .arg(CurrentPart);
    }
    return QString("Sura %1, aya %2, page %3, part %4")
        .arg(CurrentSura)
        .arg(CurrentAya)
        .arg(CurrentPage)
        .arg(CurrentPart);
}

QString ReaderCore::AyaText(int sura, int aya) {
    if (!IsQuranAya(sura, aya)) return {};
    platform::IndexedTextFile text(DataDir + "11");
    return platform::toUnicode(text.AyaText(text.FirstAyaRecord(sura), aya));
}

void ReaderCore::AnnouncePosition() {
    if (CurrentSura == AnnouncedSura && CurrentAya == AnnouncedAya) return;
    AnnouncedSura = CurrentSura;
    AnnouncedAya = CurrentAya;
    platform::announceDescription(panquran);
}

// ---- reading position --------------------------------------------------------

void ReaderCore::LoadSura() {
    AyaTimesKnown = false;
    int recordSura = 0;
    const int count = ReadSuraAyaCount(CurrentSura, recordSura);
    CurrentSura = (CurrentSura & ~0xFF) | (recordSura & 0xFF);
    SuraAyaCount = count;

    if (ShownSuraTitle != CurrentSura) {
        imgsoraname->loadPicture(TitleFolder + std::to_string(CurrentSura) + ".jpg");
        ShownSuraTitle = CurrentSura;
    }
    // A sura without its timing list is still shown; its ayas are not recited
    // (PlayAya), and the error is reported once, here.
    platform::guarded([this] { LoadTimingList(); });
    ShowAya();
}

void ReaderCore::LoadTimingList() {
    TimingListLoaded = false;
    rich1->loadFromFile(DataDir + "sound\\" + threeDigits(CurrentSura) + ".rtf");
    TimingListLoaded = true;
}

void ReaderCore::ShowAya() {
    AyaTimesKnown = false;
    panquran->HideMarks();
    LocateAya();
    LookUpPart();
    view_.ShowPosition();
    AnnouncePosition();
    // The buttons follow the aya shown even when its recitation fails.
    try {
        PlayAya();
    } catch (...) {
        UpdateButtons();
        throw;
    }
    UpdateButtons();
}

void ReaderCore::ShowNextAya() {
    AyaTimesKnown = false;
    pausing_ = heldRecording_ = false;
    panquran->HideMarks();
    LocateAya();
    LookUpPart();
    view_.ShowPosition();
    AnnouncePosition();
    ShowTransport(true);
    ComputeAyaTimes();
    UpdateButtons();
}

void ReaderCore::UpdateButtons() {
    view_.UpdateNavigationButtons();
    view_.UpdateRepeatButtons();
}

void ReaderCore::LookUpPart() {
    CurrentPart = ReadAyaPart(CurrentSura, CurrentAya);
}

void ReaderCore::GoToPart(int n) {
    int sura = 0, aya = 0;
    if (!FindFirstAyaOfPart(n, sura, aya)) return;
    CurrentSura = sura;
    CurrentAya = aya;
    LoadSura();
}

void ReaderCore::GoToPage() {
    int sura = 0, aya = 0;
    if (!FindFirstAyaOfPage(CurrentPage, sura, aya)) return;
    LoadPage(CurrentPage);
    CurrentSura = sura;
    CurrentAya = aya;
    LoadSura();
}

void ReaderCore::LoadPage(int page) {
    // A missing page picture is reported; the aya is still marked and recited.
    platform::guarded([this, page] { panquran->LoadPage(page); });
}

void ReaderCore::LocateAya() {
    AyaLocation where;
    if (!LocateAyaSegments(CurrentSura, CurrentAya, where)) return;
    if (where.page != CurrentPage) {
        CurrentPage = where.page;
        LoadPage(CurrentPage);
    }
    panquran->ShowMarks(where.segments);
    ShowRangeEnds();
}

void ReaderCore::ShowRangeEnds() {
    const platform::ListeningOptions& o = platform::listening();
    std::vector<AyaSegment> ends;
    if (o.rangeOn())
        for (const platform::AyaRef end : {o.rangeFrom, o.rangeTo}) {
            AyaLocation at;
            if (LocateAyaSegments(end.sura, end.aya, at) && at.page == CurrentPage)
                ends.insert(ends.end(), at.segments.begin(), at.segments.end());
            if (o.rangeFrom == o.rangeTo) break;
        }
    panquran->ShowRangeEnds(ends);
}

void ReaderCore::HitTestAya(int x, int y) {
    int sura = 0, aya = 0;
    if (!HitTestAyaRecord(CurrentSura, CurrentPage, x, y, sura, aya)) return;
    CurrentSura = sura;
    CurrentAya = aya;
    LoadSura();
}

void ReaderCore::StepTo(Step step) {
    switch (step) {
        case Step::NextAya:
        case Step::PreviousAya: {
            const int aya = CurrentAya + (step == Step::NextAya ? 1 : -1);
            if (aya < 1 || aya > SuraAyaCount) return;
            CurrentAya = aya;
            ShowAya();
            break;
        }
        case Step::NextSura:
        case Step::PreviousSura: {
            const int sura = CurrentSura + (step == Step::NextSura ? 1 : -1);
            if (sura < 1 || sura > kSuraCount) return;
            CurrentSura = sura;
            CurrentAya = 1;
            LoadSura();
            break;
        }
        case Step::NextPage:
        case Step::PreviousPage: {
            const int page = CurrentPage + (step == Step::NextPage ? 1 : -1);
            if (page < 1 || page > kPageCount) return;
            CurrentPage = page;
            GoToPage();
            break;
        }
        case Step::NextPart:
        case Step::PreviousPart: {
            const int part = CurrentPart + (step == Step::NextPart ? 1 : -1);
            if (part < 1 || part > kPartCount) return;
            CurrentPart = part;
            GoToPart(part);
            break;
        }
    }
}

void ReaderCore::FirstAya() {
    if (CurrentAya == 1) return;
    CurrentAya = 1;
    ShowAya();
}

void ReaderCore::AttachFields(NumberField* aya, NumberField* sura, NumberField* page,
                              NumberField* part) {
    // What a screen reader calls the fields.
    const bool arabic = LanguageIndex == 1;
    aya->setAccessibleName(arabic ? "الآية" : "Aya");
    sura->setAccessibleName(arabic ? "السورة" : "Sura");
    page->setAccessibleName(arabic ? "الصفحة" : "Page");
    part->setAccessibleName(arabic ? "الجزء" : "Part");
    JumpOnEnter(
        aya, [] { return SuraAyaCount; },
        [this](int v) {
            CurrentAya = v;
            ShowAya();
        });
    JumpOnEnter(
        sura, [] { return kSuraCount; },
        [this](int v) {
            CurrentSura = v;
            CurrentAya = 1;
            LoadSura();
        });
    JumpOnEnter(
        page, [] { return kPageCount; },
        [this](int v) {
            CurrentPage = v;
            GoToPage();
        });
    JumpOnEnter(
        part, [] { return kPartCount; },
        [this](int v) {
            CurrentPart = v;
            GoToPart(v);
        });
}

void ReaderCore::UpdateStepButtons(SkinScreen& screen, int first) {
    auto pair = [&screen](int value, int firstValue, int lastValue, int next) {
        screen.EnableButton(next + 1, value != firstValue);
        screen.EnableButton(next, value == firstValue || value != lastValue);
    };
    pair(CurrentAya, 1, SuraAyaCount, first);
    pair(CurrentSura, 1, kSuraCount, first + 2);
    pair(CurrentPage, 1, kPageCount, first + 4);
    pair(CurrentPart, 1, kPartCount, first + 6);
}

bool ReaderCore::StepKey(SkinScreen& screen, int first, int key) {
    Step step;
    switch (key) {
        case Qt::Key_Left:
            step = Step::NextAya;
            break;
        case Qt::Key_Right:
            step = Step::PreviousAya;
            break;
        case Qt::Key_PageDown:
            step = Step::NextPage;
            break;
        case Qt::Key_PageUp:
            step = Step::PreviousPage;
            break;
        case Qt::Key_Home:
            FirstAya();
            return true;
        default:
            return false;
    }
    screen.ClickButton(first + static_cast<int>(step));
    return true;
}

// ---- recitation ----------------------------------------------------------------

std::string ReaderCore::RecordingFile(int sura) {
    return platform::programDrive() + threeDigits(sura) + ".mp3";
}

void ReaderCore::ComputeAyaTimes() {
    AyaTimesKnown = false;
    const AyaTimes times = ::ComputeAyaTimes(rich1->plainLines(), CurrentAya, SuraAyaCount,
                                             mci1->Length(), AyaTimingListFile(CurrentSura));
    AyaStartMs = times.startMs;
    AyaEndMs = times.endMs;
    AyaTimesKnown = true;
    RecitationHalted = false;
}

void ReaderCore::PlayAya() {
    AyaTimesKnown = false;
    pausing_ = heldRecording_ = false;
    RecitationHalted = false;
    ShowTransport(true);
    // The watch runs from here on, so that it also halts an aya that fails below.
    Timer6->setEnabled(true);
    mci1->Close();
    if (!TimingListLoaded) return;
    mci1->FileName = RecordingFile(CurrentSura);
    mci1->Open();
    mci1->Notify = true;
    ComputeAyaTimes();
    mci1->setStartPos(AyaStartMs);
    mci1->Play();
}

void ReaderCore::Halt() {
    RecitationHalted = true;
    mci1->Close();
    ShowTransport(false);
}

void ReaderCore::Timer6Timer() {
    UpdateStatus();
    if (!AyaTimesKnown) {
        // The aya shown has no recitation (its recording or timing could not be
        // read): nothing plays until another aya is shown or play is pressed.
        if (!RecitationHalted) Halt();
        return;
    }
    auto& clock = platform::Clock::current();
    if (pausing_) {
        // The marks stay on the aya; a pause held by the user does not run out.
        if (!playing_ || clock.now() < pauseUntil_) return;
    } else if (mci1->Position() >= AyaEndMs) {
        const int pause = platform::listening().pauseMs(AyaEndMs - AyaStartMs);
        if (pause > 0) {
            pausing_ = true;
            pauseUntil_ = clock.now() + pause;
            // The recording is held during the pause (one that ran to its end
            // has nothing left to hold).
            heldRecording_ = mci1->isOpen() && !mci1->PlayedToEnd();
            if (heldRecording_) mci1->Pause();
            return;
        }
    } else {
        return;
    }
    pausing_ = false;
    ++RepeatDone;
    AyaFinished();
}

int ReaderCore::RepeatTimes() {
    if (RepeatCount != 3) return RepeatCount;
    const int chosen = platform::listening().thirdRepeat;
    return chosen == 0 ? kWithoutEnd : std::clamp(chosen, 3, 99);
}

void ReaderCore::AyaFinished() {
    if (RepeatDone < RepeatTimes()) {
        PlayAya();
        return;
    }
    RepeatDone = 0;
    if (EndOfRange()) return;
    if (CurrentAya < SuraAyaCount) {
        ++CurrentAya;
        AdvanceAya();
    } else if (CurrentSura < kSuraCount) {
        ++CurrentSura;
        CurrentAya = 1;
        LoadSura();
    } else {
        ShowTransport(false);
    }
}

void ReaderCore::AdvanceAya() {
    const bool held = heldRecording_;
    ShowNextAya();
    if (!held) return;
    // After a pause the recording goes on from the start of the next aya.
    mci1->setStartPos(AyaStartMs);
    mci1->Play();
}

bool ReaderCore::EndOfRange() {
    const platform::ListeningOptions& o = platform::listening();
    if (!o.rangeOn() || !(platform::AyaRef{CurrentSura, CurrentAya} == o.rangeTo)) return false;
    // A first aya that the sura does not have (typed in the preferences) is no range.
    int recordSura = 0;
    if (o.rangeFrom.sura > kSuraCount ||
        o.rangeFrom.aya > ReadSuraAyaCount(o.rangeFrom.sura, recordSura))
        return false;
    ++rangeDone_;
    const bool again = o.rangeCount == 0 || rangeDone_ < o.rangeCount;
    if (!again) rangeDone_ = 0;
    if (!again && !o.rangeThenStop) return false;
    const bool otherSura = CurrentSura != o.rangeFrom.sura;
    CurrentSura = o.rangeFrom.sura;
    CurrentAya = o.rangeFrom.aya;
    if (otherSura)
        LoadSura();
    else
        ShowAya();
    // After the last round the range's first aya waits, stopped: Play recites
    // the block again.
    if (!again) {
        ShowTransport(false);
        if (mci1->isOpen()) mci1->Stop();
    }
    return true;
}

bool ReaderCore::ListeningKey(int key) {
    platform::ListeningOptions& o = platform::listening();
    if (key == Qt::Key_Escape) {
        if (!RangeStart.valid() && !o.rangeOn()) return false;
        RangeStart = {};
        o.clearRange();
        rangeDone_ = 0;
        ShowRangeEnds();
        return true;
    }
    if (key != Qt::Key_R) return false;
    const platform::AyaRef here{CurrentSura, CurrentAya};
    if (!RangeStart.valid()) {
        RangeStart = here;
        o.clearRange();
    } else {
        o.setRange(RangeStart, here);
        RangeStart = {};
    }
    rangeDone_ = 0;
    ShowRangeEnds();
    return true;
}

QString ReaderCore::ListeningStatus() {
    const platform::ListeningOptions& o = platform::listening();
    const bool ar = LanguageIndex == 1;
    QStringList parts;
    if (o.pauseAyaLengths > 0)
        parts << QString(ar ? "وقفة ×%1" : "pause ×%1").arg(o.pauseAyaLengths);
    else if (o.pauseSeconds > 0)
        parts << QString(ar ? "وقفة %1 ث" : "pause %1 s").arg(o.pauseSeconds);
    if (o.rangeOn()) {
        auto ref = [&o](platform::AyaRef r) {
            return o.rangeFrom.sura == o.rangeTo.sura ? QString::number(r.aya)
                                                      : QString("%1:%2").arg(r.sura).arg(r.aya);
        };
        const QString times = o.rangeCount == 0 ? QString("∞") : QString::number(o.rangeCount);
        parts << QString(ar ? "الآيات %1–%2 ×%3" : "ayas %1–%2 ×%3")
                     .arg(ref(o.rangeFrom), ref(o.rangeTo), times);
    }
    const int times = RepeatTimes();
    if (times > 3)
        parts << QString(ar ? "تكرار ×%1" : "repeat ×%1")
                     .arg(times == kWithoutEnd ? QString("∞") : QString::number(times));
    if (platform::mediaMuted())
        parts << QString(ar ? "الصوت مكتوم" : "sound off");
    else if (platform::mediaVolume() != 100)
        parts << QString(ar ? "الصوت %1 %" : "volume %1 %").arg(platform::mediaVolume());
    return parts.join(ar ? "، " : ", ");
}

void ReaderCore::UpdateStatus() {
    QString status = ListeningStatus();
    if (status == status_) return;
    status_ = std::move(status);
    if (status_.isEmpty()) {
        StatusLine->hide();
        statusTimer_->setEnabled(false);
        return;
    }
    StatusLine->setText(status_);
    StatusLine->setLayoutDirection(LanguageIndex == 1 ? Qt::RightToLeft : Qt::LeftToRight);
    const int height = StatusLine->sizeHint().height();
    QWidget* area = screen_->parentWidget();
    const QRect reader = screen_->geometry();
    const bool margin = area && area->height() - reader.y() - reader.height() >= height;
    if (StatusLine->parentWidget() != (margin ? area : screen_))
        StatusLine->setParent(margin ? area : screen_);
    if (margin) {
        // In the black margin below the reader: quiet grey, and it stays.
        StatusLine->setStyleSheet("background: black; color: #c0c0c0; padding: 2px 8px;");
        StatusLine->setGeometry(reader.x(), reader.y() + reader.height(), reader.width(), height);
    } else {
        StatusLine->setStyleSheet(
            "background: rgba(0, 0, 0, 160); color: white; padding: 2px 8px;");
        StatusLine->setGeometry(0, screen_->height() - height, screen_->width(), height);
    }
    StatusLine->show();
    StatusLine->raise();
    statusTimer_->setEnabled(false);
    statusTimer_->setEnabled(!margin);
}

void ReaderCore::ShowTransport(bool playing) {
    playing_ = playing;
    view_.ShowTransport(playing);
}

void ReaderCore::Play() {
    if (pausing_) {
        // The pause held by the user runs on for what was left of it.
        if (!playing_) pauseUntil_ = platform::Clock::current().now() + pauseLeftMs_;
        ShowTransport(true);
        return;
    }
    if (!AyaTimesKnown) {
        // Halted: the aya is tried again; when it still cannot be recited the
        // error is shown once and the transport stays stopped.
        try {
            if (!TimingListLoaded) LoadTimingList();
            PlayAya();
        } catch (...) {
            Halt();
            throw;
        }
        if (!AyaTimesKnown) Halt();
        return;
    }
    ShowTransport(true);
    mci1->Play();
}

void ReaderCore::Pause() {
    if (pausing_) {
        // Pause during the pause after an aya holds it; Pause again goes on.
        if (!playing_) return Play();
        pauseLeftMs_ =
            static_cast<int>(std::max<int64_t>(pauseUntil_ - platform::Clock::current().now(), 0));
        ShowTransport(false);
        return;
    }
    ShowTransport(false);
    if (mci1->isOpen()) mci1->Pause();
}

void ReaderCore::Stop() {
    pausing_ = heldRecording_ = false;
    ShowTransport(false);
    if (!mci1->isOpen()) return;
    mci1->Stop();
    mci1->setPosition(0);
}

void ReaderCore::ChooseRepeatCount(int count) {
    if (count < 1 || count > 3) return;
    RepeatCount = count;
    view_.UpdateRepeatButtons();
}

void ReaderCore::Leave() {
    pausing_ = false;
    StatusLine->hide();
    Timer6->setEnabled(false);
    mci1->Close();
}
