// Fuzz target: the recitation rules file ("tagweed"). The input is the file;
// every page of every rule that the file claims (and a few it does not) is
// read and must agree with the same reads over the bytes in memory: the page
// count and the example count (cut to 8), and a text that lies inside the file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "devotional/tagweed_file.h"
#include "quran_fuzz_disc.h"

namespace {

using namespace fuzzdisc;

struct Expected {
    bool raised = true;
    int pages = 0, examples = 0;
    std::string_view text;
};

Expected model(const Bytes& m, int rule, int page) {
    Expected x;
    if (rule < 1 || rule > 23) return x;
    const uint64_t at = static_cast<uint64_t>(rule - 1) * 6;
    const auto pages = m.u8(at + 1);
    const auto table = m.u32(at + 2);
    if (!pages || !table || page < 1 || page > static_cast<int>(*pages)) return x;
    const uint64_t record = *table + static_cast<uint64_t>(page - 1) * 10;
    if (record > m.b.size()) return x;
    const auto examples = m.u8(record + 1);
    const auto text = m.u32(record + 2);
    const auto length = m.u32(record + 6);
    if (!examples || !text || !length || *text > m.b.size() || *length > m.b.size() - *text)
        return x;
    return {false, static_cast<int>(*pages), std::min(static_cast<int>(*examples), 8),
            m.b.substr(*text, *length)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes m{std::string_view(reinterpret_cast<const char*>(data), size)};
    auto file = fileOf("tagweed", m.b);
    for (int rule = 0; rule <= 24; ++rule)
        for (int page = 0; page <= 4; ++page) {
            const Expected want = model(m, rule, page);
            try {
                const TagweedPage got = ReadTagweedPage(file, rule, page);
                if (want.raised || got.pageCount != want.pages ||
                    got.exampleCount != want.examples || got.text != want.text)
                    std::abort();
            } catch (const platform::PlatformError&) {
                if (!want.raised) std::abort();
            }
        }
    return 0;
}
