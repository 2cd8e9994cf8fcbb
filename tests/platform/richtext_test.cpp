// The rich-text box as the about screen uses it.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
