// Builds aya text files ("11") for tests and benchmarks: a directory of 114
// entries of 5 bytes, then the aya records of 10 bytes in Quran order, then
// the texts, all offsets and lengths 32-bit little-endian.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ayatext {

inline void putU32(std::string& out, uint64_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<uint64_t>(i)] = static_cast<char>(v >> (8 * i));
}

/// The file of `suras[s - 1][a - 1]`, the texts as bytes.
inline std::string FileOf(const std::vector<std::vector<std::string>>& suras) {
    size_t ayas = 0;
    for (const auto& s : suras) ayas += s.size();
    std::string out(114 * 5 + ayas * 10, '\0');
    uint64_t record = 114 * 5;
    for (size_t s = 0; s < suras.size(); ++s) {
        out[s * 5] = static_cast<char>(s + 1);
        putU32(out, s * 5 + 1, static_cast<uint32_t>(record));
        for (const std::string& text : suras[s]) {
            putU32(out, record + 2, static_cast<uint32_t>(out.size()));
            putU32(out, record + 6, static_cast<uint32_t>(text.size()));
            out += text;
            record += 10;
        }
    }
    return out;
}

}  // namespace ayatext
