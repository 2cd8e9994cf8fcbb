// Number conversion and the mapping of Windows paths onto host folders.
#include <gtest/gtest.h>

#include <climits>

#include "platform/error.h"
#include "platform/paths.h"
#include "temp_folder.h"

using platform::hostPath;
using platform::PlatformError;
using platform::strToInt;

TEST(StrToInt, AcceptsWhatTheProgramAlwaysAccepted) {
    EXPECT_EQ(strToInt("0"), 0);
    EXPECT_EQ(strToInt("045"), 45);  // leading zeros of layout fields
    EXPECT_EQ(strToInt("  5"), 5);   // leading blanks of layout fields
    EXPECT_EQ(strToInt("+7"), 7);
    EXPECT_EQ(strToInt("-12"), -12);
    EXPECT_EQ(strToInt("$1F"), 31);
    EXPECT_EQ(strToInt("0x1f"), 31);
    EXPECT_EQ(strToInt("-$10"), -16);
    EXPECT_EQ(strToInt("2147483647"), INT_MAX);
    EXPECT_EQ(strToInt("-2147483648"), INT_MIN);
    EXPECT_EQ(strToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(strToInt("-$80000000"), INT_MIN);
}

TEST(StrToInt, RejectsEverythingElseWithTheUsersMessage) {
    for (const char* bad : {"", " ", "-", "$", "0x", "12 ", "1 2", "1e3", "abc", "1.5",
                            "2147483648", "-2147483649", "$100000000", "99999999999999999999"}) {
        try {
            strToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const PlatformError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
        int v = 77;
        EXPECT_FALSE(platform::tryStrToInt(bad, v)) << bad;
    }
}

class PathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setDrive('d', disc.path());
        disc.write("Velk_Quran/Graphic/Main/1/MAIN.jpg", "x");
    }
    void TearDown() override { platform::clearDrives(); }
    TempFolder disc;
};

TEST_F(PathsTest, EveryComponentIsMatchedWithoutRegardToCase) {
    const auto real = disc.path() / "Velk_Quran/Graphic/Main/1/MAIN.jpg";
    EXPECT_EQ(hostPath("D:\\velk_quran\\graphic\\main\\1\\main.jpg"), real);
    EXPECT_EQ(hostPath("d:\\VELK_QURAN\\GRAPHIC\\MAIN\\1\\Main.JPG"), real);
    EXPECT_EQ(hostPath("D:/velk_quran/graphic//main\\.\\1\\main.jpg"), real);
    EXPECT_TRUE(platform::fileExists("D:\\VELK_QURAN\\graphic\\main\\1\\main.jpg"));
    EXPECT_EQ(platform::readFile("D:\\velk_quran\\graphic\\main\\1\\main.jpg"), "x");
}

TEST_F(PathsTest, AMissingTailKeepsItsSpelling) {
    EXPECT_EQ(hostPath("D:\\velk_quran\\NewFolder\\Sub\\File.INI"),
              disc.path() / "Velk_Quran/NewFolder/Sub/File.INI");
    EXPECT_FALSE(platform::fileExists("D:\\velk_quran\\NewFolder\\Sub\\File.INI"));
}

TEST_F(PathsTest, DotDotNeverClimbsAboveTheDrive) {
    EXPECT_EQ(hostPath("D:\\..\\..\\etc\\passwd"), disc.path() / "etc/passwd");
    EXPECT_EQ(hostPath("D:\\velk_quran\\..\\..\\..\\x"), disc.path() / "x");
    EXPECT_EQ(hostPath("D:\\velk_quran\\graphic\\..\\graphic\\main"),
              disc.path() / "Velk_Quran/Graphic/Main");
    // The drive folder may be given with a trailing slash (ZAFIREL_DISC=/media/cd/).
    platform::setDrive('E', disc.path().string() + "/");
    const auto escaped = hostPath("E:\\velk_quran\\..\\..\\x");
    EXPECT_EQ(escaped.parent_path().lexically_normal(), disc.path().lexically_normal());
}

TEST_F(PathsTest, UnmappedDrivesAndRelativePathsGiveNoPath) {
    EXPECT_TRUE(hostPath("Q:\\velk_quran").empty());
    EXPECT_TRUE(hostPath("velk_quran\\graphic").empty());
    EXPECT_TRUE(hostPath("D:").empty());
    EXPECT_TRUE(hostPath("").empty());
    EXPECT_THROW(platform::readFile("Q:\\x.txt"), PlatformError);
    try {
        platform::readFile("D:\\velk_quran\\missing.rtf");
        ADD_FAILURE();
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file \"D:\\velk_quran\\missing.rtf\".");
    }
    // A folder is not a file.
    EXPECT_FALSE(platform::fileExists("D:\\velk_quran"));
    EXPECT_THROW(platform::readFile("D:\\velk_quran"), PlatformError);
}
