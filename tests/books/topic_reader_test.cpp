// The topic tree readers: groups and their ends, the tree, the shown topic,
// printing without a printer, and books that cannot be read.
#include <QLabel>
#include <QTextBlock>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "book_screen_test.h"
#include "support/pdf_measure.h"
#include "books/unt_fekh.h"
#include "books/unt_hadith.h"
#include "books/unt_live.h"
#include "platform/print.h"
#include "platform/richtext.h"
#include "shell/globals.h"
#include "skin/unt_main.h"

namespace fs = std::filesystem;

namespace {

class TopicReaderTest : public BookScreenTest {
  protected:
    template <class Reader>
    Reader* Open(void (*open)(), QPointer<Reader>& form) {
        open();
        Advance(20);
        return form;
    }
    static QTreeWidgetItem* Node(TopicTreeReader* r, int n) {
        QTreeWidgetItem* root = r->tree1->topLevelItem(0);
        return n == 0 ? root : root->child(n - 1);
    }
    static void ClickNode(TopicTreeReader* r, int n) {
        QTreeWidget* tree = r->tree1;
        Click(tree->viewport(), tree->visualItemRect(Node(r, n)).center());
    }
    /// "book:topic", the shown topic.
    static std::string Shown(TopicTreeReader* r) {
        return std::to_string(r->CurrentBook) + ":" + std::to_string(r->CurrentTopic);
    }
};

}  // namespace

TEST_F(TopicReaderTest, GroupsOpenAtTheirFirstBookAndStepToTheirEnds) {
    LanguageIndex = 2;
    Tfrm_hadith* hadith = Open(OpenHadithSection, frm_hadith);
    EXPECT_EQ(LanguageIndex, 1);
    EXPECT_EQ(Shown(hadith), "55:1");

    // A group's button opens its first book: group 13 (142-153), to its last
    // book and back.
    Click(hadith->Button(13));
    EXPECT_EQ(Shown(hadith), "142:1");
    for (int i = 0; i < 11; ++i) Click(hadith->Button(4));
    EXPECT_EQ(Shown(hadith), "153:1");
    EXPECT_EQ(hadith->lblpart->text(), "12");
    EXPECT_FALSE(hadith->ButtonEnabled(4));
    EXPECT_TRUE(hadith->ButtonEnabled(5));
    hadith->NextBook();  // past the end: nothing
    EXPECT_EQ(hadith->CurrentBook, 153);
    for (int i = 0; i < 11; ++i) Click(hadith->Button(5));
    EXPECT_EQ(Shown(hadith), "142:1");
    EXPECT_TRUE(hadith->ButtonEnabled(4));
    EXPECT_FALSE(hadith->ButtonEnabled(5));

    // Back to the menu: the language of before.
    Key(hadith, Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_hadith);
    EXPECT_TRUE(frm_main);
    EXPECT_EQ(LanguageIndex, 2);

    // The jurisprudence reader; 937, a group of its own, can step nowhere.
    Tfrm_fekh* fekh = Open(OpenFekhSection, frm_fekh);
    EXPECT_EQ(Shown(fekh), "904:1");
    Click(fekh->Button(12));
    EXPECT_EQ(Shown(fekh), "937:1");
    EXPECT_FALSE(fekh->ButtonEnabled(3) || fekh->ButtonEnabled(4));
}

TEST_F(TopicReaderTest, TheTreeShowsTopicsRightAlignedWithTitlesCutAt100) {
    std::map<int, std::string> titles;
    for (int n = 1; n <= 8; ++n) titles[n] = Cp1256("باب ") + std::to_string(n);
    titles[2] = platform::fromUnicode(QString(120, QChar(0x0628)));  // 120 letters
    disc->write("data/55t", bookdisc::NumberedFile(titles));
    Tfrm_hadith* r = Open(OpenHadithSection, frm_hadith);
    EXPECT_EQ(Node(r, 0)->text(0), QString::fromUtf8("كتاب 55"));
    EXPECT_TRUE(Node(r, 0)->isExpanded());
    EXPECT_EQ(Node(r, 2)->text(0), QString(100, QChar(0x0628)));

    ClickNode(r, 2);
    EXPECT_EQ(r->CurrentTopic, 2);
    EXPECT_EQ(r->lbltitle->text(), QString(100, QChar(0x0628)));
    EXPECT_EQ(r->richtext->toPlainText(), QString::fromUtf8("نص 55 2"));
    const QTextBlockFormat format = r->richtext->document()->begin().blockFormat();
    EXPECT_EQ(format.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight | Qt::AlignAbsolute);
    // The root shows nothing new; the keys move through the topics.
    ClickNode(r, 0);
    EXPECT_EQ(r->CurrentTopic, 2);
    EXPECT_EQ(r->richtext->toPlainText(), QString::fromUtf8("نص 55 2"));
    r->tree1->setCurrentItem(Node(r, 2));
    Key(r->tree1, Qt::Key_Down);
    EXPECT_EQ(r->CurrentTopic, 3);
    EXPECT_EQ(r->richtext->toPlainText(), QString::fromUtf8("حجر زبرجد أخضر"));
}

// The rows of the tree that look marked on the screen as it was last painted
// (not painted again for the look): rows mostly not the tree's green.
// A hit far down its topic: the text is scrolled so that the first red word
// is in view, below the lines that lead to it.
TEST_F(TopicReaderTest, AHitOpensWithItsFirstMarkInView) {
    std::string text;
    for (int line = 1; line <= 150; ++line) text += Cp1256("سطر ") + std::to_string(line) + "\r\n";
    topics[{55, 4}] = text + Cp1256("حجر زبرجد في آخره") + "\r\n" + text;
    WriteBook(55);
    BookSearchState& search = SearchStateOf(BookMember::Hadith);
    search.SearchWord1 = kBeryl;
    search.SearchMode = kFirstWordOnly;
    Tfrm_hadith* r = Open(OpenHadithSection, frm_hadith);
    r->OpenSearchResult(55, 4);
    platform::processPendingEvents();
    EXPECT_EQ(RedText(r->richtext->document()), kBeryl);

    const QTextCursor mark = r->richtext->document()->find(kBeryl);
    const QRect at = r->richtext->cursorRect(mark);
    const QRect view = r->richtext->viewport()->rect();
    EXPECT_TRUE(view.contains(at)) << at.y() << " in " << view.height();
    EXPECT_GT(at.top(), view.height() / 5);  // lines before it show above it
    const QImage shown = r->richtext->viewport()->grab().toImage();
    int red = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) red += shown.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(red, 20);
}

// Both readers print their topic at its size on screen: 16 and 15 pixels are
// 12 and 11.25 points, and a word's box is 1 to 1.5 times that high.
TEST_F(TopicReaderTest, WithoutAPrinterTheTitleAndTextArePrintedToAPdfAtTheirScreenSize) {
    // A PDF in the documents folder, and a message saying where.
    const fs::path docs = fs::path(DriveC()) / "docs";
    const fs::path config = fs::path(DriveC()) / "config";
    fs::create_directories(config);
    std::ofstream(config / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << docs.string() << "\"\n";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    platform::setPrintToFileOnly(true);
    platform::ErrorBox::informed().clear();
    Tfrm_live* live = Open(OpenLiveSection, frm_live);
    ClickNode(live, 12);
    Click(live->Button(7));
    live->closeForm();
    platform::processPendingEvents();
    Tfrm_hadith* hadith = Open(OpenHadithSection, frm_hadith);
    ClickNode(hadith, 3);
    Click(hadith->Button(7));
    unsetenv("XDG_CONFIG_HOME");

    const fs::path pdf = docs / "ZAFIREL" / "Chapter 12.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    ASSERT_EQ(platform::ErrorBox::informed().size(), 2u);
    EXPECT_NE(platform::ErrorBox::informed()[0].find(pdf.string()), std::string::npos);
    const QString text = PdfLetters(pdf);
    EXPECT_TRUE(text.contains("Chapter 12")) << text.toStdString();
    EXPECT_TRUE(text.contains("The reward of Patience. Topic 12 of the book."))
        << text.toStdString();
    for (const PdfWord& w : PdfWords(pdf).words)
        if (w.text == "reward") EXPECT_NEAR(w.height(), 11.25 * 1.25, 11.25 * 0.25);

    const fs::path arabic = docs / "ZAFIREL" / QString::fromUtf8("باب 3.pdf").toStdString();
    ASSERT_TRUE(fs::exists(arabic));
    EXPECT_TRUE(PdfLetters(arabic).contains(QString::fromUtf8("حجر زبرجد أخضر")))
        << PdfLetters(arabic).toStdString();
    EXPECT_NEAR(MedianHeight(PdfWords(arabic), 1), 12 * 1.25, 12 * 0.25);
}

TEST_F(TopicReaderTest, ABookOrTopicThatCannotBeReadShowsOneErrorAndTheOthersStillOpen) {
    disc->remove("data/57t");
    std::string texts = bookdisc::NumberedFile({{1, "a"}, {2, "b"}, {3, "c"}});
    bookdisc::putU32(texts, 16, 1000);  // topic 2 runs past the end
    disc->write("data/56d", texts);
    Tfrm_hadith* r = Open(OpenHadithSection, frm_hadith);

    Click(r->Button(4));
    EXPECT_EQ(Shown(r), "56:1");
    ClickNode(r, 2);
    platform::processPendingEvents();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("56d"), std::string::npos) << Errors()[0];
    EXPECT_EQ(Shown(r), "56:1");
    EXPECT_EQ(r->richtext->toPlainText(), "a");
    EXPECT_EQ(r->tree1->currentItem(), Node(r, 1));
    // Mended, the same node opens with another click.
    WriteBook(56);
    ClickNode(r, 2);
    EXPECT_EQ(Shown(r), "56:2");

    // Book 57 without its titles: one error, nothing of book 56 left shown,
    // and the books on either side still open.
    Click(r->Button(4));
    ASSERT_EQ(Errors().size(), 2u);
    EXPECT_NE(Errors()[1].find("57t"), std::string::npos) << Errors()[1];
    EXPECT_EQ(r->lblpart->text(), "3");
    EXPECT_EQ(r->CurrentTopic, 0);
    EXPECT_TRUE(r->richtext->toPlainText().isEmpty());
    Click(r->Button(4));
    EXPECT_EQ(Shown(r), "58:1");
    Click(r->Button(5));
    Click(r->Button(5));  // through 57 again: its titles were told and not read since
    EXPECT_EQ(Shown(r), "56:1");
    expectedErrors = 2;
}
