// Fuzz target: JPEG decoding. A bad picture must raise a PlatformError; a good
// one must give an image of the size its header allows.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <QImage>

#include "platform/error.h"
#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        QImage image =
            platform::decodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size), "f");
        if (image.isNull() || image.width() > 16384 || image.height() > 16384) std::abort();
    } catch (const platform::PlatformError&) {
    }
    return 0;
}
