// The disc taken away under an open section: one box says so, however long
// the stars, the recitation and the way back keep failing, and Escape still
// goes back to the main menu.
#include <gtest/gtest.h>

#include <filesystem>

#include "books/unt_hadith.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "quran/unt_quran.h"
#include "shell/app_sections.h"
#include "shell/sections.h"
#include "skin/unt_main.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace fs = std::filesystem;

namespace {

class DiscRemoved : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        RegisterAppSections();
        disc.linkTo(TestDiscFolder());
        platform::setDrive('D', disc.root());
    }
    void TearDown() override {
        if (fs::exists(gone())) PutBack();
        ScreenTest::TearDown();
    }
    fs::path gone() const { return disc.root().string() + ".gone"; }
    void Remove() { fs::rename(disc.root(), gone()); }
    void PutBack() { fs::rename(gone(), disc.root()); }

    DiscBuilder disc{"disc-removed"};
};

}  // namespace

TEST_F(DiscRemoved, OneBoxSaysSoAndEscapeGoesBackToTheMenu) {
    // The Quran reader while it recites, a book reader with a topic open.
    for (int section : {1, 3}) {
        SCOPED_TRACE(section);
        OpenSection(section);
        Advance(2000);
        platform::Form* screen = platform::topForm();
        ASSERT_TRUE(screen);
        ASSERT_TRUE(Errors().empty()) << Errors()[0];

        Remove();
        Advance(30000);  // a hundred ticks of the stars, suras and pages asked for
        EXPECT_EQ(Errors(), std::vector<std::string>{platform::ErrorBox::discRemovedMessage()});
        Key(Qt::Key_Escape);
        EXPECT_TRUE(screen->isClosed());
        EXPECT_TRUE(frm_main);
        Advance(3000);
        EXPECT_EQ(Errors().size(), 1u);

        // Back again: the menu built without it is left for a new one.
        PutBack();
        frm_main->closeForm();
        Errors().clear();
        ShowMainMenu();
        Advance(1000);
        EXPECT_TRUE(Errors().empty()) << Errors()[0];
        frm_main->closeForm();
        platform::processPendingEvents();
    }
}

TEST_F(DiscRemoved, EverySectionWithoutItsPicturesStillGoesBackWithEscape) {
    // No picture folder: each section's create handler stops at its
    // background, before any button exists.
    fs::remove(disc.root() / "velk_quran" / "graphic");
    for (int section = 1; section <= 12; ++section) {
        SCOPED_TRACE(section);
        OpenSection(section);
        Advance(1000);
        platform::Form* screen = platform::topForm();
        ASSERT_TRUE(screen);
        EXPECT_FALSE(Errors().empty());
        Key(Qt::Key_Escape);
        Advance(100);
        EXPECT_TRUE(frm_main) << "Escape did not go back to the menu";
        if (frm_main) frm_main->closeForm();
        platform::processPendingEvents();
        Errors().clear();
    }
}
