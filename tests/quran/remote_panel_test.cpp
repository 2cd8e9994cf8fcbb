// The go-to panel inside the Quran page viewer on the sample disc: button
// states at the ends of the ranges, the number fields, remarks, jumps by
// page and part, and pausing for the search.
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "platform/inifile.h"
#include "platform/media.h"
#include "quran/remarks_file.h"
#include "quran/unt_quran.h"
#include "quran/unt_remote.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "support/screen_test.h"

namespace {

class RemotePanelTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        PresetSectionValues(1);  // as the hub opens it: no stored position, 1:1
        viewer = platform::createForm(frm_quran, display.get());
        viewer->showAsChild(display.get());
        Advance(100);
        panel = frm_remote;
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(Errors().empty()) << Errors()[0];
    }

    static void Key(QWidget* w, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }
    /// Types `digits` into an emptied field, then presses Enter.
    static void Enter(QPlainTextEdit* field, const QString& digits) {
        field->clear();
        for (QChar c : digits) Key(field, c.unicode(), QString(c));
        Key(field, Qt::Key_Return, "\r");
    }
    void ExpectPosition(int sura, int aya, int page, int part) {
        EXPECT_EQ(CurrentSura, sura);
        EXPECT_EQ(CurrentAya, aya);
        EXPECT_EQ(CurrentPage, page);
        EXPECT_EQ(CurrentPart, part);
        EXPECT_EQ(panel->memosora->toPlainText(), QString::number(sura));
        EXPECT_EQ(panel->Memoaya->toPlainText(), QString::number(aya));
        EXPECT_EQ(panel->memopage->toPlainText(), QString::number(page));
        EXPECT_EQ(panel->memopart->toPlainText(), QString::number(part));
    }
    void ExpectEnabled(std::initializer_list<int> on, std::initializer_list<int> off) {
        for (int n : on) EXPECT_TRUE(panel->ButtonEnabled(n)) << n;
        for (int n : off) EXPECT_FALSE(panel->ButtonEnabled(n)) << n;
    }

    Tfrm_quran* viewer = nullptr;
    Tfrm_remote* panel = nullptr;
};

}  // namespace

TEST_F(RemotePanelTest, PlacedInTheViewerWithItsFieldsAndButtons) {
    EXPECT_EQ(panel->parentWidget(), viewer);
    EXPECT_EQ(panel->geometry(), QRect(640, 80, 142, 490));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->imgground1->size(), QSize(800, 600));
    ASSERT_EQ(panel->ButtonList.size(), 17u);
    for (ImageButton* b : panel->ButtonList) EXPECT_TRUE(b && b->isVisible());
    EXPECT_EQ(panel->memopart->geometry(), QRect(38, 446, 66, 31));
    EXPECT_EQ(panel->Memoaya->focusPolicy(), Qt::ClickFocus);
}

TEST_F(RemotePanelTest, StartOfTheQuranDisablesTheBackwardButtons) {
    ExpectPosition(1, 1, 1, 1);
    ExpectEnabled({10, 12, 14, 16}, {11, 13, 15, 17});
    // A disabled button ignores the mouse: no focus picture, no action.
    ImageButton* previousAya = panel->Button(11);
    QImage up = previousAya->picture();
    Click(previousAya);
    EXPECT_TRUE(SameImage(previousAya->picture(), up));
    EXPECT_NE(previousAya->graphicsEffect(), nullptr);  // drawn dimmed
    ExpectPosition(1, 1, 1, 1);

    Click(panel->Button(10));
    ExpectPosition(1, 2, 1, 1);
    ExpectEnabled({10, 11, 12, 14, 16}, {13, 15, 17});
    EXPECT_EQ(previousAya->graphicsEffect(), nullptr);
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(RemotePanelTest, LastAyaOfASuraStillLeadsToTheNextSura) {
    Enter(panel->Memoaya, "7");
    ExpectPosition(1, 7, 1, 1);
    ExpectEnabled({11, 12}, {10});
    Click(panel->Button(10));
    EXPECT_EQ(CurrentAya, 7);
    // Even an enabled button does not step past the end (a display that
    // failed half-way leaves the buttons as they were).
    panel->EnableButton(10, true);
    Click(panel->Button(10));
    EXPECT_EQ(CurrentAya, 7);
    Click(panel->Button(12));
    ExpectPosition(2, 1, 2, 1);
    EXPECT_EQ(viewer->ShownSuraTitle, 2);
    ExpectEnabled({10, 12, 13}, {11});
    Click(panel->Button(13));
    ExpectPosition(1, 1, 1, 1);
}

TEST_F(RemotePanelTest, NumberFieldsJumpOnlyToNumbersInRange) {
    // A sura number out of range changes nothing; the field shows the sura again.
    Enter(panel->memosora, "0");
    ExpectPosition(1, 1, 1, 1);
    Enter(panel->memosora, "115");
    ExpectPosition(1, 1, 1, 1);
    Enter(panel->Memoaya, "8");  // sura 1 has 7 ayas
    ExpectPosition(1, 1, 1, 1);

    // A page shows its first aya, highlighted and recited.
    Enter(panel->memopage, "50");
    ExpectPosition(3, 1, 50, 3);
    EXPECT_TRUE(viewer->mci1->isOpen());
    EXPECT_FALSE(panel->ButtonEnabled(2));
    Enter(panel->memopart, "2");
    ExpectPosition(2, 142, 22, 2);
    Enter(panel->memosora, "114");
    EXPECT_EQ(CurrentSura, 114);
    ExpectEnabled({13}, {12});
    EXPECT_TRUE(Errors().empty()) << Errors()[0];

    // Digits stay while typing; any other key puts the value back.
    panel->memopage->clear();
    Key(panel->memopage, Qt::Key_3, "3");
    Key(panel->memopage, Qt::Key_3, "3");
    EXPECT_EQ(panel->memopage->toPlainText(), "33");
    Key(panel->memopage, Qt::Key_A, "a");
    EXPECT_EQ(panel->memopage->toPlainText(), QString::number(CurrentPage));
    Key(panel->memopage, Qt::Key_Backspace);
    EXPECT_EQ(panel->memopage->toPlainText(), QString::number(CurrentPage));

    // Text that is not a number raises the conversion error; nothing moves.
    const int sura = CurrentSura, aya = CurrentAya;
    panel->memosora->setPlainText("1x");
    Key(panel->memosora, Qt::Key_Return, "\r");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0], "'1x' is not a valid integer value");
    EXPECT_EQ(CurrentSura, sura);
    EXPECT_EQ(CurrentAya, aya);
    EXPECT_EQ(panel->memosora->toPlainText(), QString::number(sura));
}

TEST_F(RemotePanelTest, TypedDigitsSurviveTheRecitationMovingOn) {
    panel->memopage->clear();
    Key(panel->memopage, Qt::Key_5, "5");
    Key(panel->memopage, Qt::Key_0, "0");
    while (CurrentAya == 1) Advance(100);
    EXPECT_EQ(panel->Memoaya->toPlainText(), "2");
    EXPECT_EQ(panel->memopage->toPlainText(), "50");
    Key(panel->memopage, Qt::Key_Return, "\r");
    ExpectPosition(3, 1, 50, 3);
    // After Enter the field follows the recitation again.
    while (CurrentAya == 1) Advance(100);
    EXPECT_EQ(panel->Memoaya->toPlainText(), "2");
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(RemotePanelTest, PageAndPartSteps) {
    Click(panel->Button(14));
    ExpectPosition(2, 1, 2, 1);
    Click(panel->Button(15));
    ExpectPosition(1, 1, 1, 1);
    Click(panel->Button(16));
    ExpectPosition(2, 142, 22, 2);
    Click(panel->Button(16));
    ExpectPosition(2, 253, 42, 3);
    Click(panel->Button(17));
    ExpectPosition(2, 142, 22, 2);

    Enter(panel->memopage, "604");
    EXPECT_EQ(CurrentPart, 30);
    ExpectEnabled({15, 17}, {14, 16});
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(RemotePanelTest, RemarkButtonStoresEachAyaOnce) {
    Click(panel->Button(9));
    Click(panel->Button(9));
    Click(panel->Button(10));
    Click(panel->Button(9));
    platform::IniFile remarks(RemarksFileName());
    EXPECT_EQ(remarks.readString("remarks", "count", ""), "2");
    EXPECT_EQ(remarks.readString("remarks", "sora1", ""), "1");
    EXPECT_EQ(remarks.readString("remarks", "aya1", ""), "1");
    EXPECT_EQ(remarks.readString("remarks", "sora2", ""), "1");
    EXPECT_EQ(remarks.readString("remarks", "aya2", ""), "2");
}

TEST_F(RemotePanelTest, SearchButtonPausesAndPlayResumes) {
    Advance(500);
    ASSERT_FALSE(panel->ButtonEnabled(2));  // reciting
    Click(panel->Button(1));
    ExpectEnabled({2}, {3, 4});
    const int paused = viewer->mci1->Position();
    Advance(1000);
    EXPECT_EQ(viewer->mci1->Position(), paused);

    // Pressing search again while paused does not toggle the player back on.
    Click(panel->Button(1));
    Advance(200);
    EXPECT_EQ(viewer->mci1->Position(), paused);

    Click(panel->Button(2));
    ExpectEnabled({3, 4}, {2});
    Advance(200);
    EXPECT_GT(viewer->mci1->Position(), paused);
    EXPECT_EQ(CurrentAya, 1);
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}
