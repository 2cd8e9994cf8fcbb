// Remarks: adding and deleting them in the remarks file on drive C, and the
// remarks screen (section 12): listing, deleting, opening, and remarks files
// that are damaged or name no aya.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/error.h"
#include "platform/string_grid.h"
#include "quran/remarks_file.h"
#include "quran/unt_remark.h"
#include "quran_test.h"
#include "result_rows.h"
#include "shell/app_sections.h"
#include "shell/globals.h"
#include "skin/unt_main.h"
#include "support/kill_loop.h"

namespace {

class Remarks : public QuranTest {
  protected:
    void SetUp() override {
        QuranTest::SetUp();
        RegisterAppSections();
    }
    static void SetFile(const std::string& keys) {
        std::ofstream(platform::hostPath(RemarksFileName()), std::ios::binary)
            << "[remarks]\r\n" + keys;
    }
    static std::string File() { return platform::readFile(RemarksFileName()); }
    Tfrm_remark* Open() {
        OpenSection(12);
        platform::processPendingEvents();
        return frm_remark;
    }
};

}  // namespace

TEST_F(Remarks, DeletingRenumbersTheRestAndTheLastReturnsToTheMenu) {
    SetFile("count=3\r\nsora1=2\r\naya1=255\r\nsora2=36\r\naya2=1\r\nsora3=18\r\naya3=10\r\n");
    Tfrm_remark* screen = Open();
    ASSERT_TRUE(screen);
    EXPECT_EQ(ResultRows(screen->grdresult), "2:255 36:1 18:10");
    EXPECT_EQ(screen->grdresult->Row(), 1);

    // The middle one: the third moves down, its old keys stay behind.
    screen->grdresult->SetRow(2);
    Click(screen->Button(3));
    EXPECT_EQ(File(),
              "[remarks]\r\ncount=2\r\nsora1=2\r\naya1=255\r\nsora2=18\r\naya2=10\r\n"
              "sora3=18\r\naya3=10\r\n");
    EXPECT_EQ(ResultRows(screen->grdresult), "2:255 18:10");

    // The Delete key in the grid does the same, on the current row (row 1).
    screen->grdresult->setFocus();
    Key(screen->grdresult, Qt::Key_Delete);
    EXPECT_EQ(ResultRows(screen->grdresult), "18:10");
    Click(screen->Button(3));
    platform::processPendingEvents();
    EXPECT_FALSE(frm_remark);
    EXPECT_TRUE(frm_main);
    EXPECT_EQ(ReadRemarks().size(), 0u);
}

TEST_F(Remarks, RemarksThatNameNoAyaAreListedButOnlyAyasOpenTheReader) {
    RepeatCount = 3;
    // A huge count is cut to one remark per aya; missing keys read as 0.
    SetFile(
        "count=2000000000\r\nsora1=115\r\naya1=1\r\nsora2=1\r\naya2=8\r\nsora3=x\r\n"
        "aya3=1\r\nsora4=1\r\naya4=7\r\n");
    Tfrm_remark* screen = Open();
    ASSERT_EQ(screen->RemarkCount, 6236);
    EXPECT_EQ(screen->grdresult->Cell(2, 6236), "0");
    for (int row : {1, 2, 3, 5, 6236}) {
        screen->grdresult->SetRow(row);
        Click(screen->Button(2));
        EXPECT_TRUE(frm_remark) << row;
        EXPECT_FALSE(frm_quran) << row;
    }
    expectedErrors = 5;
    ASSERT_EQ(Errors().size(), 5u);
    EXPECT_EQ(Errors()[0], "Remark 1 (sura 115, aya 1) is not an aya of the Quran.");
    EXPECT_EQ(Errors()[1], "Remark 2 (sura 1, aya 8) is not an aya of the Quran.");
    EXPECT_EQ(Errors()[2], "'x' is not a valid integer value in " +
                               platform::quotedPath(RemarksFileName()) + ", key sora3");
    // Enter on a remark of an aya opens the reader there, without repetition.
    screen->grdresult->SetRow(4);
    screen->grdresult->setFocus();
    Key(screen->grdresult, Qt::Key_Return);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_remark);
    ASSERT_TRUE(frm_quran);
    Advance(100);
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 1007);
    EXPECT_EQ(RepeatCount, 1);
    EXPECT_EQ(frm_quran->Core->ShownSuraTitle, 1);
}

TEST_F(Remarks, NoRemarksOrAnUnreadableCountLeaveOneBlankRow) {
    for (const char* keys : {"", "count=0\r\nsora1=2\r\naya1=3\r\n", "count=abc\r\n"}) {
        SetFile(keys);
        Tfrm_remark* screen = Open();
        EXPECT_EQ(screen->grdresult->RowCount(), 2) << keys;
        EXPECT_TRUE(screen->grdresult->Cell(0, 1).isEmpty());
        Click(screen->Button(3));
        Click(screen->Button(2));
        EXPECT_TRUE(frm_remark);
        EXPECT_EQ(File(), "[remarks]\r\n" + std::string(keys));
        Key(screen->grdresult, Qt::Key_Escape);  // back to the menu, like button 1
        platform::processPendingEvents();
        EXPECT_FALSE(frm_remark);
        EXPECT_TRUE(frm_main);
    }
    expectedErrors = 1;
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0], "'abc' is not a valid integer value in " +
                               platform::quotedPath(RemarksFileName()) + ", key count");
}

TEST_F(Remarks, AddsInOrderNeverTwiceOverStaleKeysAndDamagedCounts) {
    EXPECT_TRUE(AddRemark(2, 255));
    EXPECT_FALSE(AddRemark(2, 255));
    EXPECT_TRUE(AddRemark(2, 25));  // same sura, other aya
    EXPECT_TRUE(AddRemark(25, 2));
    EXPECT_EQ(File(),
              "[remarks]\r\ncount=3\r\nsora1=2\r\naya1=255\r\nsora2=2\r\naya2=25\r\n"
              "sora3=25\r\naya3=2\r\n");

    // Deleting leaves stale keys above "count": they are overwritten and ignored.
    SetFile("count=1\r\nsora1=3\r\naya1=7\r\nsora2=9\r\naya2=9\r\n");
    EXPECT_TRUE(AddRemark(9, 9));
    EXPECT_FALSE(AddRemark(3, 7));
    EXPECT_EQ(File(), "[remarks]\r\ncount=2\r\nsora1=3\r\naya1=7\r\nsora2=9\r\naya2=9\r\n");
    SetFile("count=0\r\nsora1=3\r\naya1=7\r\n");
    EXPECT_TRUE(AddRemark(4, 4));
    EXPECT_EQ(File(), "[remarks]\r\ncount=1\r\nsora1=4\r\naya1=4\r\n");

    SetFile("count=abc\r\n");
    EXPECT_THROW(AddRemark(1, 1), platform::PlatformError);
    EXPECT_EQ(File(), "[remarks]\r\ncount=abc\r\n");
    SetFile("count=-4\r\n");  // starts again at remark 1
    EXPECT_TRUE(AddRemark(1, 2));
    EXPECT_EQ(File(), "[remarks]\r\ncount=1\r\nsora1=1\r\naya1=2\r\n");
    // A huge count does not make the duplicate check walk two billion keys.
    SetFile("count=2000000000\r\nsora1999999999=5\r\naya1999999999=6\r\n");
    EXPECT_FALSE(AddRemark(5, 6));
    EXPECT_TRUE(AddRemark(5, 7));
    EXPECT_NE(File().find("sora2000000001=5"), std::string::npos);
    SetFile("count=2147483647\r\n");
    EXPECT_FALSE(AddRemark(5, 7));
}

namespace {

// Remark i of the kill tests: every i names another aya.
std::string RemarkKeys(int key, int i) {
    const std::string n = std::to_string(key);
    return "sora" + n + "=" + std::to_string(1 + i % 114) + "\r\naya" + n + "=" +
           std::to_string(1 + i / 114) + "\r\n";
}

// The file after `deleted` deletions of remark 1 from remarks 1..1000: the
// rest moved down, each key above the count still holds remark 1000.
std::string AfterDeletions(int deleted) {
    std::string text = "[remarks]\r\ncount=" + std::to_string(1000 - deleted) + "\r\n";
    for (int key = 1; key <= 1000; ++key) text += RemarkKeys(key, std::min(key + deleted, 1000));
    return text;
}

// The file after remarks 1..n were added.
std::string AfterAdding(int n) {
    std::string text = "[remarks]\r\ncount=" + std::to_string(n) + "\r\n";
    for (int i = 1; i <= n; ++i) text += RemarkKeys(i, i);
    return text;
}

}  // namespace

TEST_F(Remarks, AKillDuringADeletionOrAnAdditionLeavesTheOldOrTheNewFile) {
    const std::string file = platform::hostPath(RemarksFileName()).string();
    std::mt19937 random(13);
    int tornDeletions = 0, tornAdditions = 0, cutShort = 0;
    const int tries = 20;
    // Removes the temporary file a killed write left; true when there was one.
    auto cutShortWrite = [this] {
        bool found = false;
        for (const auto& e : std::filesystem::directory_iterator(DriveC()))
            if (e.path().filename().string().starts_with("remrak1.ini.tmp"))
                found = std::filesystem::remove(e.path());
        return found;
    };
    for (int t = 0; t < tries; ++t) {
        // The remarks screen deleting remark 1 again and again.
        std::ofstream(file, std::ios::binary | std::ios::trunc) << AfterDeletions(0);
        KillDuring(
            [] {
                for (std::vector<StoredRemark> list = ReadRemarks(); list.size() > 1;
                     list = ReadRemarks()) {
                    list.erase(list.begin());
                    WriteRemarksAfterRemoval(list, 0);
                }
            },
            1000 + static_cast<int>(random() % 30000));
        int count = 0;
        platform::tryStrToInt(platform::iniRead(File(), "remarks", "count", ""), count);
        if (File() != AfterDeletions(1000 - count)) ++tornDeletions;
        cutShort += cutShortWrite();

        // The panel's remark button pressed on one aya after another.
        std::ofstream(file, std::ios::binary | std::ios::trunc) << AfterAdding(2);
        KillDuring(
            [] {
                for (int i = 3;; ++i) AddRemark(1 + i % 114, 1 + i / 114);
            },
            1000 + static_cast<int>(random() % 30000));
        platform::tryStrToInt(platform::iniRead(File(), "remarks", "count", ""), count);
        if (File() != AfterAdding(count)) ++tornAdditions;
        cutShort += cutShortWrite();
    }
    EXPECT_EQ(tornDeletions, 0) << "torn deletions in " << tries << " kills";
    EXPECT_EQ(tornAdditions, 0) << "torn additions in " << tries << " kills";
    EXPECT_GT(cutShort, 0) << "no kill came inside a write: the test proves nothing";
}
