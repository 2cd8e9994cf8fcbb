// The Quran page viewer on the sample disc: opening at the stored position,
// page and title loading, the recitation with repetition and advance, the
// hit test, the red marks, failures of missing files, and leaving.
#include <QPlainTextEdit>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/inifile.h"
#include "platform/jpeg.h"
#include "platform/media.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "platform/sim_device.h"
#include "quran/aya_timing.h"
#include "quran/quran_files.h"
#include "quran/unt_quran.h"
#include "quran/unt_remote.h"
#include "quran/unt_soraname.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "shell/settings.h"
#include "skin/unt_main.h"
#include "support/screen_test.h"

namespace fs = std::filesystem;

namespace {

// A copy of the sample disc made of links, without the files in `missing`
// (paths relative to the disc root).
class MirrorDisc {
  public:
    MirrorDisc(const std::string& name, const std::vector<std::string>& missing) {
        root_ = fs::temp_directory_path() / "zafirel-tests" /
                ("viewer-" + name + "." + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        link(TestDiscFolder(), root_, "", missing);
    }
    ~MirrorDisc() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    const fs::path& root() const { return root_; }

  private:
    static void link(const fs::path& from, const fs::path& to, const std::string& rel,
                     const std::vector<std::string>& missing) {
        for (const auto& entry : fs::directory_iterator(from)) {
            const std::string name = rel + entry.path().filename().string();
            bool skip = false, inside = false;
            for (const std::string& m : missing) {
                skip |= m == name;
                inside |= m.rfind(name + "/", 0) == 0;
            }
            if (skip) continue;
            fs::path target = to / entry.path().filename();
            if (inside) {
                fs::create_directory(target);
                link(entry.path(), target, name + "/", missing);
            } else {
                fs::create_symlink(entry.path(), target);
            }
        }
    }
    fs::path root_;
};

class QuranViewerTest : public ScreenTest {
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
    /// Runs the recitation to the end of the aya being recited.
    void FinishAya() { Advance(viewer->AyaEndMs - viewer->mci1->Position() + 20); }

    static int Opens() {
        int n = 0;
        for (const std::string& line : platform::SimulatedDevice::log())
            n += line.rfind("open ", 0) == 0;
        return n;
    }
    static std::string LastOpen() {
        const auto& log = platform::SimulatedDevice::log();
        for (auto it = log.rbegin(); it != log.rend(); ++it)
            if (it->rfind("open ", 0) == 0) return it->substr(5);
        return {};
    }
    /// The recording of `sura` was the last file opened.
    static bool LastOpened(int sura) {
        char name[16];
        std::snprintf(name, sizeof name, "/%03d.mp3", sura);
        return LastOpen().ends_with(name);
    }
    static AyaLocation Where(int sura, int aya) {
        AyaLocation at;
        EXPECT_TRUE(LocateAyaSegments(sura, aya, at));
        return at;
    }
    static QImage Page(int page) {
        return platform::loadJpeg(GraphicDir + "quran_pic\\" + std::to_string(page) + ".jpg");
    }
    static QImage Title(int sura) {
        return platform::loadJpeg(GraphicDir + "quran\\1\\sora_name\\" + std::to_string(sura) +
                                  ".jpg");
    }
    /// A point inside the first segment of an aya, in page-picture coordinates.
    static QPoint Inside(const AyaLocation& at) {
        const AyaSegment& s = at.segments[0];
        return {s.left + s.width / 2, s.top + s.height / 2};
    }
    void ExpectMarked(int sura, int aya) {
        AyaLocation at = Where(sura, aya);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(viewer->shpaya[i]->isVisible(), i < at.count) << i;
            if (i < at.count) {
                const AyaSegment& s = at.segments[i];
                EXPECT_EQ(viewer->shpaya[i]->geometry(),
                          QRect(s.left + 49, s.top + 33, s.width, s.height));
            }
        }
    }
    bool Enabled(int n) const { return frm_remote && frm_remote->ButtonEnabled(n); }

    Tfrm_quran* viewer = nullptr;
};

}  // namespace

TEST_F(QuranViewerTest, OpensAtTheStoredPositionAndRecitesIt) {
    Open(2, 10);
    ASSERT_NE(frm_remote, nullptr);
    EXPECT_EQ(frm_remote->parentWidget(), viewer);
    const AyaLocation at = Where(2, 10);
    EXPECT_EQ(CurrentPage, at.page);
    EXPECT_EQ(CurrentPart, 1);
    EXPECT_EQ(SuraAyaCount, 286);
    EXPECT_TRUE(SameImage(viewer->imgpage->picture(), Page(at.page)));
    EXPECT_TRUE(SameImage(viewer->imgsoraname->picture(), Title(2)));
    ExpectMarked(2, 10);
    EXPECT_EQ(frm_remote->memopage->toPlainText(), QString::number(at.page));

    // The sura's recording from the start of aya 10 (the end of aya 9).
    const int start = TimingLineMs(viewer->rich1->plainLines().at(8));
    EXPECT_TRUE(LastOpened(2));
    EXPECT_EQ(platform::SimulatedDevice::log().back(), "play from " + std::to_string(start));
    EXPECT_EQ(viewer->AyaEndMs, TimingLineMs(viewer->rich1->plainLines().at(9)));
    EXPECT_FALSE(Enabled(2));
    EXPECT_TRUE(Enabled(3) && Enabled(4));
    EXPECT_FALSE(Enabled(5));
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(QuranViewerTest, RecitationMovesOnTurningPagesOnlyWhenAnAyaStartsOnANewOne) {
    // 2:4 and 2:5 share page 2; 2:6 starts page 3.
    Open(2, 4);
    ASSERT_EQ(Where(2, 5).page, CurrentPage);
    ASSERT_EQ(Where(2, 6).page, CurrentPage + 1);
    const qint64 page = viewer->imgpage->picture().cacheKey();
    const qint64 title = viewer->imgsoraname->picture().cacheKey();
    const int opens = Opens();

    FinishAya();
    EXPECT_EQ(CurrentAya, 5);
    ExpectMarked(2, 5);
    EXPECT_EQ(viewer->imgpage->picture().cacheKey(), page);

    FinishAya();
    EXPECT_EQ(CurrentAya, 6);
    EXPECT_EQ(CurrentPage, Where(2, 6).page);
    EXPECT_TRUE(SameImage(viewer->imgpage->picture(), Page(CurrentPage)));
    EXPECT_EQ(viewer->imgsoraname->picture().cacheKey(), title);
    // One recording, played on: never reopened or repositioned.
    EXPECT_EQ(Opens(), opens);
    EXPECT_EQ(viewer->AyaStartMs, TimingLineMs(viewer->rich1->plainLines().at(4)));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(QuranViewerTest, RepeatsThreeTimesThenAdvancesWithoutReopening) {
    Open(1, 1);
    viewer->RepeatButton(3);
    EXPECT_FALSE(Enabled(5));  // the buttons follow with the next aya
    const int opens = Opens();
    FinishAya();
    EXPECT_EQ(CurrentAya, 1);
    EXPECT_EQ(RepeatDone, 1);
    EXPECT_EQ(platform::SimulatedDevice::log().back(), "play from 0");
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

TEST_F(QuranViewerTest, LastAyaLeadsToTheNextSuraAndSura114Ends) {
    Open(1, 7);
    EXPECT_EQ(viewer->AyaEndMs, viewer->mci1->Length());  // the last aya ends with the recording
    FinishAya();
    EXPECT_EQ(CurrentSura, 2);
    EXPECT_EQ(CurrentAya, 1);
    EXPECT_EQ(SuraAyaCount, 286);
    EXPECT_TRUE(SameImage(viewer->imgsoraname->picture(), Title(2)));
    EXPECT_TRUE(LastOpened(2));
    EXPECT_EQ(platform::SimulatedDevice::log().back(), "play from 0");

    CurrentSura = 114;
    CurrentAya = 6;
    viewer->LoadSura();
    const int opens = Opens();
    FinishAya();
    Advance(500);
    EXPECT_EQ(CurrentSura, 114);
    EXPECT_EQ(CurrentAya, 6);
    EXPECT_EQ(Opens(), opens);
    EXPECT_TRUE(Enabled(2));
    EXPECT_FALSE(Enabled(3) || Enabled(4));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(QuranViewerTest, PauseHoldsTheAyaAndPlayResumesWhereItPaused) {
    Open(1, 3);
    Advance(500);
    viewer->PauseButton();
    const int at = viewer->mci1->Position();
    Advance(5000);
    EXPECT_EQ(CurrentAya, 3);
    EXPECT_EQ(viewer->mci1->Position(), at);
    EXPECT_TRUE(Enabled(2));
    viewer->PlayButton();
    EXPECT_FALSE(Enabled(2));
    Advance(100);
    EXPECT_EQ(viewer->mci1->Position(), at + 100);
    FinishAya();
    EXPECT_EQ(CurrentAya, 4);
}

TEST_F(QuranViewerTest, ClickOnAnAyaOfThePreviousSuraOnTheSamePage) {
    Open(114, 1);
    const AyaLocation target = Where(113, 2);
    ASSERT_EQ(target.page, CurrentPage);  // page 604 holds suras 112 to 114
    Click(viewer->imgpage, Inside(target));
    EXPECT_EQ(CurrentSura, 113);
    EXPECT_EQ(CurrentAya, 2);
    ExpectMarked(113, 2);
    EXPECT_TRUE(SameImage(viewer->imgsoraname->picture(), Title(113)));
    EXPECT_TRUE(LastOpened(113));

    // A click on the mark itself goes nowhere; neither does the margin.
    const int opens = Opens();
    Click(viewer->shpaya[0]);
    Click(viewer->imgpage, {2, 2});
    EXPECT_EQ(CurrentSura, 113);
    EXPECT_EQ(CurrentAya, 2);
    EXPECT_EQ(Opens(), opens);
}

TEST_F(QuranViewerTest, MarksTurnPrintRedAndLeavePaperWhite) {
    Open(2, 10);
    QWidget* mark = viewer->shpaya[0];
    const QImage shown = mark->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage page = viewer->imgpage->picture().convertToFormat(QImage::Format_RGB32);
    const QPoint offset = mark->pos() - viewer->imgpage->pos();
    int print = 0, paper = 0, wrong = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor under = page.pixelColor(offset + QPoint(x, y));
            const QColor seen = shown.pixelColor(x, y);
            if (under.lightness() > 235) {
                ++paper;
                wrong += seen.lightness() <= 235;
            } else if (under.value() < 50) {
                ++print;
                wrong += seen.red() < 240 || seen.green() > 50 || seen.blue() > 50;
            }
        }
    EXPECT_GT(print, 20);
    EXPECT_GT(paper, 20);
    EXPECT_EQ(wrong, 0);
}

TEST_F(QuranViewerTest, MissingFilesAreReportedOnceAndTheViewerGoesOn) {
    MirrorDisc disc("missing", {"001.mp3", "velk_quran/data/sound/003.rtf",
                                "velk_quran/graphic/quran_pic/3.jpg"});
    platform::setDrive('D', disc.root());
    auto expectStopped = [this] { EXPECT_TRUE(Enabled(2) && !Enabled(3) && !Enabled(4)); };

    // No recording: the aya is marked and stays, silent.
    Open(1, 2);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0].rfind(platform::kMediaFileNotFound, 0), 0u) << Errors()[0];
    ExpectMarked(1, 2);
    Advance(5000);
    EXPECT_EQ(CurrentAya, 2);
    expectStopped();

    // No page picture: the page area is left empty, the recitation goes on.
    CurrentSura = 2;
    CurrentAya = 5;
    viewer->LoadSura();
    FinishAya();  // 2:6 begins page 3
    ASSERT_EQ(Errors().size(), 2u);
    EXPECT_NE(Errors()[1].find("3.jpg"), std::string::npos) << Errors()[1];
    EXPECT_EQ(CurrentPage, 3);
    EXPECT_TRUE(viewer->imgpage->picture().isNull());
    ExpectMarked(2, 6);
    FinishAya();
    EXPECT_EQ(CurrentAya, 7);

    // No timing list: the sura is shown and its ayas are not recited.
    CurrentSura = 3;
    CurrentAya = 2;
    viewer->LoadSura();
    ASSERT_EQ(Errors().size(), 3u);
    EXPECT_NE(Errors()[2].find("003.rtf"), std::string::npos) << Errors()[2];
    EXPECT_TRUE(SameImage(viewer->imgsoraname->picture(), Title(3)));
    ExpectMarked(3, 2);
    Advance(5000);
    EXPECT_EQ(CurrentAya, 2);
    EXPECT_EQ(Errors().size(), 3u);
    expectStopped();
}

TEST_F(QuranViewerTest, SuraIndexAndTheButtonsThatLeaveSaveThePosition) {
    Open(1, 1);
    Click(viewer->imgsoraname);
    ASSERT_NE(frm_soraname, nullptr);
    EXPECT_TRUE(frm_soraname->isModalForm());
    EXPECT_EQ(SuraIndexCaller, 1);
    frm_soraname->LabelClick(36);
    EXPECT_TRUE(LastOpened(36));
    FinishAya();
    FinishAya();
    ASSERT_EQ(CurrentAya, 3);
    Click(viewer->Button(3));
    platform::processPendingEvents();
    EXPECT_EQ(frm_quran, nullptr);
    EXPECT_NE(frm_main, nullptr);
    EXPECT_EQ(platform::SimulatedDevice::log().back(), "close");
    platform::IniFile ini(SettingsFile);
    EXPECT_EQ(ini.readString("settings", "settings_enter_sora", ""), "36");
    EXPECT_EQ(ini.readString("settings", "settings_enter_aya", ""), "3");

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
    EXPECT_EQ(platform::IniFile(SettingsFile).readString("settings", "settings_enter_aya", ""),
              "4");
}
