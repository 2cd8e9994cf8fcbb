// Fuzz target: JPEG decoding. A bad picture must raise a PlatformError; a good
// one must give an image of the size its header allows. Run under a 512 MB
// memory limit, a small file that claims a huge picture shows up at once.
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
        if (image.isNull() || image.width() > platform::kMaxJpegSide ||
            image.height() > platform::kMaxJpegSide)
            std::abort();
    } catch (const platform::PlatformError&) {
    }
    return 0;
}
