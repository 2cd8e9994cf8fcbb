// A disc for the book screens: the sample disc's skins, a main menu in
// language 2, and book data of its own: every book of the hadith and
// jurisprudence libraries with a few topics each (titles "كتاب <b>" and
// "باب <t>", texts "نص <b> <t>"), words planted as on the sample disc, and
// the translated book's 92 RTF topics with their titles.
#pragma once

#include <QTextDocument>
#include <QTextFragment>
#include <memory>

#include "book_disc.h"
#include "books/book_members.h"
#include "books/book_search.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

inline std::string Cp1256(const char* utf8) {
    return platform::fromUnicode(QString::fromUtf8(utf8));
}

/// The words planted in the books.
inline const QString kBeryl = QString::fromUtf8("زبرجد");
inline const QString kAmber = QString::fromUtf8("كهرمان");

class BookScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ResetBookSearchStates();
        disc = std::make_unique<DiscBuilder>("books");
        disc->skin("main", 2, 1024, 768, {"010, 010"});  // the menu a reader goes back to
        std::map<int, std::string> titles;
        for (BookMember m : {BookMember::Hadith, BookMember::Fekh})
            for (int b : MemberOf(m).offered) {
                titles[b] = Cp1256("كتاب ") + std::to_string(b);
                counts[b] = 3;
            }
        counts[55] = 8;
        counts[70] = 2;
        topics[{55, 3}] = Cp1256("حجر زبرجد أخضر");
        topics[{55, 7}] = Cp1256("زبرجد و كهرمان و زبرجد");
        topics[{60, 2}] = Cp1256("زبرجد");
        topics[{70, 1}] = Cp1256("كهرمان في أوله");
        topics[{904, 2}] = Cp1256("فقه زبرجد");
        disc->write("data/bookst", bookdisc::NumberedFile(titles));
        disc->write("data/booksc", bookdisc::CountFile(counts));
        for (const auto& [b, n] : counts) WriteBook(b);

        std::string ini = "[titles]\r\n";
        for (int t = 1; t <= kLiveTopicCount; ++t) {
            std::string text = "Topic " + std::to_string(t) + " of the book.";
            if (t == 5) text = "Patience is light. " + text;
            if (t == 12) text = "The reward of Patience. " + text;
            disc->write("data/tolvaric/tolvaric" + std::to_string(t) + ".rtf",
                        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0\\qc " + text +
                            "\\par Second line.\\par}");
            ini += std::to_string(t) + "=Chapter " + std::to_string(t) + "\r\n";
        }
        disc->write("data/tolvaric/tolvaric_title.ini", ini);
        disc->linkTo(TestDiscFolder());
        platform::setDrive('D', disc->root());
    }
    void TearDown() override {
        EXPECT_EQ(Errors().size(), expectedErrors) << (Errors().empty() ? "" : Errors().back());
        ScreenTest::TearDown();
    }

    /// The topic title and text files of book b from `counts` and `topics`.
    void WriteBook(int b) {
        std::map<int, std::string> t, d;
        for (int n = 1; n <= counts[b]; ++n) {
            t[n] = Cp1256("باب ") + std::to_string(n);
            auto planted = topics.find({b, n});
            d[n] = planted != topics.end()
                       ? planted->second
                       : Cp1256("نص ") + std::to_string(b) + " " + std::to_string(n);
        }
        disc->write("data/" + std::to_string(b) + "t", bookdisc::NumberedFile(t));
        disc->write("data/" + std::to_string(b) + "d", bookdisc::NumberedFile(d));
    }

    /// The text of the box painted red, pieces joined by "|".
    static QString RedText(const QTextDocument* document) {
        QStringList pieces;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().foreground().color() == QColor(255, 0, 0))
                    pieces.append(it.fragment().text());
        return pieces.join(u'|');
    }

    std::unique_ptr<DiscBuilder> disc;
    std::map<int, int> counts;
    std::map<std::pair<int, int>, std::string> topics;
    size_t expectedErrors = 0;
};
