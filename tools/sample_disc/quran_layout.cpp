#include "quran_layout.h"

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <stdexcept>
#include <string>

#include "bytes.h"

namespace disc {

namespace {

constexpr int kLinePitch = 27;
constexpr int kLineHeight = 26;
constexpr int kMinAya = 50;   // shortest aya: a word and its marker
constexpr int kMinTail = 44;  // last segment of an aya: a short word and the marker
constexpr int kMinHead = kMinSegmentWidth;

struct Frame {
    int lines, left, width, top;
};

// Pages 1 and 2 are the decorated opening pages with a short, narrow block.
Frame frameOf(int page) {
    if (page <= 2) return {8, 50, 180, 110};
    return {15, 14, 252, 14};
}

// A run of consecutive ayas of one sura between titles.
struct Block {
    int sura = 0;
    bool title = false;  // starts with the sura's title
    std::vector<int> ids;
    int weight = 0;
    int lines = 0;
};

bool validCut(int x, int width) {
    int r = x % width;
    return r == 0 || (r >= kMinTail && r <= width - kMinHead);
}

// Ends of the ayas of a block on its text "tape" of lines*width pixels:
// near the weights' share, each aya at least kMinAya long, and no aya
// leaving a sliver at either end of a line.
std::vector<int> cutTape(const std::vector<int>& weights, int lines, int width) {
    const int total = lines * width;
    const int m = static_cast<int>(weights.size());
    const int sum = std::accumulate(weights.begin(), weights.end(), 0);
    std::vector<int> ends(m);
    int prev = 0, acc = 0;
    for (int i = 0; i < m; ++i) {
        acc += weights[i];
        if (i == m - 1) {
            ends[i] = total;
            break;
        }
        int ideal = static_cast<int>(static_cast<int64_t>(total) * acc / sum);
        int lo = prev + kMinAya, hi = total - (m - 1 - i) * kMinAya;
        if (lo > hi) throw std::logic_error("too many ayas for the lines of a page");
        ideal = std::clamp(ideal, lo, hi);
        int cut = -1;
        for (int d = 0; d <= total && cut < 0; ++d) {
            for (int x : {ideal - d, ideal + d})
                if (x >= lo && x <= hi && validCut(x, width) && (total - x) >= kMinAya) {
                    cut = x;
                    break;
                }
        }
        if (cut < 0) cut = ideal;  // crowded: keep the share, slivers and all
        ends[i] = cut;
        prev = cut;
    }
    return ends;
}

// Gives each block a whole number of lines: at least one and enough for its
// ayas, the rest in proportion to the blocks' weights.
void shareLines(std::vector<Block>& blocks, int lines, int width) {
    int used = 0, weight = 0;
    for (Block& b : blocks) {
        int need = static_cast<int>(b.ids.size()) * kMinAya;
        b.lines = std::max(1, (need + width - 1) / width);
        used += b.lines;
        weight += b.weight;
    }
    if (used > lines) throw std::logic_error("a page has more ayas than lines");
    // hand the remaining lines one by one to the block furthest below its share
    for (int left = lines - used; left > 0; --left) {
        Block* best = nullptr;
        double bestGap = -1e9;
        for (Block& b : blocks) {
            double gap = static_cast<double>(b.weight) * lines / weight - b.lines;
            if (gap > bestGap) bestGap = gap, best = &b;
        }
        best->lines++;
    }
}

PageLayout layoutPage(const QuranStructure& q, int page, int firstId, int endId) {
    const Frame f = frameOf(page);
    std::vector<Block> blocks;
    for (int id = firstId; id < endId; ++id) {
        AyaRef a = q.ref(id);
        if (blocks.empty() || a.aya == 1) {
            Block b;
            b.sura = a.sura;
            b.title = a.aya == 1;
            blocks.push_back(b);
        }
        int w = 1 + static_cast<int>(mix(static_cast<uint64_t>(id)) % 5);
        blocks.back().ids.push_back(id);
        blocks.back().weight += w;
    }
    int titleLines = 0;
    for (const Block& b : blocks)
        if (b.title) titleLines += (b.sura == 1 || b.sura == 9) ? 1 : 2;
    shareLines(blocks, f.lines - titleLines, f.width);

    PageLayout layout{page, {}, {}};
    int line = 0;
    auto lineRect = [&](int i) {
        return QRect(f.left, f.top + i * kLinePitch, f.width, kLineHeight);
    };
    for (const Block& b : blocks) {
        if (b.title) {
            layout.lines.push_back({PageLine::SuraTitle, lineRect(line++), b.sura});
            if (b.sura != 1 && b.sura != 9)
                layout.lines.push_back({PageLine::Basmala, lineRect(line++), b.sura});
        }
        const int firstLine = line;
        for (int i = 0; i < b.lines; ++i)
            layout.lines.push_back({PageLine::Text, lineRect(line++), 0});
        std::vector<int> weights;
        for (int id : b.ids)
            weights.push_back(1 + static_cast<int>(mix(static_cast<uint64_t>(id)) % 5));
        std::vector<int> ends = cutTape(weights, b.lines, f.width);
        int start = 0;
        for (size_t k = 0; k < b.ids.size(); ++k) {
            AyaRef a = q.ref(b.ids[k]);
            int end = ends[k];
            for (int l = start / f.width; l * f.width < end; ++l) {
                int s = std::max(start, l * f.width), e = std::min(end, (l + 1) * f.width);
                if (e <= s) continue;
                QRect r = lineRect(firstLine + l);
                // right to left: tape position t lies at the line's right edge minus t
                int right = r.left() + r.width() - (s - l * f.width);
                int width = e - s;
                AyaSegment seg{a.sura, a.aya, page,
                               QRect(right - width, r.top(), width - 1, kLineHeight), e == end};
                layout.segments.push_back(seg);
            }
            start = end;
        }
    }
    if (line != f.lines)
        throw std::logic_error("page " + std::to_string(page) + " lines do not add up");
    return layout;
}

}  // namespace

std::vector<PageLayout> layoutQuran(const QuranStructure& q) {
    std::vector<PageLayout> pages;
    const auto& starts = q.pageStarts();
    for (int p = 1; p <= kPageCount; ++p) {
        int first = q.id(starts[p - 1]);
        int end = p < kPageCount ? q.id(starts[p]) : q.totalAyas() + 1;
        pages.push_back(layoutPage(q, p, first, end));
    }
    return pages;
}

}  // namespace disc
