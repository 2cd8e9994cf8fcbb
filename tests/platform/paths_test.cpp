// Number conversion and the mapping of Windows paths onto host folders.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

#include "platform/error.h"
#include "platform/paths.h"
#include "temp_folder.h"

using platform::hostPath;
using platform::PlatformError;
using platform::strToInt;
using testing::StrEq;
using testing::ThrowsMessage;

TEST(StrToInt, AcceptsWhatTheProgramAlwaysAcceptedAndRejectsTheRestWithTheUsersMessage) {
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

    for (const std::string bad :
         {"", " ", "-", "$", "0x", "12 ", "1 2", "1e3", "abc", "1.5", "2147483648", "-2147483649",
          "$100000000", "99999999999999999999"}) {
        EXPECT_THAT(
            [&] { strToInt(bad); },
            ThrowsMessage<PlatformError>(StrEq("'" + bad + "' is not a valid integer value")));
        int v = 77;
        EXPECT_FALSE(platform::tryStrToInt(bad, v)) << bad;
    }
    // Disc bytes are quoted in their code page (1256 unless told), typed text as UTF-8.
    EXPECT_THAT([] { strToInt("\xD3\xC8\xDA"); },
                ThrowsMessage<PlatformError>(StrEq("'سبع' is not a valid integer value")));
    EXPECT_THAT([] { strToInt("٣x", platform::kUtf8CodePage); },
                ThrowsMessage<PlatformError>(StrEq("'٣x' is not a valid integer value")));
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

TEST_F(PathsTest, EveryExistingComponentIsMatchedWithoutRegardToCase) {
    const auto real = disc.path() / "Velk_Quran/Graphic/Main/1/MAIN.jpg";
    EXPECT_EQ(hostPath("D:\\velk_quran\\graphic\\main\\1\\main.jpg"), real);
    EXPECT_EQ(hostPath("d:\\VELK_QURAN\\GRAPHIC\\MAIN\\1\\Main.JPG"), real);
    EXPECT_EQ(hostPath("D:/velk_quran/graphic//main\\.\\1\\main.jpg"), real);
    EXPECT_TRUE(platform::fileExists("D:\\VELK_QURAN\\graphic\\main\\1\\main.jpg"));
    EXPECT_EQ(platform::readFile("D:\\velk_quran\\graphic\\main\\1\\main.jpg"), "x");
    // A missing tail keeps its spelling.
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
    for (const char* path : {"Q:\\velk_quran", "velk_quran\\graphic", "D:", ""})
        EXPECT_TRUE(hostPath(path).empty()) << path;
    // The message names the host file beside the Windows path.
    EXPECT_THAT([] { platform::readFile("D:\\velk_quran\\missing.rtf"); },
                ThrowsMessage<PlatformError>(
                    StrEq("Cannot open file \"D:\\velk_quran\\missing.rtf\" (" +
                          (disc.path() / "Velk_Quran/missing.rtf").string() + ").")));
    EXPECT_THAT([] { platform::readFile("Q:\\x.txt"); },
                ThrowsMessage<PlatformError>(
                    StrEq("Cannot open file \"Q:\\x.txt\" (not on any folder of this computer).")));
    // A folder is not a file.
    EXPECT_FALSE(platform::fileExists("D:\\velk_quran"));
    EXPECT_THROW(platform::readFile("D:\\velk_quran"), PlatformError);
}

// Where the program looks for its disc, and what it says when the folder it
// chose holds none.
class DiscRootTest : public ::testing::Test {
  protected:
    void SetUp() override { unsetenv("ZAFIREL_DISC"); }
    void TearDown() override { unsetenv("ZAFIREL_DISC"); }
    TempFolder tmp;
};

TEST_F(DiscRootTest, TheProgramFolderComesBeforeTheSampleDiscsAndAnyLetterCaseCounts) {
    const auto program = tmp.path() / "bin", first = tmp.path() / "a", second = tmp.path() / "b";
    tmp.write("b/Velk_Quran/graphic/1.wmv", "x");
    auto choice = platform::findDiscRoot(program, {first, second});
    EXPECT_EQ(choice.root, second);
    EXPECT_EQ(choice.source, platform::DiscSource::SampleDisc);
    EXPECT_TRUE(platform::holdsDisc(choice.root));

    // An imported disc comes before the sample discs; one without its folder is passed over.
    const auto imported = tmp.path() / "discs" / "new", gone = tmp.path() / "discs" / "gone";
    tmp.write("discs/new/velk_quran/data/x", "x");
    choice = platform::findDiscRoot(program, {first, second}, {gone, imported});
    EXPECT_EQ(choice.root, imported);
    EXPECT_EQ(choice.source, platform::DiscSource::ImportedDisc);

    tmp.write("bin/VELK_QURAN/data/x", "x");
    choice = platform::findDiscRoot(program, {first, second}, {imported});
    EXPECT_EQ(choice.root, program);
    EXPECT_EQ(choice.source, platform::DiscSource::ProgramFolder);
}

// What the message says when ZAFIREL_DISC names an empty folder is checked on
// the installed program (tests/e2e/install.sh).
TEST_F(DiscRootTest, AFolderWithoutTheDiscIsToldWithWhyItWasTried) {
    const auto program = tmp.path() / "bin";
    auto choice = platform::findDiscRoot(program, {tmp.path() / "a", tmp.path() / "user"});
    EXPECT_EQ(choice.root, tmp.path() / "user") << "the last sample place is the one to make";
    std::string message = platform::noDiscMessage(choice, program);
    for (const std::string& part :
         {(tmp.path() / "user").string(), program.string(), std::string("ZAFIREL_DISC is not set")})
        EXPECT_NE(message.find(part), std::string::npos) << part << "\n" << message;

    // ZAFIREL_DISC wins over a sample disc; naming velk_quran itself gets a hint.
    tmp.write("cd/velk_quran/graphic/1.wmv", "x");
    const auto deep = tmp.path() / "cd" / "velk_quran";
    setenv("ZAFIREL_DISC", (deep.string() + "/").c_str(), 1);
    choice = platform::findDiscRoot(program, {tmp.path() / "cd"});
    EXPECT_FALSE(platform::holdsDisc(choice.root));
    message = platform::noDiscMessage(choice, program);
    EXPECT_NE(message.find("the velk_quran folder itself"), std::string::npos) << message;
}
