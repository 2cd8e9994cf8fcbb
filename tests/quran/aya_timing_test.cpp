// Timing lines and the start and end of each aya in a sura's recording.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/rtf.h"
#include "quran/aya_timing.h"
#include "quran/quran_files.h"
#include "shell/globals.h"
#include "support/screen_test.h"

namespace {

using platform::PlatformError;

std::string conversionError(const std::string& line) {
    try {
        TimingLineMs(line);
    } catch (const PlatformError& e) {
        return e.what();
    }
    return "no error";
}

TEST(TimingLine, FieldsByPosition) {
    EXPECT_EQ(TimingLineMs("00:00:00.0"), 0);
    EXPECT_EQ(TimingLineMs("00:01:02.3"), 62300);
    EXPECT_EQ(TimingLineMs("01:59:59.9"), 3600000 + 59 * 60000 + 59000 + 900);
    // Separators are not looked at; what follows the tenths is ignored.
    EXPECT_EQ(TimingLineMs("00-00-05,7"), 5700);
    EXPECT_EQ(TimingLineMs("00:00:05.78 and more"), 5700);
}

TEST(TimingLine, ShortOrNonNumericLinesRaiseTheConversionError) {
    EXPECT_EQ(conversionError("00:00:05"), "'' is not a valid integer value");
    EXPECT_EQ(conversionError("00:00:05."), "'' is not a valid integer value");
    EXPECT_EQ(conversionError(""), "'' is not a valid integer value");
    EXPECT_EQ(conversionError("00:0a:05.7"), "'0a' is not a valid integer value");
    EXPECT_EQ(conversionError("00:00:05.x"), "'x' is not a valid integer value");
}

TEST(AyaTimes, FirstMiddleAndLastAya) {
    const std::vector<std::string> lines = {"00:00:02.5", "00:00:04.0", "00:00:07.1"};
    AyaTimes t = ComputeAyaTimes(lines, 1, 4, 9000);
    EXPECT_EQ(t.startMs, 0);
    EXPECT_EQ(t.endMs, 2500);
    t = ComputeAyaTimes(lines, 3, 4, 9000);
    EXPECT_EQ(t.startMs, 4000);
    EXPECT_EQ(t.endMs, 7100);
    t = ComputeAyaTimes(lines, 4, 4, 9000);
    EXPECT_EQ(t.startMs, 7100);
    EXPECT_EQ(t.endMs, 9000);
    // A one-aya list needs no line at all.
    t = ComputeAyaTimes({}, 1, 1, 4321);
    EXPECT_EQ(t.startMs, 0);
    EXPECT_EQ(t.endMs, 4321);
}

TEST(AyaTimes, MissingLinesRaiseInsteadOfReadingPastTheList) {
    const std::vector<std::string> lines = {"00:00:02.5"};
    EXPECT_THROW(ComputeAyaTimes(lines, 2, 5, 9000), PlatformError);  // line 1 is missing
    EXPECT_THROW(ComputeAyaTimes(lines, 2, 0, 9000), PlatformError);  // count 0: no last aya
    EXPECT_THROW(ComputeAyaTimes(lines, 0, 5, 9000), PlatformError);
    EXPECT_EQ(ComputeAyaTimes(lines, 1, 0, 0).endMs, 2500);
}

class SampleTimings : public ScreenTest {};

TEST_F(SampleTimings, SuraTwoListCoversEveryAyaInOrder) {
    int recordSura = 0;
    const int count = ReadSuraAyaCount(2, recordSura);
    const auto lines = platform::loadRtfPlainLines(DataDir + "sound\\002.rtf");
    ASSERT_GE(lines.size(), static_cast<size_t>(count - 1));
    int previousEnd = 0;
    for (int a = 1; a < count; ++a) {
        AyaTimes t = ComputeAyaTimes(lines, a, count, 1 << 30);
        EXPECT_EQ(t.startMs, previousEnd) << a;
        EXPECT_GE(t.endMs - t.startMs, 1000) << a;
        previousEnd = t.endMs;
    }
}

}  // namespace
