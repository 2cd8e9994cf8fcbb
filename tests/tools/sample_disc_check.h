// Checks shared by the sample disc tests.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "support/screen_test.h"

/// A test of the sample disc built for the test run, which it reads as drive D.
class SampleDiscTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setDrive('D', TestDiscFolder());
    }
};

/// Little-endian fields of a data file's bytes.
inline int u8(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]);
}
inline int u16(const std::string& b, size_t at) {
    return u8(b, at) | u8(b, at + 1) << 8;
}
inline uint32_t u32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(u16(b, at)) | static_cast<uint32_t>(u16(b, at + 2)) << 16;
}

/// A picture under the disc's graphic folder, named by a Windows path below it.
inline QImage picture(const std::string& relative) {
    return platform::loadJpeg("D:\\velk_quran\\graphic\\" + relative);
}

/// The largest difference of two colours in one channel.
inline int colourDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

/// Mean absolute difference of two same-sized pictures over all channels.
inline double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16})
                sum += std::abs(static_cast<int>(a.pixel(x, y) >> shift & 0xFF) -
                                static_cast<int>(b.pixel(x, y) >> shift & 0xFF));
    return sum / (3.0 * a.width() * a.height());
}

/// The background colour of the star pictures.
inline QRgb starFieldColour() {
    return picture("main\\1\\script1\\3.jpg").pixel(0, 0);
}

struct SkinCase {
    std::string folder;
    int width, height;  ///< the background picture and the area the buttons must lie in
    int buttons;
    std::vector<QRect> controls = {};  ///< where the program puts its own controls
    bool perLanguage = true;           ///< pictures under <folder>\1\, not in <folder> itself
};

/// Reads a skin screen the way the program does and checks what it needs:
/// the background's size, the button count, each position in the "LLL, TTT"
/// form, buttons inside the screen, apart from one another and from the
/// screen's controls, and up, focus and down pictures of one size that look
/// different.
inline void checkSkin(const SkinCase& c) {
    SCOPED_TRACE(c.folder);
    const std::string folder = c.folder + (c.perLanguage ? "\\1\\" : "\\");
    EXPECT_EQ(picture(folder + c.folder + ".jpg").size(), QSize(c.width, c.height));
    platform::IniFile layout("D:\\velk_quran\\graphic\\" + folder + c.folder + ".ini");
    const int count = platform::strToInt(layout.readString("main", "ButtonsCount", "0"));
    EXPECT_EQ(count, c.buttons);
    std::vector<QRect> rects;
    for (int n = 1; n <= count; ++n) {
        SCOPED_TRACE(n);
        const std::string value = layout.readString("BUTTONS", "b" + std::to_string(n), "0");
        ASSERT_GE(value.size(), 8u) << "position value " << value;
        char name[16];
        std::snprintf(name, sizeof name, "%02d.jpg", n);
        const char* const kinds[] = {"up", "focus", "down"};
        QImage states[3];
        for (int i = 0; i < 3; ++i)
            states[i] = picture(folder + "buttons\\" + kinds[i] + "\\" + name);
        const QRect r(platform::strToInt(value.substr(0, 3)),
                      platform::strToInt(value.substr(5, 3)), states[0].width(),
                      states[0].height());
        EXPECT_TRUE(QRect(0, 0, c.width, c.height).contains(r));
        for (const QRect& other : rects) EXPECT_FALSE(other.intersects(r));
        for (const QRect& control : c.controls) EXPECT_FALSE(control.intersects(r));
        rects.push_back(r);
        for (auto [a, b] : {std::pair{0, 1}, {0, 2}, {1, 2}}) {
            ASSERT_EQ(states[b].size(), states[a].size());
            EXPECT_GT(meanDifference(states[a], states[b]), 6.0);
        }
    }
}
