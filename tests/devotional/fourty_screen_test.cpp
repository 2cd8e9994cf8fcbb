// The forty hadith (section 11) in virtual time: the start-up entry, the two
// languages, a chosen entry, copy, the interface language given back, choices
// made before the start-up, missing texts and recordings, and the keyboard.
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <gtest/gtest.h>

#include "components/shaped_button.h"
#include "devotional/unt_fourty.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "shell/app_sections.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "skin/unt_main.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"
#include "support/sim_device.h"

namespace {

class FourtyScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        RegisterAppSections();
    }

    Tfrm_fourty* Open() {
        OpenSection(11);
        platform::processPendingEvents();
        return frm_fourty;
    }

    /// Clicks the list item of entry n.
    void ChooseEntry(int n) {
        QListWidget* list = frm_fourty->list1;
        Click(list->viewport(), list->visualItemRect(list->item(n - 1)).center());
    }

    /// "<content language>/<entry>" of the recording open now, or "none".
    static std::string Playing() {
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
    EXPECT_EQ(LanguageIndex, 1);
    EXPECT_EQ(screen->ButtonFolder, GraphicDir + "fourty\\1\\");
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(screen->Button(n)->isVisible(), n >= 5 && n <= 7) << n;
    EXPECT_EQ(screen->ShapedButton1->size(), QSize(97, 41));

    Advance(99);
    EXPECT_EQ(screen->ShownEntry, 0);
    Advance(1);
    EXPECT_EQ(screen->ShownEntry, 1);
    EXPECT_TRUE(Shows(screen, 1, "Arabic"));
    EXPECT_EQ(Playing(), "1/1");
    EXPECT_TRUE(platform::SimulatedDevice::devices().front()->isPlaying());
    ASSERT_EQ(screen->list1->count(), 42);
    EXPECT_EQ(screen->list1->item(41)->text(), QString::fromUtf8("حديث رقم 42"));
    EXPECT_EQ(screen->list1->layoutDirection(), Qt::RightToLeft);

    Click(screen->ShapedButton2);
    ASSERT_EQ(screen->list1->count(), 42);
    EXPECT_EQ(screen->list1->item(6)->text(), "Hadith number 7");
    EXPECT_EQ(screen->list1->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(screen->list1->currentRow(), 0);
    EXPECT_TRUE(Shows(screen, 1, "English"));
    EXPECT_EQ(Playing(), "2/1");

    ChooseEntry(7);
    EXPECT_TRUE(Shows(screen, 7, "English"));
    EXPECT_EQ(Playing(), "2/7");
    Click(screen->Button(7));
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Hadith number 7\n" + screen->richtext->toPlainText());

    // Arabic again starts over at entry 1, from folder 1.
    Click(screen->ShapedButton1);
    EXPECT_EQ(screen->list1->item(0)->text(), QString::fromUtf8("حديث رقم 1"));
    EXPECT_EQ(screen->list1->layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(Shows(screen, 1, "Arabic"));
    EXPECT_EQ(Playing(), "1/1");

    Click(screen->Button(5));
    platform::processPendingEvents();
    EXPECT_FALSE(frm_fourty);
    EXPECT_TRUE(frm_main);
    EXPECT_EQ(LanguageIndex, 3);
    EXPECT_EQ(Playing(), "none");
    // The menu was built in language 3 (which the sample disc lacks).
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("main\\3\\main.jpg"), std::string::npos) << Errors()[0];
}

TEST_F(FourtyScreenTest, AChoiceBeforeTheStartUpStandsAndAnEmptyChoiceIsIgnored) {
    // Chosen 50 ms after opening: the start-up must not bring back Arabic entry 1.
    const std::function<void(Tfrm_fourty*)> choices[] = {
        [](Tfrm_fourty* s) { Click(s->ShapedButton2); },
        [this](Tfrm_fourty*) { ChooseEntry(5); },
    };
    const char* expected[] = {"2/1", "1/5"};
    for (int i = 0; i < 2; ++i) {
        Tfrm_fourty* screen = Open();
        Advance(50);
        choices[i](screen);
        Advance(500);
        EXPECT_EQ(Playing(), expected[i]) << i;
        EXPECT_EQ(screen->ShownEntry, i == 0 ? 1 : 5);
        Key(screen->list1, Qt::Key_Escape);
        platform::processPendingEvents();
        EXPECT_FALSE(frm_fourty);
    }

    // A click that leaves no item selected (Ctrl on the selected one) opens nothing.
    Tfrm_fourty* screen = Open();
    Advance(100);
    screen->list1->clearSelection();
    screen->list1Click();
    EXPECT_EQ(screen->ShownEntry, 1);
    EXPECT_EQ(Playing(), "1/1");
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(FourtyScreenTest, AMissingTextOrRecordingShowsOneErrorAndTheListStaysUsable) {
    DiscBuilder disc("fourty");
    disc.linkTo(TestDiscFolder());
    disc.remove("data\\fourty\\1\\7.rtf");
    disc.remove("sound\\fourty\\1\\8.wav");
    platform::setDrive('D', disc.root());
    Tfrm_fourty* screen = Open();
    Advance(100);
    ASSERT_EQ(Playing(), "1/1");

    // No text: nothing shown, nothing recited, nothing to copy or print.
    QApplication::clipboard()->setText("before");
    ChooseEntry(7);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("7.rtf"), std::string::npos) << Errors()[0];
    EXPECT_EQ(screen->ShownEntry, 0);
    EXPECT_TRUE(screen->richtext->toPlainText().isEmpty());
    EXPECT_EQ(Playing(), "none");
    Click(screen->Button(7));
    EXPECT_EQ(QApplication::clipboard()->text(), "before");

    // No recording: the text is shown all the same.
    ChooseEntry(8);
    ASSERT_EQ(Errors().size(), 2u);
    EXPECT_TRUE(Shows(screen, 8, "Arabic"));
    EXPECT_EQ(Playing(), "none");

    ChooseEntry(9);
    EXPECT_EQ(Errors().size(), 2u);
    EXPECT_TRUE(Shows(screen, 9, "Arabic"));
    EXPECT_EQ(Playing(), "1/9");
}

TEST_F(FourtyScreenTest, TheKeyboardReachesTheListBothLanguagesAndTheButtons) {
    Tfrm_fourty* screen = Open();
    Advance(100);
    ASSERT_EQ(screen->window()->focusWidget(), screen->list1);
    QApplication::setActiveWindow(display.get());

    // The arrows move the selection; Enter shows it.
    for (int i = 0; i < 6; ++i) Key(Qt::Key_Down);
    EXPECT_EQ(screen->ShownEntry, 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(Playing(), "1/7");

    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), screen->ShapedButton1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), screen->ShapedButton2);
    Key(Qt::Key_Space);
    EXPECT_EQ(Playing(), "2/1");

    // The screen's own stop: the picture buttons, by the arrows and Enter.
    Key(Qt::Key_Tab);
    EXPECT_EQ(screen->FocusedButton, 5);
    Key(Qt::Key_Left);
    EXPECT_EQ(screen->FocusedButton, 7);
    Key(Qt::Key_Return);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Hadith number 1\n" + screen->richtext->toPlainText());

    // Round to the list, and back past the buttons to Arabic.
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), screen->list1);
    EXPECT_EQ(screen->FocusedButton, 0);
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), screen->ShapedButton1);
    Key(Qt::Key_Return);
    EXPECT_EQ(Playing(), "1/1");

    Key(Qt::Key_Escape);
    EXPECT_FALSE(frm_fourty);
    EXPECT_TRUE(frm_main);
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}
