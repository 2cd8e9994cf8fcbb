// Lengths the simulated device reads from WAV and MP3 bytes built here.
#include <gtest/gtest.h>

#include "media_files.h"
#include "platform/sim_device.h"

using namespace platform;

namespace {

// One MPEG audio layer III frame with the given header and a silent body.
std::string frame(uint8_t b1, uint8_t b2, size_t bytes, uint8_t b3 = 0xC0) {
    std::string f(bytes, '\0');
    f[0] = '\xFF';
    f[1] = static_cast<char>(b1);
    f[2] = static_cast<char>(b2);
    f[3] = static_cast<char>(b3);
    return f;
}

// MPEG-1, 44.1 kHz, 128 kbit/s, mono: 417 bytes, 1152 samples.
std::string mpeg1(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += frame(0xFB, 0x90, 417);
    return s;
}

std::string id3(const std::string& body) {
    std::string t = "ID3\x03";
    t += '\0';
    t += '\0';
    const size_t n = body.size();
    for (int shift : {21, 14, 7, 0}) t += static_cast<char>((n >> shift) & 0x7F);
    return t + body;
}

TEST(MediaLength, WavLengthIsDataOverByteRate) {
    EXPECT_EQ(wavLengthMs(media_files::wav(1234)), 1234);
    EXPECT_EQ(wavLengthMs(media_files::wav(500, 44100, 2)), 500);
    // Chunks before the data chunk are skipped, odd ones with their pad byte.
    EXPECT_EQ(wavLengthMs(media_files::wav(750, 22050, 1, "INFOabc")), 750);
    EXPECT_EQ(wavLengthMs(media_files::wav(750, 22050, 1, "INFOab")), 750);

    // A data chunk claiming more than the file holds counts what is there.
    std::string cut = media_files::wav(1000);
    cut.resize(cut.size() - 8000);  // 500 ms of 16-bit 8 kHz mono gone
    EXPECT_EQ(wavLengthMs(cut), 500);
    std::string streamed = media_files::wav(1000);
    const size_t dataSize = streamed.find("data") + 4;
    streamed.replace(dataSize, 4, "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(wavLengthMs(streamed), 1000);
}

TEST(MediaLength, BrokenWavHeadersAreRejectedWithoutReadingPastTheEnd) {
    const std::string good = media_files::wav(300);
    EXPECT_EQ(wavLengthMs(""), -1);
    EXPECT_EQ(wavLengthMs("RIFX" + good.substr(4)), -1);
    // Every cut inside the header: never a crash, never a length from nothing.
    const size_t header = good.find("data") + 8;
    for (size_t n = 0; n < header; ++n) EXPECT_EQ(wavLengthMs(good.substr(0, n)), -1) << n;
    EXPECT_EQ(wavLengthMs(good.substr(0, header)), 0);

    std::string noRate = good;
    noRate.replace(good.find("fmt ") + 16, 4, std::string(4, '\0'));
    EXPECT_EQ(wavLengthMs(noRate), -1);
    std::string noData = good;
    noData.replace(good.find("data"), 4, "junk");
    EXPECT_EQ(wavLengthMs(noData), -1);
    // A chunk size that would wrap around ends the walk.
    std::string huge = good;
    huge.replace(good.find("fmt ") + 4, 4, "\xF8\xFF\xFF\xFF");
    EXPECT_EQ(wavLengthMs(huge), -1);
}

TEST(MediaLength, Mp3FramesAreSummedPerVersion) {
    EXPECT_EQ(mp3LengthMs(mpeg1(100)), 2612);  // 100 * 1152 / 44100 s
    // MPEG-2, 22.05 kHz, 64 kbit/s: 208 bytes, 576 samples.
    std::string m2;
    for (int i = 0; i < 50; ++i) m2 += frame(0xF3, 0x80, 208);
    EXPECT_EQ(mp3LengthMs(m2), 1306);
    // MPEG-2.5, 8 kHz, 8 kbit/s: 72 bytes, 72 ms; a padded frame is a byte longer.
    std::string m25;
    for (int i = 0; i < 10; ++i) m25 += frame(0xE3, 0x18, 72) + frame(0xE3, 0x1A, 73);
    EXPECT_EQ(mp3LengthMs(m25), 1440);
}

TEST(MediaLength, Mp3TagsInfoFramesAndGarbageDoNotCount) {
    // An ID3v2 tag whose body looks like frames is skipped as a whole.
    const std::string tagged = id3(mpeg1(3)) + mpeg1(10);
    EXPECT_EQ(mp3LengthMs(tagged), 261);

    // A first frame that carries an Info tag holds no audio.
    std::string info = frame(0xFB, 0x90, 417);
    info.replace(4 + 17, 4, "Info");
    EXPECT_EQ(mp3LengthMs(info + mpeg1(10)), 261);

    // Junk between frames, with a stray sync word, and a cut last frame.
    std::string junk = "junk\xFF\xFB\x90\xC0 more junk";
    std::string s = mpeg1(5) + junk + mpeg1(5) + frame(0xFB, 0x90, 417).substr(0, 200);
    EXPECT_EQ(mp3LengthMs(s), 261);

    EXPECT_EQ(mp3LengthMs(""), -1);
    EXPECT_EQ(mp3LengthMs(std::string(5000, '\xFF')), -1);  // layer I headers
    EXPECT_EQ(mp3LengthMs(id3("") + "plain text, no frames"), -1);
    // A tag that claims more than the file holds.
    EXPECT_EQ(mp3LengthMs(id3(mpeg1(2)).substr(0, 300)), -1);
}

}  // namespace
