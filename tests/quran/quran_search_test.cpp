// The Quran search on a disc whose aya text file holds a filler text for
// every aya of the Quran and a few planted words: hits once per aya, rows,
// names, not-found, blanks and case, damaged files, and choosing a hit from
// the reader's go-to panel; the Arabic-aware options and the not-found hint;
// the scope of one sura or of pages, and Ctrl+F in the reader.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

#include "aya_text_builder.h"
#include "platform/arabic_match.h"
#include "platform/codepage.h"
#include "platform/string_grid.h"
#include "quran/quran_files.h"
#include "quran/sura_names.h"
#include "quran/unt_quran.h"
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

TEST_F(QuranSearchTest, ArabicAwareOptionsFindTheFoldedFormsAndTheExactSearchHintsAtThem) {
    suras[2][0] = cp("واذ قال إبراهيم");
    suras[3][1] = cp("ولإبراهيمَ");
    suras[3][2] = cp("ابراهيمي");
    suras[5][1] = cp("بسم الله الرحمان");
    disc->write("data/11", ayatext::FileOf(suras));
    struct Restore {
        ~Restore() { platform::setSearchOptions({}); }
    } restore;
    Tfrm_qurans* s = Open();
    const QRect label = s->lblresult->geometry();

    // Options off: the exact search; where it finds nothing the label says
    // in a second line how many ayas the Arabic-aware search finds, and the
    // option's key.
    TypeAndEnter(s->Memo1, QString::fromUtf8("ابراهيم"));
    EXPECT_EQ(ResultRows(s->grdresult), "4:3");
    TypeAndEnter(s->Memo1, QString::fromUtf8("إبراهيم"));
    EXPECT_EQ(ResultRows(s->grdresult), "3:1 4:2");
    TypeAndEnter(s->Memo1, QString::fromUtf8("اِبراهيم"));
    EXPECT_EQ(ResultRows(s->grdresult), "3:1 4:2");
    const QString hint = s->lblresult->text();
    EXPECT_TRUE(hint.startsWith(kNotFound + "<br>")) << hint.toStdString();
    EXPECT_TRUE(hint.contains(QString::fromUtf8(" 3 آية (search/arabicAware)")))
        << hint.toStdString();
    EXPECT_EQ(s->lblresult->geometry().bottom(), label.bottom());
    EXPECT_LT(s->lblresult->geometry().top(), label.top());
    EXPECT_GT(s->lblresult->geometry().top(), s->Memo1->geometry().bottom());
    // Nothing for the Arabic-aware search either: the message alone.
    TypeAndEnter(s->Memo1, "zzz");
    EXPECT_EQ(s->lblresult->text(), kNotFound);
    EXPECT_EQ(s->lblresult->geometry(), label);

    const struct {
        platform::SearchOptions options;
        const char* word;
        const char* rows;
    } cases[] = {
        {{true, false, false}, "ابراهيم", "3:1 4:2 4:3"},
        {{true, false, false}, "اِبراهيم", "3:1 4:2 4:3"},
        {{true, true, false}, "ابراهيم", "3:1 4:2"},
        {{false, true, false}, "إبراهيم", "3:1"},
        {{true, false, true}, "الرحمن", "6:2"},
        {{false, false, false}, "LIGHT", "5:1 24:35"},
        {{true, true, true}, "light", "5:1 24:35"},
        {{true, true, true}, "ligh", "5:1 24:35"},  // not found: the rows stay
    };
    for (const auto& c : cases) {
        platform::setSearchOptions(c.options);
        TypeAndEnter(s->Memo1, QString::fromUtf8(c.word));
        EXPECT_EQ(ResultRows(s->grdresult), c.rows) << c.word;
    }
    // Arabic-aware search on and nothing found: no hint.
    EXPECT_EQ(s->lblresult->text(), kNotFound);

    // The written-out alefs widen a word only while no aya holds it as
    // written: كتب finds كتاب until an aya has كتب.
    platform::setSearchOptions({true, true, true});
    TypeAndEnter(s->Memo1, QString::fromUtf8("كتب"));
    EXPECT_EQ(ResultRows(s->grdresult), "2:2 2:3 3:5 114:6");
    suras[6][1] = cp("وكتب");
    disc->write("data/11", ayatext::FileOf(suras));
    TypeAndEnter(s->Memo1, QString::fromUtf8("كتب"));
    EXPECT_EQ(ResultRows(s->grdresult), "7:2");
}

// The scope the program's menu sets: one sura, or the ayas that begin on a
// range of pages (the Madani print: page 2 holds 2:1-5, page 50 begins at
// 3:1, page 604 holds suras 112-114). The label names it after the count.
TEST_F(QuranSearchTest, AScopeOfOneSuraOrOfPagesKeepsTheHitsWithinIt) {
    Tfrm_qurans* s = Open();
    s->Memo1->setText(QString::fromUtf8(kBook));
    const QString sura2 = SuraNamesFile().Name(2);
    ASSERT_FALSE(sura2.isEmpty());
    const struct {
        SearchScope scope;
        const char* rows;
        QString scopeText;
    } cases[] = {
        {{SearchScope::Sura, 2}, "2:2 2:3", QString::fromUtf8("في سورة ") + sura2},
        {{SearchScope::Sura, 114},
         "114:6",
         QString::fromUtf8("في سورة ") + SuraNamesFile().Name(114)},
        {{SearchScope::Pages, 0, 2, 2}, "2:2 2:3", QString::fromUtf8("في الصفحات من 2 إلى 2")},
        {{SearchScope::Pages, 0, 50, 604},
         "3:5 114:6",
         QString::fromUtf8("في الصفحات من 50 إلى 604")},
        {{SearchScope::Pages, 0, 1, 604},
         "2:2 2:3 3:5 114:6",
         QString::fromUtf8("في الصفحات من 1 إلى 604")},
        {{}, "2:2 2:3 3:5 114:6", QString()},
    };
    for (const auto& c : cases) {
        s->SetScope(c.scope);  // the box holds a word: searched again at once
        EXPECT_EQ(ResultRows(s->grdresult), c.rows) << c.scopeText.toStdString();
        const QString count =
            QString::fromUtf8("التكرار= ") +
            QString::number(static_cast<int>(std::count(c.rows, c.rows + strlen(c.rows), ':')));
        EXPECT_TRUE(s->lblresult->text().startsWith(count)) << s->lblresult->text().toStdString();
        EXPECT_EQ(s->ScopeText(), c.scopeText);
        if (!c.scopeText.isEmpty())
            EXPECT_TRUE(s->lblresult->text().contains("(" + c.scopeText + ")"));
        else
            EXPECT_EQ(s->lblresult->text(), count) << "the whole Quran: the label as it was";
    }

    // Nothing within the scope: the message names it and the rows stay.
    s->SetScope({SearchScope::Pages, 0, 3, 49});
    EXPECT_TRUE(s->lblresult->text().startsWith(kNotFound));
    EXPECT_TRUE(s->lblresult->text().contains(QString::fromUtf8("من 3 إلى 49")));
    EXPECT_EQ(ResultRows(s->grdresult), "2:2 2:3 3:5 114:6");
    // With the hint too, which counts the ayas within the scope: 2:6-286.
    TypeAndEnter(s->Memo1, QString::fromUtf8("نَص"));
    EXPECT_EQ(s->AwareHitCount, 281);
    EXPECT_TRUE(s->lblresult->text().contains(QString::fromUtf8("من 3 إلى 49")));
    EXPECT_TRUE(s->lblresult->text().contains("(search/arabicAware)"));
    // An empty box: the scope alone, nothing searched.
    s->Memo1->clear();
    s->SetScope({SearchScope::Sura, 2});
    EXPECT_EQ(s->lblresult->text(), QString::fromUtf8("في سورة ") + sura2);
    TypeAndEnter(s->Memo1, QString::fromUtf8(kBook));
    EXPECT_EQ(ResultRows(s->grdresult), "2:2 2:3");
}

// Ctrl+F in the reader opens the search as the panel's search button does:
// a running recitation is paused first.
TEST_F(QuranSearchTest, CtrlFInTheReaderOpensTheSearch) {
    OpenViewer();
    Advance(400);
    Tfrm_remote* panel = frm_remote;
    ASSERT_FALSE(panel->ButtonEnabled(2));  // reciting
    frm_quran->setFocus();
    Key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(frm_qurans && frm_qurans->isModalForm());
    EXPECT_TRUE(panel->ButtonEnabled(2)) << "paused while searching";
    frm_qurans->EscapeKey();
    platform::processPendingEvents();
    EXPECT_FALSE(frm_qurans);
    // F alone does nothing.
    frm_quran->setFocus();
    Key(Qt::Key_F);
    EXPECT_FALSE(frm_qurans);
}
