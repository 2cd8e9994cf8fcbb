// The sample disc's supplications and call to prayer: skins for languages 1,
// 2 and 5 with buttons clear of the round picture, and short recordings that
// each sound at a pitch of their own.
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

#include "platform/paths.h"
#include "sample_disc_check.h"
#include "support/screen_test.h"
#include "support/sim_device.h"

namespace {

class SampleDiscPrayer : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setDrive('D', TestDiscFolder());
    }
    static std::string Read(const std::string& windowsPath) {
        std::ifstream in(platform::hostPath(windowsPath), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(SampleDiscPrayer, SkinsOfLanguagesOneTwoAndFive) {
    checkSkin({"doaa", 800, 600, 6, {QRect(79, 103, 402, 402)}});
    checkSkin({"azan", 800, 600, 8});
    for (const std::string screen : {"doaa", "azan"})
        for (const std::string language : {"2", "5"}) {
            SCOPED_TRACE(screen + " " + language);
            const std::string folder = "D:\\velk_quran\\graphic\\" + screen + "\\";
            EXPECT_EQ(Read(folder + language + "\\" + screen + ".ini"),
                      Read(folder + "1\\" + screen + ".ini"));
            EXPECT_EQ(picture(screen + "\\" + language + "\\" + screen + ".jpg").size(),
                      QSize(800, 600));
            EXPECT_FALSE(picture(screen + "\\" + language + "\\buttons\\down\\06.jpg").isNull());
            EXPECT_FALSE(picture("main\\" + language + "\\script2\\3.jpg").isNull());
        }
}

// The pitch of a recording's first note (its keynote), from the zero
// crossings between 100 and 300 ms.
double FirstPitch(const std::string& wav) {
    const size_t rate = 22050, from = 44 + 2 * rate / 10, to = from + 2 * rate / 5;
    int crossings = 0;
    int16_t last = 0;
    for (size_t at = from; at + 1 < to && at + 1 < wav.size(); at += 2) {
        const auto v = static_cast<int16_t>(u16(wav, at));
        crossings += (last < 0) != (v < 0);
        last = v;
    }
    return crossings / 2 / 0.2;
}

TEST_F(SampleDiscPrayer, ShortRecordingsEachOfItsOwnPitch) {
    std::set<long> pitches;
    auto check = [&](const std::string& file, int minMs, int maxMs) {
        SCOPED_TRACE(file);
        const std::string bytes = Read("D:\\velk_quran\\sound\\" + file);
        const int ms =
            file.ends_with(".mp3") ? platform::mp3LengthMs(bytes) : platform::wavLengthMs(bytes);
        EXPECT_GE(ms, minMs);
        EXPECT_LE(ms, maxMs);
        if (file.ends_with(".wav")) pitches.insert(std::lround(FirstPitch(bytes) / 5));
    };
    for (int n = 1; n <= 5; ++n) check("doaa\\" + std::to_string(n) + ".wav", 4000, 8000);
    for (int n = 1; n <= 7; ++n) check("azan\\" + std::to_string(n) + ".wav", 4000, 8000);
    check("doaa\\1.mp3", 2000, 5000);
    EXPECT_EQ(pitches.size(), 12u);
}

}  // namespace
