// Fuzz target: the aya counts ("aya_count"). The input is the file; the count
// of a few suras, in range and out of it, must be the record's bytes or a read
// error (also for a record of another sura or of no ayas), never a read
// outside the file.
#include <cstdint>
#include <cstdlib>

#include "platform/error.h"
#include "quran/quran_files.h"
#include "quran_fuzz_disc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzzdisc::Bytes m{std::string_view(reinterpret_cast<const char*>(data), size)};
    auto file = fuzzdisc::fileOf("aya_count", m.b);

    for (int sura : {1, 2, 57, 113, 114, 0, -1, 115}) {
        const uint64_t at = static_cast<uint64_t>(sura - 1) * 3;
        const bool fits = sura >= 1 && sura <= 114 && at + 3 <= size &&
                          *m.u8(at) == static_cast<uint32_t>(sura) && *m.u16(at + 1) != 0;
        int recordSura = -1, count = -1;
        bool ok = true;
        try {
            count = ReadSuraAyaCount(file, sura, recordSura);
        } catch (const platform::PlatformError&) {
            ok = false;
        }
        if (ok != fits) std::abort();
        if (ok && (recordSura != static_cast<int>(*m.u8(at)) ||
                   count != static_cast<int>(*m.u16(at + 1))))
            std::abort();
    }
    return 0;
}
