// A print that has no printer goes to a PDF in the documents folder: its
// name, the message saying where, and the pages measured as poppler reads
// them (paper, size of the letters, every line, the side they keep).
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

#include "platform/error.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/print.h"
#include "platform/richtext.h"
#include "support/pdf_measure.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

class PrintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The documents folder comes from the user's XDG folders file.
        const fs::path config = folder.path() / "config";
        fs::create_directories(config);
        std::ofstream(config / "user-dirs.dirs")
            << "XDG_DOCUMENTS_DIR=\"" << (folder.path() / "docs").string() << "\"\n";
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        platform::setPrintToFileOnly(true);
        platform::ErrorBox::setRecording(true);
        platform::ErrorBox::informed().clear();
    }
    void TearDown() override {
        unsetenv("XDG_CONFIG_HOME");
        QLocale::setDefault(locale);
    }
    fs::path Pdf(const QString& name) const {
        return folder.path() / "docs" / "ZAFIREL" / (name + ".pdf").toStdString();
    }
    TempFolder folder;
    QLocale locale;
};

}  // namespace

TEST_F(PrintTest, WithoutAPrinterTheTextGoesToAPdfNamedAfterTheTitle) {
    const QString first = platform::printText("Chapter 1/2", "Prayer at dawn", false);
    const fs::path pdf = Pdf("Chapter 1-2");
    EXPECT_EQ(first.toStdString(), pdf.string());
    ASSERT_TRUE(fs::exists(pdf));
    const QString text = PdfLetters(pdf);
    EXPECT_TRUE(text.contains("Chapter 1/2")) << text.toStdString();
    EXPECT_TRUE(text.contains("Prayer at dawn")) << text.toStdString();
    // The path is a left-to-right run of its own inside the Arabic sentence.
    ASSERT_EQ(platform::ErrorBox::informed().size(), 1u);
    const QString note = QString::fromStdString(platform::ErrorBox::informed()[0]);
    EXPECT_TRUE(note.endsWith(QChar(0x2066) + QString::fromStdString(pdf.string()) + QChar(0x2069)))
        << note.toStdString();
    EXPECT_TRUE(note.front().script() == QChar::Script_Arabic) << note.toStdString();
    // A second print of the same title keeps the first file.
    const QString second = platform::printText("Chapter 1/2", "Again", false);
    EXPECT_EQ(second.toStdString(), Pdf("Chapter 1-2 (2)").string());
    EXPECT_TRUE(PdfLetters(pdf).contains("Prayer at dawn"));
}

TEST_F(PrintTest, FileNamesKeepNoCharacterThatAFileSystemRefuses) {
    const std::pair<const char*, const char*> names[] = {
        {"Chapter 1/2", "Chapter 1-2"},
        {"a:b*c?d\"e<f>g|h\\i", "a-b-c-d-e-f-g-h-i"},
        {"  line\tone\nend  ", "line one end"},
        {"trailing dots...", "trailing dots"},
        {"con", "con-"},
        {"LPT1", "LPT1-"},
        {"", "ZAFIREL"},
        {" . ", "ZAFIREL"},
        {"حديث رقم 7", "حديث رقم 7"},
    };
    for (const auto& [title, name] : names)
        EXPECT_EQ(platform::printFileName(QString::fromUtf8(title)), QString::fromUtf8(name))
            << title;
    EXPECT_EQ(platform::printFileName(QString(300, u'x')).size(), 100);
}

// A long Arabic topic shown as the book readers show it (16-pixel bold,
// right to left): 12-point letters on A4, every line on the pages, each
// line ending at the right margin, and the words read back whole.
TEST_F(PrintTest, ALongArabicTopicPrintsAtItsScreenSizeOnAsManyPagesAsItNeeds) {
    platform::installFontSubstitutes();
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    QStringList lines;
    for (int n = 1; n <= 900; ++n)
        lines.append(
            QString::fromUtf8("سطر %1 حدثنا عبد الله بن يوسف قال أخبرنا مالك عن عائشة").arg(n));
    const QString topic = lines.join(u'\n');
    ASSERT_GE(topic.size(), 48000);
    platform::RichTextBox box;
    box.setDefaultFont("Arabic Transparent", 16);
    QFont bold = box.font();
    bold.setBold(true);
    box.setFont(bold);
    box.setRightToLeft(true);
    box.setPlainText(topic);
    const fs::path pdf =
        platform::printDocument(QString::fromUtf8("باب 1"), *box.document()).toStdString();

    const PdfPages pages = PdfWords(pdf);
    EXPECT_NEAR(pages.width, 595.3, 0.5);
    EXPECT_NEAR(pages.height, 841.9, 0.5);
    EXPECT_GE(pages.count, 10);
    // A word's box is the font's height: 1 to 1.5 times its size.
    const double body = MedianHeight(pages, 2);
    EXPECT_GE(body, 12.0);
    EXPECT_LE(body, 18.0);

    // Lines by page and baseline: each one's right edge is the margin's.
    std::map<std::pair<int, int>, double> rightEdges;
    for (const PdfWord& w : pages.words) {
        double& edge = rightEdges[{w.page, static_cast<int>(w.yMax)}];
        edge = std::max(edge, w.xMax);
    }
    const auto [lowest, highest] =
        std::minmax_element(rightEdges.begin(), rightEdges.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_GT(lowest->second, pages.width * 0.8);
    EXPECT_LT(highest->second - lowest->second, 2.0);

    // Poppler puts the spaces beside a number in right-to-left text where it
    // likes: the letters are compared without them.
    static const QRegularExpression blank(QStringLiteral("\\s+"));
    const QString text = PdfLetters(pdf).remove(blank);
    int missing = 0;
    for (QString line : lines) missing += text.contains(line.remove(blank)) ? 0 : 1;
    EXPECT_EQ(missing, 0) << text.left(600).toStdString();
}

TEST_F(PrintTest, WhereLettersAreMeasuredInInchesThePaperIsLetter) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const PdfPages pages = PdfWords(platform::printText("Letter", "Text", false).toStdString());
    EXPECT_NEAR(pages.width, 612, 0.5);
    EXPECT_NEAR(pages.height, 792, 0.5);
    // Plain text prints in the panes' 12 points, not the application's font.
    const auto word = std::find_if(pages.words.begin(), pages.words.end(),
                                   [](const PdfWord& w) { return w.text == "Text"; });
    ASSERT_NE(word, pages.words.end());
    EXPECT_GE(word->height(), 12.0);
}

TEST_F(PrintTest, APrintThatCannotBeWrittenIsAnErrorNeverReportedAsDone) {
    // The documents folder is a file: nothing can be written below it.
    std::ofstream(folder.path() / "docs") << "not a folder";
    EXPECT_THROW(platform::printText("Title", "Text", true), platform::PlatformError);
    EXPECT_TRUE(platform::ErrorBox::informed().empty());
}
