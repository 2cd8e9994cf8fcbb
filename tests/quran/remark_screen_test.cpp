// The remarks screen (section 12): listing, deleting, opening, and remarks
// files that are damaged or name no aya.
#include <QApplication>
#include <QKeyEvent>
#include <fstream>
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "platform/string_grid.h"
#include "quran/remarks_file.h"
#include "quran/unt_quran.h"
#include "quran/unt_remark.h"
#include "shell/app_sections.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "skin/unt_main.h"
#include "result_rows.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace {

class RemarkScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        disc = std::make_unique<DiscBuilder>("remarks");
        disc->skin("remark", 1, 800, 600, {"100, 550", "200, 550", "300, 550"});
        disc->linkTo(TestDiscFolder());
        platform::setDrive('D', disc->root());
        RegisterAppSections();
    }
    void TearDown() override {
        EXPECT_EQ(Errors().size(), expectedErrors) << (Errors().empty() ? "" : Errors()[0]);
        ScreenTest::TearDown();
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

    std::unique_ptr<DiscBuilder> disc;
    size_t expectedErrors = 0;
};

}  // namespace

TEST_F(RemarkScreenTest, DeletingRenumbersTheRestAndTheLastReturnsToTheMenu) {
    SetFile("count=3\r\nsora1=2\r\naya1=255\r\nsora2=36\r\naya2=1\r\nsora3=18\r\naya3=10\r\n");
    Tfrm_remark* screen = Open();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->parentWidget(), HubArea());
    EXPECT_EQ(ResultRows(screen->grdresult), "2:255 36:1 18:10");
    EXPECT_EQ(screen->grdresult->Row(), 1);

    // The middle one: the third moves down, its old keys stay behind.
    screen->grdresult->SetRow(2);
    Click(screen->Button(3));
    EXPECT_EQ(File(),
              "[remarks]\r\ncount=2\r\nsora1=2\r\naya1=255\r\nsora2=18\r\naya2=10\r\n"
              "sora3=18\r\naya3=10\r\n");
    EXPECT_EQ(ResultRows(screen->grdresult), "2:255 18:10");
    EXPECT_EQ(screen->RemarkCount, 2);

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

TEST_F(RemarkScreenTest, OpeningARemarkStartsTheReaderThere) {
    SetFile("count=2\r\nsora1=2\r\naya1=255\r\nsora2=36\r\naya2=12\r\n");
    RepeatCount = 3;
    Tfrm_remark* screen = Open();
    screen->grdresult->SetRow(2);
    screen->grdresult->setFocus();
    Key(screen->grdresult, Qt::Key_Return);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_remark);
    ASSERT_TRUE(frm_quran);
    Advance(100);
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 36012);
    EXPECT_EQ(RepeatCount, 1);
    EXPECT_EQ(frm_quran->Core->ShownSuraTitle, 36);
}

TEST_F(RemarkScreenTest, RemarksThatNameNoAyaAreListedButNotOpened) {
    // A huge count is cut to one remark per aya; missing keys read as 0.
    SetFile(
        "count=2000000000\r\nsora1=115\r\naya1=1\r\nsora2=1\r\naya2=8\r\nsora3=x\r\n"
        "aya3=1\r\nsora4=1\r\naya4=7\r\n");
    Tfrm_remark* screen = Open();
    ASSERT_EQ(screen->RemarkCount, 6236);
    EXPECT_EQ(screen->grdresult->RowCount(), 6237);
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
    EXPECT_EQ(Errors()[2], "'x' is not a valid integer value");
    screen->grdresult->SetRow(4);
    Click(screen->Button(2));
    platform::processPendingEvents();
    EXPECT_TRUE(frm_quran);
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 1007);
}

TEST_F(RemarkScreenTest, NoRemarksOrAnUnreadableCountLeaveOneBlankRow) {
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
    EXPECT_EQ(Errors()[0], "'abc' is not a valid integer value");
}
