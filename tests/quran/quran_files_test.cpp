// The readers of the Quran's structure files: facts of the sample disc, and
// hand-made damaged files that must end in false or a read error.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/paths.h"
#include "quran/quran_files.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace {

using platform::PlatformError;

// What a search found as sura * 1000 + aya; 0 when it found nothing and left
// its results alone, -1 when it found nothing but changed them.
int Found(const std::function<bool(int&, int&)>& search) {
    int sura = -1, aya = -1;
    return search(sura, aya) ? sura * 1000 + aya : (sura == -1 && aya == -1 ? 0 : -1);
}
int PartStart(int part) {
    return Found([&](int& s, int& a) { return FindFirstAyaOfPart(part, s, a); });
}
int PageStart(int page) {
    return Found([&](int& s, int& a) { return FindFirstAyaOfPage(page, s, a); });
}
int Hit(int currentSura, int page, int x, int y) {
    return Found([&](int& s, int& a) { return HitTestAyaRecord(currentSura, page, x, y, s, a); });
}
AyaLocation Locate(int sura, int aya) {
    AyaLocation where;
    EXPECT_TRUE(LocateAyaSegments(sura, aya, where)) << sura << ":" << aya;
    return where;
}

class QuranFiles : public ScreenTest {};

TEST_F(QuranFiles, CountsPartsAndFirstAyasAndNothingOutsideTheQuran) {
    int recordSura = 0;
    EXPECT_EQ(ReadSuraAyaCount(114, recordSura), 6);
    EXPECT_EQ(recordSura, 114);
    for (auto [part, first] : {std::pair{1, 1001}, {3, 2253}, {30, 78001}, {31, 0}})
        EXPECT_EQ(PartStart(part), first) << part;
    // Page 106 holds the end of sura 4 and the start of sura 5.
    for (auto [page, first] :
         {std::pair{1, 1001}, {2, 2001}, {106, 4176}, {107, 5003}, {604, 112001}, {605, 0}, {0, 0}})
        EXPECT_EQ(PageStart(page), first) << page;

    // Outside the Quran: a read error, or nothing found and nothing changed;
    // a search never runs into the next sura or past the end of the file.
    EXPECT_THROW(ReadSuraAyaCount(115, recordSura), PlatformError);
    EXPECT_THROW(ReadAyaPart(1, 0), PlatformError);
    EXPECT_EQ(Hit(117, 604, 100, 150), 0);
    AyaLocation where;
    where.page = 77;
    for (auto [sura, aya] : {std::pair{0, 1}, {115, 1}, {1, 8}, {2, 287}, {2, 0}, {114, 7}})
        EXPECT_FALSE(LocateAyaSegments(sura, aya, where)) << sura << ":" << aya;
    EXPECT_EQ(where.page, 77);
}

TEST_F(QuranFiles, LocateAndTheHitTestAgreeOnEverySegment) {
    // Every line of an aya that spans several finds it (the sample disc's own
    // checks click the first line of each aya).
    for (auto [sura, aya] : {std::pair{2, 7}, {2, 18}, {4, 176}, {5, 1}, {114, 6}}) {
        const AyaLocation where = Locate(sura, aya);
        ASSERT_GT(where.segments.size(), 1u) << sura << ":" << aya;
        for (const AyaSegment& s : where.segments)
            EXPECT_EQ(Hit(sura, where.page, s.left + s.width / 2, s.top + 1), sura * 1000 + aya);
    }
    // From sura 5 the search starts two suras back and finds 4:176 on page 106;
    // both far edges belong to the rectangle; only the page shown counts.
    const AyaSegment seg = Locate(4, 176).segments[0];
    EXPECT_EQ(Hit(5, 106, seg.left + seg.width, seg.top + seg.height), 4176);
    EXPECT_NE(Hit(5, 105, seg.left, seg.top), 4176);
    EXPECT_EQ(Hit(7, 106, seg.left, seg.top), 0);

    // The fourth segment of 2:18, never marked, starts the next line at its right end.
    const AyaLocation long18 = Locate(2, 18);
    ASSERT_EQ(long18.segments.size(), 4u);
    const int pitch = long18.segments[2].top - long18.segments[1].top;
    const AyaSegment& full = long18.segments[1];
    EXPECT_EQ(Hit(2, 4, full.left + full.width - 3, long18.segments[2].top + pitch + 3), 2018);
    // The margin and the title and basmala lines of sura 5 hit nothing.
    const int first5 = Locate(5, 1).segments[0].top;
    EXPECT_EQ(Hit(1, 1, 1, 1), 0);
    EXPECT_EQ(Hit(5, 106, 140, first5 - pitch / 2), 0);
    EXPECT_EQ(Hit(5, 106, 140, first5 - pitch - pitch / 2), 0);
}

// --- Hand-made files ---------------------------------------------------------

void put(std::string& b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b += static_cast<char>(v >> (8 * i) & 0xFF);
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
        put(recs, s.sura, 1);
        for (int v : {s.aya, s.page, s.left, s.top, s.width, s.height}) put(recs, v, 2);
    }
    for (int s = 1; s <= 114; ++s) {
        put(dir, s, 1);
        put(dir, first[s], 4);
    }
    return dir + recs;
}

// A parts directory pointing every sura at `offset`.
std::string partsDirectory(uint32_t offset) {
    std::string parts;
    for (int s = 1; s <= 114; ++s) {
        put(parts, s, 1);
        put(parts, offset, 4);
    }
    return parts;
}

class DamagedFiles : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        platform::setDrive('D', disc.root());
    }
    void map(const std::string& bytes) { disc.write("data/cutaya", bytes); }
    DiscBuilder disc{"quran-files"};
    AyaLocation where;
};

TEST_F(DamagedFiles, OffsetsPastTheEndRaise) {
    const std::vector<Seg> segs = {{1, 1, 1, 10, 10, 50, 20}, {2, 1, 2, 10, 10, 50, 20}};
    map(ayaMap(segs, 0xFFFFFFF0u));  // suras 3..114 point far past the end
    EXPECT_TRUE(LocateAyaSegments(2, 1, where));
    EXPECT_THROW(LocateAyaSegments(3, 1, where), PlatformError);
    EXPECT_THROW(Hit(5, 1, 0, 0), PlatformError);
    std::string bytes = ayaMap(segs);
    bytes[1] = static_cast<char>(0xFF);  // sura 1's offset
    map(bytes);
    EXPECT_THROW(PageStart(1), PlatformError);
    EXPECT_THROW(Hit(1, 1, 20, 20), PlatformError);

    disc.write("data/parts", partsDirectory(1000000));
    EXPECT_THROW(ReadAyaPart(1, 1), PlatformError);
    EXPECT_THROW(PartStart(1), PlatformError);
}

TEST_F(DamagedFiles, TruncatedRecordRaisesWhenReached) {
    std::string bytes = ayaMap({{1, 1, 1, 10, 10, 50, 20}, {1, 2, 1, 70, 10, 50, 20}});
    bytes.resize(bytes.size() - 4);  // the second record loses its height
    map(bytes);
    EXPECT_EQ(Hit(1, 1, 20, 20), 1001);  // found before the damage
    EXPECT_THROW(Hit(1, 1, 500, 500), PlatformError);
    EXPECT_THROW(LocateAyaSegments(1, 2, where), PlatformError);
    EXPECT_EQ(Locate(1, 1).segments.size(), 1u);  // the damage lies past the fields it reads
    EXPECT_EQ(PageStart(2), 0);

    // A parts record cut before its part byte.
    disc.write("data/parts", partsDirectory(570) + std::string("\x01\x01\x00", 3));
    EXPECT_THROW(PartStart(1), PlatformError);
    EXPECT_THROW(ReadAyaPart(1, 1), PlatformError);
}

TEST_F(DamagedFiles, ZerosCountsOfOtherSurasAndDirectoriesThatPointNowhereRaise) {
    // A count record must be its sura's and count some ayas.
    std::string counts;
    for (int s = 1; s <= 114; ++s) {
        put(counts, s, 1);
        put(counts, 7, 2);
    }
    int recordSura = -1;
    for (auto [at, byte] : {std::pair{3, 168}, {3, 0}, {4, 0}}) {
        std::string bytes = counts;
        bytes[at] = static_cast<char>(byte);
        if (at == 4) bytes[5] = 0;  // sura 2 counts no aya
        disc.write("data/aya_count", bytes);
        EXPECT_THROW(ReadSuraAyaCount(2, recordSura), PlatformError) << at << " " << byte;
        EXPECT_EQ(ReadSuraAyaCount(3, recordSura), 7);
    }
    disc.write("data/aya_count", std::string(342, '\0'));
    EXPECT_THROW(ReadSuraAyaCount(2, recordSura), PlatformError);
    disc.write("data/aya_count", std::string(100, '\0'));  // short: sura 40 is missing
    EXPECT_THROW(ReadSuraAyaCount(40, recordSura), PlatformError);

    // A map or parts file of zeros points every sura into its own directory.
    map(std::string(13 * 90, '\0'));
    EXPECT_THROW(LocateAyaSegments(1, 1, where), PlatformError);
    EXPECT_THROW(PageStart(1), PlatformError);
    EXPECT_THROW(Hit(1, 1, 0, 0), PlatformError);
    std::string bytes = ayaMap({{1, 1, 1, 10, 10, 50, 20}, {2, 1, 2, 10, 10, 50, 20}});
    bytes[5 + 1] = static_cast<char>(569 & 0xFF);  // sura 2: the last directory byte
    bytes[5 + 2] = static_cast<char>(569 >> 8);
    map(bytes);
    EXPECT_TRUE(LocateAyaSegments(1, 1, where));
    EXPECT_THROW(LocateAyaSegments(2, 1, where), PlatformError);
    disc.write("data/parts", std::string(570 + 5 * 6236, '\0'));
    EXPECT_THROW(PartStart(1), PlatformError);
    EXPECT_THROW(ReadAyaPart(7, 3), PlatformError);
}

TEST_F(DamagedFiles, SearchesThatNeverMatchEnd) {
    // More records than the hit test examines, then a damaged tail: the hit
    // test stops after its 11317 records and never reaches the tail.
    std::vector<Seg> segs;
    for (int i = 0; i < 11400; ++i) segs.push_back({1, 1 + i, 900, 0, 0, 5, 5});
    map(ayaMap(segs) + "\x01\x02");
    EXPECT_EQ(Hit(1, 1, 0, 0), 0);
    EXPECT_EQ(Locate(1, 11399).page, 900);
    EXPECT_THROW(PageStart(1), PlatformError);

    // A map where no aya number repeats the one asked for and no page is 1.
    segs.clear();
    for (int s = 1; s <= 114; ++s) segs.push_back({s, 1, 600, 0, 0, 5, 5});
    map(ayaMap(segs));
    EXPECT_FALSE(LocateAyaSegments(1, 2, where));
    EXPECT_EQ(PageStart(1), 0);
    EXPECT_EQ(Hit(3, 1, 0, 0), 0);
}

}  // namespace
