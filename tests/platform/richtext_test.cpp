// The rich-text box as the about screen uses it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
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
        box.setDefaultAlignment(Qt::AlignRight);
        box.setBackgroundColor(7786988);
    }
    void TearDown() override { platform::clearDrives(); }

    QTextBlock block(int n) const { return box.document()->findBlockByNumber(n); }

    TempFolder disc;
    RichTextBox box;
};

TEST_F(RichTextTest, IsAReadOnlyBorderlessBoxInTheWindowsColour) {
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_EQ(box.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(RichTextBox::windowsColor(7786988), QColor(236, 209, 118));
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(236, 209, 118));
    EXPECT_EQ(box.font().pixelSize(), 19);
    EXPECT_EQ(box.layoutDirection(), Qt::RightToLeft);
}

TEST_F(RichTextTest, ShowsTheFileWithItsFormatting) {
    box.loadFromFile("D:\\VELK_QURAN\\DATA\\ABOUT.RTF");
    ASSERT_EQ(box.document()->blockCount(), 2);
    // A paragraph without its own alignment or direction takes the box's.
    QTextBlock first = block(0);
    EXPECT_EQ(first.text(), QString::fromUtf16(u"\u0627\u0644\u0644\u0647 \u0643"));
    EXPECT_EQ(first.blockFormat().alignment(), Qt::AlignRight | Qt::AlignAbsolute);
    EXPECT_EQ(first.blockFormat().layoutDirection(), Qt::RightToLeft);
    QTextCursor c(first);
    c.setPosition(first.position() + 1);
    EXPECT_FALSE(c.charFormat().font().bold());
    EXPECT_EQ(c.charFormat().fontFamilies().toStringList(), QStringList{"Simplified Arabic"});
    c.setPosition(first.position() + 6);  // inside the bold blue letter
    EXPECT_TRUE(c.charFormat().font().bold());
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 0, 255));
    // A paragraph's own alignment, direction, font and size win.
    QTextBlock second = block(1);
    EXPECT_EQ(second.text(), "Centre");
    EXPECT_EQ(second.blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(second.blockFormat().layoutDirection(), Qt::LeftToRight);
    QTextCursor c2(second);
    c2.setPosition(second.position() + 2);
    EXPECT_EQ(c2.charFormat().fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(c2.charFormat().property(QTextFormat::FontPixelSize).toInt(), 20);
    EXPECT_EQ(box.plainLines(), (std::vector<std::string>{"\xC7\xE1\xE1\xE5 \xDF", "Centre"}));
}

TEST_F(RichTextTest, AMissingFileRaisesAndLeavesTheBoxEmpty) {
    box.loadFromFile("D:\\velk_quran\\data\\about.rtf");
    ASSERT_FALSE(box.toPlainText().isEmpty());
    EXPECT_THROW(box.loadFromFile("D:\\velk_quran\\data\\missing.rtf"), platform::PlatformError);
    EXPECT_TRUE(box.toPlainText().isEmpty());
    EXPECT_TRUE(box.plainLines().empty());
}

TEST_F(RichTextTest, SelectedTextCanBeCopied) {
    box.loadFromFile("D:\\velk_quran\\data\\about.rtf");
    box.selectAll();
    EXPECT_EQ(box.selectedText(), QString::fromUtf16(u"\u0627\u0644\u0644\u0647 \u0643\nCentre"));
    box.copy();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromUtf16(u"\u0627\u0644\u0644\u0647 \u0643\nCentre"));
    // Plain text passes through unchanged; the box stays read-only.
    box.setPlainText(QString::fromUtf16(u"one line\n\u0627"));
    EXPECT_EQ(box.toPlainText(), QString::fromUtf16(u"one line\n\u0627"));
    EXPECT_EQ(box.plainLines(), (std::vector<std::string>{"one line", "\xC7"}));
    EXPECT_TRUE(box.isReadOnly());
}
