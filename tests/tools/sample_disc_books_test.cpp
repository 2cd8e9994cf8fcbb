// The book libraries of the sample disc, which only the search screens and
// the end-to-end search open: every book and topic read as the readers read
// them says which it is. (Where the planted search words stand is shown by
// the search screens' own tests, which search every book of the disc.)
#include <gtest/gtest.h>

#include "books/book_files.h"
#include "platform/codepage.h"
#include "platform/indexed_text_file.h"
#include "sample_disc_check.h"

namespace {

using SampleDiscBooks = SampleDiscTest;

TEST_F(SampleDiscBooks, EveryBookAndTopicSaysWhichItIs) {
    std::vector<int> books;
    for (auto [first, last] : {std::pair{55, 153}, {904, 909}, {920, 927}, {889, 894}, {937, 937}})
        for (int b = first; b <= last; ++b) books.push_back(b);
    for (int b : books) {
        SCOPED_TRACE("book " + std::to_string(b));
        EXPECT_TRUE(platform::toUnicode(ReadBookTitle(b)).endsWith(QString("(%1)").arg(b)));
        const int count = ReadTopicCount(b);
        EXPECT_GT(count, 0);
        int wrong = 0;
        platform::IndexedTextFile(BookFilePath(b, 'd'))
            .ForEachRecord(count, [&](int t, const std::string& s) {
                wrong += !s.ends_with("book " + std::to_string(b) + ", topic " + std::to_string(t) +
                                      ".");
            });
        EXPECT_EQ(wrong, 0);
    }
}

}  // namespace
