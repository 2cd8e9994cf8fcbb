// Media files made inside the media tests: WAV bytes built in code.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace media_files {

/// A mono 16-bit PCM WAV of `ms` milliseconds holding a quiet tone.
inline std::string wav(int ms, int rate = 8000) {
    auto put = [](std::string& s, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    std::string data;
    for (int64_t i = 0; i < int64_t(rate) * ms / 1000; ++i)
        put(data, uint16_t(int16_t(2000 * std::sin(2 * M_PI * 440.0 * i / rate))), 2);
    std::string file = "RIFF";
    put(file, 36 + data.size(), 4);
    file += "WAVEfmt ";
    for (auto [v, bytes] :
         {std::pair{16, 4}, {1, 2}, {1, 2}, {rate, 4}, {rate * 2, 4}, {2, 2}, {16, 2}})
        put(file, v, bytes);  // PCM, mono, rate, byte rate, block, bits
    file += "data";
    put(file, data.size(), 4);
    return file + data;
}

}  // namespace media_files
