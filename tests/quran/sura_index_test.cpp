// The sura index on the sample disc: where the 114 names sit, what they say,
// the red hover, and choosing a sura in the Quran page viewer.
#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "quran/unt_remote.h"
#include "quran/unt_soraname.h"
#include "quran_test.h"
#include "shell/globals.h"

namespace {

class SuraIndexTest : public QuranTest {
  protected:
    Tfrm_soraname* openIndex() {
        Tfrm_soraname* index = platform::createForm(frm_soraname, display.get());
        index->showModal();
        return index;
    }
    QColor colour(int n) const {
        return frm_soraname->Label(n)->palette().color(QPalette::WindowText);
    }
    const QColor white{255, 255, 255}, red{255, 0, 0};
};

}  // namespace

TEST_F(SuraIndexTest, NamesInSixColumnsFromRightToLeftTurnRedUnderTheMouse) {
    Tfrm_soraname* index = openIndex();
    for (int n = 1; n <= 114; ++n) {
        ASSERT_NE(index->Label(n), nullptr) << n;
        EXPECT_FALSE(index->Label(n)->text().isEmpty()) << n;
        EXPECT_EQ(colour(n), white) << n;
    }
    EXPECT_EQ(index->Label(115), nullptr);
    EXPECT_GT(index->Label(1)->x(), index->Label(21)->x());  // the first column on the right
    // The names come from names1.ini in code page 1256.
    auto nfc = [](const QString& s) { return s.normalized(QString::NormalizationForm_C); };
    EXPECT_EQ(nfc(index->Label(1)->text()), nfc(QString::fromUtf8("الفَاتِحة")));
    EXPECT_EQ(nfc(index->Label(114)->text()), nfc(QString::fromUtf8("النَّاس")));

    // One red name at a time: straight from one onto the next.
    MouseMove(index->Label(5));
    MouseMove(index->Label(6));
    EXPECT_EQ(colour(5), white);
    EXPECT_EQ(colour(6), red);
    // The background turns the name white and puts a focused button back up.
    MouseMove(index->Button(1));
    EXPECT_EQ(index->FocusedButton, 1);
    MouseMove(index->imgground1, QPoint(5, 595));
    EXPECT_EQ(colour(6), white);
    EXPECT_EQ(index->HoveredLabel, 0);
    EXPECT_EQ(index->FocusedButton, 0);
}

TEST_F(SuraIndexTest, MissingNamesFileGivesEmptyNames) {
    DataDir = "D:\\no_such_folder\\";
    EXPECT_TRUE(openIndex()->Label(1)->text().isEmpty());
}

TEST_F(SuraIndexTest, TheViewersTitleOpensItAndAClickOrTheKeysChooseASura) {
    Tfrm_quran* viewer = OpenViewer();
    // Escape closes the index like its button 1 and leaves the position alone.
    Click(viewer->imgsoraname);
    ASSERT_TRUE(frm_soraname && frm_soraname->isModalForm());
    EXPECT_EQ(SuraIndexCaller, 1);
    Key(frm_soraname, Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_soraname);
    EXPECT_EQ(CurrentSura, 1);

    CurrentAya = 3;
    viewer->ShowAya();
    Click(viewer->imgsoraname);
    Click(frm_soraname->Label(36));
    platform::processPendingEvents();
    EXPECT_FALSE(frm_soraname);
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 36001);
    EXPECT_EQ(viewer->Core->ShownSuraTitle, 36);

    // The arrows move the red name and Enter chooses it; the keys reach the
    // index even with the focus left in the panel below it.
    Click(viewer->imgsoraname);
    ASSERT_TRUE(frm_soraname);
    frm_remote->Memoaya->setFocus();
    auto red = [&] {
        std::vector<int> shown;
        for (int n = 1; n <= 114; ++n)
            if (colour(n) != white) shown.push_back(n);
        return shown;
    };
    Key(Qt::Key_Down);
    EXPECT_EQ(red(), std::vector<int>{1});
    Key(Qt::Key_Right);  // nothing to the right of the first column
    Key(Qt::Key_Up);
    EXPECT_EQ(frm_soraname->HoveredLabel, 1);
    for (int i = 0; i < 5; ++i) Key(Qt::Key_Left);
    Key(Qt::Key_Down);
    EXPECT_EQ(red(), std::vector<int>{102});
    Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);  // up from the top of a column: the end of the one before
    EXPECT_EQ(red(), std::vector<int>{80});
    Key(Qt::Key_Return);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_soraname);
    EXPECT_EQ(CurrentSura * 1000 + CurrentAya, 80001);
    EXPECT_EQ(viewer->Core->ShownSuraTitle, 80);
}
