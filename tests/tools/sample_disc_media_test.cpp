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
#include "quran/aya_timing.h"
#include "sample_disc_check.h"
#include "support/screen_test.h"

namespace {

constexpr int kRate = 16000;

// What ffmpeg writes for a disc file, read with `options` before and `output` after it.
QByteArray ffmpeg(const std::string& discPath, QStringList options, const QStringList& output) {
    QProcess p;
    options << "-i" << QString::fromStdString(platform::hostPath(discPath).string());
    p.start("ffmpeg",
            QStringList{"-nostdin", "-loglevel", "error"} + options + output + QStringList{"-"});
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

// The sound of a file as mono 16-bit samples at kRate.
std::vector<int16_t> decode(const std::string& discPath) {
    const QByteArray bytes =
        ffmpeg(discPath, {}, {"-f", "s16le", "-ac", "1", "-ar", QString::number(kRate)});
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

double rms(const std::vector<int16_t>& s, int fromMs, int toMs) {
    const size_t a = static_cast<size_t>(std::max(0, fromMs)) * kRate / 1000;
    const size_t b = std::min(s.size(), static_cast<size_t>(toMs) * kRate / 1000);
    double sum = 0;
    for (size_t i = a; i < b; ++i) sum += static_cast<double>(s[i]) * s[i];
    return b > a ? std::sqrt(sum / static_cast<double>(b - a)) : 0;
}

class SampleDiscMedia : public SampleDiscTest {
  protected:
    void SetUp() override {
        SampleDiscTest::SetUp();
        QProcess probe;
        probe.start("ffmpeg", {"-version"});
        if (!probe.waitForFinished(10000) || probe.exitCode() != 0) GTEST_SKIP() << "no ffmpeg";
    }
};

TEST_F(SampleDiscMedia, EachAyaSoundsBetweenItsTimingListBoundaries) {
    for (const std::string sura : {"001", "103", "114"}) {
        const std::vector<int16_t> sound = decode("D:\\" + sura + ".mp3");
        ASSERT_GT(sound.size(), static_cast<size_t>(kRate)) << sura;
        std::vector<int> bounds = {0};
        for (const std::string& line :
             platform::loadRtfPlainLines("D:\\velk_quran\\data\\sound\\" + sura + ".rtf"))
            if (!line.empty()) bounds.push_back(TimingLineMs(line));
        bounds.push_back(static_cast<int>(sound.size() * 1000 / kRate));
        for (size_t k = 1; k < bounds.size(); ++k) {
            const int start = bounds[k - 1], end = bounds[k];
            EXPECT_GT(rms(sound, start + 5, start + 100), 800) << sura << " aya " << k << " chime";
            EXPECT_GT(rms(sound, start + 200, end - 350), 2000) << sura << " aya " << k << " heard";
            EXPECT_LT(rms(sound, end - 250, end - 30), 300) << sura << " aya " << k << " silent";
        }
    }
}

TEST_F(SampleDiscMedia, IntroIsAShortVideoWithSound) {
    const std::string video = "D:\\velk_quran\\graphic\\1.wmv";
    const std::vector<int16_t> sound = decode(video);
    EXPECT_GE(sound.size(), 3u * kRate);
    EXPECT_LE(sound.size(), 4.5 * kRate);
    EXPECT_GT(rms(sound, 1000, 3000), 300) << "a soft tone";

    // One frame from the middle, as raw grey pixels: the title and its ornament show.
    const QByteArray frame =
        ffmpeg(video, {"-ss", "3"}, {"-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "gray"});
    ASSERT_GT(frame.size(), 0);
    EXPECT_LE(frame.size(), 1024 * 768);
    EXPECT_GT(std::count_if(frame.begin(), frame.end(),
                            [](char c) { return static_cast<uint8_t>(c) > 150; }),
              frame.size() / 100);
}

}  // namespace
