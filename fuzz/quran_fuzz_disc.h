// Shared by the fuzz targets of the Quran's structure files: the input as an
// open file, and bounds-checked little-endian reads of the same bytes in memory, to check the
// readers against.
#pragma once

#include "platform/binfile.h"
#include "platform/error.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fuzzdisc {

/// The input as an open file named `name`.
inline platform::BinaryFile fileOf(const std::string& name, std::string_view bytes) {
    return platform::BinaryFile::fromBytes(name, std::string(bytes));
}

/// The input as the file's bytes; a read that does not fit gives nothing.
struct Bytes {
    std::string_view b;
    std::optional<uint32_t> u8(uint64_t at) const {
        if (at >= b.size()) return std::nullopt;
        return static_cast<uint8_t>(b[at]);
    }
    std::optional<int> i16(uint64_t at) const {
        if (at + 2 > b.size()) return std::nullopt;
        return static_cast<int16_t>(static_cast<uint8_t>(b[at]) |
                                    (static_cast<uint8_t>(b[at + 1]) << 8));
    }
    std::optional<uint32_t> u16(uint64_t at) const {
        if (at + 2 > b.size()) return std::nullopt;
        return static_cast<uint32_t>(static_cast<uint8_t>(b[at]) |
                                     (static_cast<uint8_t>(b[at + 1]) << 8));
    }
    std::optional<uint32_t> u32(uint64_t at) const {
        if (at + 4 > b.size()) return std::nullopt;
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
        return v;
    }
};

/// What a reader did: raised, answered false, or found (a, b).
struct Outcome {
    enum Kind { Raised, NotFound, Found } kind = NotFound;
    int a = 0, b = 0;
    bool operator==(const Outcome& o) const {
        return kind == o.kind && (kind != Found || (a == o.a && b == o.b));
    }
};

inline Outcome raised() {
    return {Outcome::Raised};
}
inline Outcome notFound() {
    return {Outcome::NotFound};
}
inline Outcome found(int a, int b) {
    return {Outcome::Found, a, b};
}

/// Runs a reader, turning its error into the Raised outcome.
template <class F>
Outcome run(F f) {
    try {
        return f();
    } catch (const platform::PlatformError&) {
        return raised();
    }
}

}  // namespace fuzzdisc
