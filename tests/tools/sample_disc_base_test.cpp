// The sample disc as the program reads it: skin screens, stars, the about
// text, the fonts, the intro video, and the generator's own safety rules.
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "platform/rtf.h"
#include "support/screen_test.h"
#include "sample_disc_check.h"

namespace fs = std::filesystem;

namespace {

using SampleDisc = SampleDiscTest;

TEST_F(SampleDisc, SkinScreensAndTheirBackgrounds) {
    for (const SkinCase& screen : {SkinCase{"main", 1024, 768, 16},
                                   {"settings", 800, 600, 1},
                                   {"about", 800, 600, 1},
                                   {"company", 800, 600, 1}})
        checkSkin(screen);

    // The settings screen shows labelled light wells where the check boxes go.
    const QImage settings = picture("settings\\1\\settings.jpg");
    for (int top : {219, 256}) {
        EXPECT_GT(qGray(settings.pixel(551, top + 8)), 200) << top;
        int ink = 0;  // dark label text to the left of the box
        for (int y = top - 8; y < top + 22; ++y)
            for (int x = 300; x < 535; ++x) ink += qGray(settings.pixel(x, y)) < 110;
        EXPECT_GT(ink, 150) << top;
    }
    // The about background matches the text box colour around it, and the box
    // sits in the middle of the frame.
    const QImage about = picture("about\\1\\about.jpg");
    const QRgb text = qRgb(236, 209, 118);
    for (QPoint at : {QPoint(121, 91), QPoint(774, 479), QPoint(450, 300)})
        EXPECT_LE(colourDistance(about.pixel(at), text), 40) << at.x() << "," << at.y();
    auto toGold = [&](int step) {  // from the box's edge to the frame's first gold rule
        int x = 450;
        while (colourDistance(about.pixel(x, 300), text) <= 40) x += step;
        const int edge = x;
        while (x > 0 && x < 799 && colourDistance(about.pixel(x, 300), qRgb(212, 175, 55)) > 50)
            x += step;
        return std::abs(x - edge);
    };
    EXPECT_NEAR(toGold(-1), toGold(+1), 2) << "the box is off the frame's centre";
}

TEST_F(SampleDisc, StarsGrowInPlaceOnOneBackgroundColour) {
    for (const std::string kind : {"script1", "script2"}) {
        int lastBright = 0;
        for (int k = 1; k <= 3; ++k) {
            const QImage star = picture("main\\1\\" + kind + "\\" + std::to_string(k) + ".jpg");
            EXPECT_EQ(star.size(), picture("main\\1\\" + kind + "\\3.jpg").size()) << kind;
            int bright = 0;
            for (int y = 0; y < star.height(); ++y)
                for (int x = 0; x < star.width(); ++x) bright += qGray(star.pixel(x, y)) > 140;
            EXPECT_GT(bright, lastBright) << kind << " picture " << k;
            lastBright = bright;
            for (QPoint corner : {QPoint(0, 0), QPoint(star.width() - 1, star.height() - 1)})
                EXPECT_LE(colourDistance(star.pixel(corner), starFieldColour()), 8) << kind << k;
        }
    }
}

TEST_F(SampleDisc, AboutTextIsArabicRightToLeftRtfWithAnEnglishLine) {
    const std::string bytes = platform::readFile("D:\\velk_quran\\data\\about.rtf");
    EXPECT_NE(bytes.find("\\ansicpg1256"), std::string::npos);
    EXPECT_NE(bytes.find("\\fcharset178"), std::string::npos);
    const platform::RtfDocument doc = platform::parseRtf(bytes);
    ASSERT_TRUE(doc.isRtf);
    EXPECT_EQ(doc.codePage, 1256);
    int arabic = 0, english = 0;
    for (const auto& p : doc.paragraphs) {
        if (p.direction == platform::RtfDirection::RightToLeft) {
            EXPECT_EQ(p.align, platform::RtfAlign::Right);
            arabic += p.text().contains(QString::fromUtf8("القرآن")) ||
                      p.text().contains(QString::fromUtf8("البرنامج"));
        } else {
            english += p.text().contains("ZAFIREL");
        }
    }
    EXPECT_GE(arabic, 2);
    EXPECT_EQ(english, 1);
}

TEST_F(SampleDisc, FontsAreTrueTypeFilesAndTheIntroIsAnAsfVideo) {
    for (const char* name :
         {"gersys.fon", "frnsys.fon", "TRKSYS.FON", "artro.ttf", "simpo.ttf", "trado.ttf"}) {
        const std::string font = platform::readFile(std::string("D:\\velk_quran\\fonts\\") + name);
        const std::string magic = font.substr(0, 4);
        EXPECT_GT(font.size(), 1000u) << name;
        EXPECT_TRUE(magic == std::string("\0\1\0\0", 4) || magic == "OTTO" || magic == "true")
            << name;
    }
    const std::string video = platform::readFile("D:\\velk_quran\\graphic\\1.wmv");
    EXPECT_GT(video.size(), 20000u);
    EXPECT_EQ(video.substr(0, 8), "\x30\x26\xB2\x75\x8E\x66\xCF\x11");
}

// The generator replaces only discs it made itself, and skips an up-to-date one.
TEST(SampleDiscGenerator, RebuildsOnlyItsOwnStaleDiscs) {
    QTemporaryDir temp;
    const fs::path base = temp.path().toStdString(), disc = base / "disc";
    QString said;
    auto run = [&said](const QStringList& args) {
        QProcess p;
        p.start(QString(ZAFIREL_BUILD_DIR) + "/tools/sample_disc/sample_disc", args);
        p.waitForFinished(120000);
        said = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    auto path = [](const fs::path& p) { return QString::fromStdString(p.string()); };

    fs::create_directories(base / "mine");
    std::ofstream(base / "mine" / "letter.txt") << "keep me";
    EXPECT_NE(run({"--only", "base", path(base / "mine")}), 0);
    EXPECT_TRUE(fs::exists(base / "mine" / "letter.txt"));
    EXPECT_FALSE(fs::exists(base / "mine" / "velk_quran"));

    fs::create_directories(base / "disc.tmp" / "half");  // an interrupted earlier build
    std::ofstream(base / "disc.tmp" / ".sample_disc_building") << "incomplete";
    ASSERT_EQ(run({"--if-stale", "--only", "base", path(disc)}), 0);
    EXPECT_TRUE(said.contains("built")) << said.toStdString();
    const fs::path built = disc / "velk_quran" / "graphic" / "main" / "1" / "main.jpg";
    EXPECT_TRUE(fs::exists(built));
    EXPECT_FALSE(fs::exists(base / "disc.tmp"));
    ASSERT_EQ(run({"--if-stale", "--only", "base", path(disc)}), 0);
    EXPECT_TRUE(said.contains("up to date")) << said.toStdString();
    EXPECT_NE(run({"--only", "nonsense", path(disc)}), 0);
    EXPECT_TRUE(fs::exists(built));
}

}  // namespace
