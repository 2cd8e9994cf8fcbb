// The readers of the book files on bytes: topic counts at the edges of the
// count file, and the translated book's titles as the INI rules read them.
#include <gtest/gtest.h>

#include "book_disc.h"
#include "books/book_files.h"
#include "platform/binfile.h"
#include "platform/error.h"

TEST(TopicCountFile, ReadsBytesTwoAndThreeOfTheBooksRecordAndNothingPastTheFile) {
    const std::string file = bookdisc::CountFile({{1, 7}, {55, 300}, {56, 65535}});
    const struct {
        size_t length;  // of the file given to the reader
        int book;
        int count;  // -1: a read error
    } cases[] = {
        {file.size(), 1, 7},   {file.size(), 55, 300},   {file.size(), 56, 65535},
        {file.size(), 2, 0},   {55 * 10 + 4, 56, 65535},  // the record cut after its count
        {55 * 10 + 3, 56, -1},                            // cut inside it
        {file.size(), 57, -1}, {file.size(), 0, -1},     {file.size(), 2147483647, -1},
    };
    for (const auto& c : cases) {
        auto counts = platform::BinaryFile::fromBytes("booksc", file.substr(0, c.length));
        if (c.count < 0)
            EXPECT_THROW(ReadTopicCount(counts, c.book), platform::PlatformError) << c.book;
        else
            EXPECT_EQ(ReadTopicCount(counts, c.book), c.count) << c.book;
    }
}

TEST(LiveTitles, KeyNOfTheFirstTitlesSectionWithZeroForAMissingOne) {
    const std::string ini =
        "[other]\r\n1=not this\r\n[TITLES]\r\n1 = The Book of Revelation \r\n2=\"Belief\"\r\n"
        "2=twice\r\n03=padded\r\n4=\r\n[titles]\r\n3=a second section\r\n";
    const std::vector<std::string> titles = LiveTitles(ini, 5);
    EXPECT_EQ(titles, (std::vector<std::string>{"The Book of Revelation", "Belief", "0", "", "0"}));
    EXPECT_EQ(LiveTitles("", 2), (std::vector<std::string>{"0", "0"}));
}
