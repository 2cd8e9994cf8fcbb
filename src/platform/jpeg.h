// JPEG pictures through libjpeg. A picture that libjpeg cannot read becomes a
// PlatformError; the process never exits or aborts on a bad picture.
#pragma once

#include <QImage>
#include <QSize>
#include <string>
#include <string_view>

namespace platform {

/// The largest width or height of a picture.
constexpr int kMaxJpegSide = 8192;

/// Decodes JPEG bytes into a 32-bit RGB image. `name` is used in the error
/// message ("Cannot read picture "<name>": <reason>"). A picture that ends
/// early is an error, and so is a header that claims more than kMaxJpegSide
/// on a side or more pixels than the file could hold: those are refused
/// before any pixel memory is taken.
///
/// `shownAt` is the largest size the picture is shown at. A picture at least
/// twice as large on both sides is decoded at 1/2, 1/4 or 1/8 of its size,
/// the smallest of those that still covers `shownAt`; any other picture (and
/// every picture when `shownAt` is empty) is decoded at its own size.
QImage decodeJpeg(std::string_view bytes, const std::string& name, QSize shownAt = {});

/// Reads and decodes the JPEG file named by a Windows path (see decodeJpeg).
QImage loadJpeg(const std::string& windowsPath, QSize shownAt = {});

/// Encodes an image as baseline JPEG with the given quality (1..100).
std::string encodeJpeg(const QImage& image, int quality = 90);

}  // namespace platform
