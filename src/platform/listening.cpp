#include "platform/listening.h"

#include <algorithm>
#include <utility>

namespace platform {

void ListeningOptions::setRange(AyaRef a, AyaRef b) {
    if (b.key() < a.key()) std::swap(a, b);
    rangeFrom = a;
    rangeTo = b;
}

int ListeningOptions::pauseMs(int ayaMs) const {
    if (pauseAyaLengths > 0) return std::clamp(pauseAyaLengths, 1, 2) * std::max(ayaMs, 0);
    return std::clamp(pauseSeconds, 0, 20) * 1000;
}

ListeningOptions& listening() {
    static ListeningOptions options;
    return options;
}

}  // namespace platform
