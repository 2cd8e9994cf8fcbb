// The Quran reader's part of the sample disc, read back by layout and checked
// against the real structure of the Quran the generator was given.
#include <QFile>
#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/rtf.h"
#include "platform/sim_device.h"
#include "support/screen_test.h"
#include "sample_disc_check.h"

namespace fs = std::filesystem;

namespace {

// The structure file the generator carries, read independently of it.
struct Structure {
    std::vector<int> ayaCount;               // index sura-1
    std::vector<std::string> names;          // UTF-8
    std::vector<std::pair<int, int>> parts;  // first aya of each part
    std::vector<std::pair<int, int>> pages;  // first aya of each page
};

const Structure& structure() {
    static const Structure s = [] {
        Structure st;
        fs::path file = fs::path(ZAFIREL_SOURCE_DIR) / "tools/sample_disc/data/quran-structure.txt";
        std::ifstream in(file);
        std::string line, section;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            if (line[0] == '[') {
                section = line;
                continue;
            }
            std::vector<std::string> f;
            std::stringstream ss(line);
            for (std::string x; std::getline(ss, x, ',');) f.push_back(x);
            if (section == "[sura]") {
                st.ayaCount.push_back(std::stoi(f[2]));
                st.names.push_back(f[3]);
            } else if (section == "[part]") {
                st.parts.push_back({std::stoi(f[1]), std::stoi(f[2])});
            } else if (section == "[page]") {
                st.pages.push_back({std::stoi(f[1]), std::stoi(f[2])});
            }
        }
        return st;
    }();
    return s;
}

int u16(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}
int s16(const std::string& b, size_t at) {
    return static_cast<int16_t>(u16(b, at));
}
uint32_t u32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(u16(b, at)) | static_cast<uint32_t>(u16(b, at + 2)) << 16;
}

struct Segment {
    int sura, aya, page;
    QRect rect;  // left, top, width, height as recorded
};

class SampleDiscQuran : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setDrive('D', TestDiscFolder());
        ASSERT_EQ(structure().ayaCount.size(), 114u);
    }
    static std::string data(const std::string& name) {
        return platform::readFile("D:\\velk_quran\\data\\" + name);
    }
    // The whole aya map, record by record.
    static std::vector<Segment> ayaMap(std::vector<uint32_t>* directory = nullptr) {
        std::string b = data("cutaya");
        std::vector<Segment> out;
        if (b.size() < 570 || (b.size() - 570) % 13 != 0) {
            ADD_FAILURE() << "cutaya size " << b.size();
            return out;
        }
        if (directory)
            for (int s = 0; s < 114; ++s) directory->push_back(u32(b, s * 5 + 1));
        for (size_t o = 570; o + 13 <= b.size(); o += 13)
            out.push_back({static_cast<uint8_t>(b[o]), s16(b, o + 1), s16(b, o + 3),
                           QRect(s16(b, o + 5), s16(b, o + 7), s16(b, o + 9), s16(b, o + 11))});
        return out;
    }
};

TEST_F(SampleDiscQuran, ReaderSkinsAndPicturesAreComplete) {
    checkSkin({"quran", 800, 600, 3});
    checkSkin({"remote", 142, 490, 17});
    checkSkin({"soraname", 800, 600, 1});
    // the stars of the reader sit on the star field of its background
    QImage reader = platform::loadJpeg(graphic("quran\\1\\quran.jpg"));
    for (QPoint star : {QPoint(7, 30), QPoint(116, 35), QPoint(0, 508), QPoint(173, 36)})
        EXPECT_TRUE(near(reader.pixel(star + QPoint(2, 2)), starFieldColour(), 8));
    EXPECT_EQ(platform::loadJpeg(graphic("quran\\1\\around.jpg")).size(), QSize(382, 503));
    for (const char* script : {"script1", "script2"}) {
        QSize first = platform::loadJpeg(graphic("quran\\1\\") + script + "\\1.jpg").size();
        for (int n = 2; n <= 3; ++n)
            EXPECT_EQ(platform::loadJpeg(graphic("quran\\1\\") + script + "\\" + std::to_string(n) +
                                         ".jpg")
                          .size(),
                      first);
    }
    QSize title = platform::loadJpeg(graphic("quran\\1\\sora_name\\1.jpg")).size();
    EXPECT_LE(383 + title.width(), 634) << "the title stays clear of the script picture";
    for (int s = 2; s <= 114; ++s)
        EXPECT_EQ(platform::loadJpeg(graphic("quran\\1\\sora_name\\") + std::to_string(s) + ".jpg")
                      .size(),
                  title);
}

TEST_F(SampleDiscQuran, AyaCountsAndPartsFollowTheStructure) {
    const Structure& q = structure();
    std::string counts = data("aya_count");
    ASSERT_EQ(counts.size(), 114u * 3);
    int total = 0;
    for (int s = 1; s <= 114; ++s) {
        EXPECT_EQ(static_cast<uint8_t>(counts[(s - 1) * 3]), s);
        EXPECT_EQ(u16(counts, (s - 1) * 3 + 1), q.ayaCount[s - 1]) << "sura " << s;
        total += q.ayaCount[s - 1];
    }
    EXPECT_EQ(total, 6236);

    std::string parts = data("parts");
    ASSERT_EQ(parts.size(), 570u + 6236 * 5);
    int part = 0, sura = 1, aya = 0;
    for (int k = 0; k < 6236; ++k) {
        if (++aya > q.ayaCount[sura - 1]) sura++, aya = 1;
        if (aya == 1) {
            EXPECT_EQ(u32(parts, (sura - 1) * 5 + 1), 570u + k * 5u) << "sura " << sura;
        }
        size_t o = 570 + k * 5;
        ASSERT_EQ(static_cast<uint8_t>(parts[o]), sura);
        ASSERT_EQ(u16(parts, o + 1), aya) << "low and high byte of the aya";
        if (part < 30 && q.parts[part] == std::make_pair(sura, aya)) part++;
        ASSERT_EQ(static_cast<uint8_t>(parts[o + 3]), part) << sura << ":" << aya;
    }
    EXPECT_EQ(part, 30);
}

TEST_F(SampleDiscQuran, AyaMapCoversEveryAyaOnItsPageInQuranOrder) {
    const Structure& q = structure();
    std::vector<uint32_t> directory;
    std::vector<Segment> map = ayaMap(&directory);
    ASSERT_FALSE(map.empty());
    // expected page of every aya from the page starts
    std::map<std::pair<int, int>, int> pageStart;
    for (size_t p = 0; p < q.pages.size(); ++p) pageStart[q.pages[p]] = static_cast<int>(p) + 1;

    size_t i = 0;
    int page = 0, manySegments = 0;
    std::vector<int> firstIndex(115, -1);
    for (int s = 1; s <= 114; ++s) {
        firstIndex[s] = static_cast<int>(i);
        EXPECT_EQ(directory[s - 1], 570u + i * 13) << "directory of sura " << s;
        for (int a = 1; a <= q.ayaCount[s - 1]; ++a) {
            auto starts = pageStart.find({s, a});
            if (starts != pageStart.end()) page = starts->second;
            ASSERT_LT(i, map.size()) << s << ":" << a << " missing";
            int segments = 0;
            for (; i < map.size() && map[i].sura == s && map[i].aya == a; ++i, ++segments) {
                EXPECT_EQ(map[i].page, page) << s << ":" << a << " lies on its page only";
                const QRect& r = map[i].rect;
                EXPECT_TRUE(QRect(0, 0, 280, 437)
                                .contains(QRect(r.left(), r.top(), r.width() + 1, r.height() + 1)))
                    << s << ":" << a;
                EXPECT_GE(r.width(), 20);
                EXPECT_GE(r.height(), 20);
            }
            ASSERT_GE(segments, 1) << s << ":" << a << " has no rectangle";
            manySegments += segments >= 4;
        }
    }
    EXPECT_EQ(i, map.size()) << "records after the last aya";
    EXPECT_EQ(page, 604);
    EXPECT_GT(manySegments, 20) << "some ayas run over more than three lines";

    // The hit test walks at most 11317 records from two suras back: every
    // record on a page where sura s shows must lie within that walk.
    std::map<int, std::pair<size_t, size_t>> pageRange;
    for (size_t k = 0; k < map.size(); ++k) {
        auto [it, fresh] = pageRange.try_emplace(map[k].page, k, k);
        it->second.second = k;
    }
    for (size_t k = 0; k < map.size(); ++k) {
        int s0 = map[k].sura <= 2 ? map[k].sura : map[k].sura - 2;
        EXPECT_LT(pageRange[map[k].page].second, firstIndex[s0] + 11317u);
    }
}

TEST_F(SampleDiscQuran, PagesShowInkInEveryAyaRectangleAndNoRectanglesOverlap) {
    std::vector<Segment> map = ayaMap();
    std::map<int, std::vector<const Segment*>> byPage;
    for (const Segment& s : map) byPage[s.page].push_back(&s);
    ASSERT_EQ(byPage.size(), 604u);
    int twoSuraPages = 0;
    for (auto& [page, segments] : byPage) {
        QImage picture = platform::loadJpeg(graphic("quran_pic\\") + std::to_string(page) + ".jpg");
        ASSERT_EQ(picture.size(), QSize(280, 437)) << "page " << page;
        std::set<int> suras;
        for (size_t a = 0; a < segments.size(); ++a) {
            const Segment& s = *segments[a];
            suras.insert(s.sura);
            // the hit test counts both edges, so inclusive rectangles must stay apart
            QRect inclusive(s.rect.left(), s.rect.top(), s.rect.width() + 1, s.rect.height() + 1);
            for (size_t b = 0; b < a; ++b) {
                const QRect& o = segments[b]->rect;
                EXPECT_FALSE(
                    inclusive.intersects(QRect(o.left(), o.top(), o.width() + 1, o.height() + 1)))
                    << "page " << page << ": " << s.sura << ":" << s.aya << " overlaps "
                    << segments[b]->sura << ":" << segments[b]->aya;
            }
            int ink = 0;
            for (int y = inclusive.top(); y <= inclusive.bottom(); ++y)
                for (int x = inclusive.left(); x <= inclusive.right(); ++x)
                    ink += qGray(picture.pixel(x, y)) < 90;
            EXPECT_GT(ink, 8) << "page " << page << ": " << s.sura << ":" << s.aya
                              << " shows no text";
        }
        twoSuraPages += suras.size() >= 2;
    }
    EXPECT_GT(twoSuraPages, 20) << "pages that end one sura and start the next";
}

TEST_F(SampleDiscQuran, SuraNamesAreTheRealNamesInCodePage1256) {
    platform::IniFile names("D:\\velk_quran\\data\\names1.ini");
    for (int s = 1; s <= 114; ++s) {
        std::string value = names.readString("soraname", std::to_string(s), "");
        std::string expected =
            platform::fromUnicode(QString::fromStdString(structure().names[s - 1]));
        expected.erase(std::remove(expected.begin(), expected.end(), '?'), expected.end());
        EXPECT_FALSE(value.empty()) << "sura " << s;
        EXPECT_EQ(value, expected) << "sura " << s;
    }
}

TEST_F(SampleDiscQuran, TimingListsMatchTheRecordings) {
    const Structure& q = structure();
    for (int s = 1; s <= 114; ++s) {
        SCOPED_TRACE(s);
        char name[32];
        std::snprintf(name, sizeof name, "%03d", s);
        std::vector<std::string> lines = platform::loadRtfPlainLines(
            std::string("D:\\velk_quran\\data\\sound\\") + name + ".rtf");
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
        ASSERT_EQ(static_cast<int>(lines.size()), q.ayaCount[s - 1] - 1);
        int last = 0;
        for (const std::string& l : lines) {
            ASSERT_GE(l.size(), 10u) << l;
            int ms = std::stoi(l.substr(0, 2)) * 3600000 + std::stoi(l.substr(3, 2)) * 60000 +
                     std::stoi(l.substr(6, 2)) * 1000 + std::stoi(l.substr(9, 1)) * 100;
            EXPECT_GE(ms - last, 1500) << l;
            EXPECT_LE(ms - last, 3000) << l;
            last = ms;
        }
        int length = platform::mp3LengthMs(platform::readFile(std::string("D:\\") + name + ".mp3"));
        EXPECT_GE(length - last, 1500) << "the last aya has its time too";
        EXPECT_LE(length - last, 3300);
    }
}

}  // namespace
