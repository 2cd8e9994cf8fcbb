// The commentary reader's, the Quran search's and the slideshows' part of the
// sample disc: the indexed text files read record by record and compared with
// their lines in the shared data files, the skins against the places of the
// screens' own controls, and the photos.
#include <QStringList>
#include <fstream>
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/paths.h"
#include "support/screen_test.h"
#include "sample_disc_check.h"

namespace {

// One aya data file: "sura<TAB>aya<TAB>text" lines in Quran order.
struct AyaLines {
    std::vector<int> ayaCount;                // index sura-1
    std::vector<std::vector<QString>> texts;  // [sura-1][aya-1]
};

AyaLines readLines(const std::string& name) {
    AyaLines out;
    std::ifstream in(std::string(ZAFIREL_SHARED_DATA) + "/quran-text/" + name);
    for (std::string line; std::getline(in, line);) {
        const QStringList f = QString::fromUtf8(line).split('\t');
        if (f.size() != 3) continue;
        const size_t sura = f[0].toUInt(), aya = f[1].toUInt();
        if (sura > out.texts.size()) out.texts.resize(sura);
        out.texts[sura - 1].push_back(f[2]);
        EXPECT_EQ(out.texts[sura - 1].size(), aya) << name;
    }
    for (const auto& s : out.texts) out.ayaCount.push_back(static_cast<int>(s.size()));
    return out;
}

class SampleDiscTexts : public SampleDiscTest {
  protected:
    // Reads every aya's text of an indexed text file the way the readers do,
    // checking that the directory, the records and the texts stay inside the
    // file, and that the texts follow one another without overlapping.
    static std::vector<std::vector<std::string>> readIndexed(const std::string& name,
                                                             const std::vector<int>& ayaCount) {
        SCOPED_TRACE("file " + name);
        const std::string b = platform::readFile("D:\\velk_quran\\data\\" + name);
        std::vector<std::vector<std::string>> texts(114);
        uint64_t nextText = 0;
        for (int s = 1; s <= 114; ++s) {
            const uint32_t table = u32(b, (s - 1) * 5 + 1);
            for (int a = 1; a <= ayaCount[s - 1]; ++a) {
                const uint64_t record = table + (a - 1) * 10ull;
                EXPECT_LE(record + 10, b.size()) << s << ":" << a;
                if (record + 10 > b.size()) return texts;
                const uint32_t at = u32(b, record + 2), length = u32(b, record + 6);
                EXPECT_LE(uint64_t{at} + length, b.size()) << s << ":" << a;
                EXPECT_LE(length, 16000u) << s << ":" << a;
                if (uint64_t{at} + length > b.size()) return texts;
                if (nextText) EXPECT_EQ(at, nextText) << s << ":" << a;
                nextText = uint64_t{at} + length;
                texts[s - 1].push_back(b.substr(at, length));
            }
        }
        EXPECT_EQ(nextText, b.size()) << "bytes after the last text";
        return texts;
    }
};

TEST_F(SampleDiscTexts, TranslationsAreTheDataFilesLinesInTheirCodePages) {
    const struct {
        int file;
        const char* tsv;
        int codePage;
        bool marker;
    } translations[] = {{4, "en.tsv", 1252, false}, {5, "fr.tsv", 1252, false},
                        {6, "es.tsv", 1252, true},  {7, "tr.tsv", 1254, false},
                        {8, "id.tsv", 1252, false}, {9, "ru.tsv", 1251, true}};
    for (const auto& t : translations) {
        SCOPED_TRACE(t.tsv);
        const AyaLines lines = readLines(t.tsv);
        ASSERT_EQ(lines.ayaCount.size(), 114u);
        const auto texts = readIndexed(std::to_string(t.file), lines.ayaCount);
        int differ = 0;
        for (int s = 1; s <= 114; ++s) {
            for (int a = 1; a <= lines.ayaCount[s - 1]; ++a) {
                std::string text = texts[s - 1].at(a - 1);
                const std::string marker = "aaaaa" + std::to_string(a);
                if (t.marker) {
                    ASSERT_EQ(text.substr(0, marker.size()), marker) << s << ":" << a;
                    text.erase(0, marker.size());
                }
                EXPECT_NE(text.substr(0, 5), "aaaaa");
                differ += platform::toUnicode(text, t.codePage) != lines.texts[s - 1][a - 1];
            }
        }
        EXPECT_EQ(differ, 0) << "ayas whose text is not the data file's";
    }
}

TEST_F(SampleDiscTexts, QuranTextIsTheDataFilesTextInCodePage1256) {
    const AyaLines lines = readLines("ar.tsv");
    ASSERT_EQ(lines.ayaCount.size(), 114u);
    const auto texts = readIndexed("11", lines.ayaCount);
    int differ = 0;
    for (int s = 1; s <= 114; ++s)
        for (int a = 1; a <= lines.ayaCount[s - 1]; ++a)
            differ += platform::toUnicode(texts[s - 1].at(a - 1)) != lines.texts[s - 1][a - 1];
    EXPECT_EQ(differ, 0);
}

TEST_F(SampleDiscTexts, ArabicCommentariesSayWhichCommentarySuraAndAyaTheyAre) {
    const AyaLines lines = readLines("ar.tsv");
    platform::IniFile names("D:\\velk_quran\\data\\names1.ini");
    const char* ordinal[] = {"الأول", "الثاني", "الثالث"};
    for (int n = 1; n <= 3; ++n) {
        const auto texts = readIndexed(std::to_string(n), lines.ayaCount);
        int wrong = 0;
        for (int s = 1; s <= 114; ++s) {
            const QString sura =
                QString::fromUtf8("سورة ") +
                platform::toUnicode(names.readString("soraname", std::to_string(s), ""));
            for (int a = 1; a <= lines.ayaCount[s - 1]; ++a) {
                const QString text = platform::toUnicode(texts[s - 1].at(a - 1));
                const QString first = text.section("\r\n", 0, 0);
                wrong += !first.contains(QString::fromUtf8(ordinal[n - 1])) ||
                         !first.contains(sura) ||
                         !first.endsWith(QString::fromUtf8("الآية ") + QString::number(a)) ||
                         !text.contains(lines.texts[s - 1][a - 1]);
            }
        }
        EXPECT_EQ(wrong, 0) << "commentary " << n;
    }
}

TEST_F(SampleDiscTexts, SkinsLeaveTheScreensControlsFree) {
    // the commentary reader: both panels, the sura title, the index label, the four fields
    std::vector<QRect> reader = {
        {18, 38, 382, 503}, {400, 38, 382, 503}, {340, -2, 230, 46}, {225, 5, 90, 40}};
    for (int left : {623, 514, 406, 299}) reader.push_back({left, 566, 46, 27});
    checkSkin({"tafseer", 800, 600, 13, reader});
    checkSkin({"tafseername", 140, 145, 3});
    checkSkin({"lang", 800, 600, 8, {}, false});
    checkSkin(
        {"qurans", 800, 600, 3, {{481, 100, 158, 37}, {420, 165, 250, 25}, {350, 203, 376, 314}}});
    checkSkin({"remark", 800, 600, 3, {{168, 112, 477, 304}}});

    // One frame holds the page at 49,33 and the text at 50,70, in the text's colour.
    const QImage frame = picture("tafseer\\1\\around.jpg");
    ASSERT_EQ(frame.size(), QSize(382, 503));
    for (QPoint at : {QPoint(53, 73), QPoint(333, 437), QPoint(52, 36), QPoint(326, 467)})
        EXPECT_LE(colourDistance(frame.pixel(at), qRgb(242, 244, 197)), 24)
            << at.x() << "," << at.y();
    // the stars of the search screen stand on the star field
    const QImage search = picture("qurans\\1\\qurans.jpg");
    for (QPoint star : {QPoint(7, 10), QPoint(70, 260), QPoint(100, 550), QPoint(5, 220)})
        EXPECT_LE(colourDistance(search.pixel(star + QPoint(2, 2)), starFieldColour()), 8);
}

TEST_F(SampleDiscTexts, PhotosAreDistinctPicturesInTheirFolders) {
    auto small = [](const std::string& name) { return picture(name).scaled(80, 60); };
    QImage last;
    for (int n = 1; n <= 138; ++n) {
        const QImage photo = picture("photos\\" + std::to_string(n) + ".jpg");
        ASSERT_EQ(photo.size(), QSize(800, 600)) << n;
        const QImage now = photo.scaled(80, 60);
        if (!last.isNull())
            EXPECT_GT(meanDifference(last, now), 12.0) << "photos " << n - 1 << ", " << n;
        last = now;
    }
    EXPECT_GT(meanDifference(small("photos\\1.jpg"), small("photos\\138.jpg")), 12.0);
    const int setSizes[3] = {15, 10, 15};
    for (int set = 1; set <= 3; ++set)
        for (int k = 1; k <= setSizes[set - 1]; ++k)
            EXPECT_EQ(picture("islamic\\" + std::to_string(set) + "\\" + std::to_string(k) + ".jpg")
                          .size(),
                      QSize(800, 600));
    EXPECT_FALSE(picture("photos\\doaa.jpg").isNull());
}

}  // namespace
