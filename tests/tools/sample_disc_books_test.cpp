// The book libraries of the sample disc, which only the end-to-end search
// opens: every book and topic read as the readers read them says which it
// is, and the words planted for the searches stand in exactly the topics the
// searches expect, in no title.
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "books/book_files.h"
#include "platform/codepage.h"
#include "platform/rtf.h"
#include "quran/indexed_text_file.h"
#include "sample_disc_check.h"

namespace {

using SampleDiscBooks = SampleDiscTest;
using Set = std::set<std::string>;

TEST_F(SampleDiscBooks, EveryTopicSaysWhichItIsAndPlantedWordsStandOnlyInTheirTopics) {
    const std::string beryl = platform::fromUnicode(QString::fromUtf8("زبرجد"));
    const std::string amber = platform::fromUnicode(QString::fromUtf8("كهرمان"));
    std::map<std::string, Set> holding;  // word -> "book/topic", "title book/topic"
    std::vector<int> books;
    for (auto [first, last] : {std::pair{55, 153}, {904, 909}, {920, 927}, {889, 894}, {937, 937}})
        for (int b = first; b <= last; ++b) books.push_back(b);
    for (int b : books) {
        SCOPED_TRACE("book " + std::to_string(b));
        const std::string title = ReadBookTitle(b);
        EXPECT_TRUE(platform::toUnicode(title).endsWith(QString("(%1)").arg(b)));
        const int count = ReadTopicCount(b);
        EXPECT_GT(count, 0);
        int wrong = 0;
        auto look = [&](const std::string& where, const std::string& text) {
            for (const std::string* word : {&beryl, &amber})
                if (text.find(*word) != std::string::npos) holding[*word].insert(where);
        };
        look("title " + std::to_string(b), title);
        IndexedTextFile(BookFilePath(b, 't'))
            .ForEachRecord(count, [&](int t, const std::string& s) {
                look("title " + std::to_string(b) + "/" + std::to_string(t), s);
            });
        IndexedTextFile(BookFilePath(b, 'd'))
            .ForEachRecord(count, [&](int t, const std::string& s) {
                look(std::to_string(b) + "/" + std::to_string(t), s);
                wrong += !s.ends_with("book " + std::to_string(b) + ", topic " + std::to_string(t) +
                                      ".");
            });
        EXPECT_EQ(wrong, 0);
    }
    EXPECT_EQ(holding[beryl], (Set{"55/3", "55/7", "60/2", "904/2"}));
    EXPECT_EQ(holding[amber], (Set{"55/7", "70/1"}));
}

TEST_F(SampleDiscBooks, TranslatedBookNamesPatienceFirstInTopicFiveAndInsideTopicTwelve) {
    const std::vector<std::string> titles = ReadLiveTitles(92);
    std::set<int> patience;
    for (int n = 1; n <= 92; ++n) {
        SCOPED_TRACE(n);
        std::string text;
        for (const std::string& line : platform::loadRtfPlainLines(LiveTopicPath(n)))
            text += line + "\n";
        EXPECT_TRUE(text.starts_with(titles[n - 1]) &&
                    titles[n - 1].ends_with("(topic " + std::to_string(n) + ")"))
            << titles[n - 1];
        const size_t at = text.find("Patience");
        if (at != std::string::npos) patience.insert(at == 0 ? n : -n);
    }
    EXPECT_EQ(patience, (std::set<int>{5, -12}));
}

}  // namespace
