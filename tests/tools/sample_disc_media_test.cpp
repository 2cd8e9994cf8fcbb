// The recitations as a listener hears them, decoded with the ffmpeg program:
// every aya's tone starts with a chime right after its timing list boundary
// and falls silent before the next.
#include <QProcess>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

#include "platform/rtf.h"
#include "quran/aya_timing.h"
#include "sample_disc_check.h"

namespace {

constexpr int kRate = 16000;

// The sound of a disc file as mono 16-bit samples at kRate.
std::vector<int16_t> decode(const std::string& discPath) {
    QProcess p;
    p.start("ffmpeg", {"-nostdin", "-loglevel", "error", "-i",
                       QString::fromStdString(platform::hostPath(discPath).string()), "-f", "s16le",
                       "-ac", "1", "-ar", QString::number(kRate), "-"});
    p.waitForFinished(60000);
    const QByteArray bytes = p.readAllStandardOutput();
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

TEST_F(SampleDiscTest, EachAyaSoundsBetweenItsTimingListBoundaries) {
    QProcess probe;
    probe.start("ffmpeg", {"-version"});
    if (!probe.waitForFinished(10000) || probe.exitCode() != 0) GTEST_SKIP() << "no ffmpeg";
    for (const std::string sura : {"001", "103", "114"}) {
        const std::vector<int16_t> sound = decode("D:\\" + sura + ".mp3");
        ASSERT_GT(sound.size(), static_cast<size_t>(kRate)) << sura;
        std::vector<int> bounds = {0};
        for (const std::string& line :
             platform::loadRtfPlainLines(DataDir + "sound\\" + sura + ".rtf"))
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

}  // namespace
