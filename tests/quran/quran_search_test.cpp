// The Quran search on a disc whose aya text file holds a filler text for
// every aya of the Quran and a few planted words: hits once per aya, rows,
// names, not-found, blanks and case, damaged files, and choosing a hit from
// the reader's go-to panel.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "aya_text_builder.h"
#include "platform/codepage.h"
#include "platform/string_grid.h"
#include "quran/quran_files.h"
#include "quran/unt_qurans.h"
#include "quran/unt_remote.h"
#include "quran_test.h"
#include "result_rows.h"
#include "shell/globals.h"

namespace {

std::string cp(const char* utf8) {
    return platform::fromUnicode(QString::fromUtf8(utf8));
}

const char* const kBook = "كتاب";
const QString kNotFound = QString::fromUtf8("كلمة البحث غير موجودة");

class QuranSearchTest : public QuranTest {
  protected:
    void SetUp() override {
        QuranTest::SetUp();
        // The Quran's own aya counts, a filler text in every aya, planted words.
        for (int s = 1, record = 0; s <= 114; ++s)
            suras[s - 1].assign(ReadSuraAyaCount(s, record), cp("نص"));
        suras[1][1] = cp("ذلك الكتاب لا ريب فيه");
        suras[1][2] = cp("كتاب و كتاب");  // twice in one aya: one hit
        suras[2][4] = cp("في كتاب");
        suras[113][5] = cp("من الجنة والناس كتاب");
        suras[4][0] = "LIGHT of the sky";
        suras[23][34] = "a Light upon light";
        suras[8][0] = "what?";
        // Hamza where a search below has lam: upper-cased as Latin-1, lam would be hamza.
        suras[6][0] = cp("سءم");
        OwnDisc("quran-search").write("data/11", ayatext::FileOf(suras));
    }

    Tfrm_qurans* Open() {
        Tfrm_qurans* s = platform::createForm(frm_qurans, display.get());
        s->showModal();
        platform::processPendingEvents();
        return s;
    }

    std::vector<std::vector<std::string>> suras = std::vector<std::vector<std::string>>(114);
};

}  // namespace

TEST_F(QuranSearchTest, ListsEachAyaOnceAndKeepsTheRowsWhenNothingIsFound) {
    LanguageIndex = 2;  // the screen's pictures are always those of language 1
    Tfrm_qurans* s = Open();
    EXPECT_EQ(LanguageIndex, 1);

    // Blanks around the word are ignored and Enter leaves no line break.
    TypeAndEnter(s->Memo1, "  " + QString::fromUtf8(kBook) + " ");
    EXPECT_EQ(s->Memo1->text(), QString::fromUtf8(kBook));
    EXPECT_EQ(s->lblresult->text(), QString::fromUtf8("التكرار= 4"));
    EXPECT_EQ(ResultRows(s->grdresult), "2:2 2:3 3:5 114:6");
    EXPECT_TRUE(s->isEnabled());
    EXPECT_EQ(s->window()->focusWidget(), s->Memo1);

    // Nothing found: the message, and the rows and hits of before.
    const char* const nowhere[] = {"zzz", "", "   ", "سلم", "א"};
    for (const char* word : nowhere) {
        s->Memo1->setText(QString::fromUtf8(word));
        Click(s->Button(1));
        EXPECT_EQ(s->lblresult->text(), kNotFound) << word;
        EXPECT_EQ(ResultRows(s->grdresult), "2:2 2:3 3:5 114:6") << word;
    }
    // Latin letters regardless of case; a new search replaces the rows.
    TypeAndEnter(s->Memo1, "light");
    EXPECT_EQ(ResultRows(s->grdresult), "5:1 24:35");
    TypeAndEnter(s->Memo1, "?");
    EXPECT_EQ(ResultRows(s->grdresult), "9:1");

    // Tab runs from the box to the list, on to the buttons (the first shows
    // its focus picture, the arrows move it, Enter clicks it) and back.
    QApplication::setActiveWindow(display.get());
    s->Memo1->setFocus();
    Key(s->Memo1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), s->grdresult);
    Key(s->grdresult, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), s);
    EXPECT_EQ(s->FocusedButton, 1);
    Key(s, Qt::Key_Right);
    EXPECT_EQ(s->FocusedButton, 2);
    Key(s, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), s->Memo1);
    EXPECT_EQ(s->FocusedButton, 0);
    Key(s->Memo1, Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_qurans);
    EXPECT_EQ(LanguageIndex, 2);
}

TEST_F(QuranSearchTest, ChoosingAHitMovesTheReaderThere) {
    Tfrm_quran* viewer = OpenViewer();
    Advance(400);
    Tfrm_remote* panel = frm_remote;
    ASSERT_FALSE(panel->ButtonEnabled(2));  // reciting

    // Button 3 before any row was clicked opens row 1; the mouse chooses row
    // 3, the keys row 4 (the last, in sura 114).
    auto chooseRow = [&](int row) {
        Click(panel->Button(1));
        ASSERT_TRUE(frm_qurans && frm_qurans->isModalForm());
        EXPECT_TRUE(panel->ButtonEnabled(2));  // paused while searching
        TypeAndEnter(frm_qurans->Memo1, QString::fromUtf8(kBook));
        platform::StringGrid* grid = frm_qurans->grdresult;
        if (row == 3) {
            Click(grid->viewport(), grid->visualItemRect(grid->item(2, 1)).center());
            Click(frm_qurans->Button(3));
        } else if (row == 4) {
            grid->setFocus();
            for (int i = 1; i < row; ++i) Key(grid, Qt::Key_Down);
            Key(grid, Qt::Key_Return, "\r");
        } else {
            Click(frm_qurans->Button(3));
        }
        platform::processPendingEvents();
        EXPECT_FALSE(frm_qurans);
    };
    const std::pair<int, const char*> choices[] = {{1, "2:2"}, {3, "3:5"}, {4, "114:6"}};
    for (const auto& [row, where] : choices) {
        chooseRow(row);
        const QString shown = panel->memosora->toPlainText() + ":" + panel->Memoaya->toPlainText();
        EXPECT_EQ(shown.toStdString(), where) << row;
        EXPECT_EQ(viewer->Core->ShownSuraTitle, CurrentSura);
        EXPECT_FALSE(panel->ButtonEnabled(2)) << "reciting the aya found";
    }
}

TEST_F(QuranSearchTest, ADamagedTextFileStopsWithAnErrorAndTheScreenStaysUsable) {
    Tfrm_qurans* s = Open();
    TypeAndEnter(s->Memo1, "light");
    const std::string good = ayatext::FileOf(suras);

    // Cut inside the texts, inside the records, and an aya whose length runs
    // past the end of the file: each search stops at the damage.
    std::string longText = good;
    ayatext::putU32(longText, 114 * 5 + 6, 0x7FFFFFFF);
    for (const std::string& bad :
         {good.substr(0, good.size() - 30), good.substr(0, 5000), longText}) {
        disc->write("data/11", bad);
        TypeAndEnter(s->Memo1, QString::fromUtf8(kBook));
        ++expectedErrors;
        ASSERT_EQ(Errors().size(), expectedErrors);
        EXPECT_NE(Errors().back().find("Read error in file"), std::string::npos) << Errors().back();
        EXPECT_TRUE(s->isEnabled());
        EXPECT_EQ(s->window()->focusWidget(), s->Memo1);
        EXPECT_EQ(ResultRows(s->grdresult), "5:1 24:35");
    }
    disc->write("data/11", good);
    TypeAndEnter(s->Memo1, QString::fromUtf8(kBook));
    EXPECT_EQ(ResultRows(s->grdresult), "2:2 2:3 3:5 114:6");
}

TEST_F(QuranSearchTest, WithoutItsSkinTheScreenStillSearchesAndEscapeLeavesIt) {
    disc->remove("graphic/qurans/1/qurans.jpg");
    LanguageIndex = 3;
    Tfrm_qurans* s = Open();
    expectedErrors = 1;
    EXPECT_TRUE(s->ButtonList.empty());
    TypeAndEnter(s->Memo1, "light");
    EXPECT_EQ(ResultRows(s->grdresult), "5:1 24:35");
    Key(s->grdresult, Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_qurans);
    EXPECT_EQ(LanguageIndex, 3);
}
