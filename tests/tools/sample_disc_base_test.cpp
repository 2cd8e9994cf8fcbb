// The sample disc as the program reads it: skin screens, stars, the about
// text, the fonts, the intro video, and the generator's own safety rules.
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "platform/rtf.h"
#include "support/screen_test.h"
#include "sample_disc_check.h"

namespace fs = std::filesystem;

namespace {

class SampleDisc : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setDrive('D', TestDiscFolder());
    }
};

TEST_F(SampleDisc, SkinScreensHaveLayoutsInsideTheScreenAndThreeDistinctPicturesPerButton) {
    const SkinCase screens[] = {{"main", 1024, 768, 16},
                                {"settings", 800, 600, 1},
                                {"about", 800, 600, 1},
                                {"company", 800, 600, 1}};
    for (const SkinCase& screen : screens) checkSkin(screen);
}

TEST_F(SampleDisc, SettingsBackgroundShowsLabelledWellsWhereTheCheckBoxesGo) {
    QImage bg = platform::loadJpeg(graphic("settings\\1\\settings.jpg"));
    for (int top : {219, 256}) {
        SCOPED_TRACE(top);
        EXPECT_GT(qGray(bg.pixel(551, top + 8)), 200) << "the box sits on a light well";
        int ink = 0;  // dark label text to the left of the box
        for (int y = top - 8; y < top + 22; ++y)
            for (int x = 300; x < 535; ++x) ink += qGray(bg.pixel(x, y)) < 110;
        EXPECT_GT(ink, 150);
    }
}

TEST_F(SampleDisc, AboutBackgroundMatchesTheTextBoxColourAroundIt) {
    QImage bg = platform::loadJpeg(graphic("about\\1\\about.jpg"));
    for (QPoint at : {QPoint(121, 91), QPoint(774, 479), QPoint(450, 300), QPoint(115, 300)})
        EXPECT_TRUE(near(bg.pixel(at), qRgb(236, 209, 118), 40)) << at.x() << "," << at.y();
}

TEST_F(SampleDisc, StarsShrinkInPlaceOnOneBackgroundColour) {
    for (const char* kind : {"script1", "script2"}) {
        SCOPED_TRACE(kind);
        int lastBright = 0;
        QRgb field = 0;
        for (int k = 1; k <= 3; ++k) {
            QImage star =
                platform::loadJpeg(graphic("main\\1\\") + kind + "\\" + std::to_string(k) + ".jpg");
            QImage full = platform::loadJpeg(graphic("main\\1\\") + kind + "\\3.jpg");
            EXPECT_EQ(star.size(), full.size());
            int bright = 0;
            for (int y = 0; y < star.height(); ++y)
                for (int x = 0; x < star.width(); ++x) bright += qGray(star.pixel(x, y)) > 140;
            EXPECT_GT(bright, lastBright) << "picture " << k << " is larger than " << k - 1;
            lastBright = bright;
            if (k == 1) field = star.pixel(0, 0);
            EXPECT_TRUE(near(star.pixel(0, 0), field, 8));
            EXPECT_TRUE(near(star.pixel(star.width() - 1, star.height() - 1), field, 8));
        }
        EXPECT_TRUE(near(field, starFieldColour(), 8));
    }
}

TEST_F(SampleDisc, AboutTextIsArabicRightToLeftRtfWithAnEnglishLine) {
    std::string bytes = platform::readFile("D:\\velk_quran\\data\\about.rtf");
    EXPECT_NE(bytes.find("\\ansicpg1256"), std::string::npos);
    EXPECT_NE(bytes.find("\\fcharset178"), std::string::npos);
    platform::RtfDocument doc = platform::parseRtf(bytes);
    ASSERT_TRUE(doc.isRtf);
    EXPECT_EQ(doc.codePage, 1256);
    int arabic = 0, english = 0;
    for (const auto& p : doc.paragraphs) {
        if (p.direction == platform::RtfDirection::RightToLeft) {
            EXPECT_EQ(p.align, platform::RtfAlign::Right);
            arabic += p.text().contains(QString::fromUtf8("القرآن")) ||
                      p.text().contains(QString::fromUtf8("البرنامج"));
        } else if (p.text().contains("ZAFIREL")) {
            english++;
        }
    }
    EXPECT_GE(arabic, 2);
    EXPECT_EQ(english, 1);
}

TEST_F(SampleDisc, FontsAreTrueTypeFilesAndTheIntroIsAnAsfVideo) {
    for (const char* name :
         {"gersys.fon", "frnsys.fon", "TRKSYS.FON", "artro.ttf", "simpo.ttf", "trado.ttf"}) {
        std::string font = platform::readFile(std::string("D:\\velk_quran\\fonts\\") + name);
        ASSERT_GT(font.size(), 1000u) << name;
        EXPECT_TRUE(font.compare(0, 4, std::string("\0\1\0\0", 4)) == 0 ||
                    font.compare(0, 4, "OTTO") == 0 || font.compare(0, 4, "true") == 0)
            << name;
    }
    std::string video = platform::readFile("D:\\velk_quran\\graphic\\1.wmv");
    const unsigned char asfHeader[] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11};
    ASSERT_GT(video.size(), 20000u);
    EXPECT_EQ(video.compare(0, 8, std::string(reinterpret_cast<const char*>(asfHeader), 8)), 0);
}

// The generator replaces only discs it made itself, and skips an up-to-date one.
TEST(SampleDiscGenerator, RebuildsOnlyItsOwnStaleDiscs) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    fs::path base = temp.path().toStdString();
    auto run = [](const std::vector<std::string>& args, QString* output = nullptr) {
        QProcess p;
        QStringList list;
        for (const auto& a : args) list << QString::fromStdString(a);
        p.start(QString(ZAFIREL_BUILD_DIR) + "/tools/sample_disc/sample_disc", list);
        p.waitForFinished(120000);
        if (output) *output = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };

    fs::path foreign = base / "mine";
    fs::create_directories(foreign);
    std::ofstream(foreign / "letter.txt") << "keep me";
    EXPECT_NE(run({"--only", "base", foreign.string()}), 0);
    EXPECT_TRUE(fs::exists(foreign / "letter.txt"));
    EXPECT_FALSE(fs::exists(foreign / "velk_quran"));

    fs::path disc = base / "disc";
    fs::create_directories(base / "disc.tmp" / "half");  // an interrupted earlier build
    std::ofstream(base / "disc.tmp" / ".sample_disc_building") << "incomplete";
    QString said;
    ASSERT_EQ(run({"--if-stale", "--only", "base", disc.string()}, &said), 0);
    EXPECT_TRUE(said.contains("built")) << said.toStdString();
    EXPECT_TRUE(fs::exists(disc / "velk_quran" / "graphic" / "main" / "1" / "main.jpg"));
    EXPECT_FALSE(fs::exists(base / "disc.tmp"));

    ASSERT_EQ(run({"--if-stale", "--only", "base", disc.string()}, &said), 0);
    EXPECT_TRUE(said.contains("up to date")) << said.toStdString();

    EXPECT_NE(run({"--only", "nonsense", disc.string()}), 0);
    EXPECT_TRUE(fs::exists(disc / "velk_quran" / "graphic" / "main" / "1" / "main.jpg"));
}

}  // namespace
