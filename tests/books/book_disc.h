// Book data files made in tests and benchmarks: indexed text files of
// numbered records and the topic count file.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace bookdisc {

inline void putU32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

/// An indexed text file whose record n holds records[n]; numbers missing
/// below the last one hold empty strings.
inline std::string NumberedFile(const std::map<int, std::string>& records) {
    const int last = records.empty() ? 0 : records.rbegin()->first;
    std::string file(static_cast<size_t>(last) * 10, '\0');
    for (const auto& [n, text] : records) {
        putU32(file, static_cast<size_t>(n - 1) * 10 + 2, static_cast<uint32_t>(file.size()));
        putU32(file, static_cast<size_t>(n - 1) * 10 + 6, static_cast<uint32_t>(text.size()));
        file += text;
    }
    return file;
}

/// A count file: bytes 2-3 of record b hold counts[b].
inline std::string CountFile(const std::map<int, int>& counts) {
    const int last = counts.empty() ? 0 : counts.rbegin()->first;
    std::string file(static_cast<size_t>(last) * 10, '\0');
    for (const auto& [b, n] : counts) {
        file[static_cast<size_t>(b - 1) * 10 + 2] = static_cast<char>(n & 0xFF);
        file[static_cast<size_t>(b - 1) * 10 + 3] = static_cast<char>((n >> 8) & 0xFF);
    }
    return file;
}

}  // namespace bookdisc
