// The disc's sound and video as a player hears and sees them, decoded with
// the ffmpeg program: every aya's sound starts right after its timing list
// boundary and falls silent before it, and the intro is a short video with
// sound.
#include <QProcess>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "platform/rtf.h"
#include "support/screen_test.h"

namespace {

constexpr int kRate = 16000;

// Decodes a file into mono 16-bit samples at kRate.
std::vector<int16_t> decode(const std::string& hostPath) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg",
                 {"-nostdin", "-loglevel", "error", "-i", QString::fromStdString(hostPath), "-f",
                  "s16le", "-ac", "1", "-ar", QString::number(kRate), "-"});
    ffmpeg.waitForFinished(60000);
    QByteArray bytes = ffmpeg.readAllStandardOutput();
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

double rms(const std::vector<int16_t>& s, int fromMs, int toMs) {
    size_t a = static_cast<size_t>(std::max(0, fromMs)) * kRate / 1000;
    size_t b = std::min(s.size(), static_cast<size_t>(toMs) * kRate / 1000);
    double sum = 0;
    for (size_t i = a; i < b; ++i) sum += static_cast<double>(s[i]) * s[i];
    return b > a ? std::sqrt(sum / static_cast<double>(b - a)) : 0;
}

class SampleDiscMedia : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setDrive('D', TestDiscFolder());
        QProcess probe;
        probe.start("ffmpeg", {"-version"});
        if (!probe.waitForFinished(10000) || probe.exitCode() != 0) GTEST_SKIP() << "no ffmpeg";
    }
};

TEST_F(SampleDiscMedia, EachAyaSoundsBetweenItsTimingListBoundaries) {
    for (const char* sura : {"001", "103", "114"}) {
        SCOPED_TRACE(sura);
        std::vector<int16_t> sound =
            decode(platform::hostPath(std::string("D:\\") + sura + ".mp3"));
        ASSERT_GT(sound.size(), static_cast<size_t>(kRate));
        std::vector<int> bounds = {0};
        for (const std::string& line : platform::loadRtfPlainLines(
                 std::string("D:\\velk_quran\\data\\sound\\") + sura + ".rtf")) {
            if (line.size() < 10) continue;
            bounds.push_back(
                std::stoi(line.substr(0, 2)) * 3600000 + std::stoi(line.substr(3, 2)) * 60000 +
                std::stoi(line.substr(6, 2)) * 1000 + std::stoi(line.substr(9, 1)) * 100);
        }
        bounds.push_back(static_cast<int>(sound.size() * 1000 / kRate));
        for (size_t k = 1; k < bounds.size(); ++k) {
            int start = bounds[k - 1], end = bounds[k];
            EXPECT_GT(rms(sound, start + 5, start + 100), 800)
                << "aya " << k << " opens with a chime";
            EXPECT_GT(rms(sound, start + 200, end - 350), 2000) << "aya " << k << " is heard";
            EXPECT_LT(rms(sound, end - 250, end - 30), 300) << "aya " << k << " ends in silence";
        }
    }
}

TEST_F(SampleDiscMedia, IntroIsAShortVideoWithSound) {
    std::string video = platform::hostPath("D:\\velk_quran\\graphic\\1.wmv").string();
    std::vector<int16_t> sound = decode(video);
    double seconds = static_cast<double>(sound.size()) / kRate;
    EXPECT_GE(seconds, 3.0);
    EXPECT_LE(seconds, 4.5);
    EXPECT_GT(rms(sound, 1000, 3000), 300) << "a soft tone";

    QProcess ffmpeg;  // one frame from the middle, as raw grey pixels
    ffmpeg.start("ffmpeg",
                 {"-nostdin", "-loglevel", "error", "-ss", "3", "-i", QString::fromStdString(video),
                  "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "gray", "-"});
    ffmpeg.waitForFinished(60000);
    QByteArray frame = ffmpeg.readAllStandardOutput();
    ASSERT_GT(frame.size(), 0);
    EXPECT_LE(frame.size(), 1024 * 768);
    int bright = 0;
    for (char c : frame) bright += static_cast<uint8_t>(c) > 150;
    EXPECT_GT(bright, frame.size() / 100) << "the title and its ornament are visible";
}

}  // namespace
