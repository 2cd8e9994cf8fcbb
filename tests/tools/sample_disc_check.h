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

/// A Windows path under the disc's graphic folder.
inline std::string graphic(const std::string& relative) {
    return "D:\\velk_quran\\graphic\\" + relative;
}

/// True when two colours differ by at most `tolerance` in every channel.
inline bool near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

/// Mean absolute difference of two same-sized pictures over all channels.
inline double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

/// The background colour of the star pictures.
inline QRgb starFieldColour() {
    return platform::loadJpeg(graphic("main\\1\\script1\\3.jpg")).pixel(0, 0);
}

struct SkinCase {
    std::string folder;
    int width, height;  ///< the background picture and the area the buttons must lie in
    int buttons;
};

/// Reads a skin screen the way the program does and checks what it needs:
/// the background's size, the button count, each position in the
/// "LLL, TTT" form, buttons inside the screen and apart from one another,
/// and up, focus and down pictures of one size that look different.
/// Returns the buttons' rectangles.
inline std::vector<QRect> checkSkin(const SkinCase& c) {
    SCOPED_TRACE(c.folder);
    std::string folder = graphic(c.folder + "\\1\\");
    QImage bg = platform::loadJpeg(folder + c.folder + ".jpg");
    EXPECT_EQ(bg.size(), QSize(c.width, c.height));
    platform::IniFile layout(folder + c.folder + ".ini");
    int count = platform::strToInt(layout.readString("main", "ButtonsCount", "0"));
    EXPECT_EQ(count, c.buttons);
    std::vector<QRect> rects;
    for (int n = 1; n <= count; ++n) {
        SCOPED_TRACE(n);
        std::string value = layout.readString("BUTTONS", "b" + std::to_string(n), "0");
        if (value.size() < 8) {
            ADD_FAILURE() << "position value " << value;
            continue;
        }
        int left = platform::strToInt(value.substr(0, 3));
        int top = platform::strToInt(value.substr(5, 3));
        char nn[16];
        std::snprintf(nn, sizeof nn, "%02d", n);
        QImage up = platform::loadJpeg(folder + "buttons\\up\\" + nn + ".jpg");
        QImage focus = platform::loadJpeg(folder + "buttons\\focus\\" + nn + ".jpg");
        QImage down = platform::loadJpeg(folder + "buttons\\down\\" + nn + ".jpg");
        EXPECT_EQ(focus.size(), up.size());
        EXPECT_EQ(down.size(), up.size());
        QRect r(left, top, up.width(), up.height());
        EXPECT_TRUE(QRect(0, 0, c.width, c.height).contains(r));
        for (size_t k = 0; k < rects.size(); ++k)
            EXPECT_FALSE(rects[k].intersects(r)) << "overlaps button " << k + 1;
        rects.push_back(r);
        if (focus.size() == up.size() && down.size() == up.size()) {
            EXPECT_GT(meanDifference(up, focus), 6.0);
            EXPECT_GT(meanDifference(up, down), 6.0);
            EXPECT_GT(meanDifference(focus, down), 6.0);
        }
    }
    return rects;
}
