// Shared by the fuzz targets of the Quran's structure files: a disc folder of
// this process on drive D whose data file is replaced by each input, and
// bounds-checked little-endian reads of the same bytes in memory, to check the
// readers against.
#pragma once

#include "platform/error.h"
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/paths.h"
#include "shell/globals.h"

namespace fuzzdisc {

/// Writes `bytes` as DataDir + `name` on a drive D of this process.
inline void writeDataFile(const std::string& name, std::string_view bytes) {
    namespace fs = std::filesystem;
    static const fs::path root = [] {
        fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path r = base / ("zafirel-fuzz." + std::to_string(::getpid()));
        fs::create_directories(r / "velk_quran" / "data");
        platform::setDrive('D', r);
        platform::setProgramDrive('D');
        BuildDiscFolders();
        return r;
    }();
    std::ofstream(root / "velk_quran" / "data" / name, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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
