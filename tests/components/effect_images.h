// Pictures for the effect and picture show tests.
#pragma once

#include <QImage>
#include <cstdint>

namespace testimg {

/// A `w` by `h` picture whose pixels `pixel(x, y)` gives, row by row.
template <class F>
QImage painted(int w, int h, F pixel) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) row[x] = 0xFF000000u | pixel(x, y);
    }
    return img;
}

/// A picture whose every pixel names its place and its picture: bits 0..10
/// hold y, bits 11..22 hold x and bit 23 the tag, so two pictures with
/// different tags differ everywhere and a pixel tells where it was copied from.
inline QImage tagged(int w, int h, int tag) {
    return painted(w, h, [tag](int x, int y) {
        return uint32_t(tag & 1) << 23 | uint32_t(x & 0xFFF) << 11 | uint32_t(y & 0x7FF);
    });
}

/// A colourful noise picture (fixed seed per `seed`).
inline QImage noise(int w, int h, uint32_t seed) {
    return painted(w, h, [s = seed * 2654435761u + 1](int, int) mutable {
        s = s * 1664525u + 1013904223u;
        return s >> 8;
    });
}

/// Number of pixels where two pictures of the same size differ.
inline int64_t differing(const QImage& a, const QImage& b) {
    int64_t n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const uint32_t*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const uint32_t*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) n += ra[x] != rb[x];
    }
    return n;
}

}  // namespace testimg
