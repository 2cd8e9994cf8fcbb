// JPEG pictures through libjpeg. A picture that libjpeg cannot read becomes a
// PlatformError; the process never exits or aborts on a bad picture.
#pragma once

#include <QImage>
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
QImage decodeJpeg(std::string_view bytes, const std::string& name);

/// Reads and decodes the JPEG file named by a Windows path.
QImage loadJpeg(const std::string& windowsPath);

/// Encodes an image as baseline JPEG with the given quality (1..100).
std::string encodeJpeg(const QImage& image, int quality = 90);

}  // namespace platform
