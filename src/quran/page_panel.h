// The page panel of the two reader screens (`panquran`): the frame picture,
// the printed page and the red marks of the current aya on it.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "quran/quran_files.h"

/// A mark over one line segment of the current aya, drawn with a red brush
/// and a merge pen: every pixel of what lies beneath it (the page picture, or
/// the frame around it) is combined with red by bitwise OR, so black print
/// turns red and white paper stays white. It has no mouse action of its own
/// and keeps clicks from the page below.
class AyaHighlight : public QWidget {
  public:
    AyaHighlight(QWidget* panel, const QString& name, platform::ImageControl* frame,
                 platform::ImageControl* page);

    /// What the mark shows: the pixels beneath it OR red.
    QImage rendered() const;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    platform::ImageControl* frame_;
    platform::ImageControl* page_;
};

class PagePanel : public QWidget {
  public:
    /// The panel at `place` inside `screen`, 382 by 503 as on both readers.
    PagePanel(QWidget* screen, QPoint place);

    /// Loads the frame picture around the page.
    void LoadFrame(const std::string& windowsPath);
    /// Loads page picture `page` (1..604). A missing picture leaves the page
    /// area empty (never the previous page under this page's marks) and raises.
    void LoadPage(int page);

    /// Marks every segment of the aya on the page shown; the first three
    /// marks are named shpaya1..3, further ones are added as an aya needs them.
    /// A segment is marked only where it covers the page picture inside the
    /// panel (MarkArea); one that covers none of it is not shown.
    void ShowMarks(const std::vector<AyaSegment>& segments);
    /// Where the mark of a segment goes in the panel: its rectangle clipped to
    /// the page picture and the panel, so that a damaged map can never size a
    /// mark (and the picture it draws) beyond what is shown. Empty when the
    /// segment lies outside the page.
    QRect MarkArea(const AyaSegment& segment) const;
    void HideMarks();
    /// The marks shown now, in segment order.
    std::vector<AyaHighlight*> VisibleMarks() const;
    /// Outlines the segments of the ends of a repeated range (thin, in the
    /// marks' red); an empty list takes the outlines away. Clicks go through.
    void ShowRangeEnds(const std::vector<AyaSegment>& segments);
    /// The outlines shown now.
    std::vector<QWidget*> RangeOutlines() const;

    /// Runs with page coordinates when the page picture is pressed (the hit test).
    std::function<void(int x, int y)> onPageClick;

    platform::ImageControl* imgquran;
    platform::ImageControl* imgpage;
    /// shpaya1, shpaya2, shpaya3 and any further marks.
    std::vector<AyaHighlight*> shpaya;

  private:
    std::vector<QWidget*> outlines_;
};
