// The text form of a bkUser region: a region-data record (a 32-byte header
// then a list of rectangles, little-endian 32-bit fields), two characters
// per byte so that it can live in a string property.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "components/button_shapes.h"

namespace ButtonShapes {

namespace {

constexpr uint32_t HeaderSize = 32, RectSize = 16;
constexpr uint32_t RectangleList = 1;  // the only record type there is

uint32_t field(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

/// A coordinate as the record holds it, kept well inside what any button can show.
int coordinate(const std::vector<uint8_t>& bytes, size_t at) {
    return std::clamp(int32_t(field(bytes, at)), -2 * MaxSize, 2 * MaxSize);
}

void put(std::string& text, uint8_t byte) {
    // Bytes that could end a string or start an escape are escaped.
    if (byte < 32 || byte >= 128 || byte == '!') {
        text += '!';
        text += char(uint8_t(byte + 128));
    } else {
        text += char(byte);
        text += ' ';
    }
}

void put32(std::string& text, uint32_t value) {
    for (int k = 0; k < 4; ++k) put(text, uint8_t(value >> (8 * k)));
}

}  // namespace

std::optional<QRegion> decodeStringRegion(std::string_view text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(text[i] == '!' ? uint8_t(uint8_t(text[i + 1]) - 128) : uint8_t(text[i]));
    if (bytes.size() < HeaderSize || field(bytes, 0) != HeaderSize ||
        field(bytes, 4) != RectangleList)
        return std::nullopt;
    const uint32_t count = field(bytes, 8);
    if (count > (bytes.size() - HeaderSize) / RectSize) return std::nullopt;
    QRegion region;
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = HeaderSize + size_t(i) * RectSize;
        const int left = coordinate(bytes, at), top = coordinate(bytes, at + 4);
        const int right = coordinate(bytes, at + 8), bottom = coordinate(bytes, at + 12);
        if (right > left && bottom > top) region += QRect(left, top, right - left, bottom - top);
    }
    return region;
}

std::string encodeStringRegion(const QRegion& region) {
    std::string text;
    const QRect bound = region.boundingRect();
    const uint32_t count = uint32_t(region.rectCount());
    for (uint32_t v : {HeaderSize, RectangleList, count, count * RectSize}) put32(text, v);
    const auto putRect = [&](const QRect& r) {
        for (int v : {r.left(), r.top(), r.right() + 1, r.bottom() + 1}) put32(text, uint32_t(v));
    };
    putRect(bound);
    for (const QRect& r : region) putRect(r);
    return text;
}

}  // namespace ButtonShapes
