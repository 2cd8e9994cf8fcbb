// The occasions of revelation (section 5): an entry's aya and account, copy,
// the Quran reader opened at the entry's aya (also from a later visit), the
// languages on the way out, and entries whose numbers name no aya.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "devotional/asbab_entry.h"
#include "devotional/unt_asbab.h"
#include "platform/codepage.h"
#include "quran/unt_quran.h"
#include "shell/globals.h"
#include "skin/unt_main.h"
#include "reading_screen_test.h"

namespace {

class AsbabScreenTest : public ReadingScreenTest {
  protected:
    void SetUp() override {
        ReadingScreenTest::SetUp();
        ChosenOccasion = {};  // as at the program's start
    }
    Tfrm_asbab* Open() {
        OpenHubSection(5);
        return frm_asbab;
    }
    void Choose(int n) { ReadingScreenTest::Choose(frm_asbab->list1, n); }
    /// Button 8, then the reader's start-up tick.
    void OpenReader() {
        Click(frm_asbab->Button(8));
        platform::processPendingEvents();
        Advance(100);
    }
};

}  // namespace

// The choice is remembered from one visit to the next; the reader opened from
// a later visit comes in the interface language of before and keeps the
// commentary.
TEST_F(AsbabScreenTest, AnEntryShowsItsAyaAndAccountAndALaterVisitOpensTheReaderThere) {
    Tfrm_asbab* screen = Open();
    ASSERT_TRUE(screen);
    Click(screen->Button(8));  // nothing chosen yet: nothing happens
    EXPECT_TRUE(frm_asbab);
    EXPECT_FALSE(frm_quran);

    const OccasionEntry entry = ReadOccasionEntry(300);
    Choose(300);
    EXPECT_EQ(screen->Memo1->toPlainText(), "\n" + platform::toUnicode(entry.aya));
    EXPECT_EQ(screen->Memo2->toPlainText(), platform::toUnicode(entry.sabab));
    Click(screen->Button(7));
    // Copy: a line feed, the aya, an empty line and the account.
    EXPECT_EQ(QApplication::clipboard()->text(),
              "\n" + platform::toUnicode(entry.aya) + "\n\n" + platform::toUnicode(entry.sabab));
    Click(screen->Button(5));
    platform::processPendingEvents();
    frm_main->closeForm();

    LanguageIndex = 4;
    CommentaryIndex = 7;
    screen = Open();
    EXPECT_EQ(LanguageIndex, 1);
    EXPECT_TRUE(screen->Memo1->toPlainText().isEmpty());
    OpenReader();
    EXPECT_FALSE(frm_asbab);
    ASSERT_TRUE(frm_quran);
    EXPECT_EQ(CurrentSura, std::stoi(entry.suraNum));
    EXPECT_EQ(CurrentAya, std::stoi(entry.ayaNum));
    EXPECT_EQ(LanguageIndex, 4);
    EXPECT_EQ(CommentaryIndex, 7);
    // the sample disc has no reader pictures of language 4
    expectedErrors = Errors().size();
    for (const std::string& e : Errors()) EXPECT_NE(e.find("\\4\\"), std::string::npos) << e;
}

TEST_F(AsbabScreenTest, NumbersThatNameNoAyaAreRefusedAndValuesOfAnyLengthAreShown) {
    const std::string long2047(2047, '7'), long3000(3000, 'a');
    const std::pair<std::string, std::string> refused[] = {
        {"", "5"}, {"x", "1"}, {"115", "1"}, {"1", "8"}, {"99999999999", "1"}, {"1", long2047}};
    int n = 1;
    for (const auto& [sura, aya] : refused)
        disc->write("data\\asbab\\" + std::to_string(n++) + ".ini",
                    "[asbab]\r\naya=" + long3000 + "\r\nsabab=\r\naya_num=" + aya +
                        "\r\nsora_num=" + sura + "\r\n");
    disc->write("data\\asbab\\" + std::to_string(n) + ".ini",
                "[asbab]\r\naya_num= 286 \r\nsora_num=2\r\n");
    disc->remove("data\\asbab\\20.ini");
    Tfrm_asbab* screen = Open();
    for (int k = 1; k < n; ++k) {
        Choose(k);
        EXPECT_EQ(screen->Memo1->toPlainText().size(), 1 + 2047) << k;
        Click(screen->Button(8));
        EXPECT_TRUE(frm_asbab) << k;
    }
    expectedErrors = static_cast<size_t>(n - 1);
    ASSERT_EQ(Errors().size(), expectedErrors);
    EXPECT_EQ(Errors()[2],
              "Entry 3 of the occasions of revelation names sura \"115\", aya \"1\": that is not "
              "an aya of the Quran.");
    EXPECT_NE(Errors()[5].find("aya \"777777777777777777777777...\""), std::string::npos)
        << Errors()[5];

    // A missing entry changes nothing: the panes and the aya stay those of the last one.
    Choose(n);
    Choose(20);
    ++expectedErrors;
    EXPECT_TRUE(Errors().back().starts_with("Cannot open file")) << Errors().back();
    EXPECT_EQ(screen->Memo1->toPlainText(), "\n");
    OpenReader();
    ASSERT_TRUE(frm_quran);
    EXPECT_EQ(CurrentSura, 2);
    EXPECT_EQ(CurrentAya, 286);
}
