// The go-to panel inside the Quran page viewer on the sample disc: button
// states at the ends of the ranges, the repeat count shown chosen, the
// number fields, remarks, jumps by page and part, and pausing for the search.
#include <QApplication>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "quran/remarks_file.h"
#include "quran/unt_qurans.h"
#include "quran/unt_remote.h"
#include "quran_test.h"
#include "shell/globals.h"

namespace {

class RemotePanelTest : public QuranTest {
  protected:
    void SetUp() override {
        QuranTest::SetUp();
        viewer = OpenViewer();
        panel = frm_remote;
        ASSERT_NE(panel, nullptr);
    }
    /// "sura:aya page part" of the position, and of the fields when they differ.
    std::string Where() const {
        auto n = [](int v) { return QString::number(v); };
        const QString at =
            n(CurrentSura) + ":" + n(CurrentAya) + " " + n(CurrentPage) + " " + n(CurrentPart);
        const QString shown = panel->memosora->toPlainText() + ":" + panel->Memoaya->toPlainText() +
                              " " + panel->memopage->toPlainText() + " " +
                              panel->memopart->toPlainText();
        return (at == shown ? at : at + " shown as " + shown).toStdString();
    }
    void ExpectEnabled(std::initializer_list<int> on, std::initializer_list<int> off) {
        for (int n : on) EXPECT_TRUE(panel->ButtonEnabled(n)) << n;
        for (int n : off) EXPECT_FALSE(panel->ButtonEnabled(n)) << n;
    }

    Tfrm_quran* viewer = nullptr;
    Tfrm_remote* panel = nullptr;
};

}  // namespace

TEST_F(RemotePanelTest, StepsStopAtTheEndsOfTheirRanges) {
    // At 1:1 the backward buttons are disabled, deaf to the mouse.
    ExpectEnabled({10, 12, 14, 16}, {11, 13, 15, 17});
    // button clicked, position after
    const std::pair<int, const char*> steps[] = {
        {11, "1:1 1 1"},    {10, "1:2 1 1"},    {14, "2:1 2 1"},   {15, "1:1 1 1"},
        {16, "2:142 22 2"}, {16, "2:253 42 3"}, {17, "2:142 22 2"}};
    for (const auto& [button, where] : steps) {
        Click(panel->Button(button));
        EXPECT_EQ(Where(), where) << button;
    }

    // The last aya of a sura leads only to the next sura: even an enabled
    // next-aya button does not step past the end (a display that failed
    // half-way leaves the buttons as they were).
    TypeAndEnter(panel->memosora, "1");
    TypeAndEnter(panel->Memoaya, "7");
    EXPECT_EQ(Where(), "1:7 1 1");
    ExpectEnabled({11, 12}, {10});
    panel->EnableButton(10, true);
    Click(panel->Button(10));
    EXPECT_EQ(CurrentAya, 7);
    Click(panel->Button(12));
    EXPECT_EQ(Where(), "2:1 2 1");
    ExpectEnabled({10, 12, 13}, {11});
    TypeAndEnter(panel->memopage, "604");
    EXPECT_EQ(CurrentPart, 30);
    ExpectEnabled({15, 17}, {14, 16});
}

TEST_F(RemotePanelTest, NumberFieldsJumpOnlyToNumbersInRange) {
    // Out of range changes nothing; the field shows the position again.
    const std::pair<QPlainTextEdit*, QString> outOfRange[] = {
        {panel->memosora, "0"}, {panel->memosora, "115"}, {panel->Memoaya, "8"}};
    for (const auto& [field, text] : outOfRange) {
        TypeAndEnter(field, text);
        EXPECT_EQ(Where(), "1:1 1 1") << text.toStdString();
    }

    // Typed digits survive the recitation moving on; Enter shows the page's
    // first aya, highlighted and recited.
    panel->memopage->clear();
    Key(panel->memopage, Qt::Key_5, "5");
    Key(panel->memopage, Qt::Key_0, "0");
    while (CurrentAya == 1) Advance(100);
    EXPECT_EQ(panel->Memoaya->toPlainText(), "2");
    EXPECT_EQ(panel->memopage->toPlainText(), "50");
    Key(panel->memopage, Qt::Key_Return, "\r");
    EXPECT_EQ(Where(), "3:1 50 3");
    EXPECT_FALSE(panel->ButtonEnabled(2));

    // Any other key but a digit puts the value back when released.
    Key(panel->memopage, Qt::Key_A, "a");
    EXPECT_EQ(panel->memopage->toPlainText(), "50");

    // Text that is not a number raises the conversion error; nothing moves.
    panel->memosora->setPlainText("1x");
    Key(panel->memosora, Qt::Key_Return, "\r");
    expectedErrors = 1;
    EXPECT_EQ(Errors().back(), "'1x' is not a valid integer value");
    EXPECT_EQ(Where(), "3:1 50 3");

    TypeAndEnter(panel->memopart, "2");
    EXPECT_EQ(Where(), "2:142 22 2");
    TypeAndEnter(panel->memosora, "114");
    EXPECT_EQ(CurrentSura, 114);
    ExpectEnabled({13}, {12});
}

TEST_F(RemotePanelTest, AFieldTakingTheFocusIsReplacedByWhatIsTypedAndTheEditingKeysEdit) {
    QApplication::setActiveWindow(display.get());
    for (bool byMouse : {true, false}) {
        panel->memosora->clearFocus();  // what was typed is put back
        EXPECT_EQ(panel->memosora->toPlainText(), "1");
        panel->memosora->setFocus(byMouse ? Qt::MouseFocusReason : Qt::TabFocusReason);
        if (byMouse) Click(panel->memosora->viewport());  // would put the cursor after the number
        ASSERT_TRUE(panel->memosora->hasFocus());
        Key(panel->memosora, Qt::Key_5, "5");
        Key(panel->memosora, Qt::Key_0, "0");
        EXPECT_EQ(panel->memosora->toPlainText(), "50") << byMouse;
    }
    // Backspace, Home and Delete edit instead of putting the number back.
    Key(panel->memosora, Qt::Key_Backspace);
    Key(panel->memosora, Qt::Key_Home);
    Key(panel->memosora, Qt::Key_Delete);
    Key(panel->memosora, Qt::Key_1, "1");
    Key(panel->memosora, Qt::Key_End);
    Key(panel->memosora, Qt::Key_8, "8");
    EXPECT_EQ(panel->memosora->toPlainText(), "18");
    Key(panel->memosora, Qt::Key_Return, "\r");
    EXPECT_EQ(Where(), "18:1 293 15");
    EXPECT_FALSE(panel->memosora->hasFocus());  // the reader's keys work again
}

// The repeat button of the chosen count is shown chosen (disabled, dimmed) at
// once and stays so through any clicks of the transport; the other two not.
TEST_F(RemotePanelTest, OnlyTheChosenRepeatCountLooksChosenAfterAnyClicks) {
    const auto chosen = [this] {
        std::vector<int> counts;
        for (int count = 1; count <= 3; ++count) {
            const ImageButton* b = panel->Button(4 + count);
            if (!b->isEnabled() && b->graphicsEffect()) counts.push_back(count);
        }
        return counts;
    };
    // Buttons clicked (2 play, 3 pause, 4 stop, 5..7 once..three times; 0 lets
    // the aya end), then the count shown chosen. Each row goes on from the last.
    const std::pair<std::vector<int>, int> rows[] = {
        {{}, 1},        {{7}, 3},          {{4, 2, 6}, 2},    {{3, 7, 2}, 3},    {{0}, 3},
        {{6, 0, 0}, 2}, {{4, 5, 2, 3}, 1}, {{6, 5, 7, 6}, 2}, {{2, 3, 2, 4}, 2}, {{5, 5, 0, 7}, 3},
    };
    for (const auto& [clicks, count] : rows) {
        for (int n : clicks) {
            if (n == 0)
                FinishAya(*viewer->Core);
            else
                Click(panel->Button(n));
        }
        EXPECT_EQ(RepeatCount, count);
        EXPECT_EQ(chosen(), std::vector<int>{count}) << ::testing::PrintToString(clicks);
    }
}

TEST_F(RemotePanelTest, RemarkButtonStoresEachAyaOnce) {
    Click(panel->Button(9));
    Click(panel->Button(9));
    Click(panel->Button(10));
    Click(panel->Button(9));
    EXPECT_EQ(platform::readFile(RemarksFileName()),
              "[remarks]\r\ncount=2\r\nsora1=1\r\naya1=1\r\nsora2=1\r\naya2=2\r\n");
}

TEST_F(RemotePanelTest, ASearchClosedWithoutAChoiceLeavesTheRecitationPausedUntilPlay) {
    Advance(500);
    ASSERT_FALSE(panel->ButtonEnabled(2));  // reciting
    for (int i = 0; i < 2; ++i) {           // the second time while paused
        Click(panel->Button(1));
        ASSERT_TRUE(frm_qurans && frm_qurans->isModalForm());
        Click(frm_qurans->Button(2));
        platform::processPendingEvents();
    }
    ExpectEnabled({2}, {3, 4});
    const int paused = viewer->Core->mci1->Position();
    Advance(1000);
    EXPECT_EQ(viewer->Core->mci1->Position(), paused);

    Click(panel->Button(2));
    ExpectEnabled({3, 4}, {2});
    Advance(200);
    EXPECT_EQ(viewer->Core->mci1->Position(), paused + 200);
    EXPECT_EQ(CurrentAya, 1);
    FinishAya(*viewer->Core);
    EXPECT_EQ(CurrentAya, 2);
}

TEST_F(RemotePanelTest, KeysOfTheReaderActLikeThePanelsButtons) {
    // At 1:1 the backward keys find their buttons disabled and do nothing.
    for (int key : {Qt::Key_Right, Qt::Key_PageUp}) Key(viewer, key);
    EXPECT_EQ(Where(), "1:1 1 1");
    Key(viewer, Qt::Key_Left);  // the page reads right to left: Left is the next aya
    Key(viewer, Qt::Key_Left);
    EXPECT_EQ(Where(), "1:3 1 1");
    Key(viewer, Qt::Key_Right);
    EXPECT_EQ(Where(), "1:2 1 1");
    Key(viewer, Qt::Key_PageDown);
    EXPECT_EQ(Where(), "2:1 2 1");
    Key(viewer, Qt::Key_Left);
    Key(viewer, Qt::Key_Home);
    EXPECT_EQ(Where(), "2:1 2 1");

    // Space pauses and plays on; keys pressed on the panel reach the reader too.
    ExpectEnabled({3, 4}, {2});
    Key(viewer, Qt::Key_Space);
    ExpectEnabled({2}, {3, 4});
    Key(panel, Qt::Key_Space);
    ExpectEnabled({3, 4}, {2});

    // Escape leaves for the main menu as button 3 does.
    Key(panel, Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_EQ(frm_quran, nullptr);
}
