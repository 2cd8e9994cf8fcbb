// The readers of the Quran's structure files: facts of the sample disc, and
// hand-made damaged files that must end in false or a read error.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/paths.h"
#include "quran/quran_files.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace {

using platform::PlatformError;

class QuranFiles : public ScreenTest {};

TEST_F(QuranFiles, AyaCountsAndParts) {
    int recordSura = 0;
    EXPECT_EQ(ReadSuraAyaCount(2, recordSura), 286);
    EXPECT_EQ(recordSura, 2);
    EXPECT_EQ(ReadSuraAyaCount(114, recordSura), 6);
    EXPECT_EQ(recordSura, 114);

    EXPECT_EQ(ReadAyaPart(1, 1), 1);
    EXPECT_EQ(ReadAyaPart(2, 141), 1);
    EXPECT_EQ(ReadAyaPart(2, 142), 2);
    EXPECT_EQ(ReadAyaPart(2, 286), 3);
    EXPECT_EQ(ReadAyaPart(114, 6), 30);

    int sura = 0, aya = 0;
    ASSERT_TRUE(FindFirstAyaOfPart(1, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 1001);
    ASSERT_TRUE(FindFirstAyaOfPart(3, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 2253);
    ASSERT_TRUE(FindFirstAyaOfPart(30, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 78001);
    sura = aya = -1;
    EXPECT_FALSE(FindFirstAyaOfPart(31, sura, aya));
    EXPECT_EQ(sura, -1);
}

TEST_F(QuranFiles, SuraOutsideTheFilesIsRefused) {
    int recordSura = 0, sura = 0, aya = 0;
    AyaLocation where;
    EXPECT_THROW(ReadSuraAyaCount(0, recordSura), PlatformError);
    EXPECT_THROW(ReadSuraAyaCount(115, recordSura), PlatformError);
    EXPECT_THROW(ReadAyaPart(0, 1), PlatformError);
    EXPECT_THROW(ReadAyaPart(1, 0), PlatformError);
    EXPECT_FALSE(LocateAyaSegments(0, 1, where));
    EXPECT_FALSE(LocateAyaSegments(115, 1, where));
    EXPECT_FALSE(HitTestAyaRecord(0, 1, 100, 150, sura, aya));
    EXPECT_FALSE(HitTestAyaRecord(117, 604, 100, 150, sura, aya));
}

TEST_F(QuranFiles, LocateFindsTheAyaAndUpToThreeSegments) {
    AyaLocation where;
    ASSERT_TRUE(LocateAyaSegments(1, 1, where));
    EXPECT_EQ(where.page, 1);
    EXPECT_EQ(where.count, 1);
    ASSERT_TRUE(LocateAyaSegments(1, 3, where));
    EXPECT_EQ(where.count, 2);
    ASSERT_TRUE(LocateAyaSegments(2, 7, where));
    EXPECT_EQ(where.count, 3);
    ASSERT_TRUE(LocateAyaSegments(2, 18, where));  // four segments, three shown
    EXPECT_EQ(where.count, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(where.segments[i].sura, 2);
        EXPECT_EQ(where.segments[i].aya, 18);
        EXPECT_GT(where.segments[i].width, 0);
    }
    // A multi-line aya runs down the page.
    EXPECT_LT(where.segments[0].top, where.segments[1].top);
    EXPECT_LT(where.segments[1].top, where.segments[2].top);

    ASSERT_TRUE(LocateAyaSegments(2, 1, where));
    EXPECT_EQ(where.page, 2);
    ASSERT_TRUE(LocateAyaSegments(114, 6, where));
    EXPECT_EQ(where.page, 604);
    // Page 106 holds the end of sura 4 and the start of sura 5.
    ASSERT_TRUE(LocateAyaSegments(4, 176, where));
    EXPECT_EQ(where.page, 106);
    ASSERT_TRUE(LocateAyaSegments(5, 1, where));
    EXPECT_EQ(where.page, 106);
}

TEST_F(QuranFiles, LocateDoesNotRunIntoTheNextSura) {
    AyaLocation where;
    where.page = 77;
    EXPECT_FALSE(LocateAyaSegments(1, 8, where));  // would be 2:8
    EXPECT_FALSE(LocateAyaSegments(2, 287, where));
    EXPECT_FALSE(LocateAyaSegments(2, 0, where));
    EXPECT_FALSE(LocateAyaSegments(114, 7, where));  // the walk meets the end of the file
    EXPECT_EQ(where.page, 77);
}

TEST_F(QuranFiles, EveryAyaIsMappedInPageOrder) {
    int previousPage = 0, recordSura = 0;
    for (int s = 1; s <= 114; ++s) {
        const int count = ReadSuraAyaCount(s, recordSura);
        for (int a = 1; a <= count; a += (a < 8 || a + 8 > count) ? 1 : 7) {
            AyaLocation where;
            ASSERT_TRUE(LocateAyaSegments(s, a, where)) << s << ":" << a;
            ASSERT_GE(where.page, previousPage) << s << ":" << a;
            ASSERT_LE(where.page, 604);
            previousPage = where.page;
        }
    }
    EXPECT_EQ(previousPage, 604);
}

TEST_F(QuranFiles, FirstAyaOfPage) {
    int sura = 0, aya = 0;
    ASSERT_TRUE(FindFirstAyaOfPage(1, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 1001);
    ASSERT_TRUE(FindFirstAyaOfPage(2, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 2001);
    ASSERT_TRUE(FindFirstAyaOfPage(106, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 4176);
    ASSERT_TRUE(FindFirstAyaOfPage(107, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 5003);
    ASSERT_TRUE(FindFirstAyaOfPage(604, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 112001);
    sura = aya = -1;
    EXPECT_FALSE(FindFirstAyaOfPage(605, sura, aya));
    EXPECT_FALSE(FindFirstAyaOfPage(0, sura, aya));
    EXPECT_EQ(sura, -1);
}

TEST_F(QuranFiles, HitTestEdgesPagesAndPreviousSura) {
    AyaLocation last4;
    ASSERT_TRUE(LocateAyaSegments(4, 176, last4));
    const AyaSegment& seg = last4.segments[0];
    int sura = 0, aya = 0;
    // From sura 5 the search starts two suras back and finds 4:176 on page 106;
    // both far edges belong to the rectangle.
    ASSERT_TRUE(HitTestAyaRecord(5, 106, seg.left + seg.width, seg.top + seg.height, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 4176);
    ASSERT_TRUE(HitTestAyaRecord(5, 106, seg.left, seg.top, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 4176);
    // Only segments of the page shown count.
    const bool onOtherPage = HitTestAyaRecord(5, 105, seg.left, seg.top, sura, aya);
    EXPECT_FALSE(onOtherPage && sura * 1000 + aya == 4176);
    // From sura 7 the search starts at sura 5 and never sees sura 4.
    EXPECT_FALSE(HitTestAyaRecord(7, 106, seg.left, seg.top, sura, aya));

    // Every segment of a long aya hits it, the fourth too.
    AyaLocation three;
    ASSERT_TRUE(LocateAyaSegments(2, 18, three));
    for (int i = 0; i < three.count; ++i) {
        const AyaSegment& s = three.segments[i];
        ASSERT_TRUE(HitTestAyaRecord(2, three.page, s.left + s.width / 2, s.top + 1, sura, aya));
        EXPECT_EQ(sura * 1000 + aya, 2018);
    }
    // The fourth segment, not shown, starts the next line at its right end.
    const int pitch = three.segments[2].top - three.segments[1].top;
    const AyaSegment& full = three.segments[1];
    ASSERT_TRUE(HitTestAyaRecord(2, three.page, full.left + full.width - 3,
                                 three.segments[2].top + pitch + 3, sura, aya));
    EXPECT_EQ(sura * 1000 + aya, 2018);

    // The margin and the title and basmala lines of sura 5 hit nothing.
    AyaLocation first5;
    ASSERT_TRUE(LocateAyaSegments(5, 1, first5));
    ASSERT_EQ(first5.page, 106);
    sura = aya = -1;
    EXPECT_FALSE(HitTestAyaRecord(2, 2, 2, 2, sura, aya));
    EXPECT_FALSE(HitTestAyaRecord(1, 1, 1, 1, sura, aya));
    EXPECT_FALSE(HitTestAyaRecord(5, 106, 140, first5.segments[0].top - pitch / 2, sura, aya));
    EXPECT_FALSE(
        HitTestAyaRecord(5, 106, 140, first5.segments[0].top - pitch - pitch / 2, sura, aya));
    EXPECT_EQ(sura, -1);
}

// --- Hand-made files ---------------------------------------------------------

void put8(std::string& b, int v) {
    b += static_cast<char>(v & 0xFF);
}
void put16(std::string& b, int v) {
    put8(b, v);
    put8(b, v >> 8);
}
void put32(std::string& b, uint32_t v) {
    put16(b, static_cast<int>(v & 0xFFFF));
    put16(b, static_cast<int>(v >> 16));
}

struct Seg {
    int sura, aya, page, left, top, width, height;
};

// An aya map: the directory points each sura at its first record (suras
// without records at `missing`), then the records.
std::string ayaMap(const std::vector<Seg>& segs, uint32_t missing = 0) {
    std::string dir, recs;
    std::vector<uint32_t> first(115, missing);
    for (const Seg& s : segs) {
        if (first[s.sura] == missing) first[s.sura] = 570 + static_cast<uint32_t>(recs.size());
        put8(recs, s.sura);
        for (int v : {s.aya, s.page, s.left, s.top, s.width, s.height}) put16(recs, v);
    }
    for (int s = 1; s <= 114; ++s) {
        put8(dir, s);
        put32(dir, first[s]);
    }
    return dir + recs;
}

class DamagedFiles : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        platform::setDrive('D', disc.root());
    }
    void map(const std::string& bytes) { disc.write("data/cutaya", bytes); }
    DiscBuilder disc{"quran-files"};
    int sura = -1, aya = -1;
    AyaLocation where;
};

TEST_F(DamagedFiles, DirectoryOffsetPastTheEnd) {
    const std::vector<Seg> segs = {{1, 1, 1, 10, 10, 50, 20}, {2, 1, 2, 10, 10, 50, 20}};
    map(ayaMap(segs, 0xFFFFFFF0u));  // suras 3..114 point far past the end
    EXPECT_TRUE(LocateAyaSegments(2, 1, where));
    EXPECT_THROW(LocateAyaSegments(3, 1, where), PlatformError);
    EXPECT_THROW(HitTestAyaRecord(5, 1, 0, 0, sura, aya), PlatformError);
    std::string bytes = ayaMap(segs);
    bytes[1] = static_cast<char>(0xFF);  // sura 1's offset
    map(bytes);
    EXPECT_THROW(FindFirstAyaOfPage(1, sura, aya), PlatformError);
    EXPECT_THROW(HitTestAyaRecord(1, 1, 20, 20, sura, aya), PlatformError);

    std::string parts;
    for (int s = 1; s <= 114; ++s) {
        put8(parts, s);
        put32(parts, 1000000);
    }
    disc.write("data/parts", parts);
    EXPECT_THROW(ReadAyaPart(1, 1), PlatformError);
    EXPECT_THROW(FindFirstAyaOfPart(1, sura, aya), PlatformError);
}

TEST_F(DamagedFiles, TruncatedRecordRaisesWhenReached) {
    std::string bytes = ayaMap({{1, 1, 1, 10, 10, 50, 20}, {1, 2, 1, 70, 10, 50, 20}});
    bytes.resize(bytes.size() - 4);  // the second record loses its height
    map(bytes);
    ASSERT_TRUE(HitTestAyaRecord(1, 1, 20, 20, sura, aya));  // found before the damage
    EXPECT_EQ(aya, 1);
    EXPECT_THROW(HitTestAyaRecord(1, 1, 500, 500, sura, aya), PlatformError);
    EXPECT_THROW(LocateAyaSegments(1, 2, where), PlatformError);
    ASSERT_TRUE(LocateAyaSegments(1, 1, where));  // the damage lies past the fields it reads
    EXPECT_EQ(where.count, 1);
    EXPECT_FALSE(FindFirstAyaOfPage(2, sura, aya));

    std::string parts;
    for (int s = 1; s <= 114; ++s) {
        put8(parts, s);
        put32(parts, 570);
    }
    parts += std::string("\x01\x01\x00", 3);  // a record cut before its part byte
    disc.write("data/parts", parts);
    EXPECT_THROW(FindFirstAyaOfPart(1, sura, aya), PlatformError);
    EXPECT_THROW(ReadAyaPart(1, 1), PlatformError);
}

TEST_F(DamagedFiles, ZerosAndZeroCounts) {
    disc.write("data/aya_count", std::string(342, '\0'));
    int recordSura = -1;
    EXPECT_EQ(ReadSuraAyaCount(2, recordSura), 0);
    EXPECT_EQ(recordSura, 0);
    disc.write("data/aya_count", std::string(100, '\0'));  // short: sura 40 is missing
    EXPECT_THROW(ReadSuraAyaCount(40, recordSura), PlatformError);

    // A map of zeros: every directory entry points at the start of the file.
    map(std::string(13 * 90, '\0'));
    EXPECT_FALSE(LocateAyaSegments(1, 1, where));
    EXPECT_FALSE(LocateAyaSegments(3, 5, where));
    EXPECT_FALSE(FindFirstAyaOfPage(1, sura, aya));
    EXPECT_FALSE(HitTestAyaRecord(1, 1, 0, 0, sura, aya));
    disc.write("data/parts", std::string(570 + 5 * 6236, '\0'));
    EXPECT_FALSE(FindFirstAyaOfPart(1, sura, aya));
    EXPECT_EQ(ReadAyaPart(7, 3), 0);
    EXPECT_EQ(sura, -1);
}

TEST_F(DamagedFiles, SearchesThatNeverMatchEnd) {
    // More records than the hit test examines, then a damaged tail: the hit
    // test stops after its 11317 records and never reaches the tail.
    std::vector<Seg> segs;
    for (int i = 0; i < 11400; ++i) segs.push_back({1, 1 + i, 900, 0, 0, 5, 5});
    std::string bytes = ayaMap(segs);
    bytes += "\x01\x02";
    map(bytes);
    EXPECT_FALSE(HitTestAyaRecord(1, 1, 0, 0, sura, aya));
    EXPECT_TRUE(LocateAyaSegments(1, 11399, where));
    EXPECT_EQ(where.page, 900);
    EXPECT_THROW(FindFirstAyaOfPage(1, sura, aya), PlatformError);

    // A map where no aya number repeats the one asked for and no page is 1.
    segs.clear();
    for (int s = 1; s <= 114; ++s) segs.push_back({s, 1, 600, 0, 0, 5, 5});
    map(ayaMap(segs));
    EXPECT_FALSE(LocateAyaSegments(1, 2, where));
    EXPECT_FALSE(LocateAyaSegments(114, 2, where));
    EXPECT_FALSE(FindFirstAyaOfPage(1, sura, aya));
    EXPECT_FALSE(HitTestAyaRecord(3, 1, 0, 0, sura, aya));
    EXPECT_EQ(sura, -1);
}

}  // namespace
