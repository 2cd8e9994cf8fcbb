// The indexed text files, numbered and by sura, on hand-made bytes: strings
// found through their records, and damaged offsets, lengths and numbers.
#include <gtest/gtest.h>

#include "aya_text_builder.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "quran/indexed_text_file.h"
#include "quran/quran_search.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace {

class IndexedTextFileTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        platform::setDrive('D', disc.root());
    }
    IndexedTextFile Write(const std::string& bytes) {
        disc.write("data/bookst", bytes);
        return IndexedTextFile("D:\\velk_quran\\data\\bookst");
    }
    DiscBuilder disc{"indexed-text"};
};

// Records 1..3 of a numbered file ("one", "", "three"), then the strings.
std::string Numbered() {
    std::string out = std::string(30, '\0') + "onethree";
    const uint32_t records[3][2] = {{30, 3}, {33, 0}, {33, 5}};
    for (int n = 0; n < 3; ++n) {
        ayatext::putU32(out, n * 10 + 2, records[n][0]);
        ayatext::putU32(out, n * 10 + 6, records[n][1]);
    }
    return out;
}

}  // namespace

TEST_F(IndexedTextFileTest, NumberedRecordsAndDamage) {
    IndexedTextFile f = Write(Numbered());
    EXPECT_EQ(f.Record(1), "one");
    EXPECT_EQ(f.Record(2), "");
    EXPECT_EQ(f.Record(3), "three");
    EXPECT_THROW(f.Record(0), platform::PlatformError);
    EXPECT_THROW(f.Record(4), platform::PlatformError);  // the strings are no record
    EXPECT_THROW(f.Record(-7), platform::PlatformError);

    std::string bad = Numbered();
    ayatext::putU32(bad, 2, 36);            // record 1: 3 bytes from 36 of 38
    ayatext::putU32(bad, 16, 0xFFFFFFF0u);  // record 2: a length of 4 GB
    IndexedTextFile damaged = Write(bad);
    EXPECT_THROW(damaged.Record(1), platform::PlatformError);
    EXPECT_THROW(damaged.Record(2), platform::PlatformError);
    EXPECT_EQ(damaged.Record(3), "three");
    EXPECT_THROW(IndexedTextFile("D:\\velk_quran\\data\\none"), platform::PlatformError);
}

TEST_F(IndexedTextFileTest, AyasBySura) {
    std::vector<std::vector<std::string>> suras(114, {"x"});
    suras[1] = {"a", "bb", "ccc"};
    suras[113] = {"last"};
    IndexedTextFile f = Write(ayatext::FileOf(suras));
    const uint64_t second = f.FirstAyaRecord(2);
    EXPECT_EQ(f.AyaText(second, 1), "a");
    EXPECT_EQ(f.AyaText(second, 3), "ccc");
    EXPECT_EQ(f.AyaText(f.FirstAyaRecord(114), 1), "last");
    for (int sura : {0, 115}) EXPECT_THROW(f.FirstAyaRecord(sura), platform::PlatformError);
    EXPECT_THROW(f.AyaText(second, 0), platform::PlatformError);
    EXPECT_THROW(f.AyaText(f.FirstAyaRecord(114), 100000), platform::PlatformError);
}

TEST(QuranSearchForm, TrimsAndUpperCasesOnlyAsciiLetters) {
    EXPECT_EQ(SearchForm(" \t\r\nabc Xyz\x01 "), "ABC XYZ");
    // Bytes above 127 stay: Arabic letters of code page 1256 are no Latin ones.
    EXPECT_EQ(SearchForm("\xE1\xE3 a\xE0"), "\xE1\xE3 A\xE0");
    std::string word;
    EXPECT_TRUE(SearchWordOf(QString::fromUtf8(" light? "), word));
    EXPECT_EQ(word, "LIGHT?");
    EXPECT_FALSE(SearchWordOf(QString::fromUtf8("אב"), word));
}
