// Timing lines and the start and end of each aya in a sura's recording.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/error.h"
#include "quran/aya_timing.h"

namespace {

using platform::PlatformError;

TEST(TimingLine, FieldsByPositionAndConversionErrors) {
    EXPECT_EQ(TimingLineMs("00:01:02.3"), 62300);
    EXPECT_EQ(TimingLineMs("01:59:59.9"), 3600000 + 59 * 60000 + 59000 + 900);
    // Separators are not looked at; what follows the tenths is ignored.
    EXPECT_EQ(TimingLineMs("00-00-05,78 and more"), 5700);

    // Short or non-numeric lines raise the conversion error of the field.
    const std::pair<const char*, const char*> bad[] = {
        {"00:00:05.", "''"}, {"", "''"}, {"00:0a:05.7", "'0a'"}, {"00:00:05.x", "'x'"}};
    for (const auto& [line, value] : bad) {
        try {
            TimingLineMs(line);
            ADD_FAILURE() << "no error for " << line;
        } catch (const PlatformError& e) {
            EXPECT_EQ(e.what(), std::string(value) + " is not a valid integer value") << line;
        }
    }
}

const std::string kList = "q:\\002.rtf";  // on no drive: named without a host file

TEST(AyaTimes, EachAyaRunsBetweenItsLinesAndMissingLinesRaise) {
    const std::vector<std::string> lines = {"00:00:02.5", "00:00:04.0", "00:00:07.1"};
    const int expected[][3] = {{1, 0, 2500}, {3, 4000, 7100}, {4, 7100, 9000}};
    for (const auto& [aya, start, end] : expected) {
        const AyaTimes t = ComputeAyaTimes(lines, aya, 4, 9000, kList);
        EXPECT_EQ(t.startMs, start) << aya;
        EXPECT_EQ(t.endMs, end) << aya;
    }
    EXPECT_EQ(ComputeAyaTimes({}, 1, 1, 4321, kList).endMs, 4321);  // one aya needs no line
    EXPECT_EQ(ComputeAyaTimes({"00:00:02.5"}, 1, 0, 0, kList).endMs, 2500);

    // Never reads past the list: line 2 is missing, or count 0 has no last
    // aya; a line of invisible letters. The error names the list and the
    // line, counted from 1.
    const std::vector<std::string> one = {"00:00:02.5"}, bad = {"00:00:02.5", "\x9D\x9D:00:01.0"};
    const std::string where = " in \"q:\\002.rtf\" (not on any folder of this computer), line ";
    const std::tuple<const std::vector<std::string>*, int, int, std::string> cases[] = {
        {&one, 2, 5, "'' is not a valid integer value" + where + "2"},
        {&one, 2, 0, "'' is not a valid integer value" + where + "2"},
        {&one, 0, 5, "'' is not a valid integer value" + where + "0"},
        {&bad, 2, 5, "'\u200C\u200C' is not a valid integer value" + where + "2"}};
    for (const auto& [lines, aya, count, message] : cases) {
        try {
            ComputeAyaTimes(*lines, aya, count, 9000, kList);
            ADD_FAILURE() << "no error for aya " << aya;
        } catch (const PlatformError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

}  // namespace
