// Bounds of binary file reading, and JPEG pictures that are broken or
// hostile. Good pictures, loaded by path with their colours, are what every
// screen test that tells its photos by colour stands on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include "platform/binfile.h"
#include "platform/controls.h"
#include "platform/error.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "temp_folder.h"

using platform::PlatformError;

namespace {
// The message `f` raises, or "" when it raises nothing.
template <class F>
std::string errorOf(F f) {
    try {
        f();
        return "";
    } catch (const PlatformError& e) {
        return e.what();
    }
}
}  // namespace

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
    EXPECT_EQ(errorOf([&] { f.seek(1000); }), "Read error in file \"D:\\DATA\\index.bin\".");
    EXPECT_EQ(errorOf([] { platform::BinaryFile("D:\\data\\missing.bin"); }),
              "Cannot open file \"D:\\data\\missing.bin\" (" +
                  (disc.path() / "data/missing.bin").string() + ").");
}

namespace {
QImage testPicture() {
    QImage image(40, 24, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    for (int y = 0; y < 24; ++y)
        for (int x = 20; x < 40; ++x) image.setPixelColor(x, y, QColor(20, 40, 220));
    return image;
}

// The message raised for `bytes`, or "" when they decode.
std::string decodeError(const std::string& bytes) {
    return errorOf([&] { platform::decodeJpeg(bytes, "D:\\p.jpg"); });
}
}  // namespace

TEST_F(DiscFileTest, BrokenJpegsRaiseInsteadOfEndingTheProgram) {
    const std::string good = platform::encodeJpeg(testPicture(), 90);
    for (const std::string& bad :
         {std::string(), std::string("garbage that is no picture"), std::string(5000, '\xFF')}) {
        std::string message = decodeError(bad);
        EXPECT_EQ(message.rfind("Cannot read picture \"D:\\p.jpg\": ", 0), 0u)
            << "size " << bad.size() << ": " << message;
    }
    // A picture that ends early is corrupt, wherever it ends: libjpeg would
    // fill the rest with grey.
    for (size_t n = 0; n < good.size(); ++n) ASSERT_NE(decodeError(good.substr(0, n)), "") << n;
    const size_t scan = good.find("\xFF\xDA"), inScan = scan + (good.size() - scan) / 2;
    EXPECT_THAT(decodeError(good.substr(0, inScan) + "\xFF\xD9"),
                testing::EndsWith("Corrupt JPEG data: premature end of data segment"));
}

// The picture as a progressive JPEG, written by Qt's own JPEG writer.
std::string progressive(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes.toStdString();
}

// `bytes` with the frame header (FFC0 or FFC2) claiming `width` by `height` pixels.
std::string withSize(std::string bytes, int width, int height) {
    const size_t sof = std::min(bytes.find("\xFF\xC0"), bytes.find("\xFF\xC2"));
    EXPECT_NE(sof, std::string::npos);
    return bytes.replace(
        sof + 5, 4, std::string{char(height >> 8), char(height), char(width >> 8), char(width)});
}

TEST_F(DiscFileTest, AHugeClaimedSizeIsRefusedBeforeMemoryIsTaken) {
    const std::string kProgressive = progressive(testPicture());
    ASSERT_NE(kProgressive.find("\xFF\xC2"), std::string::npos);  // progressive indeed
    EXPECT_EQ(platform::decodeJpeg(kProgressive, "p").size(), QSize(40, 24));
    // A file of some 600 bytes cannot hold 16000 by 16000 pixels, nor 2000 by
    // 2000: each 8x8 block takes at least a bit.
    for (const std::string& jpeg : {platform::encodeJpeg(testPicture()), kProgressive})
        for (int side : {16000, 2000})
            EXPECT_NE(decodeError(withSize(jpeg, side, side)).find("too large"), std::string::npos)
                << jpeg.size() << " bytes, " << side;
    // 8192 is the longest side, whatever the file size.
    QImage strip(8192, 8, QImage::Format_RGB32);
    strip.fill(Qt::gray);
    EXPECT_EQ(platform::decodeJpeg(platform::encodeJpeg(strip), "p").width(), 8192);
    EXPECT_NE(decodeError(withSize(platform::encodeJpeg(strip), 8193, 8)).find("too large"),
              std::string::npos);
}

TEST_F(DiscFileTest, APictureFarLargerThanItIsShownIsDecodedAtAReducedScale) {
    const std::string bytes = platform::encodeJpeg(testPicture().scaled(256, 128), 90);
    const QImage own = platform::decodeJpeg(bytes, "p");
    ASSERT_EQ(own.size(), QSize(256, 128));
    const struct {
        QSize shownAt, decoded;
    } cases[] = {
        {{}, {256, 128}},                               // no size given
        {{1024, 768}, {256, 128}},                      // smaller than shown
        {{256, 128}, {256, 128}},                       // exactly as shown
        {{200, 100}, {256, 128}},                       // not twice as large
        {{128, 100}, {256, 128}},                       // twice as wide only
        {{128, 64}, {128, 64}},                         // half
        {{100, 20}, {128, 64}},                         // a quarter would not cover 100
        {{40, 30}, {64, 32}},      {{1, 1}, {32, 16}},  // an eighth at the least
    };
    for (const auto& c : cases) {
        const QImage image = platform::decodeJpeg(bytes, "p", c.shownAt);
        EXPECT_EQ(image.size(), c.decoded) << c.shownAt.width() << "x" << c.shownAt.height();
        if (image.size() == own.size()) {
            EXPECT_EQ(image, own);  // pixel for pixel
        }
    }
    // Reduced, the picture keeps its colours: red on the left, blue on the right.
    const QImage eighth = platform::decodeJpeg(bytes, "p", {1, 1});
    EXPECT_GT(eighth.pixelColor(4, 8).red(), 150);
    EXPECT_GT(eighth.pixelColor(28, 8).blue(), 150);

    // A picture control asks for the display's size (1024 by 768), or for its
    // own when it is stretched over more: a 4096 by 4096 page costs 4 MB, not 64 MB.
    QImage huge(4096, 4096, QImage::Format_RGB32);
    huge.fill(Qt::white);
    disc.write("huge.jpg", platform::encodeJpeg(huge, 50));
    huge = QImage();
    platform::ImageControl shown;
    shown.setAutoSize(true);
    shown.loadPicture("D:\\huge.jpg");
    EXPECT_EQ(shown.picture().size(), QSize(1024, 1024));
    EXPECT_EQ(shown.size(), QSize(1024, 1024));
    platform::ImageControl stretched;
    stretched.setStretch(true);
    stretched.resize(1500, 1000);
    stretched.loadPicture("D:\\huge.jpg");
    EXPECT_EQ(stretched.picture().size(), QSize(2048, 2048));
}

TEST(Jpeg, CmykAndYcckPicturesOfImageProgramsShowTheirColours) {
    for (const char* name : {"cmyk-pillow.jpg", "ycck-imagemagick.jpg"}) {
        const QImage image =
            platform::decodeJpeg(readHostFile(testData(std::string("jpeg/") + name)), name);
        ASSERT_EQ(image.size(), QSize(64, 64)) << name;
        const struct {
            QPoint at;
            QColor colour;
        } squares[] = {{{16, 16}, QColor(255, 0, 0)},
                       {{48, 16}, QColor(0, 255, 0)},
                       {{16, 48}, QColor(0, 0, 255)},
                       {{48, 48}, QColor(100, 100, 100)}};
        for (const auto& square : squares) {
            const QColor seen = image.pixelColor(square.at);
            EXPECT_LE(std::abs(seen.red() - square.colour.red()) +
                          std::abs(seen.green() - square.colour.green()) +
                          std::abs(seen.blue() - square.colour.blue()),
                      12)
                << name << " at " << square.at.x() << "," << square.at.y() << ": "
                << seen.name().toStdString();
        }
    }
}
