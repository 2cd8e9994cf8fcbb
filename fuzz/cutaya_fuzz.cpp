// Fuzz target: the aya map ("cutaya"). The input is the file; the aya search,
// the hit test and the page search run on it with a few arguments each and
// must agree with the same searches over the bytes in memory: a damaged file
// ends in false or a read error, never a read outside the file or a hang.
// Every aya found is also marked and drawn on a page panel: no rectangle of
// the map may make a mark larger than the page it lies on.
#include <QApplication>
#include <cstdint>
#include <cstdlib>

#include "platform/error.h"
#include "quran/page_panel.h"
#include "quran/quran_files.h"
#include "quran_fuzz_disc.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define LEAKS_IGNORED_HERE __lsan::ScopedDisabler leaksIgnored
#endif
#endif
#ifndef LEAKS_IGNORED_HERE
#define LEAKS_IGNORED_HERE
#endif

namespace {

using namespace fuzzdisc;

constexpr uint64_t kRec = 13;

std::optional<uint64_t> directory(const Bytes& m, int sura) {
    auto o = m.u32(static_cast<uint64_t>(sura - 1) * 5 + 1);
    // The records follow the 114 directory entries.
    if (!o || *o < 114 * 5 || *o >= m.b.size()) return std::nullopt;
    return *o;
}

bool wholeRecord(const Bytes& m, uint64_t o) {
    return o + kRec <= m.b.size();
}

// The aya's first record and how many of its records follow on its page, as in memory.
Outcome locateModel(const Bytes& m, int sura, int aya, int& page) {
    if (sura < 1 || sura > 114) return notFound();
    auto d = directory(m, sura);
    if (!d) return raised();
    uint64_t o = *d;
    for (;; o += kRec) {
        if (o >= m.b.size() || *m.u8(o) != static_cast<uint32_t>(sura)) return notFound();
        if (aya == 1) break;
        auto a = m.i16(o + 1);
        if (!a) return raised();
        if (*a == aya) break;
    }
    if (!wholeRecord(m, o)) return raised();
    page = *m.i16(o + 3);
    int count = 1;
    for (int k = 1; k < 64; ++k) {
        o += kRec;
        if (o >= m.b.size()) break;
        auto a = m.i16(o + 1);
        if (!a) return raised();
        if (*a != aya || *m.u8(o) != static_cast<uint32_t>(sura)) break;
        auto p = m.i16(o + 3);
        if (!p) return raised();
        if (*p != page) break;
        if (!wholeRecord(m, o)) return raised();
        ++count;
    }
    return found(page, count);
}

Outcome hitModel(const Bytes& m, int currentSura, int currentPage, int x, int y) {
    const int start = currentSura <= 2 ? currentSura : currentSura - 2;
    if (start < 1 || start > 114) return notFound();
    auto d = directory(m, start);
    if (!d) return raised();
    uint64_t o = *d;
    for (int k = 0; k < 11317 && o < m.b.size(); ++k, o += kRec) {
        if (!wholeRecord(m, o)) return raised();
        int left = *m.i16(o + 5), top = *m.i16(o + 7), width = *m.i16(o + 9),
            height = *m.i16(o + 11), page = *m.i16(o + 3);
        if (left <= x && x <= left + width && top <= y && y <= top + height && page == currentPage)
            return found(static_cast<int>(*m.u8(o)), *m.i16(o + 1));
    }
    return notFound();
}

Outcome pageModel(const Bytes& m, int page) {
    auto d = directory(m, 1);
    if (!d) return raised();
    for (uint64_t o = *d; o < m.b.size(); o += kRec) {
        auto p = m.i16(o + 3);
        if (!p) return raised();
        if (*p == page) return found(static_cast<int>(*m.u8(o)), *m.i16(o + 1));
    }
    return notFound();
}

/// The page panel of a reader with a blank page picture, made once with the
/// application (which lives as long as the program: not a leak of any input).
PagePanel& panel() {
    static PagePanel* made = [] {
        LEAKS_IGNORED_HERE;
        static int argc = 1;
        static char name[] = "cutaya_fuzz";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        auto* p = new PagePanel(new QWidget, QPoint(0, 0));
        QImage page(280, 437, QImage::Format_RGB32);
        page.fill(Qt::white);
        p->imgpage->setPicture(page);
        return p;
    }();
    return *made;
}

/// Marks the aya's segments and draws every mark, as the reader does.
void drawMarks(const std::vector<AyaSegment>& segments) {
    PagePanel& p = panel();
    p.HideMarks();
    p.ShowMarks(segments);
    const QRect page = p.imgpage->geometry();
    for (AyaHighlight* mark : p.VisibleMarks()) {
        const QImage drawn = mark->rendered();
        if (!page.contains(mark->geometry()) || drawn.size() != mark->size()) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    panel();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes m{std::string_view(reinterpret_cast<const char*>(data), size)};
    auto file = fileOf("cutaya", m.b);

    for (int sura : {1, 2, 57, 114, 0}) {
        for (int aya : {1, 3, 286, 0}) {
            int page = 0;
            const Outcome want = locateModel(m, sura, aya, page);
            AyaLocation where;
            const Outcome got = run([&] {
                if (!LocateAyaSegments(file, sura, aya, where)) return notFound();
                return found(where.page, static_cast<int>(where.segments.size()));
            });
            if (!(got == want)) std::abort();
            if (got.kind != Outcome::Found) continue;
            for (const AyaSegment& s : where.segments)
                if (s.sura != sura || s.aya != aya) std::abort();
            drawMarks(where.segments);
        }
    }
    for (int sura : {1, 5, 116}) {
        for (int page : {1, 106}) {
            for (const auto& point : {std::pair{0, 0}, {140, 200}}) {
                const int x = point.first, y = point.second;
                int s = -1, a = -1;
                const Outcome got = run([&] {
                    return HitTestAyaRecord(file, sura, page, x, y, s, a) ? found(s, a)
                                                                          : notFound();
                });
                if (!(got == hitModel(m, sura, page, x, y))) std::abort();
            }
        }
    }
    for (int page : {2, 604, 0}) {
        int s = -1, a = -1;
        const Outcome got =
            run([&] { return FindFirstAyaOfPage(file, page, s, a) ? found(s, a) : notFound(); });
        if (!(got == pageModel(m, page))) std::abort();
    }
    return 0;
}
