// Fuzz target: JPEG decoding. A bad picture must raise a PlatformError; a good
// one must give an image of the size its header allows. Run under a 512 MB
// memory limit, a small file that claims a huge picture shows up at once.
// Every good picture is also decoded reduced, as for a small control.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <QImage>

#include "platform/error.h"
#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QSize own;
    try {
        QImage image = platform::decodeJpeg(bytes, "f");
        if (image.isNull() || image.width() > platform::kMaxJpegSide ||
            image.height() > platform::kMaxJpegSide)
            std::abort();
        own = image.size();
    } catch (const platform::PlatformError&) {
        return 0;
    }
    // Reduced to be shown small, it is at most its own size and covers what is shown.
    const QSize shownAt(7, 5);
    try {
        const QImage small = platform::decodeJpeg(bytes, "f", shownAt);
        if (small.isNull() || small.width() > own.width() || small.height() > own.height() ||
            (small.size() != own && (small.width() < 7 || small.height() < 5)))
            std::abort();
    } catch (const platform::PlatformError&) {
    }
    return 0;
}
