// The sura index on the sample disc: where the 114 names sit, what they say,
// the red hover, and choosing a sura in the Quran page viewer.
#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "quran/unt_quran.h"
#include "quran/unt_remote.h"
#include "quran/unt_soraname.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "support/screen_test.h"

namespace {

class SuraIndexTest : public ScreenTest {
  protected:
    Tfrm_soraname* openIndex() {
        Tfrm_soraname* index = platform::createForm(frm_soraname, display.get());
        index->showModal();
        return index;
    }
    static QColor colour(QLabel* label) { return label->palette().color(QPalette::WindowText); }

    /// The viewer as the hub opens it, at sura 1 aya 1, with its panel.
    Tfrm_quran* openViewer() {
        PresetSectionValues(1);  // as the hub opens it: no stored position, 1:1
        Tfrm_quran* viewer = platform::createForm(frm_quran, display.get());
        viewer->showAsChild(display.get());
        Advance(100);
        return viewer;
    }
};

}  // namespace

TEST_F(SuraIndexTest, NamesInSixColumnsFromRightToLeft) {
    Tfrm_soraname* index = openIndex();
    ASSERT_TRUE(Errors().empty()) << Errors()[0];
    EXPECT_EQ(index->size(), QSize(800, 600));
    ASSERT_NE(index->Button(1), nullptr);

    const int lefts[6] = {662, 531, 400, 269, 138, 7};
    for (int n = 1; n <= 114; ++n) {
        QLabel* label = index->Label(n);
        ASSERT_NE(label, nullptr) << n;
        int column = (n - 1) / 20, row = (n - 1) % 20;
        EXPECT_EQ(label->geometry(), QRect(lefts[column], 20 + row * 27, 126, 26)) << n;
        EXPECT_FALSE(label->text().isEmpty()) << n;
        EXPECT_EQ(colour(label), QColor(255, 255, 255)) << n;
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->isVisible());
    }
    EXPECT_EQ(index->Label(115), nullptr);
    // Sura 114 is the 14th name of the leftmost column.
    EXPECT_EQ(index->Label(114)->pos(), QPoint(7, 20 + 13 * 27));
    // The names come from names1.ini in code page 1256.
    auto name = [](const char* utf8) {
        return QString::fromUtf8(utf8).normalized(QString::NormalizationForm_C);
    };
    EXPECT_EQ(index->Label(1)->text().normalized(QString::NormalizationForm_C), name("الفَاتِحة"));
    EXPECT_EQ(index->Label(114)->text().normalized(QString::NormalizationForm_C), name("النَّاس"));
    EXPECT_EQ(index->Label(1)->font().family(), "Simplified Arabic");
}

TEST_F(SuraIndexTest, MissingNamesFileGivesEmptyNames) {
    DataDir = "D:\\no_such_folder\\";
    Tfrm_soraname* index = openIndex();
    EXPECT_TRUE(Errors().empty());
    ASSERT_NE(index->Label(114), nullptr);
    EXPECT_TRUE(index->Label(1)->text().isEmpty());
}

TEST_F(SuraIndexTest, HoverTurnsOneNameRedAtATime) {
    Tfrm_soraname* index = openIndex();
    const QColor white(255, 255, 255), red(255, 0, 0);
    MouseMove(index->Label(5));
    EXPECT_EQ(colour(index->Label(5)), red);
    EXPECT_EQ(index->HoveredLabel, 5);

    // Straight onto the next name, then onto a name in another column.
    MouseMove(index->Label(6));
    EXPECT_EQ(colour(index->Label(5)), white);
    EXPECT_EQ(colour(index->Label(6)), red);
    MouseMove(index->Label(101));
    EXPECT_EQ(colour(index->Label(6)), white);
    EXPECT_EQ(colour(index->Label(101)), red);

    // Over the background the name turns white; back on it, red again. The
    // background also puts a focused button back to its up picture.
    MouseMove(index->Button(1));
    EXPECT_EQ(index->FocusedButton, 1);
    MouseMove(index->imgground1, QPoint(5, 595));
    EXPECT_EQ(colour(index->Label(101)), white);
    EXPECT_EQ(index->HoveredLabel, 0);
    EXPECT_EQ(index->FocusedButton, 0);
    MouseMove(index->Label(101));
    EXPECT_EQ(colour(index->Label(101)), red);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(SuraIndexTest, ChoosingASuraLoadsItInTheViewerAndCloses) {
    Tfrm_quran* viewer = openViewer();
    ASSERT_TRUE(Errors().empty()) << Errors()[0];
    ASSERT_EQ(viewer->ShownSuraTitle, 1);

    viewer->OpenSuraIndex();
    ASSERT_TRUE(frm_soraname);
    EXPECT_EQ(SuraIndexCaller, 1);
    EXPECT_TRUE(frm_soraname->isModalForm());

    // Button 1 closes the index and leaves the position alone.
    Click(frm_soraname->Button(1));
    platform::processPendingEvents();
    EXPECT_FALSE(frm_soraname);
    EXPECT_EQ(CurrentSura, 1);
    EXPECT_EQ(CurrentAya, 1);

    CurrentAya = 3;
    viewer->ShowAya();
    viewer->OpenSuraIndex();
    ASSERT_TRUE(frm_soraname);
    Click(frm_soraname->Label(36));
    platform::processPendingEvents();
    EXPECT_FALSE(frm_soraname);
    EXPECT_EQ(CurrentSura, 36);
    EXPECT_EQ(CurrentAya, 1);
    EXPECT_EQ(viewer->ShownSuraTitle, 36);
    ASSERT_TRUE(frm_remote);
    EXPECT_EQ(frm_remote->memosora->toPlainText(), "36");
    EXPECT_EQ(frm_remote->Memoaya->toPlainText(), "1");
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}
