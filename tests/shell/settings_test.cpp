// The settings file on drive C: a save is one change of the file, so a crash
// leaves the old position or the new one; start removes what saves cut short
// left; a file the user made read-only stays as it is; a bad value names its
// file and key.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <random>

#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "platform/temp_folder.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "support/kill_loop.h"

namespace {

using platform::PlatformError;

// The file after a save of the position at `sura`, aya sura + 100.
std::string SavedAt(int sura) {
    return "[settings]\r\nsettings_doaa=1\r\nsettings_enter=0\r\nsettings_enter_sora=" +
           std::to_string(sura) + "\r\nsettings_enter_aya=" + std::to_string(sura + 100) + "\r\n";
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setDrive('C', driveC.path());
    }
    void TearDown() override { platform::clearDrives(); }

    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(driveC.path()))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    std::string Stored() const { return driveC.read("quran_setting.ini"); }
    mode_t Mode() const {
        struct stat st {};
        stat((driveC.path() / "quran_setting.ini").c_str(), &st);
        return st.st_mode & 0777;
    }
    TempFolder driveC;
};

TEST_F(SettingsFileTest, AKillWhileSavingThePositionLeavesTheOldOrTheNewFile) {
    driveC.write("quran_setting.ini", SavedAt(1));
    std::mt19937 random(20);
    int torn = 0, cutShort = 0;
    const int tries = 20;
    for (int t = 0; t < tries; ++t) {
        // The reader saving one position after another, killed at any moment.
        KillDuring(
            [] {
                for (int i = 1;; ++i) {
                    CurrentSura = 1 + i % 114;
                    CurrentAya = CurrentSura + 100;
                    SaveReadingPosition();
                }
            },
            1000 + static_cast<int>(random() % 20000));
        const std::string text = Stored();
        int sura = 0;
        platform::tryStrToInt(platform::iniRead(text, "settings", "settings_enter_sora", ""), sura);
        if (text != SavedAt(sura)) ++torn;
        cutShort += Names().size() > 1;  // the kill came while a save was being written
        LoadSettings();                  // the next start
        EXPECT_EQ(SettingEnterAya, SettingEnterSora + 100);
        EXPECT_EQ(Names(), std::vector<std::string>{"quran_setting.ini"}) << "try " << t;
    }
    EXPECT_EQ(torn, 0) << "torn positions in " << tries << " kills";
    EXPECT_GT(cutShort, 0) << "no kill came inside a save: the test proves nothing";
}

TEST_F(SettingsFileTest, StartRemovesWhatSavesCutShortLeft) {
    const pid_t ended = fork();
    ASSERT_GE(ended, 0);
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string gone = ".tmp" + std::to_string(ended);
    for (const char* file : {"quran_setting.ini", "remrak1.ini"})
        driveC.write(file + gone, "[settings]\r\nsettings_enter_so");
    // A process that still runs (process 1) may yet rename its file; other
    // names are not the program's.
    driveC.write("remrak1.ini.tmp1", "x");
    driveC.write("notes.tmp", "x");
    driveC.write("notes.tmp12x", "x");
    LoadSettings();
    EXPECT_EQ(Names(), (std::vector<std::string>{"notes.tmp", "notes.tmp12x", "remrak1.ini.tmp1"}));
}

TEST_F(SettingsFileTest, AReadOnlyFileIsKeptAndReportedAndAWritableOneKeepsItsMode) {
    driveC.write("quran_setting.ini", SavedAt(18));
    chmod((driveC.path() / "quran_setting.ini").c_str(), 0444);
    CurrentSura = 2;
    CurrentAya = 102;
    EXPECT_THAT([] { SaveReadingPosition(); },
                testing::ThrowsMessage<PlatformError>(
                    testing::StrEq("Unable to write to " + platform::quotedPath(SettingsFile) +
                                   ": the file is read-only.")));
    EXPECT_EQ(Stored(), SavedAt(18));
    EXPECT_EQ(Mode(), 0444u);
    EXPECT_EQ(SettingEnterSora, 2) << "the run goes on with the position";

    chmod((driveC.path() / "quran_setting.ini").c_str(), 0600);
    SaveReadingPosition();
    EXPECT_EQ(Stored(), SavedAt(2));
    EXPECT_EQ(Mode(), 0600u);
}

TEST_F(SettingsFileTest, ABadValueNamesTheFileAndTheKey) {
    for (const char* key : {"settings_lang", "settings_enter_sora", "settings_enter_aya"}) {
        driveC.write("quran_setting.ini", "[settings]\r\n" + std::string(key) + "=9,a\r\n");
        EXPECT_THAT([] { LoadSettings(); },
                    testing::ThrowsMessage<PlatformError>(
                        testing::StrEq("'9,a' is not a valid integer value in " +
                                       platform::quotedPath(SettingsFile) + ", key " + key)));
    }
}

}  // namespace
