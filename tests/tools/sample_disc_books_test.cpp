// The book libraries' part of the sample disc: every title, count, topic
// title and topic text read record by record as the readers do, the words
// planted for the search, the translated book's RTF topics and titles, and
// the skins of the readers and their search screens.
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>

#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/rtf.h"
#include "sample_disc_check.h"
#include "support/screen_test.h"

namespace {

const std::string kData = "D:\\velk_quran\\data\\";

// The books the readers offer, in their lists' order.
std::vector<int> hadithBooks() {
    std::vector<int> books;
    for (int b = 55; b <= 153; ++b) books.push_back(b);
    return books;
}
std::vector<int> fekhBooks() {
    std::vector<int> books;
    for (auto [first, last] : {std::pair{904, 909}, {920, 927}, {889, 894}, {937, 937}})
        for (int b = first; b <= last; ++b) books.push_back(b);
    return books;
}

// Records 1..count of an indexed text file, each checked to lie inside the file.
std::vector<std::string> readRecords(const std::string& name, int count) {
    SCOPED_TRACE(name);
    const std::string b = platform::readFile(kData + name);
    std::vector<std::string> out;
    EXPECT_GE(b.size(), count * 10u);
    for (int n = 1; n <= count && n * 10u <= b.size(); ++n) {
        const uint32_t at = u32(b, (n - 1) * 10 + 2), length = u32(b, (n - 1) * 10 + 6);
        EXPECT_LE(uint64_t{at} + length, b.size()) << "record " << n;
        EXPECT_GE(at, count * 10u) << "record " << n << " inside the records";
        out.push_back(at + uint64_t{length} <= b.size() ? b.substr(at, length) : "");
    }
    return out;
}

const std::string& titlesFile() {
    static const std::string bytes = platform::readFile(kData + "bookst");
    return bytes;
}

int topicCount(int b) {
    static const std::string bytes = platform::readFile(kData + "booksc");
    return static_cast<size_t>(b) * 10 <= bytes.size() ? u16(bytes, (b - 1) * 10 + 2) : -1;
}

std::string bookTitle(int b) {
    const std::string& bytes = titlesFile();
    if (static_cast<size_t>(b) * 10 > bytes.size()) return "";
    const uint32_t at = u32(bytes, (b - 1) * 10 + 2), length = u32(bytes, (b - 1) * 10 + 6);
    return uint64_t{at} + length <= bytes.size() ? bytes.substr(at, length) : "";
}

// Every book's topic titles and texts, by book number, read once.
struct BookTexts {
    std::vector<std::string> titles, texts;
};
const std::map<int, BookTexts>& books() {
    static const std::map<int, BookTexts> all = [] {
        std::map<int, BookTexts> out;
        for (const auto& library : {hadithBooks(), fekhBooks()})
            for (int b : library)
                out[b] = {readRecords(std::to_string(b) + "t", topicCount(b)),
                          readRecords(std::to_string(b) + "d", topicCount(b))};
        return out;
    }();
    return all;
}

// "book/topic" of every topic of `library` whose text holds `word`; with
// `inTitles`, of every topic title and book title ("book") that does.
std::set<std::string> holding(const std::vector<int>& library, const char* word,
                              bool inTitles = false) {
    const std::string bytes = platform::fromUnicode(QString::fromUtf8(word));
    std::set<std::string> out;
    for (int b : library) {
        const BookTexts& book = books().at(b);
        const auto& records = inTitles ? book.titles : book.texts;
        for (size_t t = 0; t < records.size(); ++t)
            if (records[t].find(bytes) != std::string::npos)
                out.insert(std::to_string(b) + "/" + std::to_string(t + 1));
        if (inTitles && bookTitle(b).find(bytes) != std::string::npos)
            out.insert(std::to_string(b));
    }
    return out;
}

using SampleDiscBooks = SampleDiscTest;

TEST_F(SampleDiscBooks, EveryBookAndTopicSaysWhichItIs) {
    int fewest = 65535, most = 0, longTitles = 0;
    uint64_t bytes = 0;
    for (const auto& [b, book] : books()) {
        SCOPED_TRACE("book " + std::to_string(b));
        const bool fekh = b >= 889;
        const QString title = platform::toUnicode(bookTitle(b));
        EXPECT_TRUE(title.startsWith(QString::fromUtf8("كتاب ")));
        EXPECT_TRUE(title.endsWith(QString("(%1)").arg(b))) << title.toStdString();
        const int n = static_cast<int>(book.texts.size());
        fewest = std::min(fewest, n);
        most = std::max(most, n);
        int wrong = 0;
        for (int t = 1; t <= n; ++t) {
            const QString name =
                QString::fromUtf8(fekh ? "المسألة %1 من الكتاب %2: " : "الباب %1 من الكتاب %2: ")
                    .arg(t)
                    .arg(b);
            const QString topicTitle = platform::toUnicode(book.titles[t - 1]);
            const QString text = platform::toUnicode(book.texts[t - 1]);
            wrong += !topicTitle.startsWith(name) ||
                     !text.startsWith(title + "\r\n" + topicTitle) ||
                     !text.endsWith(QString("book %1, topic %2.").arg(b).arg(t));
            longTitles += book.titles[t - 1].size() > 100;
            bytes += book.titles[t - 1].size() + book.texts[t - 1].size();
        }
        EXPECT_EQ(wrong, 0);
    }
    EXPECT_EQ(books().size(), 120u);
    EXPECT_LE(fewest, 5);
    EXPECT_GE(most, 2000);
    EXPECT_GT(longTitles, 1000);
    EXPECT_GT(books().at(55).titles.at(6).size(), 100u);
    EXPECT_GT(bytes, 30'000'000u);
    EXPECT_LT(bytes, 50'000'000u);
    // numbers between the libraries' books have no title and no topics
    for (int b : {1, 54, 154, 888, 903, 936})
        EXPECT_TRUE(bookTitle(b).empty() && topicCount(b) == 0) << b;
}

TEST_F(SampleDiscBooks, PlantedWordsStandOnlyInTheirTopics) {
    using Set = std::set<std::string>;
    EXPECT_EQ(holding(hadithBooks(), "زبرجد"), (Set{"55/3", "55/7", "60/2"}));
    EXPECT_EQ(holding(hadithBooks(), "كهرمان"), (Set{"55/7", "70/1"}));
    EXPECT_EQ(holding(fekhBooks(), "زبرجد"), (Set{"904/2"}));
    EXPECT_EQ(holding(fekhBooks(), "كهرمان"), Set{});
    for (const char* word : {"زبرجد", "كهرمان"}) {
        EXPECT_EQ(holding(hadithBooks(), word, true), Set{});
        EXPECT_EQ(holding(fekhBooks(), word, true), Set{});
    }
}

TEST_F(SampleDiscBooks, TranslatedBookHasItsEnglishTopicsAndTitles) {
    platform::IniFile titlesIni(kData + "tolvaric\\tolvaric_title.ini");
    std::set<int> patience;
    for (int n = 1; n <= 92; ++n) {
        SCOPED_TRACE(n);
        const std::string title = titlesIni.readString("titles", std::to_string(n), "0");
        EXPECT_TRUE(QString::fromStdString(title).endsWith(QString("(topic %1)").arg(n))) << title;
        const platform::RtfDocument doc =
            platform::loadRtf(kData + "tolvaric\\tolvaric" + std::to_string(n) + ".rtf");
        ASSERT_TRUE(doc.isRtf);
        std::string text;
        for (const std::string& line : doc.plainLines()) text += line + "\n";
        EXPECT_EQ(text.substr(0, title.size()), title);
        EXPECT_NE(text.find("This is topic " + std::to_string(n) + " of 92"), std::string::npos);
        EXPECT_GT(text.size(), 600u);
        const size_t at = text.find("Patience");
        if (at != std::string::npos) patience.insert(at == 0 ? n : -n);
    }
    EXPECT_EQ(patience, (std::set<int>{5, -12}));  // begins topic 5, inside topic 12
    EXPECT_FALSE(platform::fileExists(kData + "tolvaric\\tolvaric93.rtf"));
}

TEST_F(SampleDiscBooks, ReaderAndSearchSkinsLeaveTheControlsAndStarsFree) {
    auto stars = [](std::vector<QPoint> big, std::vector<QPoint> small) {
        std::vector<QRect> out;
        for (QPoint p : big) out.emplace_back(p, QSize(40, 40));
        for (QPoint p : small) out.emplace_back(p, QSize(24, 24));
        return out;
    };
    for (const auto& [folder, buttons, partTop] :
         {std::tuple{"hadith", 14, 79}, {"fekh", 12, 78}, {"live", 14, 79}}) {
        std::vector<QRect> controls =
            stars({{7, 30}, {116, 35}, {0, 144}, {0, 390}},
                  {{73, 20}, {183, 32}, {41, 100}, {12, 211}, {20, 459}, {0, 508}});
        for (QRect r : {QRect(220, 125, 195, 404), QRect(429, 121, 348, 409),
                        QRect(427, 66, 343, 31), QRect(302, partTop, 66, 31)})
            controls.push_back(r);
        checkSkin({folder, 800, 600, buttons, controls});
        // the tree and the text stand on their own colour
        const QImage background = picture(std::string(folder) + "\\1\\" + folder + ".jpg");
        for (QPoint at : {QPoint(222, 127), QPoint(775, 528)})
            EXPECT_LE(colourDistance(background.pixel(at), qRgb(209, 251, 185)), 16) << folder;
    }
    for (const char* folder : {"hadiths", "fekhs", "lives"}) {
        std::vector<QRect> controls =
            stars({{7, 30}, {146, 5}, {-2, 144}, {-3, 393}},
                  {{93, 20}, {193, 66}, {41, 100}, {5, 220}, {34, 530}, {100, 570}});
        for (QRect r : {QRect(622, 51, 128, 24), QRect(403, 51, 128, 24), QRect(560, 40, 37, 24),
                        QRect(560, 66, 37, 24), QRect(212, 151, 247, 147),
                        QRect(521, 151, 247, 147), QRect(171, 331, 597, 172)})
            controls.push_back(r);
        checkSkin({folder, 800, 600, 7, controls});
    }
    // the stars stand on the star field
    for (const char* screen : {"hadith\\1\\hadith.jpg", "lives\\1\\lives.jpg"}) {
        const QImage background = picture(screen);
        for (QPoint star : {QPoint(9, 32), QPoint(2, 396), QPoint(43, 102)})
            EXPECT_LE(colourDistance(background.pixel(star), starFieldColour()), 8) << screen;
    }
}

}  // namespace
