// The Quran reader's part of the sample disc, read back by layout and checked
// against the real structure of the Quran the generator was given.
#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/rtf.h"
#include "support/sim_device.h"
#include "quran/aya_timing.h"
#include "support/screen_test.h"
#include "sample_disc_check.h"

namespace {

// The structure file the generator carries, read independently of it.
struct Structure {
    std::vector<int> ayaCount;       // index sura-1
    std::vector<std::string> names;  // UTF-8
    std::map<std::string, std::vector<std::pair<int, int>>>
        starts;  // first ayas by "[part]", "[page]"
};

const Structure& structure() {
    static const Structure s = [] {
        Structure st;
        std::ifstream in(std::string(ZAFIREL_SOURCE_DIR) +
                         "/tools/sample_disc/data/quran-structure.txt");
        std::string section;
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#' || line[0] == '[') {
                if (!line.empty() && line[0] == '[') section = line;
                continue;
            }
            std::vector<std::string> f;
            std::stringstream ss(line);
            for (std::string x; std::getline(ss, x, ',');) f.push_back(x);
            if (section == "[sura]") {
                st.ayaCount.push_back(std::stoi(f[2]));
                st.names.push_back(f[3]);
            } else {
                st.starts[section].push_back({std::stoi(f[1]), std::stoi(f[2])});
            }
        }
        return st;
    }();
    return s;
}

class SampleDiscQuran : public SampleDiscTest {
  protected:
    void SetUp() override {
        SampleDiscTest::SetUp();
        ASSERT_EQ(q.ayaCount.size(), 114u);
        ASSERT_EQ(q.starts.at("[part]").size(), 30u);
        ASSERT_EQ(q.starts.at("[page]").size(), 604u);
    }
    static std::string data(const std::string& name) {
        return platform::readFile("D:\\velk_quran\\data\\" + name);
    }
    const Structure& q = structure();
};

TEST_F(SampleDiscQuran, ReaderSkinsAndPicturesAreComplete) {
    checkSkin({"quran", 800, 600, 3});
    checkSkin({"remote", 142, 490, 17});
    std::vector<QRect> suraLabels;  // six columns of 20 right to left, the last one of 14
    for (int i = 0; i < 114; ++i)
        suraLabels.push_back({662 - i / 20 * 131, 20 + i % 20 * 27, 126, 26});
    checkSkin({"soraname", 800, 600, 1, suraLabels});
    EXPECT_GE(picture("soraname\\1\\buttons\\up\\01.jpg").height(), 48) << "a close button to see";
    // the stars of the reader sit on the star field of its background
    const QImage reader = picture("quran\\1\\quran.jpg");
    for (QPoint star : {QPoint(7, 30), QPoint(116, 35), QPoint(0, 508), QPoint(173, 36)})
        EXPECT_LE(colourDistance(reader.pixel(star + QPoint(2, 2)), starFieldColour()), 8);
    EXPECT_EQ(picture("quran\\1\\around.jpg").size(), QSize(382, 503));
    for (int n = 1; n <= 3; ++n)
        for (const std::string script : {"script1", "script2"})
            EXPECT_EQ(picture("quran\\1\\" + script + "\\" + std::to_string(n) + ".jpg").size(),
                      picture("quran\\1\\" + script + "\\1.jpg").size());
    const QSize title = picture("quran\\1\\sora_name\\1.jpg").size();
    EXPECT_LE(383 + title.width(), 634) << "the title stays clear of the script picture";
    for (int s = 1; s <= 114; ++s) {
        const QImage name = picture("quran\\1\\sora_name\\" + std::to_string(s) + ".jpg");
        EXPECT_EQ(name.size(), title);
        // a dark row between the name and the "Sura N" line under it
        bool gap = false;
        for (int y = 24; y < 35 && !gap; ++y) {
            int ink = 0;
            for (int x = 20; x < name.width() - 20; ++x) ink += qGray(name.pixel(x, y)) > 150;
            gap = ink == 0;
        }
        EXPECT_TRUE(gap) << "the name of sura " << s << " touches the line under it";
    }
}

TEST_F(SampleDiscQuran, AyaCountsAndPartsFollowTheStructure) {
    const std::string counts = data("aya_count"), parts = data("parts");
    ASSERT_EQ(counts.size(), 114u * 3);
    ASSERT_EQ(parts.size(), 570u + 6236 * 5);
    const auto& partStarts = q.starts.at("[part]");
    int k = 0, part = 0;
    for (int s = 1; s <= 114; ++s) {
        EXPECT_EQ(u8(counts, (s - 1) * 3), s);
        EXPECT_EQ(u16(counts, (s - 1) * 3 + 1), q.ayaCount[s - 1]) << "sura " << s;
        EXPECT_EQ(u32(parts, (s - 1) * 5 + 1), 570u + k * 5u) << "sura " << s;
        for (int a = 1; a <= q.ayaCount[s - 1]; ++a, ++k) {
            if (part < 30 && partStarts[part] == std::pair{s, a}) part++;
            const size_t o = 570 + k * 5;
            ASSERT_EQ((std::array{u8(parts, o), u16(parts, o + 1), u8(parts, o + 3)}),
                      (std::array{s, a, part}));
        }
    }
    EXPECT_EQ(k, 6236);
    EXPECT_EQ(part, 30);
}

TEST_F(SampleDiscQuran, AyaMapPutsEveryAyaOnItsPageOverItsInkAndNoRectanglesOverlap) {
    const std::string b = data("cutaya");
    ASSERT_EQ((b.size() - 570) % 13, 0u);
    const size_t records = (b.size() - 570) / 13;
    auto field = [&b](size_t k, int n) {
        return static_cast<int16_t>(u16(b, 570 + k * 13 + 1 + 2 * n));
    };
    std::map<std::pair<int, int>, int> pageOf;  // the ayas that start a page
    for (const auto& start : q.starts.at("[page]"))
        pageOf[start] = static_cast<int>(pageOf.size()) + 1;
    std::map<int, size_t> lastOnPage;
    for (size_t k = 0; k < records; ++k) lastOnPage[field(k, 1)] = k;

    size_t k = 0;
    int page = 0, manySegments = 0, twoSuraPages = 0;
    std::vector<size_t> firstOf(115);
    QImage print;
    std::vector<QRect> onPage;
    for (int s = 1; s <= 114; ++s) {
        firstOf[s] = k;
        EXPECT_EQ(u32(b, (s - 1) * 5 + 1), 570u + k * 13) << "directory of sura " << s;
        for (int a = 1; a <= q.ayaCount[s - 1]; ++a) {
            SCOPED_TRACE(std::to_string(s) + ":" + std::to_string(a));
            if (pageOf.count({s, a})) {
                page = pageOf[{s, a}];
                print = picture("quran_pic\\" + std::to_string(page) + ".jpg");
                ASSERT_EQ(print.size(), QSize(280, 437));
                onPage.clear();
            } else {
                twoSuraPages += a == 1;
            }
            const size_t first = k;
            for (; k < records && u8(b, 570 + k * 13) == s && field(k, 0) == a; ++k) {
                EXPECT_EQ(field(k, 1), page);
                // the hit test counts both edges, so inclusive rectangles must stay apart
                const QRect r(field(k, 2), field(k, 3), field(k, 4) + 1, field(k, 5) + 1);
                EXPECT_TRUE(QRect(0, 0, 280, 437).contains(r));
                EXPECT_GE(std::min(r.width(), r.height()), 21);
                for (const QRect& other : onPage) EXPECT_FALSE(r.intersects(other));
                onPage.push_back(r);
                int ink = 0;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        ink += qGray(print.pixel(x, y)) < 90;
                EXPECT_GT(ink, 8) << "shows no text";
                // The hit test walks at most 11317 records from two suras back.
                EXPECT_LT(lastOnPage[page], firstOf[s <= 2 ? s : s - 2] + 11317);
            }
            ASSERT_GT(k, first) << "no rectangle";
            manySegments += k - first >= 4;
        }
    }
    EXPECT_EQ(k, records) << "records after the last aya";
    EXPECT_EQ(page, 604);
    EXPECT_GT(manySegments, 20) << "some ayas run over more than three lines";
    EXPECT_GT(twoSuraPages, 20) << "pages that end one sura and start the next";
}

TEST_F(SampleDiscQuran, SuraNamesAreTheRealNamesInCodePage1256) {
    platform::IniFile names("D:\\velk_quran\\data\\names1.ini");
    for (int s = 1; s <= 114; ++s) {
        std::string expected = platform::fromUnicode(QString::fromStdString(q.names[s - 1]));
        std::erase(expected, '?');
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(names.readString("soraname", std::to_string(s), ""), expected) << "sura " << s;
    }
}

TEST_F(SampleDiscQuran, TimingListsMatchTheRecordings) {
    for (int s = 1; s <= 114; ++s) {
        SCOPED_TRACE(s);
        char name[32];
        std::snprintf(name, sizeof name, "%03d", s);
        std::vector<std::string> lines = platform::loadRtfPlainLines(
            std::string("D:\\velk_quran\\data\\sound\\") + name + ".rtf");
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
        ASSERT_EQ(static_cast<int>(lines.size()), q.ayaCount[s - 1] - 1);
        std::vector<int> ends;
        for (const std::string& l : lines) ends.push_back(TimingLineMs(l));
        // the last aya ends with the recording
        ends.push_back(
            platform::mp3LengthMs(platform::readFile(std::string("D:\\") + name + ".mp3")));
        for (size_t i = 0; i < ends.size(); ++i) {
            const int length = ends[i] - (i ? ends[i - 1] : 0);
            EXPECT_GE(length, 1500) << "aya " << i + 1;
            EXPECT_LE(length, i + 1 < ends.size() ? 3000 : 3300) << "aya " << i + 1;
        }
    }
}

}  // namespace
