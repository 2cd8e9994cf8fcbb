// Little-endian fields of the disc's data files, the 10-byte record that
// places a text in an indexed text file, and the hash that lets the sample
// data vary without randomness.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace disc {

inline void put8(std::string& out, int v) {
    out += static_cast<char>(v & 0xFF);
}
inline void put16(std::string& out, int v) {
    put8(out, v);
    put8(out, v >> 8);
}
inline void put32(std::string& out, uint32_t v) {
    put16(out, static_cast<int>(v & 0xFFFF));
    put16(out, static_cast<int>(v >> 16));
}

/// Appends a text record: a 16-bit number (aya or record number), then the
/// 32-bit offset and length of the text; raises std::length_error when the
/// text does not end within the first 4 GB of its file.
inline void putTextRecord(std::string& out, int number, uint64_t offset, uint64_t length) {
    if (offset + length > UINT32_MAX) throw std::length_error("indexed text file too large");
    put16(out, number);
    put32(out, static_cast<uint32_t>(offset));
    put32(out, static_cast<uint32_t>(length));
}

/// A well-mixed 64-bit hash of a number (the splitmix64 finaliser).
inline uint64_t mix(uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

}  // namespace disc
