// Fuzz target: the text form of a shaped button's user region. A record is
// either refused or gives a region within the coordinates a button can use,
// that encodes back to itself; its outlines and bands are built without fault.
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "components/button_shapes.h"

using namespace ButtonShapes;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<QRegion> region = decodeStringRegion(text);
    if (!region) return 0;
    if (!region->isEmpty() && !QRect(-2 * MaxSize, -2 * MaxSize, 4 * MaxSize, 4 * MaxSize)
                                   .contains(region->boundingRect()))
        std::abort();
    if (decodeStringRegion(encodeStringRegion(*region)) != region) std::abort();

    // The shape a 64 by 48 bkUser button makes of it, turned a little.
    ShapeParams params;
    params.kind = bkUser;
    params.width = 64;
    params.height = 48;
    params.userRegion = *region;
    const Outlines outline = turned(shapeOutlines(params), 64, 48, 300);
    const Regions r =
        buildRegions(outline, turnedSize(64, 48, 300), 3, thickness(params), true, true);
    if (r.mask.size() != turnedSize(64, 48, 300)) std::abort();
    return 0;
}
