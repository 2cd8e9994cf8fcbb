// The forty hadith (section 11) in virtual time: the start-up entry, the two
// languages, a chosen entry, copy, the interface language given back, missing
// texts and recordings, the keyboard and a choice made before the start-up.
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <gtest/gtest.h>

#include "components/shaped_button.h"
#include "devotional/unt_fourty.h"
#include "platform/richtext.h"
#include "reading_screen_test.h"
#include "shell/globals.h"
#include "support/sim_device.h"

namespace {

class FourtyScreenTest : public ReadingScreenTest {
  protected:
    Tfrm_fourty* Open() {
        OpenHubSection(11);
        return frm_fourty;
    }
    static void ChooseEntry(int n) { Choose(frm_fourty->list1, n); }

    /// "<content language>/<entry>" of the recording open now, or "none".
    static std::string Recording() {
        for (platform::SimulatedDevice* d : platform::SimulatedDevice::devices())
            if (d->isOpen()) {
                const std::string f = d->file();
                const size_t at = f.rfind("/fourty/");
                return at == std::string::npos ? f : f.substr(at + 8, f.size() - at - 12);
            }
        return "none";
    }

    /// The shown text has the sample line of entry n in that language.
    static bool Shows(const Tfrm_fourty* screen, int n, const char* language) {
        return screen->richtext->toPlainText().contains(
            QString("Sample text for hadith number %1 (%2)").arg(n).arg(language));
    }
};

}  // namespace

TEST_F(FourtyScreenTest, ArabicAtStartThenEnglishAndTheInterfaceLanguageComesBack) {
    LanguageIndex = 3;
    Tfrm_fourty* screen = Open();
    ASSERT_TRUE(screen);
    Advance(100);
    EXPECT_TRUE(Shows(screen, 1, "Arabic"));
    EXPECT_EQ(Recording(), "1/1");

    Click(screen->ShapedButton2);
    ASSERT_EQ(screen->list1->count(), 42);
    EXPECT_EQ(screen->list1->layoutDirection(), Qt::LeftToRight);
    EXPECT_TRUE(Shows(screen, 1, "English"));
    EXPECT_EQ(Recording(), "2/1");
    ChooseEntry(7);
    EXPECT_TRUE(Shows(screen, 7, "English"));
    EXPECT_EQ(Recording(), "2/7");
    // Copy: the pane's text alone.
    Click(screen->Button(7));
    EXPECT_TRUE(Shows(screen, 7, "English"));
    EXPECT_EQ(QApplication::clipboard()->text(), screen->richtext->toPlainText());
    Click(screen->ShapedButton1);
    EXPECT_EQ(screen->list1->layoutDirection(), Qt::RightToLeft);

    // The menu comes in language 3 again (which the sample disc lacks).
    Click(screen->Button(5));
    platform::processPendingEvents();
    EXPECT_FALSE(frm_fourty);
    EXPECT_EQ(LanguageIndex, 3);
    EXPECT_EQ(Recording(), "none");
    expectedErrors = 1;
    EXPECT_NE(Errors()[0].find("main\\3\\main.jpg"), std::string::npos) << Errors()[0];
}

TEST_F(FourtyScreenTest, AMissingTextOrRecordingShowsOneErrorAndTheListStaysUsable) {
    disc->remove("data\\fourty\\1\\7.rtf");
    disc->remove("sound\\fourty\\1\\8.wav");
    Tfrm_fourty* screen = Open();
    Advance(100);
    // No text: the text of before stays, nothing new is recited.
    ChooseEntry(7);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("7.rtf"), std::string::npos) << Errors()[0];
    EXPECT_TRUE(Shows(screen, 1, "Arabic"));
    EXPECT_EQ(Recording(), "1/1");
    // No recording: the text is shown all the same.
    ChooseEntry(8);
    expectedErrors = 2;
    EXPECT_TRUE(Shows(screen, 8, "Arabic"));
    EXPECT_EQ(Recording(), "none");
    ChooseEntry(9);
    EXPECT_EQ(Recording(), "1/9");

    // A click that leaves no item selected (Ctrl on the selected one) does nothing.
    screen->list1->clearSelection();
    screen->list1Click();
    EXPECT_EQ(Recording(), "1/9");
}

TEST_F(FourtyScreenTest, TheKeyboardReachesEverythingAndAnEarlyChoiceStands) {
    Tfrm_fourty* screen = Open();
    Advance(50);
    ASSERT_EQ(screen->window()->focusWidget(), screen->list1);
    QApplication::setActiveWindow(display.get());

    // English before the start-up, which must not bring Arabic back; the
    // text on the way can be scrolled.
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), screen->richtext);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), screen->ShapedButton2);
    Key(Qt::Key_Space);
    Advance(100);
    EXPECT_EQ(Recording(), "2/1");

    // The screen's own stop for the picture buttons, then round to the list:
    // the arrows move the selection, Enter shows it.
    Key(Qt::Key_Tab);
    EXPECT_EQ(screen->FocusedButton, 5);
    Key(Qt::Key_Tab);
    for (int i = 0; i < 6; ++i) Key(Qt::Key_Down);
    EXPECT_EQ(screen->ShownEntry, 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(Recording(), "2/7");

    for (int i = 0; i < 3; ++i) Key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), screen->ShapedButton1);
    Key(Qt::Key_Return);
    EXPECT_EQ(Recording(), "1/1");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(frm_fourty);
}
