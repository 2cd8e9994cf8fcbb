// The book search screens: AND and OR, moving books, opening a hit in the
// reader with its words marked, the search paced on its timer (books moved
// or the screen closed while it runs, a book that cannot be read), the
// translated book with its reader, and the Arabic-aware options.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTextBlock>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "book_screen_test.h"
#include "books/unt_fekh.h"
#include "books/unt_fekhs.h"
#include "books/unt_hadith.h"
#include "books/unt_hadiths.h"
#include "books/unt_live.h"
#include "books/unt_lives.h"
#include "platform/richtext.h"
#include "platform/string_grid.h"

namespace {

using Books = std::vector<int>;

class BookSearchTest : public BookScreenTest {
  protected:
    /// The reader of `open`, and its search screen opened from its button.
    template <class Search>
    Search* OpenSearch(void (*open)(), QPointer<Search>& form, int button = 6) {
        open();
        Advance(20);
        auto* reader = display->findChild<TopicTreeReader*>();
        EXPECT_TRUE(Errors().empty()) << Errors()[0];
        if (!reader || !reader->Button(button)) return nullptr;
        Click(reader->Button(button));
        platform::processPendingEvents();
        EXPECT_TRUE(form && form->isModalForm());
        return form;
    }
    /// Types the words, picks the connector (0 none, 1 and, 2 or), searches
    /// and waits for the search to end.
    void Search(BookSearchScreen* s, const QString& word1, const QString& word2, int connector) {
        for (QRadioButton* option : {s->optand, s->optor}) option->setAutoExclusive(false);
        s->optand->setChecked(connector == 1);
        s->optor->setChecked(connector == 2);
        s->txtword1->setText(word1);
        s->txtword2->setText(word2);
        Click(s->Button(1));
        for (int i = 0; i < 300 && s->Searching(); ++i) Advance(100);
        EXPECT_TRUE(s->ButtonEnabled(1));
    }
    /// The result rows as "book/topic", checked against the grid's cells.
    static std::string Rows(BookSearchScreen* s) {
        std::string rows;
        const BookSearchState& state = s->State;
        for (int r = 1; r <= state.HitCount; ++r) {
            const int b = state.ResultBooks[r - 1], t = state.ResultTopics[r - 1];
            const bool cells = s->grdresult->Cell(0, r) == QString::number(r) &&
                               s->grdresult->Cell(2, r).endsWith(QString::number(t));
            rows += (rows.empty() ? "" : " ") +
                    (cells ? std::to_string(b) + "/" + std::to_string(t) : std::string("?"));
        }
        return rows;
    }
    /// Opens the hadith search from the reader shown, chooses every book and searches.
    Tfrm_hadiths* SearchAgain(const QString& word1, const QString& word2, int connector) {
        Tfrm_hadiths* s = OpenSearch([] {}, frm_hadiths);
        Click(s->Button(3));
        Search(s, word1, word2, connector);
        return s;
    }
};

}  // namespace

TEST_F(BookSearchTest, AndOrAndAMissingFirstWordHaveTheirKnownAnswers) {
    Tfrm_hadiths* s = OpenSearch(OpenHadithSection, frm_hadiths);
    EXPECT_EQ(s->lstavailable->item(0)->text(), QString::fromUtf8("كتاب 55"));
    Click(s->Button(3));
    EXPECT_EQ(s->lstchoosed->count(), 99);

    const QString absent = QString::fromUtf8("غائب");
    const struct {
        QString word1, word2;
        int connector;
        const char* rows;
    } cases[] = {
        {kBeryl, kAmber, 1, "55/7"},
        {kBeryl, kAmber, 2, "55/3 55/7 60/2 70/1"},
        {absent, kAmber, 1, ""},
        {absent, kAmber, 2, "55/7 70/1"},
        {kAmber, "", 1, "55/7 70/1"},  // a connector without a second word: the first alone
        {kBeryl, kAmber, 0, "55/3 55/7 60/2"},  // two words without a connector: the first alone
        {QString::fromUtf8("زبرجد و"), "", 0, "55/7"},  // as typed, blank included
        {QString::fromUtf8("זבר"), "", 0, ""},          // no such letters in the books' code page
    };
    for (const auto& c : cases) {
        Search(s, c.word1, c.word2, c.connector);
        EXPECT_EQ(Rows(s), c.rows) << c.word1.toStdString() << " " << c.connector;
        EXPECT_EQ(s->grdresult->RowCount(), std::max(2, s->State.HitCount + 1));
    }
    // An empty first word or no chosen book: nothing happens.
    Search(s, kBeryl, "", 0);
    Search(s, "", kAmber, 2);
    EXPECT_EQ(Rows(s), "55/3 55/7 60/2");
    Click(s->Button(5));
    Search(s, kAmber, "", 0);
    EXPECT_EQ(Rows(s), "55/3 55/7 60/2");
}

TEST_F(BookSearchTest, MovedBooksKeepTheirOrderAndNumbers) {
    Tfrm_fekhs* s = OpenSearch(OpenFekhSection, frm_fekhs, 5);
    ASSERT_EQ(s->lstindex1, MemberOf(BookMember::Fekh).offered);
    for (int i : {20, 0, 7, 6}) s->lstavailable->item(i)->setSelected(true);
    Click(s->Button(2));
    EXPECT_EQ(s->lstindex2, Books({904, 920, 921, 937}));
    EXPECT_EQ(s->lstchoosed->item(3)->text(), QString::fromUtf8("كتاب 937"));
    EXPECT_EQ(s->lstavailable->count(), 17);
    EXPECT_EQ(s->lstindex1.size(), 17u);
    s->lstchoosed->item(1)->setSelected(true);
    s->lstchoosed->item(3)->setSelected(true);
    Click(s->Button(4));
    EXPECT_EQ(s->lstindex2, Books({904, 921}));
    EXPECT_EQ(Books(s->lstindex1.end() - 2, s->lstindex1.end()), Books({920, 937}));
    EXPECT_EQ(s->lstavailable->item(18)->text(), QString::fromUtf8("كتاب 937"));
    Search(s, kBeryl, "", 0);
    EXPECT_EQ(Rows(s), "904/2");
    Click(s->Button(5));
    EXPECT_EQ(s->lstavailable->count(), 21);
    EXPECT_TRUE(s->lstindex2.empty());
    // Enter in a list moves its selected books.
    s->lstavailable->setCurrentRow(2);
    Key(s->lstavailable, Qt::Key_Return, "\r");
    EXPECT_EQ(s->lstindex2, Books({907}));
}

TEST_F(BookSearchTest, AHitOpensInTheReaderWithItsWordsInRed) {
    Tfrm_hadiths* s = OpenSearch(OpenHadithSection, frm_hadiths);
    Tfrm_hadith* reader = frm_hadith;
    Click(s->Button(3));
    Search(s, kBeryl, kAmber, 2);
    // Button 7 before any row was chosen: row 1.
    Click(s->Button(7));
    platform::processPendingEvents();
    EXPECT_FALSE(frm_hadiths);
    EXPECT_EQ(reader->CurrentBook, 55);
    EXPECT_EQ(reader->CurrentTopic, 3);
    EXPECT_EQ(RedText(reader->richtext->document()), kBeryl);
    EXPECT_EQ(reader->tree1->currentItem(), reader->tree1->topLevelItem(0)->child(2));

    // Row 4, the last: another group; the reader steps on from there.
    platform::StringGrid* grid = SearchAgain(kBeryl, kAmber, 2)->grdresult;
    Click(grid->viewport(), grid->visualItemRect(grid->item(3, 1)).center());
    Click(frm_hadiths->Button(7));
    EXPECT_EQ(reader->CurrentBook, 70);
    EXPECT_EQ(reader->CurrentTopic, 1);
    EXPECT_EQ(reader->lblpart->text(), "16");
    EXPECT_EQ(RedText(reader->richtext->document()), kAmber);

    // Both words in one topic; then the same topic, already shown, opened
    // from a one-word search: only that word.
    Click(SearchAgain(kBeryl, kAmber, 1)->Button(7));
    EXPECT_EQ(reader->CurrentTopic, 7);
    EXPECT_EQ(RedText(reader->richtext->document()), kBeryl + "|" + kAmber + "|" + kBeryl);
    Key(SearchAgain(kAmber, kBeryl, 0)->grdresult, Qt::Key_Return, "\r");
    EXPECT_EQ(reader->CurrentTopic, 7);
    EXPECT_EQ(RedText(reader->richtext->document()), kAmber);
    // Chosen by hand, a topic shows no marks.
    reader->tree1->setCurrentItem(reader->tree1->topLevelItem(0)->child(0));
    reader->tree1->setCurrentItem(reader->tree1->topLevelItem(0)->child(6));
    EXPECT_EQ(RedText(reader->richtext->document()), "");
}

TEST_F(BookSearchTest, TheSearchWalksTheBooksChosenWhenItStartedAndStopsWithTheScreen) {
    Tfrm_hadiths* s = OpenSearch(OpenHadithSection, frm_hadiths);
    s->TickBudgetMs = 0;  // one book a tick
    Click(s->Button(3));
    s->txtword1->setText(kBeryl);
    Key(s->txtword1, Qt::Key_Return, "\r");
    EXPECT_FALSE(s->ButtonEnabled(1));
    Advance(100);
    EXPECT_EQ(s->State.BookCursor, 1);
    // The books go back while it runs; it goes on over the ones it started with.
    Click(s->Button(5));
    for (int i = 0; i < 200 && s->Searching(); ++i) Advance(100);
    EXPECT_EQ(s->State.BookCursor, 99);
    EXPECT_EQ(Rows(s), "55/3 55/7 60/2");

    // Closed while searching: the search stops, the results stay as they were.
    Click(s->Button(3));
    Click(s->Button(1));
    Advance(300);
    EXPECT_EQ(s->State.BookCursor, 3);
    Key(s->txtword1, Qt::Key_Escape);
    Advance(1000);
    EXPECT_FALSE(frm_hadiths);
    EXPECT_EQ(SearchStateOf(BookMember::Hadith).BookCursor, 3);
    EXPECT_EQ(SearchStateOf(BookMember::Hadith).HitCount, 2);
}

TEST_F(BookSearchTest, ABookThatCannotBeReadStopsTheSearchWithOneErrorAndAnotherCanStart) {
    disc->remove("data/60d");
    Tfrm_hadiths* s = OpenSearch(OpenHadithSection, frm_hadiths);
    Click(s->Button(3));
    Search(s, kBeryl, "", 0);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("60d"), std::string::npos) << Errors()[0];
    EXPECT_EQ(Rows(s), "55/3 55/7");
    WriteBook(60);
    Search(s, kBeryl, "", 0);
    EXPECT_EQ(Rows(s), "55/3 55/7 60/2");
    expectedErrors = 1;
}

TEST_F(BookSearchTest, TheTranslatedBookFindsATopicThatBeginsWithTheWord) {
    Tfrm_lives* s = OpenSearch(OpenLiveSection, frm_lives);
    Tfrm_live* reader = frm_live;
    ASSERT_EQ(s->lstavailable->count(), 1);
    Click(s->Button(2));  // nothing selected: nothing moves
    EXPECT_EQ(s->lstchoosed->count(), 0);
    s->lstavailable->item(0)->setSelected(true);
    Click(s->Button(2));
    Search(s, "Patience", "", 0);
    EXPECT_EQ(Rows(s), "1/5 1/12");
    EXPECT_EQ(s->grdresult->Cell(2, 1), "Chapter 5");
    Search(s, "patience", "", 0);  // case counts
    EXPECT_EQ(Rows(s), "");
    Search(s, "Patience", "light", 1);
    EXPECT_EQ(Rows(s), "1/5");
    Click(s->Button(7));
    EXPECT_EQ(reader->CurrentTopic, 5);
    EXPECT_EQ(RedText(reader->richtext->document()), "Patience|light");

    // The reader of the translated book: its own buttons only, the titles of
    // its 92 topics, and every paragraph on the left (the file centres them).
    for (int n : {1, 2, 3, 4, 5, 12, 13, 14}) EXPECT_FALSE(reader->Button(n)->isVisible()) << n;
    EXPECT_FALSE(reader->lblpart->isVisible());
    QTreeWidgetItem* root = reader->tree1->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 92);
    EXPECT_EQ(root->child(91)->text(0), "Chapter 92");
    for (QTextBlock b = reader->richtext->document()->begin(); b.isValid(); b = b.next())
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignLeft | Qt::AlignAbsolute);
}

TEST_F(BookSearchTest, ArabicAwareOptionsFindFoldedFormsAndMarkThemWhereTheyStand) {
    topics[{56, 1}] = Cp1256("قال إبراهيم والكتاب");
    topics[{56, 2}] = Cp1256("ابراهيمي الكتابة");
    topics[{57, 3}] = Cp1256("بإبراهيمَ");
    WriteBook(56);
    WriteBook(57);
    struct Restore {
        ~Restore() { platform::setSearchOptions({}); }
    } restore;
    Tfrm_hadiths* s = OpenSearch(OpenHadithSection, frm_hadiths);
    Tfrm_hadith* reader = frm_hadith;
    Click(s->Button(3));
    const QString abraham = QString::fromUtf8("ابراهيم"), book = QString::fromUtf8("كتاب");
    const struct {
        platform::SearchOptions options;
        QString word1, word2;
        int connector;
        const char* rows;
    } cases[] = {
        {{}, abraham, "", 0, "56/2"},
        {{}, book, "", 0, "56/1 56/2"},
        {{true, false, false}, abraham, "", 0, "56/1 56/2 57/3"},
        {{true, true, false}, abraham, "", 0, "56/1 57/3"},
        {{false, true, false}, abraham, "", 0, ""},
        {{true, true, false}, abraham, book, 2, "56/1 57/3"},
        {{true, true, false}, abraham, book, 1, "56/1"},
    };
    for (const auto& c : cases) {
        platform::setSearchOptions(c.options);
        Search(s, c.word1, c.word2, c.connector);
        EXPECT_EQ(Rows(s), c.rows) << c.word1.toStdString() << " " << c.connector;
    }
    // The written-out alefs widen a word only in a book that never holds it
    // as written: كتب finds والكتاب until the book has كتب.
    platform::setSearchOptions({true, true, true});
    Search(s, QString::fromUtf8("كتب"), "", 0);
    EXPECT_EQ(Rows(s), "56/1");
    // The marks stand on the text's own spelling, the prefixes left black.
    Click(s->Button(7));
    EXPECT_EQ(reader->CurrentTopic, 1);
    EXPECT_EQ(RedText(reader->richtext->document()), QString::fromUtf8("كتاب"));
    topics[{56, 3}] = Cp1256("كتب");
    WriteBook(56);
    s = SearchAgain(abraham, book, 1);
    EXPECT_EQ(Rows(s), "56/1");
    Search(s, QString::fromUtf8("كتب"), "", 0);
    EXPECT_EQ(Rows(s), "56/3");
    platform::setSearchOptions({true, true, false});
    Search(s, abraham, book, 1);
    Click(s->Button(7));
    EXPECT_EQ(reader->CurrentTopic, 1);
    EXPECT_EQ(RedText(reader->richtext->document()), QString::fromUtf8("إبراهيم|كتاب"));

    // The translated book goes through the same matcher.
    platform::setSearchOptions({});
    const platform::MatchSwitches whole{false, false, false, true};
    EXPECT_TRUE(BookSearchWords("Patienc", "", kFirstWordOnly).HitInText("Patience is"));
    EXPECT_FALSE(BookSearchWords("Patienc", "", kFirstWordOnly, whole).HitInText("Patience is"));
    EXPECT_TRUE(BookSearchWords("Patience", "", kFirstWordOnly, whole).HitInText("Patience is"));
}
