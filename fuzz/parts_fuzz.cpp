// Fuzz target: the parts file ("parts"). The input is the file; the part of an
// aya and the first aya of a part are read with a few arguments and must agree
// with the same reads over the bytes in memory.
#include <cstdint>
#include <cstdlib>

#include "platform/error.h"
#include "quran/quran_files.h"
#include "quran_fuzz_disc.h"

namespace {

using namespace fuzzdisc;

Outcome partModel(const Bytes& m, int sura, int aya) {
    if (sura < 1 || sura > 114 || aya < 1) return raised();
    auto o = m.u32(static_cast<uint64_t>(sura - 1) * 5 + 1);
    if (!o || *o < 114 * 5 || *o >= m.b.size()) return raised();
    auto p = m.u8(*o + static_cast<uint64_t>(aya - 1) * 5 + 3);
    if (!p) return raised();
    return found(static_cast<int>(*p), 0);
}

Outcome firstOfPartModel(const Bytes& m, int part) {
    auto first = m.u32(1);
    if (!first || *first < 114 * 5 || *first >= m.b.size()) return raised();
    uint64_t o = *first;
    for (int k = 0; k < 6236 && o < m.b.size(); ++k, o += 5) {
        auto p = m.u8(o + 3);
        if (!p) return raised();
        if (static_cast<int>(*p) == part)
            return found(static_cast<int>(*m.u8(o)), static_cast<int>(*m.u8(o + 1)));
    }
    return notFound();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes m{std::string_view(reinterpret_cast<const char*>(data), size)};
    auto file = fileOf("parts", m.b);

    for (int sura : {1, 2, 9, 114, 0, 115})
        for (int aya : {1, 2, 6, 286, 0}) {
            const Outcome got = run([&] { return found(ReadAyaPart(file, sura, aya), 0); });
            if (!(got == partModel(m, sura, aya))) std::abort();
        }
    for (int part : {1, 2, 30, 0, 31}) {
        int s = -1, a = -1;
        const Outcome got =
            run([&] { return FindFirstAyaOfPart(file, part, s, a) ? found(s, a) : notFound(); });
        if (!(got == firstOfPartModel(m, part))) std::abort();
        if (got.kind == Outcome::Found && (s < 0 || s > 255 || a < 0 || a > 255)) std::abort();
    }
    return 0;
}
