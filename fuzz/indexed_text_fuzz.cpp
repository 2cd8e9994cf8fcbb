// Fuzz target: the indexed text files in both forms. The input is the file;
// numbered records and the ayas of a few suras are read and must agree with
// the same reads over the bytes in memory. The input also serves as the aya
// counts for a whole search, which must end (with hits in order, or a read
// error) whatever the counts say.
#include <cstdint>
#include <cstdlib>

#include "platform/error.h"
#include "platform/indexed_text_file.h"
#include "quran/quran_search.h"
#include "quran_fuzz_disc.h"

namespace {

using namespace fuzzdisc;

/// The string of the record at `offset`, or nothing when it does not fit.
std::optional<std::string> recordModel(const Bytes& m, uint64_t offset) {
    auto text = m.u32(offset + 2), length = m.u32(offset + 6);
    if (!text || !length || *text > m.b.size() || *length > m.b.size() - *text) return std::nullopt;
    return std::string(m.b.substr(*text, *length));
}

template <class F>
std::optional<std::string> read(F f) {
    try {
        return f();
    } catch (const platform::PlatformError&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes m{std::string_view(reinterpret_cast<const char*>(data), size)};
    std::optional<platform::IndexedTextFile> file;
    file.emplace(fileOf("11", m.b));

    for (int n : {1, 2, 3, 57, 0, -1}) {
        const auto got = read([&] { return file->Record(n); });
        const auto want = n < 1 ? std::nullopt : recordModel(m, static_cast<uint64_t>(n - 1) * 10);
        if (got != want) std::abort();
    }
    for (int sura : {1, 2, 114, 0, 115})
        for (int aya : {1, 2, 7, 0}) {
            const auto got = read([&] { return file->AyaText(file->FirstAyaRecord(sura), aya); });
            std::optional<std::string> want;
            if (sura >= 1 && sura <= 114 && aya >= 1)
                if (auto first = m.u32(static_cast<uint64_t>(sura - 1) * 5 + 1))
                    want = recordModel(m, *first + static_cast<uint64_t>(aya - 1) * 10);
            if (got != want) std::abort();
        }

    try {
        int last = 0;
        platform::IndexedTextFile text(fileOf("11", m.b));
        auto counts = fileOf("aya_count", m.b);
        for (const QuranHit& hit : FindAyasContaining(text, counts, "A")) {
            const int at = hit.sura * 65536 + hit.aya;
            if (hit.sura < 1 || hit.sura > 114 || hit.aya < 1 || at <= last) std::abort();
            last = at;
        }
    } catch (const platform::PlatformError&) {
    }
    return 0;
}
