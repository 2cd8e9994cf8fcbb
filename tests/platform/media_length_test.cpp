// Lengths the simulated device reads from WAV and MP3 bytes built here.
#include <gtest/gtest.h>

#include "media_files.h"
#include "platform/sim_device.h"

using namespace platform;
using media_files::wav;

namespace {

// `s` with the bytes at `at` replaced by `bytes`.
std::string patched(std::string s, size_t at, const std::string& bytes) {
    return s.replace(at, bytes.size(), bytes);
}

// One MPEG audio layer III frame with the given header and a silent body.
std::string frame(uint8_t b1, uint8_t b2, size_t bytes, uint8_t b3 = 0xC0) {
    return std::string{'\xFF', char(b1), char(b2), char(b3)} + std::string(bytes - 4, '\0');
}

std::string times(int count, const std::string& s) {
    std::string out;
    for (int i = 0; i < count; ++i) out += s;
    return out;
}

// MPEG-1, 44.1 kHz, 128 kbit/s, mono: 417 bytes, 1152 samples.
std::string mpeg1(int count) {
    return times(count, frame(0xFB, 0x90, 417));
}

std::string id3(const std::string& body) {
    std::string t("ID3\x03\0\0", 6);
    const size_t n = body.size();
    for (int shift : {21, 14, 7, 0}) t += static_cast<char>((n >> shift) & 0x7F);
    return t + body;
}

TEST(MediaLength, WavLengthIsDataOverByteRate) {
    EXPECT_EQ(wavLengthMs(wav(1234)), 1234);
    EXPECT_EQ(wavLengthMs(wav(500, 44100, 2)), 500);
    // Chunks before the data chunk are skipped, odd ones with their pad byte.
    EXPECT_EQ(wavLengthMs(wav(750, 22050, 1, "INFOabc")), 750);
    EXPECT_EQ(wavLengthMs(wav(750, 22050, 1, "INFOab")), 750);
    // A data chunk claiming more than the file holds counts what is there:
    // 500 ms of 16-bit 8 kHz mono cut off, or a size left open by a stream.
    const std::string second = wav(1000);
    EXPECT_EQ(wavLengthMs(second.substr(0, second.size() - 8000)), 500);
    EXPECT_EQ(wavLengthMs(patched(second, second.find("data") + 4, "\xFF\xFF\xFF\xFF")), 1000);
}

TEST(MediaLength, BrokenWavHeadersAreRejectedWithoutReadingPastTheEnd) {
    const std::string good = wav(300);
    EXPECT_EQ(wavLengthMs(""), -1);
    EXPECT_EQ(wavLengthMs("RIFX" + good.substr(4)), -1);
    // Every cut inside the header: never a crash, never a length from nothing.
    const size_t header = good.find("data") + 8;
    for (size_t n = 0; n < header; ++n) EXPECT_EQ(wavLengthMs(good.substr(0, n)), -1) << n;
    EXPECT_EQ(wavLengthMs(good.substr(0, header)), 0);
    // No byte rate, no data chunk, a chunk size that would wrap around.
    EXPECT_EQ(wavLengthMs(patched(good, good.find("fmt ") + 16, std::string(4, '\0'))), -1);
    EXPECT_EQ(wavLengthMs(patched(good, good.find("data"), "junk")), -1);
    EXPECT_EQ(wavLengthMs(patched(good, good.find("fmt ") + 4, "\xF8\xFF\xFF\xFF")), -1);
}

TEST(MediaLength, Mp3FramesAreSummedPerVersion) {
    EXPECT_EQ(mp3LengthMs(mpeg1(100)), 2612);  // 100 * 1152 / 44100 s
    // MPEG-2, 22.05 kHz, 64 kbit/s: 208 bytes, 576 samples.
    EXPECT_EQ(mp3LengthMs(times(50, frame(0xF3, 0x80, 208))), 1306);
    // MPEG-2.5, 8 kHz, 8 kbit/s: 72 bytes, 72 ms; a padded frame is a byte longer.
    EXPECT_EQ(mp3LengthMs(times(10, frame(0xE3, 0x18, 72) + frame(0xE3, 0x1A, 73))), 1440);
}

TEST(MediaLength, Mp3TagsInfoFramesAndGarbageDoNotCount) {
    // An ID3v2 tag whose body looks like frames is skipped as a whole.
    EXPECT_EQ(mp3LengthMs(id3(mpeg1(3)) + mpeg1(10)), 261);

    // A first frame that carries an Info tag holds no audio.
    EXPECT_EQ(mp3LengthMs(patched(frame(0xFB, 0x90, 417), 4 + 17, "Info") + mpeg1(10)), 261);

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
