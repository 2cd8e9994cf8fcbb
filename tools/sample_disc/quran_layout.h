// Where every aya lies on the 604 page pictures. Each page holds whole ayas,
// from its first aya up to the next page's first aya; a sura that begins on
// a page gets a title line (and a basmala line, except suras 1 and 9) before
// its first aya. The text lines of a run of ayas are shared out by a weight
// per aya, so some ayas take part of a line and some run over many lines;
// every aya ends in its number marker. The rectangles recorded here are the
// ones drawn on the page and written to the aya map.
#pragma once

#include <QRect>
#include <vector>

#include "quran_structure.h"

namespace disc {

constexpr int kPageWidth = 280;
constexpr int kPageHeight = 437;
constexpr int kPageCount = 604;

struct PageLine {
    enum Kind { Text, SuraTitle, Basmala };
    Kind kind;
    QRect rect;    ///< the whole line
    int sura = 0;  ///< for title and basmala lines
};

struct AyaSegment {
    int sura, aya, page;
    QRect rect;         ///< as recorded in the aya map; drawn within it
    bool ends = false;  ///< the aya ends in this segment: it carries the number marker
};

struct PageLayout {
    int page;
    std::vector<PageLine> lines;       ///< top to bottom
    std::vector<AyaSegment> segments;  ///< in reading order
};

/// Lays out all 604 pages; the same structure always gives the same layout.
std::vector<PageLayout> layoutQuran(const QuranStructure& quran);

/// Narrowest segment the layout makes (it always leaves room for a word or a marker).
constexpr int kMinSegmentWidth = 26;

}  // namespace disc
