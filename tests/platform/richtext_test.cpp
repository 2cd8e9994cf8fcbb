// The rich-text box as the about screen uses it.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

#include "platform/error.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "temp_folder.h"

using platform::RichTextBox;

class RichTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::setDrive('D', disc.path());
        disc.write("velk_quran/data/about.rtf",
                   "{\\rtf1\\ansi\\ansicpg1256{\\fonttbl{\\f0\\fnil\\fcharset178 Simplified "
                   "Arabic;}{\\f1\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue255;}"
                   "\\pard \\'c7\\'e1\\'e1\\'e5 {\\b\\cf1 \\'df}\\par"
                   "\\pard\\qc\\ltrpar{\\f1\\fs30 Centre}\\par}");
        box.setDefaultFont("Simplified Arabic", 19);
        box.setRightToLeft(true);
        box.setBackgroundColor(7786988);
    }
    void TearDown() override { platform::clearDrives(); }

    QTextBlock block(int n) const { return box.document()->findBlockByNumber(n); }
    static QTextCharFormat charAt(const QTextBlock& b, int offset) {
        QTextCursor c(b);
        c.setPosition(b.position() + offset);
        return c.charFormat();
    }

    TempFolder disc;
    RichTextBox box;
};

TEST_F(RichTextTest, ShowsTheFileWithItsFormatting) {
    // A Windows colour number: red in the low byte.
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(236, 209, 118));
    box.loadFromFile("D:\\VELK_QURAN\\DATA\\ABOUT.RTF");
    ASSERT_EQ(box.document()->blockCount(), 2);
    // A paragraph without its own alignment or direction takes the box's.
    QTextBlock first = block(0);
    EXPECT_EQ(first.text(), QString::fromUtf16(u"\u0627\u0644\u0644\u0647 \u0643"));
    EXPECT_EQ(first.blockFormat().alignment(), Qt::AlignRight | Qt::AlignAbsolute);
    EXPECT_EQ(first.blockFormat().layoutDirection(), Qt::RightToLeft);
    QTextCharFormat f = charAt(first, 1);
    EXPECT_FALSE(f.font().bold());
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{"Simplified Arabic"});
    f = charAt(first, 6);  // inside the bold blue letter
    EXPECT_TRUE(f.font().bold());
    EXPECT_EQ(f.foreground().color(), QColor(0, 0, 255));
    // A paragraph's own alignment, direction, font and size win.
    QTextBlock second = block(1);
    EXPECT_EQ(second.text(), "Centre");
    EXPECT_EQ(second.blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(second.blockFormat().layoutDirection(), Qt::LeftToRight);
    f = charAt(second, 2);
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(f.property(QTextFormat::FontPixelSize).toInt(), 20);
    EXPECT_EQ(box.plainLines(), (std::vector<std::string>{"\xC7\xE1\xE1\xE5 \xDF", "Centre"}));
}

TEST_F(RichTextTest, PlainTextAlignsToTheSideTheBoxReadsFrom) {
    disc.write("velk_quran/data/about.rtf", "\xC7\xE1\xE1\xE5\r\nplain text\r\n");
    const struct {
        bool rightToLeft;
        std::optional<Qt::Alignment> set;
        Qt::Alignment shown;
    } cases[] = {
        {true, {}, Qt::AlignRight | Qt::AlignAbsolute},
        {false, {}, Qt::AlignLeft | Qt::AlignAbsolute},
        {true, Qt::AlignHCenter, Qt::AlignHCenter},
    };
    for (const auto& c : cases) {
        RichTextBox plain;
        plain.setRightToLeft(c.rightToLeft);
        if (c.set) plain.setDefaultAlignment(*c.set);
        plain.loadFromFile("D:\\velk_quran\\data\\about.rtf");
        ASSERT_EQ(plain.document()->blockCount(), 2);
        for (int n = 0; n < 2; ++n)
            EXPECT_EQ(plain.document()->findBlockByNumber(n).blockFormat().alignment(), c.shown)
                << c.rightToLeft << " block " << n;
    }
}

TEST_F(RichTextTest, PlainLinesAreInTheDiscCodePageAndAMissingFileLeavesNothing) {
    box.setPlainText(QString::fromUtf16(u"one line\n\u0627"));
    EXPECT_EQ(box.plainLines(), (std::vector<std::string>{"one line", "\xC7"}));
    EXPECT_THROW(box.loadFromFile("D:\\velk_quran\\data\\missing.rtf"), platform::PlatformError);
    EXPECT_TRUE(box.toPlainText().isEmpty());
    EXPECT_TRUE(box.plainLines().empty());
}

TEST_F(RichTextTest, ATextTooLargeToShowIsRefusedByNameAndNothingIsLost) {
    const std::string head = "{\\rtf1\\ansi Large text ";
    // At the limit the text is read; one byte more and it is refused unread.
    std::string atLimit = head + std::string(platform::kRtfMaxFileBytes - head.size() - 1, 'a');
    disc.write("velk_quran/data/azkar/1.rtf", atLimit + "}");
    disc.write("velk_quran/data/azkar/2.rtf", atLimit + "}}");
    atLimit = std::string();
    disc.write("velk_quran/data/azkar/3.rtf", std::string(50 << 20, ' '));
    box.loadFromFile("D:\\velk_quran\\data\\azkar\\1.rtf");
    EXPECT_EQ(box.plainLines().size(), 1u);
    for (const auto& [name, mb] : {std::pair{"2.rtf", 5}, {"3.rtf", 50}}) {
        const std::string path = std::string("D:\\velk_quran\\data\\azkar\\") + name;
        try {
            platform::loadRtfPlainLines(path);
            ADD_FAILURE() << name << " was read";
        } catch (const platform::PlatformError& e) {
            EXPECT_EQ(std::string(e.what()), platform::quotedPath(path) +
                                                 " is too large to show (" + std::to_string(mb) +
                                                 " MB, at most 4 MB).");
        }
        EXPECT_THROW(box.loadFromFile(path), platform::PlatformError);
    }
}

TEST_F(RichTextTest, ALongTextIsLaidOutInStepsAndALongParagraphInBlocks) {
    box.resize(315, 400);
    box.show();
    // Some 20000 paragraphs: the box returns with the top laid out, the rest follows.
    platform::RtfDocument doc;
    for (int n = 0; n < 20000; ++n) {
        doc.paragraphs.emplace_back();
        doc.paragraphs.back().runs.push_back({QString("paragraph %1 of a long text").arg(n), {}});
    }
    box.showDocument(doc);
    const auto laidOut = [this](const QTextBlock& b) { return b.layout()->lineCount() > 0; };
    EXPECT_TRUE(laidOut(box.document()->firstBlock()));
    EXPECT_FALSE(laidOut(box.document()->lastBlock()));
    QElapsedTimer waited;
    waited.start();
    while (!laidOut(box.document()->lastBlock()) && waited.elapsed() < 60000) {
        QThread::msleep(2);
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(laidOut(box.document()->lastBlock()));

    // One paragraph of 100000 characters: blocks of at most 32768, cut
    // after a space; the text and its plain line stay whole.
    QString words;
    while (words.size() < 100000) words += QString("word%1 ").arg(words.size());
    platform::RtfParagraph para;
    para.runs = {{words.left(50000), {}}, {words.mid(50000), {}}};
    para.lines = {words.toStdString()};
    platform::RtfDocument one;
    one.paragraphs = {para};
    box.showDocument(one);
    QString joined;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        EXPECT_LE(b.length() - 1, RichTextBox::kMaxBlockLength);
        EXPECT_TRUE(b.text().endsWith(u' ') || !b.next().isValid());
        joined += b.text();
    }
    EXPECT_EQ(joined, words);
    EXPECT_EQ(box.document()->blockCount(), 4);
    EXPECT_EQ(box.plainLines(), para.lines);
}
