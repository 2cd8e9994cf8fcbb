// Pictures for the effect and picture show tests.
#pragma once

#include <QImage>
#include <cstdint>

namespace testimg {

/// A picture whose every pixel names its place and its picture: bits 0..10
/// hold y, bits 11..22 hold x and bit 23 the tag, so two pictures with
/// different tags differ everywhere and a pixel tells where it was copied from.
inline QImage tagged(int w, int h, int tag) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = 0xFF000000u | uint32_t(tag & 1) << 23 | uint32_t(x & 0xFFF) << 11 |
                     uint32_t(y & 0x7FF);
    }
    return img;
}

/// A colourful noise picture (fixed seed per `seed`).
inline QImage noise(int w, int h, uint32_t seed) {
    QImage img(w, h, QImage::Format_RGB32);
    uint32_t s = seed * 2654435761u + 1;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            row[x] = 0xFF000000u | (s >> 8);
        }
    }
    return img;
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
