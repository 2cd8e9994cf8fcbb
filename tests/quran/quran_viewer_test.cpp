// The Quran page viewer on the sample disc: opening at the stored position,
// page and title loading, the recitation with repetition and advance, the
// hit test, the red marks, failures of missing files, and leaving.
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/guard.h"
#include "platform/inifile.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "quran/aya_timing.h"
#include "quran/quran_files.h"
#include "quran/unt_remote.h"
#include "quran_test.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "skin/unt_main.h"
#include "support/sim_device.h"

namespace fs = std::filesystem;

namespace {

class QuranViewerTest : public QuranTest {
  protected:
    /// Opens section 1 as the hub does and lets the start-up tick run.
    void Open(int sura, int aya) {
        SettingEnter = 0;
        SettingEnterSora = sura;
        SettingEnterAya = aya;
        PresetSectionValues(1);
        OpenQuranSection();
        viewer = frm_quran;
        ASSERT_NE(viewer, nullptr);
        Advance(100);
    }
    void FinishAya() { QuranTest::FinishAya(*viewer->Core); }

    static bool IsOpen(const std::string& line) { return line.starts_with("open "); }
    static long Opens() {
        const auto& log = platform::SimulatedDevice::log();
        return std::count_if(log.begin(), log.end(), IsOpen);
    }
    /// The recording of `sura` was the last file opened.
    static bool LastOpened(int sura) {
        const auto& log = platform::SimulatedDevice::log();
        const auto open = std::find_if(log.rbegin(), log.rend(), IsOpen);
        char name[16];
        std::snprintf(name, sizeof name, "/%03d.mp3", sura);
        return open != log.rend() && open->ends_with(name);
    }
    static std::string LastCall() { return platform::SimulatedDevice::log().back(); }
    static AyaLocation Where(int sura, int aya) {
        AyaLocation at;
        EXPECT_TRUE(LocateAyaSegments(sura, aya, at));
        return at;
    }
    bool ShowsPage(int page) const {
        return SameImage(
            viewer->panquran->imgpage->picture(),
            platform::loadJpeg(GraphicDir + "quran_pic\\" + std::to_string(page) + ".jpg"));
    }
    bool ShowsTitle(int sura) const {
        return SameImage(viewer->imgsoraname->picture(),
                         platform::loadJpeg(GraphicDir + "quran\\1\\sora_name\\" +
                                            std::to_string(sura) + ".jpg"));
    }
    void ExpectMarked(int sura, int aya) {
        const AyaLocation at = Where(sura, aya);
        const auto marks = viewer->panquran->VisibleMarks();
        const QPoint page = viewer->panquran->imgpage->pos();
        ASSERT_EQ(marks.size(), at.segments.size());
        for (size_t i = 0; i < marks.size(); ++i) {
            const AyaSegment& s = at.segments[i];
            EXPECT_EQ(marks[i]->geometry(),
                      QRect(page + QPoint(s.left, s.top), QSize(s.width, s.height)));
        }
    }
    bool Enabled(int n) const { return frm_remote && frm_remote->ButtonEnabled(n); }

    Tfrm_quran* viewer = nullptr;
};

}  // namespace

TEST_F(QuranViewerTest, OpensAtTheStoredPositionAndTurnsPagesOnlyWhenAnAyaStartsOnANewOne) {
    // 2:4 and 2:5 share page 2; 2:6 starts page 3.
    Open(2, 4);
    EXPECT_TRUE(ShowsPage(2));
    ExpectMarked(2, 4);
    // The sura's recording from the start of aya 4 (the end of aya 3).
    const auto& lines = viewer->Core->rich1->plainLines();
    EXPECT_TRUE(LastOpened(2));
    EXPECT_EQ(LastCall(), "play from " + std::to_string(TimingLineMs(lines.at(2))));
    EXPECT_EQ(viewer->Core->AyaEndMs, TimingLineMs(lines.at(3)));

    const qint64 page = viewer->panquran->imgpage->picture().cacheKey();
    const long opens = Opens();
    FinishAya();
    EXPECT_EQ(CurrentAya, 5);
    ExpectMarked(2, 5);
    EXPECT_EQ(viewer->panquran->imgpage->picture().cacheKey(), page);  // not loaded again
    FinishAya();
    EXPECT_EQ(CurrentAya, 6);
    EXPECT_EQ(CurrentPage, 3);
    EXPECT_TRUE(ShowsPage(3));
    // One recording, played on: never reopened or repositioned.
    EXPECT_EQ(Opens(), opens);
    EXPECT_EQ(viewer->Core->AyaStartMs, TimingLineMs(lines.at(4)));
}

TEST_F(QuranViewerTest, RepeatsThreeTimesThenAdvancesWithoutReopening) {
    Open(1, 1);
    viewer->RepeatButton(3);
    const long opens = Opens();
    FinishAya();
    EXPECT_EQ(CurrentAya, 1);
    EXPECT_EQ(RepeatDone, 1);
    EXPECT_EQ(LastCall(), "play from 0");
    FinishAya();
    EXPECT_EQ(CurrentAya, 1);
    EXPECT_EQ(Opens(), opens + 2);  // each repetition reopens the recording
    FinishAya();
    EXPECT_EQ(CurrentAya, 2);
    EXPECT_EQ(RepeatDone, 0);
    EXPECT_EQ(Opens(), opens + 2);
    EXPECT_TRUE(Enabled(5) && Enabled(6));
    EXPECT_FALSE(Enabled(7));
}

TEST_F(QuranViewerTest, AStoredPositionThatNamesNoAyaOpensAtTheStart) {
    for (auto [sura, aya] : {std::pair{200, 5}, {-5, 1}, {1, 50}, {2, 0}}) {
        Open(sura, aya);
        EXPECT_EQ(CurrentSura, 1) << sura << ":" << aya;
        EXPECT_EQ(CurrentAya, 1) << sura << ":" << aya;
        ExpectMarked(1, 1);
        viewer->closeForm();
        platform::processPendingEvents();
    }
}

TEST_F(QuranViewerTest, LastAyaLeadsToTheNextSuraAndSura114Ends) {
    Open(1, 7);
    EXPECT_EQ(viewer->Core->AyaEndMs,
              viewer->Core->mci1->Length());  // the last aya ends with the recording
    FinishAya();
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 2001);
    EXPECT_TRUE(ShowsTitle(2));
    EXPECT_TRUE(LastOpened(2));
    EXPECT_EQ(LastCall(), "play from 0");

    CurrentSura = 114;
    CurrentAya = 6;
    viewer->LoadSura();
    const long opens = Opens();
    FinishAya();
    Advance(500);
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 114006);
    EXPECT_EQ(Opens(), opens);
    EXPECT_TRUE(Enabled(2));
    EXPECT_FALSE(Enabled(3) || Enabled(4));
}

TEST_F(QuranViewerTest, ClickOnAnAyaOfThePreviousSuraOnTheSamePage) {
    Open(114, 1);
    const AyaLocation target = Where(113, 2);
    ASSERT_EQ(target.page, CurrentPage);  // page 604 holds suras 112 to 114
    const AyaSegment& s = target.segments[0];
    Click(viewer->panquran->imgpage, {s.left + s.width / 2, s.top + s.height / 2});
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 113002);
    ExpectMarked(113, 2);
    EXPECT_TRUE(ShowsTitle(113));
    EXPECT_TRUE(LastOpened(113));

    // A click on the mark itself goes nowhere; neither does the margin.
    const long opens = Opens();
    Click(viewer->panquran->shpaya[0]);
    Click(viewer->panquran->imgpage, {2, 2});
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 113002);
    EXPECT_EQ(Opens(), opens);
}

TEST_F(QuranViewerTest, EveryLineOfALongAyaTurnsRedAndItsPaperStaysWhite) {
    Open(2, 255);
    const auto marks = viewer->panquran->VisibleMarks();
    ASSERT_GT(marks.size(), 3u);
    ExpectMarked(2, 255);
    const platform::ImageControl* page = viewer->panquran->imgpage;
    for (QWidget* mark : marks) {
        const QImage shown = mark->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage under = page->picture().copy(QRect(mark->pos() - page->pos(), shown.size()));
        int print = 0, paper = 0, wrong = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QColor was = under.pixelColor(x, y), seen = shown.pixelColor(x, y);
                const bool isPaper = was.lightness() > 235, isPrint = was.value() < 50;
                paper += isPaper;
                print += isPrint;
                wrong += (isPaper && seen.lightness() <= 235) ||
                         (isPrint && (seen.red() < 240 || seen.green() > 50 || seen.blue() > 50));
            }
        EXPECT_GT(print, 20) << mark->objectName().toStdString();
        EXPECT_GT(paper, 20);
        EXPECT_EQ(wrong, 0);
    }
    // A click on a mark beyond the third does nothing either.
    const long opens = Opens();
    Click(marks.back());
    EXPECT_EQ(Opens(), opens);
    EXPECT_EQ(CurrentAya, 255);
}

TEST_F(QuranViewerTest, MissingFilesAreReportedOnceAndTheViewerGoesOn) {
    // The sample disc made of links, without a recording, a timing list and a page.
    OwnDisc("viewer-missing");
    fs::remove(disc->root() / "001.mp3");
    disc->remove("data/sound/003.rtf");
    disc->remove("graphic/quran_pic/3.jpg");
    expectedErrors = 3;  // each missing file told once
    auto expectSilent = [this](int aya) {
        Advance(5000);
        EXPECT_EQ(CurrentAya, aya);
        EXPECT_TRUE(Enabled(2) && !Enabled(3) && !Enabled(4));
    };

    // No recording: the aya is marked and stays, silent; Play tries it again,
    // and the file, still missing, is not told twice.
    Open(1, 2);
    EXPECT_EQ(Errors().back().rfind(platform::kMediaFileNotFound, 0), 0u) << Errors().back();
    ExpectMarked(1, 2);
    expectSilent(2);
    Click(frm_remote->Button(2));
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(platform::SimulatedDevice::log().back().rfind("open ", 0), 0u);
    expectSilent(2);
    // The buttons follow an aya whose recitation failed: the last aya of the sura.
    CurrentAya = 7;
    platform::guarded([this] { viewer->ShowAya(); });
    EXPECT_FALSE(Enabled(10));
    EXPECT_TRUE(Enabled(11));

    // No page picture: the page area is left empty, the recitation goes on.
    CurrentSura = 2;
    CurrentAya = 5;
    viewer->LoadSura();
    FinishAya();  // 2:6 begins page 3
    EXPECT_NE(Errors().back().find("3.jpg"), std::string::npos) << Errors().back();
    EXPECT_TRUE(viewer->panquran->imgpage->picture().isNull());
    ExpectMarked(2, 6);
    FinishAya();
    EXPECT_EQ(CurrentAya, 7);

    // No timing list: the sura is shown and its ayas are not recited.
    CurrentSura = 3;
    CurrentAya = 2;
    viewer->LoadSura();
    EXPECT_NE(Errors().back().find("003.rtf"), std::string::npos) << Errors().back();
    EXPECT_TRUE(ShowsTitle(3));
    ExpectMarked(3, 2);
    expectSilent(2);
    // Once the timing list is there, play recites the aya shown.
    fs::create_symlink(fs::path(TestDiscFolder()) / "velk_quran/data/sound/003.rtf",
                       disc->root() / "velk_quran/data/sound/003.rtf");
    Click(frm_remote->Button(2));
    EXPECT_TRUE(LastOpened(3));
    EXPECT_FALSE(Enabled(2));
    FinishAya();
    EXPECT_EQ(CurrentAya, 3);
}

TEST_F(QuranViewerTest, AFirstSuraThatCannotBeReadStillShowsTheRepeatCountChosen) {
    OwnDisc("viewer-no-counts");
    disc->remove("data/aya_count");
    Open(1, 1);
    expectedErrors = 1;
    EXPECT_TRUE(Enabled(6) && Enabled(7));
    EXPECT_FALSE(Enabled(5));
}

TEST_F(QuranViewerTest, LeavingSavesThePositionAndTheNextOpeningResumesThere) {
    Open(36, 1);
    FinishAya();
    FinishAya();
    ASSERT_EQ(CurrentAya, 3);
    Click(viewer->Button(3));
    platform::processPendingEvents();
    EXPECT_EQ(frm_quran, nullptr);
    EXPECT_NE(frm_main, nullptr);
    EXPECT_EQ(LastCall(), "close");
    auto saved = [](const char* key) {
        return platform::IniFile(SettingsFile).readString("settings", key, "");
    };
    EXPECT_EQ(saved("settings_enter_sora"), "36");
    EXPECT_EQ(saved("settings_enter_aya"), "3");

    LoadSettings();
    PresetSectionValues(1);
    OpenQuranSection();
    viewer = frm_quran;
    Advance(100);
    ExpectMarked(36, 3);

    // The exit button saves too, then ends the program.
    FinishAya();
    Click(viewer->Button(1));
    EXPECT_TRUE(platform::terminationRequested());
    EXPECT_EQ(saved("settings_enter_aya"), "4");
}

TEST_F(QuranViewerTest, ADamagedDataFileIsNamedInItsOneErrorBox) {
    std::string counts = platform::readFile(DataDir + "aya_count");
    counts[3] = static_cast<char>(168);  // sura 2's record names sura 168
    struct Case {
        const char* file;
        std::string bytes;
        int sura, aya;
        std::string error;  // after the file's name
    };
    const Case cases[] = {
        {"data/cutaya", std::string(114 * 13, '\0'), 1, 1, "cutaya\"."},
        {"data/aya_count", counts, 2, 1, "aya_count\"."},
        {"data/sound/001.rtf", "00:00:02.5\n00:0a:05.0\n", 1, 2, ", line 2"},
    };
    for (const Case& c : cases) {
        OwnDisc("viewer-damaged-" + std::to_string(&c - cases));
        disc->write(c.file, c.bytes);
        Errors().clear();
        Open(c.sura, c.aya);
        ASSERT_EQ(Errors().size(), 1u) << c.file;
        const std::string named = c.error.starts_with(",")
                                      ? "'0a' is not a valid integer value in " +
                                            platform::quotedPath(DataDir + "sound\\001.rtf") +
                                            c.error
                                      : "Read error in file \"" + DataDir + c.error;
        EXPECT_EQ(Errors()[0], named);
        viewer->closeForm();
        platform::processPendingEvents();
    }
    expectedErrors = 1;
}
