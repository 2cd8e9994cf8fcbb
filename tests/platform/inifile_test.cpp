// INI files with the private-profile rules, in memory and on disk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "temp_folder.h"

using platform::iniRead;
using platform::iniWrite;
using platform::PlatformError;
using testing::StrEq;
using testing::ThrowsMessage;

TEST(IniRead, FollowsThePrivateProfileRules) {
    const std::string text =
        "; comment line\r\n"
        "[ Settings ]\r\n"
        "  Settings_Doaa  =  1  \r\n"
        "settings_doaa=2\r\n"
        "quoted=\"  a b  \"\r\n"
        "single='x'\r\n"
        "half=\"abc\r\n"
        "eq=a=b\r\n"
        "no equals sign\r\n"
        "empty=\r\n"
        "[settings]\r\n"
        "settings_doaa=3\r\n"
        "[other]\r\n"
        "other_key=4\r\n";
    // Section and key without regard to case, value trimmed, first match wins.
    EXPECT_EQ(iniRead(text, "SETTINGS", "settings_DOAA", "0"), "1");
    EXPECT_EQ(iniRead(text, "settings", "quoted", ""), "  a b  ");
    EXPECT_EQ(iniRead(text, "settings", "single", ""), "x");
    EXPECT_EQ(iniRead(text, "settings", "half", ""), "\"abc");
    EXPECT_EQ(iniRead(text, "settings", "eq", ""), "a=b");
    EXPECT_EQ(iniRead(text, "settings", "empty", "def"), "");
    // Missing key, key of another section, missing section: the default.
    EXPECT_EQ(iniRead(text, "settings", "settings_enter", "0"), "0");
    EXPECT_EQ(iniRead(text, "settings", "other_key", "0"), "0");
    EXPECT_EQ(iniRead(text, "other", "other_key", "0"), "4");
    EXPECT_EQ(iniRead(text, "missing", "settings_doaa", "d"), "d");
    EXPECT_EQ(iniRead("", "settings", "k", "d"), "d");
    // LF-only files and a last line without a line break.
    EXPECT_EQ(iniRead("[a]\nk=v", "a", "k", ""), "v");
    // Values are cut to 2047 characters.
    EXPECT_EQ(iniRead("[a]\nk=" + std::string(3000, 'z'), "a", "k", "").size(), 2047u);

    // A whole section at once, each key as iniRead reads it.
    using Keys = std::vector<std::pair<std::string, std::string>>;
    const Keys keys = platform::iniSection(text, "settings");
    ASSERT_EQ(keys.size(), 7u);
    EXPECT_EQ(keys[0], (Keys::value_type{"Settings_Doaa", "1"}));
    EXPECT_EQ(keys[2].second, "  a b  ");
    EXPECT_EQ(platform::iniSection(text, "other"), (Keys{{"other_key", "4"}}));
    EXPECT_TRUE(platform::iniSection(text, "missing").empty());
}

TEST(IniWrite, ChangesOneKeyAndKeepsEveryOtherByte) {
    const std::string text =
        "; settings of the reader\r\n"
        "[Settings]\r\n"
        "settings_doaa = 0\r\n"
        "settings_enter=0\r\n"
        "\r\n"
        "[other]\r\n"
        "settings_doaa=9\r\n";
    EXPECT_EQ(iniWrite(text, "settings", "settings_doaa", "1"),
              "; settings of the reader\r\n[Settings]\r\nsettings_doaa=1\r\nsettings_enter=0\r\n"
              "\r\n[other]\r\nsettings_doaa=9\r\n");
    // A missing key goes after the last line of its section.
    EXPECT_EQ(iniWrite(text, "SETTINGS", "settings_enter_sora", "18"),
              "; settings of the reader\r\n[Settings]\r\nsettings_doaa = 0\r\nsettings_enter=0\r\n"
              "settings_enter_sora=18\r\n\r\n[other]\r\nsettings_doaa=9\r\n");
    // A missing section goes at the end.
    EXPECT_EQ(iniWrite(text, "remarks", "count", "0"), text + "[remarks]\r\ncount=0\r\n");
    // Line breaks follow the file; a last line without one gets one.
    EXPECT_EQ(iniWrite("[a]\nx=1\n", "a", "y", "2"), "[a]\nx=1\ny=2\n");
    EXPECT_EQ(iniWrite("[a]\r\nx=1", "a", "y", "2"), "[a]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(iniWrite("[a]\r\nx=1", "b", "y", "2"), "[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    EXPECT_EQ(iniWrite("", "settings", "k", "5"), "[settings]\r\nk=5\r\n");
    // Only the first of two equal keys changes.
    EXPECT_EQ(iniWrite("[A]\nk=1\nk=2\n", "a", "k", "3"), "[A]\nk=3\nk=2\n");
}

TEST(IniWrite, SeveralKeysAtOnceGiveWhatOneKeyAfterAnotherGives) {
    // Keys found, missing, given twice and in another case, into sections
    // found, missing, empty, last without a line break, or followed by blank lines.
    const platform::IniKeys keys = {{"count", "2"}, {"sora2", "18"}, {"aya2", "10"},
                                    {"COUNT", "3"}, {"sora1", "1"},  {"x", ""}};
    const char* texts[] = {"",
                           "[remarks]\r\ncount=1\r\nsora1=5\r\naya1=6\r\n",
                           "[Remarks]\nsora1 = 5\nSORA1=7\n\n\n[other]\ncount=9\n",
                           "[other]\r\nk=1",
                           "[remarks]",
                           "[remarks]\r\naya2=4",
                           "; c\r\n[remarks]\r\n\r\n[remarks]\r\ncount=8\r\n"};
    for (const char* text : texts) {
        std::string oneByOne = text;
        for (const auto& [key, value] : keys) oneByOne = iniWrite(oneByOne, "remarks", key, value);
        EXPECT_EQ(iniWrite(text, "remarks", keys), oneByOne) << text;
    }
    EXPECT_EQ(iniWrite("[a]\nk=1", "a", platform::IniKeys{}), "[a]\nk=1");
}

class IniFileTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::setDrive('C', driveC.path()); }
    void TearDown() override { platform::clearDrives(); }

    // The names in the folder, to see that no temporary file is left behind.
    std::vector<std::string> names(const std::filesystem::path& dir) const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(dir))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    TempFolder driveC;
};

TEST_F(IniFileTest, WritesReachTheDiskAtOnceAndLeaveNothingElse) {
    platform::IniFile ini("c:\\quran_setting.ini");
    EXPECT_EQ(ini.readString("settings", "settings_enter", "0"), "0");  // no file yet
    ini.writeInteger("settings", "settings_enter_sora", 18);
    ini.writeString("settings", "settings_enter_aya", "10");
    EXPECT_EQ(driveC.read("quran_setting.ini"),
              "[settings]\r\nsettings_enter_sora=18\r\nsettings_enter_aya=10\r\n");
    // Another object on the same file sees the values (no caching).
    platform::IniFile other("C:\\QURAN_SETTING.INI");
    EXPECT_EQ(other.readString("Settings", "SETTINGS_ENTER_AYA", "0"), "10");
    other.writeInteger("settings", "settings_enter_aya", 11);
    EXPECT_EQ(ini.readString("settings", "settings_enter_aya", "0"), "11");
    EXPECT_EQ(names(driveC.path()), std::vector<std::string>{"quran_setting.ini"});
}

TEST_F(IniFileTest, AFailedWriteRaisesAndChangesNothing) {
    // The target is a folder: it can be neither read nor replaced.
    std::filesystem::create_directories(driveC.path() / "dir.ini");
    platform::IniFile folder("c:\\dir.ini");
    EXPECT_EQ(folder.readString("a", "b", "def"), "def");
    EXPECT_THAT([&] { folder.writeString("a", "b", "1"); },
                ThrowsMessage<PlatformError>(
                    StrEq("Unable to write to " + platform::quotedPath("c:\\dir.ini") + ".")));
    // A file standing where a folder should be, and an unmapped drive.
    driveC.write("file", "keep");
    for (const char* path : {"c:\\file\\x.ini", "q:\\x.ini"})
        EXPECT_THROW(platform::IniFile(path).writeString("a", "b", "1"), PlatformError) << path;
    EXPECT_EQ(names(driveC.path()), (std::vector<std::string>{"dir.ini", "file"}));
    EXPECT_EQ(driveC.read("file"), "keep");
}

TEST_F(IniFileTest, AWriteThroughALinkChangesTheFileItNamesAndKeepsTheLink) {
    TempFolder elsewhere;
    elsewhere.write("kept.ini", "[settings]\r\nsettings_doaa=0\r\n");
    std::filesystem::create_symlink(elsewhere.path() / "kept.ini",
                                    driveC.path() / "quran_setting.ini");
    platform::IniFile("c:\\quran_setting.ini").writeString("settings", "settings_doaa", "1");
    EXPECT_TRUE(std::filesystem::is_symlink(driveC.path() / "quran_setting.ini"));
    EXPECT_EQ(elsewhere.read("kept.ini"), "[settings]\r\nsettings_doaa=1\r\n");
}
