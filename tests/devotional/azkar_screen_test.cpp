// The remembrances (section 10): the first one shown and recited at start
// unless the user chose before, titles missing from the title file, missing
// texts and recordings, copy, and the language put back on leaving.
#include <QApplication>
#include <QClipboard>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

#include "devotional/unt_azkar.h"
#include "platform/richtext.h"
#include "shell/globals.h"
#include "skin/unt_main.h"
#include "reading_screen_test.h"
#include "support/sim_device.h"

namespace {

class AzkarScreenTest : public ReadingScreenTest {
  protected:
    Tfrm_azkar* Open() {
        OpenHubSection(10);
        return frm_azkar;
    }
    /// A click on the list item of remembrance n.
    void Choose(int n) { ReadingScreenTest::Choose(frm_azkar->list1, n); }
    /// The recordings opened so far, by number ("1 5").
    static std::string Recited() {
        std::string out;
        for (const std::string& line : platform::SimulatedDevice::log()) {
            const size_t at = line.rfind("/azkar/");
            if (!line.starts_with("open ") || at == std::string::npos) continue;
            out += (out.empty() ? "" : " ") + line.substr(at + 7, line.size() - at - 11);
        }
        return out;
    }
    bool Shows(int n) const {
        return frm_azkar->richtext->toPlainText().contains(
            QString("Sample remembrance %1 of 91").arg(n));
    }
};

}  // namespace

TEST_F(AzkarScreenTest, TheFirstIsShownAtStartAndAChoiceReplacesIt) {
    LanguageIndex = 2;
    Tfrm_azkar* screen = Open();
    ASSERT_TRUE(screen);
    EXPECT_EQ(LanguageIndex, 1);
    Advance(100);
    EXPECT_TRUE(Shows(1));
    EXPECT_EQ(Recited(), "1");

    Choose(40);
    EXPECT_TRUE(Shows(40));
    Click(screen->Button(7));
    EXPECT_EQ(QApplication::clipboard()->text(), screen->richtext->toPlainText());
    EXPECT_EQ(Recited(), "1 40");

    Key(screen->list1, Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_azkar);
    EXPECT_TRUE(frm_main);
    EXPECT_EQ(LanguageIndex, 2);
    EXPECT_EQ(platform::SimulatedDevice::devices().size(), 0u);
    expectedErrors = 1;  // the sample disc has no menu of language 2
    EXPECT_NE(Errors()[0].find("main\\2\\main.jpg"), std::string::npos) << Errors()[0];
}

TEST_F(AzkarScreenTest, RemembrancesWithoutTitlesOpenTheirOwnFilesAndAnEarlyChoiceStands) {
    std::string titles = "[titles]\r\n";
    for (int n = 1; n <= 50; ++n) titles += std::to_string(n) + "=t" + std::to_string(n) + "\r\n";
    disc->write("data\\azkar\\titles.ini", titles);
    Tfrm_azkar* screen = Open();
    ASSERT_EQ(screen->list1->count(), 91);
    EXPECT_EQ(screen->list1->item(49)->text(), "t50");
    for (int n = 51; n <= 91; ++n) EXPECT_TRUE(screen->list1->item(n - 1)->text().isEmpty()) << n;
    Advance(50);
    Choose(77);  // before the start-up tick, which must not bring the first back
    Advance(200);
    EXPECT_TRUE(Shows(77));
    EXPECT_EQ(screen->list1->SelectedEntry(), 77);
    EXPECT_EQ(Recited(), "77");
}

TEST_F(AzkarScreenTest, AMissingTextOrRecordingIsOneErrorAndTheScreenGoesOn) {
    disc->remove("data\\azkar\\12.rtf");
    disc->remove("sound\\azkar\\13.mp3");
    ASSERT_TRUE(Open());
    Advance(100);
    Choose(12);  // the text of 1 stays, nothing new is recited
    EXPECT_TRUE(Shows(1));
    EXPECT_EQ(Recited(), "1");
    Choose(13);  // the text is shown without its recording
    EXPECT_TRUE(Shows(13));
    expectedErrors = 2;
    ASSERT_EQ(Errors().size(), 2u);
    EXPECT_TRUE(Errors()[0].starts_with("Cannot open file")) << Errors()[0];
    Choose(14);
    EXPECT_TRUE(Shows(14));
    EXPECT_EQ(Recited(), "1 13 14");
}

TEST_F(AzkarScreenTest, ATextTooLargeIsRefusedByNameAndALongOneLeavesTheScreenFreeToClose) {
    disc->write("data\\azkar\\15.rtf", "{\\rtf1 " + std::string(5 << 20, 'a') + "}");
    std::string longText = "{\\rtf1\\ansi ";
    while (longText.size() < (3 << 20)) longText += "Sample remembrance 16 of 91 goes on\\par\n";
    disc->write("data\\azkar\\16.rtf", longText + "}");
    Tfrm_azkar* screen = Open();
    ASSERT_TRUE(screen);
    Advance(100);
    Choose(15);  // refused unread: the text of 1 stays, nothing new is recited
    expectedErrors = 1;
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("15.rtf"), std::string::npos) << Errors()[0];
    EXPECT_NE(Errors()[0].find("is too large to show (6 MB, at most 4 MB)"), std::string::npos)
        << Errors()[0];
    EXPECT_TRUE(Shows(1));
    EXPECT_EQ(Recited(), "1");

    // A long text is shown at once and laid out in steps; Escape closes the
    // screen with the layout still going.
    Choose(16);
    EXPECT_TRUE(Shows(16));
    EXPECT_EQ(screen->richtext->document()->lastBlock().layout()->lineCount(), 0);
    Key(screen->list1, Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_azkar);
    EXPECT_TRUE(frm_main);
}

TEST_F(AzkarScreenTest, AnUnreadableFirstTextIsOneBoxOnOpening) {
    disc->remove("data\\azkar\\1.rtf");
    disc->write("data/azkar/1.rtf/not a file", "");  // a folder where the text should be
    ASSERT_TRUE(Open());
    Advance(2000);
    expectedErrors = 1;
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("azkar\\1.rtf"), std::string::npos) << Errors()[0];
    EXPECT_EQ(Recited(), "");
}
