// The page panel's marks: a segment of the aya map is marked only where it
// lies on the page picture, so that a damaged map can never make a mark (and
// the picture it draws) larger than the page.
#include <gtest/gtest.h>

#include <QImage>

#include "quran/page_panel.h"

namespace {

TEST(PagePanelTest, MarksAreClippedToThePagePictureBeforeTheyAreDrawn) {
    QWidget screen;
    PagePanel panel(&screen, QPoint(0, 0));
    QImage page(280, 437, QImage::Format_RGB32);
    page.fill(Qt::white);
    panel.imgpage->setPicture(page);
    const QPoint at = panel.imgpage->pos();  // (49, 33)
    constexpr int kHuge = 32767;

    struct Case {
        AyaSegment segment;
        QRect mark;  // in page pixels; empty: not shown
    } cases[] = {
        {{1, 1, 1, 10, 20, 100, 30}, {10, 20, 100, 30}},      // inside: as given
        {{1, 1, 1, 0, 0, 280, 437}, {0, 0, 280, 437}},        // the whole page
        {{1, 1, 1, 250, 400, 100, 100}, {250, 400, 30, 37}},  // over the corner
        {{1, 1, 1, 0, 0, kHuge, kHuge}, {0, 0, 280, 437}},    // tens of thousands
        {{1, 1, 1, -30000, -30000, kHuge, kHuge}, {0, 0, 280, 437}},
        {{1, 1, 1, -10, 5, 20, kHuge}, {0, 5, 10, 432}},
        {{1, 1, 1, 5000, 5000, kHuge, kHuge}, {}},  // beyond the page
        {{1, 1, 1, -20000, 0, 100, 20}, {}},        // before it
        {{1, 1, 1, 0, 0, -500, -500}, {}},          // negative size
        {{1, 1, 1, 0, 0, 0, 10}, {}},               // nothing wide
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.segment.left << "," << c.segment.top << " "
                                        << c.segment.width << "x" << c.segment.height);
        panel.HideMarks();
        panel.ShowMarks({c.segment});
        const auto shown = panel.VisibleMarks();
        if (c.mark.isEmpty()) {
            EXPECT_TRUE(shown.empty());
            continue;
        }
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0]->geometry(), c.mark.translated(at));
        // What the mark allocates to draw itself is its own (clipped) size.
        EXPECT_EQ(shown[0]->rendered().size(), c.mark.size());
    }

    // A segment off the page among others leaves the rest in their order.
    panel.HideMarks();
    panel.ShowMarks(
        {{1, 2, 1, 0, 0, 10, 10}, {1, 2, 1, 9000, 0, 10, 10}, {1, 2, 1, 0, 20, 10, 10}});
    const auto shown = panel.VisibleMarks();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0]->objectName(), "shpaya1");
    EXPECT_EQ(shown[1]->objectName(), "shpaya3");
    EXPECT_EQ(shown[1]->geometry(), QRect(0, 20, 10, 10).translated(at));
}

}  // namespace
