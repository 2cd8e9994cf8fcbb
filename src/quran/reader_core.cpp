#include "quran/reader_core.h"

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
    : panquran(panel), imgsoraname(title), TitleFolder(std::move(titleFolder)), view_(view) {
    panquran->onPageClick = [this](int x, int y) { HitTestAya(x, y); };
    rich1 = new platform::RichTextBox(screen, "rich1");
    rich1->hide();
    mci1 = new platform::MediaPlayer(screen);
    mci1->setObjectName("mci1");
    mci1->AutoRewind = false;
    Timer6 = new platform::Timer(screen, 10, false);
    Timer6->onTimer = [this] { Timer6Timer(); };
    // A screen reader hears where the reader stands and can read the aya.
    platform::AccessibleFacts facts;
    facts.role = QAccessible::StaticText;
    facts.name = [] { return LanguageIndex == 1 ? QString("صفحة المصحف") : QString("Quran page"); };
    facts.description = [] { return PositionText(LanguageIndex == 1); };
    facts.text = [] { return AyaText(CurrentSura, CurrentAya); };
    platform::setAccessibleFacts(panquran, std::move(facts));
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
    if (!AyaTimesKnown) {
        // The aya shown has no recitation (its recording or timing could not be
        // read): nothing plays until another aya is shown or play is pressed.
        if (!RecitationHalted) Halt();
        return;
    }
    if (mci1->Position() >= AyaEndMs) {
        ++RepeatDone;
        AyaFinished();
    }
}

void ReaderCore::AyaFinished() {
    if (RepeatDone < RepeatCount) {
        PlayAya();
        return;
    }
    RepeatDone = 0;
    if (CurrentAya < SuraAyaCount) {
        ++CurrentAya;
        ShowNextAya();
    } else if (CurrentSura < kSuraCount) {
        ++CurrentSura;
        CurrentAya = 1;
        LoadSura();
    } else {
        ShowTransport(false);
    }
}

void ReaderCore::ShowTransport(bool playing) {
    playing_ = playing;
    view_.ShowTransport(playing);
}

void ReaderCore::Play() {
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
    ShowTransport(false);
    if (mci1->isOpen()) mci1->Pause();
}

void ReaderCore::Stop() {
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
    Timer6->setEnabled(false);
    mci1->Close();
}
