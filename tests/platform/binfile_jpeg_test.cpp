// Bounds of binary file reading, and JPEG pictures that are good, broken or hostile.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/binfile.h"
#include "platform/error.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "temp_folder.h"

using platform::PlatformError;

class DiscFileTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::setDrive('D', disc.path()); }
    void TearDown() override { platform::clearDrives(); }
    TempFolder disc;
};

TEST_F(DiscFileTest, BinaryReadsAreLittleEndianAndBounded) {
    disc.write("data/Index.bin", std::string("\x01\x02\x03\x04\xFF\xFF\xFF\xFF\x34\x12", 10));
    platform::BinaryFile f("D:\\DATA\\index.bin");
    EXPECT_EQ(f.size(), 10u);
    EXPECT_EQ(f.readU32(), 0x04030201u);
    EXPECT_EQ(f.readI32(), -1);
    EXPECT_EQ(f.readU16(), 0x1234);
    EXPECT_EQ(f.position(), 10u);
    EXPECT_THROW(f.readU8(), PlatformError);  // at the end
    f.seek(8);
    EXPECT_THROW(f.readU32(), PlatformError);  // two bytes left
    EXPECT_EQ(f.position(), 8u);               // a failed read does not move
    EXPECT_EQ(f.readBytes(2), "\x34\x12");
    f.seek(10);  // the end itself is a valid position
    EXPECT_EQ(f.readBytes(0), "");
    EXPECT_THROW(f.seek(11), PlatformError);
    // A length read from a corrupt file must fail before anything is allocated.
    f.seek(0);
    EXPECT_THROW(f.readBytes(uint64_t(1) << 62), PlatformError);
    EXPECT_THROW(f.readBytes(~uint64_t(0)), PlatformError);
    try {
        f.seek(1000);
        ADD_FAILURE();
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "Read error in file \"D:\\DATA\\index.bin\".");
    }
    try {
        platform::BinaryFile missing("D:\\data\\missing.bin");
        ADD_FAILURE();
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file \"D:\\data\\missing.bin\".");
    }
}

namespace {
QImage testPicture() {
    QImage image(40, 24, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    for (int y = 0; y < 24; ++y)
        for (int x = 20; x < 40; ++x) image.setPixelColor(x, y, QColor(20, 40, 220));
    return image;
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

// The message raised for `bytes`, or "" when they decode.
std::string decodeError(const std::string& bytes) {
    try {
        platform::decodeJpeg(bytes, "D:\\p.jpg");
        return "";
    } catch (const PlatformError& e) {
        return e.what();
    }
}
}  // namespace

TEST_F(DiscFileTest, JpegRoundTrip) {
    const std::string bytes = platform::encodeJpeg(testPicture(), 95);
    ASSERT_GT(bytes.size(), 100u);
    disc.write("graphic/Page.JPG", bytes);
    QImage image = platform::loadJpeg("D:\\graphic\\page.jpg");
    ASSERT_EQ(image.size(), QSize(40, 24));
    EXPECT_TRUE(near(image.pixelColor(5, 12), QColor(200, 30, 40)));
    EXPECT_TRUE(near(image.pixelColor(35, 12), QColor(20, 40, 220)));
    EXPECT_THROW(platform::loadJpeg("D:\\graphic\\missing.jpg"), PlatformError);
}

TEST_F(DiscFileTest, BrokenJpegsRaiseInsteadOfEndingTheProgram) {
    const std::string good = platform::encodeJpeg(testPicture(), 90);
    for (const std::string& bad :
         {std::string(), std::string("garbage that is no picture"), good.substr(0, 2),
          good.substr(0, 30), std::string(5000, '\xFF')}) {
        std::string message = decodeError(bad);
        EXPECT_EQ(message.rfind("Cannot read picture \"D:\\p.jpg\": ", 0), 0u)
            << "size " << bad.size() << ": " << message;
    }
    // Every truncation and every single-byte change either decodes or raises.
    for (size_t n = 0; n < good.size(); n += 7) decodeError(good.substr(0, n));
    for (size_t i = 0; i < good.size(); i += 3) {
        std::string bad = good;
        bad[i] = static_cast<char>(bad[i] ^ 0x5A);
        decodeError(bad);
    }
}

// An 8 by 8 colour progressive JPEG.
const std::string kProgressive(
    "\xFF\xD8\xFF\xDB\x00\x43\x00\xA0\x6E\x78\x8C\x78\x64\xA0\x8C\x82\x8C\xB4\xAA\xA0"
    "\xBE\xF0\xFF\xFF\xF0\xDC\xDC\xF0\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
    "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
    "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xDB\x00\x43\x01\xAA\xB4\xB4\xF0"
    "\xD2\xF0\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
    "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
    "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
    "\xFF\xC2\x00\x11\x08\x00\x08\x00\x08\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xFF"
    "\xC4\x00\x14\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\xFF\xC4\x00\x14\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\xFF\xDA\x00\x0C\x03\x01\x00\x02\x10\x03\x10\x00\x00\x00\x03\xFF\xC4"
    "\x00\x18\x10\x01\x01\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01"
    "\x02\x00\x11\x31\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00\x99\x03\x6F\x33\xFF\xC4"
    "\x00\x14\x11\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\xFF\xDA\x00\x08\x01\x02\x01\x01\x3F\x00\x7F\xFF\xC4\x00\x14\x11\x01\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xFF\xDA\x00\x08\x01\x03\x01"
    "\x01\x3F\x00\x7F\xFF\xD9",
    326);

// `bytes` with the frame header (FFC0 or FFC2) claiming `width` by `height` pixels.
std::string withSize(std::string bytes, int width, int height) {
    size_t sof = bytes.find("\xFF\xC0");
    if (sof == std::string::npos) sof = bytes.find("\xFF\xC2");
    EXPECT_NE(sof, std::string::npos);
    bytes[sof + 5] = static_cast<char>(height >> 8);
    bytes[sof + 6] = static_cast<char>(height & 0xFF);
    bytes[sof + 7] = static_cast<char>(width >> 8);
    bytes[sof + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

TEST_F(DiscFileTest, AHugeClaimedSizeIsRefusedBeforeMemoryIsTaken) {
    EXPECT_EQ(platform::decodeJpeg(kProgressive, "p").size(), QSize(8, 8));
    EXPECT_NE(
        decodeError(withSize(platform::encodeJpeg(testPicture()), 60000, 60000)).find("too large"),
        std::string::npos);
    EXPECT_NE(decodeError(withSize(kProgressive, 60000, 60000)).find("too large"),
              std::string::npos);
    // Within the size limit, a progressive picture's whole-picture buffers
    // would take gigabytes: libjpeg's memory is capped, and it raises.
    EXPECT_NE(decodeError(withSize(kProgressive, 16000, 16000)), "");
}
