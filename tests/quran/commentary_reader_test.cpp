// The commentary reader on the sample disc with hand-made commentary files:
// the text of each aya in its font, code page and direction, the language
// screen, the chooser, the one pause by the text, stepping, the sura index and
// a missing commentary.
#include <QApplication>
#include <QLabel>
#include <fstream>
#include <gtest/gtest.h>

#include "aya_text_builder.h"
#include "platform/codepage.h"
#include "platform/listening.h"
#include "platform/richtext.h"
#include "quran/commentary_file.h"
#include "quran/quran_files.h"
#include "quran/unt_lang.h"
#include "quran/unt_soraname.h"
#include "quran/unt_tafseer.h"
#include "quran/unt_tafseername.h"
#include "quran_test.h"
#include "shell/globals.h"
#include "skin/unt_main.h"

namespace {

// What commentary n says of sura s, aya a, as Unicode (without any marker).
QString Said(int n, int s, int a) {
    static const char* words[] = {"",          "تفسير أول",  "تفسير ثان", "تفسير ثالث",
                                  "English",   "Français é", "Español ñ", "Türkçe ş",
                                  "Indonesia", "Русский Ж"};
    return QString::fromUtf8(words[n]) + QString(" %1:%2").arg(s).arg(a);
}

// Commentary n in its code page; 6 and 9 put an aya marker before each text.
std::string MakeCommentaryFile(int n) {
    std::vector<std::vector<std::string>> suras(kSuraCount);
    for (int s = 1, record = 0; s <= kSuraCount; ++s)
        for (int a = 1, count = ReadSuraAyaCount(s, record); a <= count; ++a) {
            std::string text = platform::fromUnicode(Said(n, s, a), CommentaryStyleOf(n).codePage);
            suras[s - 1].push_back(n == 6 || n == 9 ? "aaaaa" + std::to_string(a) + text : text);
        }
    return ayatext::FileOf(suras);
}

class CommentaryReaderTest : public QuranTest {
  protected:
    // One disc for all the tests: the sample disc with the nine commentaries
    // made here. A test that removes a file puts it back (Remove).
    static void SetUpTestSuite() {
        platform::setProgramDrive('D');
        platform::setDrive('D', TestDiscFolder());
        BuildDiscFolders();
        commentaries = new DiscBuilder("commentary");
        for (int n = 1; n <= kCommentaryCount; ++n)
            commentaries->write("data/" + std::to_string(n), MakeCommentaryFile(n));
        commentaries->linkTo(TestDiscFolder());
    }
    static void TearDownTestSuite() {
        delete commentaries;
        commentaries = nullptr;
    }
    void SetUp() override {
        QuranTest::SetUp();
        platform::setDrive('D', commentaries->root());
    }
    void TearDown() override {
        QuranTest::TearDown();
        for (const auto& [name, bytes] : removed_) commentaries->write(name, bytes);
    }
    /// Removes a file of the disc until the test ends.
    void Remove(const std::string& name) {
        std::ifstream in(commentaries->root() / "velk_quran" / name, std::ios::binary);
        removed_.emplace_back(name, std::string(std::istreambuf_iterator<char>(in), {}));
        commentaries->remove(name);
    }
    void Open() {
        PresetSectionValues(2);
        OpenCommentarySection();
        reader = frm_tafseer;
        ASSERT_NE(reader, nullptr);
        Advance(10);
    }
    void FinishAya() { QuranTest::FinishAya(*reader->Core); }
    QString Text() const { return reader->memotafseer->toPlainText(); }
    bool RightToLeft() const {
        const QTextOption o = reader->memotafseer->document()->defaultTextOption();
        return o.textDirection() == Qt::RightToLeft && (o.alignment() & Qt::AlignRight);
    }
    std::string Font() const { return reader->memotafseer->font().family().toStdString(); }
    void Language(int button) {
        Click(reader->Button(1));
        ASSERT_NE(frm_lang, nullptr);
        EXPECT_EQ(LanguageScreenMode, 3);
        Click(frm_lang->Button(button));
        platform::processPendingEvents();
        EXPECT_EQ(frm_lang, nullptr);
    }

    static DiscBuilder* commentaries;
    Tfrm_tafseer* reader = nullptr;

  private:
    std::vector<std::pair<std::string, std::string>> removed_;
};

DiscBuilder* CommentaryReaderTest::commentaries = nullptr;

}  // namespace

TEST_F(CommentaryReaderTest, OpensAtTheFirstAyaInArabicAndFollowsTheRecitation) {
    Open();
    EXPECT_EQ(CommentaryIndex, 1);
    EXPECT_EQ(Text(), Said(1, 1, 1));
    EXPECT_TRUE(RightToLeft());
    EXPECT_EQ(Font(), "Arabic transparent");
    EXPECT_TRUE(reader->ButtonEnabled(10));
    EXPECT_EQ(reader->memosora->toPlainText(), "1");
    EXPECT_EQ(reader->panquran->VisibleMarks().size(), 1u);
    // At the start of the Quran the backward steps are disabled.
    for (int n : {3, 5, 7, 9}) EXPECT_FALSE(reader->ButtonEnabled(n)) << n;
    FinishAya();
    EXPECT_EQ(CurrentAya, 2);
    EXPECT_EQ(Text(), Said(1, 1, 2));
    EXPECT_EQ(reader->Memoaya->toPlainText(), "2");

    // Keys step like the buttons; a sura chosen in the index opens here.
    Key(reader, Qt::Key_PageDown);
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 2001);
    Click(reader->lblindex);
    ASSERT_NE(frm_soraname, nullptr);
    EXPECT_EQ(SuraIndexCaller, 2);
    Click(frm_soraname->Label(18));
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 18001);
    EXPECT_EQ(Text(), Said(1, 18, 1));
    // Escape goes back to the main menu.
    Key(reader, Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_EQ(frm_tafseer, nullptr);
    EXPECT_NE(frm_main, nullptr);
}

TEST_F(CommentaryReaderTest, LanguageScreenChoosesTheTranslationsInTheirOwnScripts) {
    Open();
    Click(reader->Button(4));  // next sura
    ASSERT_EQ(CurrentSura, 2);
    // Language button b shows commentary b + 2 in its font. Only an Arabic
    // commentary reads right to left and lets the chooser (button 10) open.
    const char* fonts[] = {
        "Arabic transparent", "Arial", "frnsys", "GerSys", "Arial", "Arial", "Arial"};
    for (int button = 1; button <= 7; ++button) {
        const int n = button + 2;
        Language(button);
        EXPECT_EQ(CommentaryIndex, n);
        EXPECT_EQ(Text(), Said(n, 2, 1)) << n;  // no marker, letters of its code page
        EXPECT_EQ(Font(), fonts[button - 1]) << n;
        EXPECT_EQ(RightToLeft(), n == 3) << n;
        EXPECT_EQ(reader->ButtonEnabled(10), n == 3) << n;
    }
    // Button 8 closes and changes nothing.
    Language(8);
    EXPECT_EQ(CommentaryIndex, 9);
    EXPECT_EQ(Text(), Said(9, 2, 1));
    // A text that cannot be read keeps the one shown, under its own number.
    Remove("data/3");
    Language(1);
    expectedErrors = 1;
    EXPECT_EQ(CommentaryIndex, 9);
    EXPECT_EQ(Text(), Said(9, 2, 1));
}

TEST_F(CommentaryReaderTest, ChooserGrowsUpwardOnceAndChoosesAnArabicCommentary) {
    Open();
    Click(reader->Button(10));
    Click(reader->Button(10));
    Tfrm_tafseername* chooser = frm_tafseername;
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(reader->findChildren<Tfrm_tafseername*>().size(), 1u);
    // From nothing at the reader's lower edge up to 140 by 145, where it stops.
    EXPECT_EQ(chooser->geometry(), QRect(176, 539, 140, 0));
    Advance(2000);
    EXPECT_EQ(chooser->geometry(), QRect(176, 394, 140, 145));
    EXPECT_FALSE(chooser->Timer1->enabled());
    const int aya = CurrentAya;
    ASSERT_GT(aya, 1);  // the recitation went on meanwhile
    Click(chooser->Button(2));
    platform::processPendingEvents();
    EXPECT_EQ(frm_tafseername, nullptr);
    EXPECT_EQ(CommentaryIndex, 2);
    EXPECT_EQ(Text(), Said(2, 1, aya));
    EXPECT_TRUE(RightToLeft());
    Click(reader->Button(10));
    EXPECT_NE(frm_tafseername, nullptr);
}

TEST_F(CommentaryReaderTest, AClickOnTheTextPausesOnceForTheWholeRun) {
    Open();
    auto press = [this] { MouseDown(reader->memotafseer->viewport(), {5, 5}); };
    press();
    Advance(5000);
    EXPECT_EQ(CurrentAya, 1);  // paused
    press();
    Advance(5000);
    EXPECT_EQ(CurrentAya, 1);  // the second click does not resume
    Click(reader->Button(13));
    platform::processPendingEvents();
    Open();
    press();
    FinishAya();
    EXPECT_EQ(CurrentAya, 2);  // nor pause again after coming back
}

TEST_F(CommentaryReaderTest, AMissingCommentaryIsReportedOnceWhileTheAyasGoOn) {
    Remove("data/1");
    Open();
    expectedErrors = 1;
    EXPECT_NE(Text().indexOf("missing"), -1);
    FinishAya();
    FinishAya();
    EXPECT_EQ(CurrentAya, 3);  // shown, timed and recited all the same
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("data\\1"), std::string::npos) << Errors()[0];
}

TEST_F(CommentaryReaderTest, AFirstSuraThatFailsIsNotTriedAgainAndAgain) {
    Remove("data/aya_count");
    Open();
    Advance(1000);
    expectedErrors = 1;
    EXPECT_FALSE(reader->Timer1->enabled());
}

TEST_F(CommentaryReaderTest, PausesAfterEachAyaAndRepeatsARangeSetWithR) {
    platform::listening() = {};
    platform::listening().pauseSeconds = 1;
    Open();
    reader->KeyPressed(Qt::Key_R, Qt::NoModifier);  // 1:1
    reader->KeyPressed(Qt::Key_Left, Qt::NoModifier);
    reader->KeyPressed(Qt::Key_R, Qt::NoModifier);  // 1:2
    ASSERT_TRUE(platform::listening().rangeOn());
    FinishAya();
    EXPECT_TRUE(reader->Core->Pausing());
    EXPECT_EQ(Text(), Said(1, 1, 2)) << "the commentary stays during the pause";
    // Space holds the pause as it pauses the recitation.
    reader->KeyPressed(Qt::Key_Space, Qt::NoModifier);
    Advance(3000);
    EXPECT_EQ(CurrentAya, 2);
    reader->KeyPressed(Qt::Key_Space, Qt::NoModifier);
    Advance(1000);
    // The range's second round: back to 1:1 and its commentary.
    EXPECT_FALSE(reader->Core->Pausing());
    EXPECT_EQ(CurrentAya, 1);
    EXPECT_EQ(Text(), Said(1, 1, 1));
    platform::listening() = {};
}
