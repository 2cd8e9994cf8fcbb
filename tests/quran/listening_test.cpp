// The listening options on the reader core, in virtual time: the pause after
// each aya, a range of ayas repeated as a block, the count of the third
// repeat button, the keys during a pause and the range keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/listening.h"
#include "platform/media.h"
#include <QLabel>

#include "quran/page_panel.h"
#include "quran/unt_remote.h"
#include "quran_test.h"
#include "shell/globals.h"
#include "support/sim_device.h"

namespace {

using platform::AyaRef;

class ListeningTest : public QuranTest {
  protected:
    void SetUp() override {
        QuranTest::SetUp();
        options() = {};
    }
    void TearDown() override {
        options() = {};
        platform::setMediaVolume(100, false);
        QuranTest::TearDown();
    }
    static platform::ListeningOptions& options() { return platform::listening(); }

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
    ReaderCore& Core() { return *viewer->Core; }
    static std::string Here() {
        return std::to_string(CurrentSura) + ":" + std::to_string(CurrentAya);
    }
    static long Plays() {
        long n = 0;
        for (const std::string& line : platform::SimulatedDevice::log())
            n += line.starts_with("play from ");
        return n;
    }

    /// Runs the watch until `count` events were seen or `limitMs` passed: an
    /// aya recited ("2:5", also each repetition) and a pause after it ("p").
    /// The length of each pause is kept in pauses.
    std::vector<std::string> Run(size_t count, int64_t limitMs = 900000) {
        std::vector<std::string> events;
        std::string at = Here();
        long plays = Plays();
        bool pausing = Core().Pausing();
        for (int64_t t = 0; t < limitMs && events.size() < count; t += 10) {
            Advance(10);
            if (Core().Pausing() && !pausing) {
                events.push_back("p");
                pauseStart = clock.now();
            }
            if (!Core().Pausing() && pausing) pauses.push_back(clock.now() - pauseStart);
            pausing = Core().Pausing();
            if (Here() != at || Plays() != plays) events.push_back(Here());
            at = Here();
            plays = Plays();
        }
        return events;
    }
    static std::vector<std::string> Ayas(int sura, int from, int to, int times = 1,
                                         bool pause = false) {
        std::vector<std::string> out;
        for (int aya = from; aya <= to; ++aya)
            for (int i = 0; i < times; ++i) {
                out.push_back(std::to_string(sura) + ":" + std::to_string(aya));
                if (pause) out.push_back("p");
            }
        return out;
    }
    static std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> out;
        for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
        return out;
    }

    Tfrm_quran* viewer = nullptr;
    std::vector<int64_t> pauses;
    int64_t pauseStart = 0;
};

}  // namespace

TEST_F(ListeningTest, ATenAyaRangeThreeTimesWithATwoSecondPauseRunsItsExactSequence) {
    options().pauseSeconds = 2;
    options().setRange({2, 14}, {2, 5});  // either order
    options().rangeCount = 3;
    options().rangeThenStop = true;
    Open(2, 5);
    const auto round = Ayas(2, 5, 14, 1, true);
    std::vector<std::string> events = {Here()};
    for (const std::string& e : Run(60)) events.push_back(e);
    // After the third round the range's first aya waits, stopped.
    EXPECT_EQ(events, Join({round, round, round, {"2:5"}}));
    EXPECT_FALSE(Core().Playing());
    EXPECT_TRUE(Run(1, 20000).empty()) << "nothing more is recited";
    ASSERT_EQ(pauses.size(), 30u);
    for (int64_t ms : pauses) EXPECT_NEAR(ms, 2000, 10);
    // Play recites the block again.
    Core().Play();
    EXPECT_EQ(Run(3), (std::vector<std::string>{"p", "2:6", "p"}));
}

TEST_F(ListeningTest, RangesAcrossSurasWithoutEndOrReadingOnEachAyaKeepingItsRepeatCount) {
    struct Case {
        AyaRef from, to;
        int count;  // 0: without end
        bool thenStop;
        int repeat;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // Across two suras, without end.
        {{1, 6},
         {2, 2},
         0,
         true,
         1,
         Join({Ayas(1, 6, 7), Ayas(2, 1, 2), Ayas(1, 6, 7), Ayas(2, 1, 2), Ayas(1, 6, 7)})},
        // Twice, then read on after the range; each aya twice.
        {{1, 2}, {1, 3}, 2, false, 2, Join({Ayas(1, 2, 3, 2), Ayas(1, 2, 3, 2), Ayas(1, 4, 5, 2)})},
    };
    for (const Case& c : cases) {
        options().setRange(c.from, c.to);
        options().rangeCount = c.count;
        options().rangeThenStop = c.thenStop;
        Open(c.from.sura, c.from.aya);
        viewer->RepeatButton(c.repeat);
        // The aya shown first is being recited already.
        std::vector<std::string> events = {Here()};
        for (const std::string& e : Run(c.expected.size() - 1)) events.push_back(e);
        EXPECT_EQ(events, c.expected) << c.from.sura << ":" << c.from.aya;
        viewer->closeForm();
        platform::processPendingEvents();
    }
}

TEST_F(ListeningTest, ARangeAcrossAPageTurnsBackToItsFirstPage) {
    // 2:4 and 2:5 are on page 2, 2:6 starts page 3.
    options().setRange({2, 4}, {2, 6});
    options().rangeCount = 2;
    Open(2, 4);
    EXPECT_EQ(Run(3), (std::vector<std::string>{"2:5", "2:6", "2:4"}));
    EXPECT_EQ(CurrentPage, 2);
    Run(1);
    Run(1);
    EXPECT_EQ(CurrentPage, 3);
}

TEST_F(ListeningTest, TheThirdRepeatButtonStandsForTheChosenCount) {
    for (auto [chosen, times] : {std::pair{3, 3}, {7, 7}, {0, 40}}) {
        options().thirdRepeat = chosen;
        Open(1, 1);
        viewer->RepeatButton(3);
        EXPECT_FALSE(frm_remote->ButtonEnabled(7)) << "the third button shows chosen";
        std::vector<std::string> events = {Here()};
        for (const std::string& e : Run(times)) events.push_back(e);
        const auto expected =
            chosen == 0 ? Ayas(1, 1, 1, 41) : Join({Ayas(1, 1, 1, times), {"1:2"}});
        EXPECT_EQ(events, expected) << chosen;
        viewer->closeForm();
        platform::processPendingEvents();
    }
}

TEST_F(ListeningTest, PauseStopPlayAndStepKeysDuringThePauseAfterAnAya) {
    options().pauseAyaLengths = 1;  // as long as the aya itself
    Open(2, 5);
    const int ayaMs = Core().AyaEndMs - Core().AyaStartMs;
    const auto marks = viewer->panquran->VisibleMarks().size();
    ASSERT_EQ(Run(1), std::vector<std::string>{"p"});
    EXPECT_EQ(Here(), "2:5");
    EXPECT_EQ(viewer->panquran->VisibleMarks().size(), marks) << "the marks stay on the aya";
    EXPECT_FALSE(platform::SimulatedDevice::devices().back()->isPlaying());

    // Space holds the pause however long; Space again lets it run out.
    Advance(ayaMs / 2);
    viewer->KeyPressed(Qt::Key_Space, Qt::NoModifier);
    EXPECT_FALSE(Core().Playing());
    Advance(ayaMs * 3);
    EXPECT_EQ(Here(), "2:5");
    EXPECT_TRUE(Core().Pausing());
    viewer->KeyPressed(Qt::Key_Space, Qt::NoModifier);
    EXPECT_TRUE(Core().Playing());
    const int64_t resumed = clock.now();
    EXPECT_EQ(Run(1), std::vector<std::string>{"2:6"});
    EXPECT_NEAR(clock.now() - resumed, ayaMs - ayaMs / 2, 20) << "what was left of the pause";
    EXPECT_LT(Core().mci1->Position() - Core().AyaStartMs, 30) << "from the aya's start";

    // Stop ends the pause; nothing goes on until Play.
    ASSERT_EQ(Run(1), std::vector<std::string>{"p"});
    Core().Stop();
    EXPECT_FALSE(Core().Pausing() || Core().Playing());
    EXPECT_TRUE(Run(1, 10000).empty());

    // A step during the pause recites the next aya from its start.
    Core().Play();
    for (int t = 0; t < 900000 && !Core().Pausing(); t += 10) Advance(10);
    ASSERT_TRUE(Core().Pausing());
    viewer->KeyPressed(Qt::Key_Left, Qt::NoModifier);
    EXPECT_FALSE(Core().Pausing());
    EXPECT_TRUE(Core().Playing());
    EXPECT_EQ(platform::SimulatedDevice::log().back(),
              "play from " + std::to_string(Core().AyaStartMs));
}

TEST_F(ListeningTest, RMarksTheRangeEndsAndEscapeClearsIt) {
    Open(2, 7);
    viewer->KeyPressed(Qt::Key_R, Qt::NoModifier);
    EXPECT_FALSE(options().rangeOn()) << "one end only";
    viewer->KeyPressed(Qt::Key_Right, Qt::NoModifier);  // the previous aya
    viewer->KeyPressed(Qt::Key_Right, Qt::NoModifier);
    viewer->KeyPressed(Qt::Key_R, Qt::NoModifier);
    ASSERT_TRUE(options().rangeOn());
    EXPECT_EQ(options().rangeFrom, (AyaRef{2, 5}));
    EXPECT_EQ(options().rangeTo, (AyaRef{2, 7}));
    // 2:5 is on the page shown (2), 2:7 on the next: the first end is outlined.
    const auto outlines = viewer->panquran->RangeOutlines();
    AyaLocation first;
    ASSERT_TRUE(LocateAyaSegments(2, 5, first));
    ASSERT_EQ(outlines.size(), first.segments.size());
    EXPECT_TRUE(outlines[0]->geometry().contains(viewer->panquran->MarkArea(first.segments[0])));
    EXPECT_TRUE(viewer->KeyPressed(Qt::Key_Escape, Qt::NoModifier));
    EXPECT_FALSE(options().rangeOn());
    EXPECT_TRUE(viewer->panquran->RangeOutlines().empty());
    EXPECT_EQ(frm_quran, viewer) << "Escape took the range, not the reader";
}

TEST_F(ListeningTest, EveryOptionOffKeepsTheDiscsRecitation) {
    // The options at their defaults: 1:1 recited once, then 1:2 playing on
    // from the same recording without a pause or a new play.
    Open(1, 1);
    const long plays = Plays();
    EXPECT_EQ(Run(2), (std::vector<std::string>{"1:2", "1:3"}));
    EXPECT_EQ(Plays(), plays);
    EXPECT_TRUE(pauses.empty());
}

TEST_F(ListeningTest, TheStatusLineTellsWhatDiffersForThreeSecondsAndNothingOtherwise) {
    Open(1, 1);  // in Arabic (language 1)
    QLabel* line = Core().StatusLine;
    EXPECT_FALSE(line->isVisible()) << "nothing differs from the disc's recitation";
    options().pauseSeconds = 3;
    options().setRange({1, 2}, {1, 5});
    platform::setMediaVolume(60, false);
    Advance(20);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text().toStdString(), "وقفة 3 ث، الآيات 2–5 ×2، الصوت 60 %");
    EXPECT_EQ(line->layoutDirection(), Qt::RightToLeft);
    // In the black margin below the reader, where it stays.
    ASSERT_EQ(line->parentWidget(), viewer->parentWidget());
    EXPECT_EQ(line->geometry().top(), viewer->geometry().bottom() + 1);
    EXPECT_EQ(line->width(), viewer->width());
    Advance(3000);
    EXPECT_TRUE(line->isVisible());
    // Without a margin: a strip over the reader's bottom edge that hides itself.
    viewer->move(viewer->x(), viewer->parentWidget()->height() - viewer->height());
    platform::setMediaVolume(50, false);
    Advance(20);
    ASSERT_EQ(line->parentWidget(), viewer);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->geometry().bottom(), viewer->height() - 1);
    platform::setMediaVolume(60, false);
    Advance(2900);
    EXPECT_TRUE(line->isVisible());
    Advance(200);
    EXPECT_FALSE(line->isVisible()) << "it hides itself 3 s after the change";
    options().thirdRepeat = 0;
    viewer->RepeatButton(3);
    Advance(20);
    EXPECT_TRUE(line->text().endsWith(QString::fromUtf8("تكرار ×∞، الصوت 60 %")));
    options() = {};
    platform::setMediaVolume(100, false);
    viewer->RepeatButton(1);
    Advance(20);
    EXPECT_FALSE(line->isVisible());
}
