// The remembrances, occasions of revelation and recitation rules of the
// sample disc, read the way the screens read them: every title, text and
// recording is there, every occasion names a real aya and quotes its text,
// the rule file reads page by page with a recording per example, and the
// skins keep their buttons clear of the screens' controls.
#include <gtest/gtest.h>
#include <set>

#include "devotional/asbab_entry.h"
#include "devotional/tagweed_file.h"
#include "platform/paths.h"
#include "platform/rtf.h"
#include "quran/indexed_text_file.h"
#include "quran/quran_files.h"
#include "sample_disc_check.h"
#include "shell/globals.h"
#include "support/screen_test.h"

namespace {

class SampleDiscReadings : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setProgramDrive('D');
        platform::setDrive('D', TestDiscFolder());
        BuildDiscFolders();
    }
};

}  // namespace

TEST_F(SampleDiscReadings, EveryRemembranceHasATitleATextAndARecording) {
    const std::string titles = platform::readFile(DataDir + "azkar\\titles.ini");
    std::set<std::string> recordings;
    for (int n = 1; n <= 91; ++n) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(platform::iniRead(titles, "titles", std::to_string(n), "").empty());
        bool named = false;
        for (const std::string& line :
             platform::loadRtfPlainLines(DataDir + "azkar\\" + std::to_string(n) + ".rtf"))
            named |=
                line == "Sample remembrance " + std::to_string(n) + " of 91: " + std::to_string(n);
        EXPECT_TRUE(named);
        recordings.insert(platform::readFile(SoundDir + "azkar\\" + std::to_string(n) + ".mp3"));
    }
    EXPECT_EQ(recordings.size(), 7u);  // one per phrase, each its own sound
}

TEST_F(SampleDiscReadings, EveryOccasionNamesARealAyaAndQuotesIt) {
    const std::string titles = platform::readFile(DataDir + "asbab\\asbab.ini");
    IndexedTextFile quranText(DataDir + "11");
    for (int n = 1; n <= 434; ++n) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(platform::iniRead(titles, "asbab", std::to_string(n), "").empty());
        const OccasionEntry e = ReadOccasionEntry(n);
        int sura = 0, aya = 0;
        ASSERT_TRUE(OccasionAya(e.suraNum, e.ayaNum, sura, aya));
        EXPECT_EQ(e.aya, quranText.AyaText(quranText.FirstAyaRecord(sura), aya));
        EXPECT_TRUE(e.sabab.ends_with("Sample account of entry " + std::to_string(n) + ": sura " +
                                      e.suraNum + ", aya " + e.ayaNum));
    }
}

TEST_F(SampleDiscReadings, EveryRulePageReadsAndEveryExampleHasItsRecording) {
    std::set<int> pageCounts, exampleCounts;
    for (int r = 1; r <= kTagweedRuleCount; ++r) {
        const int pages = ReadTagweedPage(r, 1).pageCount;
        pageCounts.insert(pages);
        for (int p = 1; p <= pages; ++p) {
            SCOPED_TRACE(std::to_string(r) + "-" + std::to_string(p));
            const TagweedPage page = ReadTagweedPage(r, p);
            exampleCounts.insert(page.exampleCount);
            EXPECT_NE(page.text.find("Rule " + std::to_string(r) + ", page " + std::to_string(p) +
                                     " of " + std::to_string(pages) + ": " +
                                     std::to_string(page.exampleCount) + " recited examples"),
                      std::string::npos);
            for (int e = 1; e <= 8; ++e)
                EXPECT_EQ(
                    platform::fileExists(SoundDir + "tagweed\\" + std::to_string(r) + "-" +
                                         std::to_string(p) + "-" + std::to_string(e) + ".mp3"),
                    e <= page.exampleCount)
                    << e;
        }
    }
    // What the screen must show: one page, three pages, no example, eight.
    EXPECT_TRUE(pageCounts.count(1) && pageCounts.count(3));
    EXPECT_TRUE(exampleCounts.count(0) && exampleCounts.count(8));
    EXPECT_EQ(ReadTagweedPage(2, 1).exampleCount, 3);
}

TEST_F(SampleDiscReadings, SkinsKeepTheirButtonsClearOfTheControls) {
    const QRect list(522, 90, 189, 432);
    checkSkin({"azkar", 800, 600, 8, {list, {139, 115, 315, 400}}});
    checkSkin({"asbab", 800, 600, 8, {list, {129, 95, 335, 170}, {129, 284, 335, 237}}});
    checkSkin({"tagweed", 800, 600, 17, {{523, 102, 186, 425}, {131, 97, 335, 425}}});
}
