// The book libraries of the sample disc, which only the search screens and
// the end-to-end search open: every book and topic read as the readers read
// them says which it is, in Arabic (the text pane reads right to left), and
// quotes the ayas it announces; a topic's title says what it is about before
// its place, since the tree shows only its start; and the text does not
// repeat the titles the reader shows above it and copies with it. (Where the
// planted search words stand is shown by the search screens' own tests,
// which search every book of the disc.)
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "books/book_files.h"
#include "platform/codepage.h"
#include "platform/indexed_text_file.h"
#include "sample_disc_check.h"

namespace {

using SampleDiscBooks = SampleDiscTest;

TEST_F(SampleDiscBooks, EveryTopicLeadsWithItsSubjectQuotesTheQuranAndRepeatsNoTitle) {
    std::vector<int> books;
    for (auto [first, last] : {std::pair{55, 153}, {904, 909}, {920, 927}, {889, 894}, {937, 937}})
        for (int b = first; b <= last; ++b) books.push_back(b);
    const QRegularExpression digit("\\d");
    for (int b : books) {
        SCOPED_TRACE("book " + std::to_string(b));
        const QString bookTitle = platform::toUnicode(ReadBookTitle(b));
        EXPECT_TRUE(bookTitle.endsWith(QString("(%1)").arg(b)));
        const int count = ReadTopicCount(b);
        EXPECT_GT(count, 0);
        std::vector<QString> titles;
        platform::IndexedTextFile(BookFilePath(b, 't'))
            .ForEachRecord(count, [&](int, const std::string& s) {
                titles.push_back(platform::toUnicode(s));
            });
        ASSERT_EQ(titles.size(), static_cast<size_t>(count));
        int unnamed = 0, placeFirst = 0, repeated = 0, unquoted = 0;
        platform::IndexedTextFile(BookFilePath(b, 'd'))
            .ForEachRecord(count, [&](int t, const std::string& s) {
                const QString place =
                    QString::fromUtf8(b >= 889 ? "المسألة %1" : "الباب %1").arg(t);
                const QString text = platform::toUnicode(s), &title = titles[t - 1];
                unnamed += !text.endsWith(place + QString::fromUtf8(" من الكتاب %1.").arg(b));
                const QString subject = title.chopped(std::min(title.size(), place.size() + 3));
                placeFirst += !title.endsWith(" (" + place + ")") || subject.isEmpty() ||
                              subject.contains(digit);
                repeated += text.contains(title) || text.contains(bookTitle);
                unquoted += !text.contains(QString::fromUtf8("» ("));
            });
        EXPECT_EQ(unnamed, 0) << "topic texts that do not end by naming their topic";
        EXPECT_EQ(placeFirst, 0) << "topic titles that do not begin with their subject";
        EXPECT_EQ(repeated, 0) << "topic texts that repeat a title";
        EXPECT_EQ(unquoted, 0) << "topic texts that announce ayas and quote none";
    }
}

}  // namespace
