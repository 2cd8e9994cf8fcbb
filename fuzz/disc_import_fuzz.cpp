// Fuzz target: a disc image (ISO 9660, or tar) brought in with the importer.
// Besides not crashing and staying within the memory limit whatever sizes the
// image claims, nothing may be written outside the discs folder, and a failed
// import leaves that folder empty.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "desktop/disc_import.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path root =
        fs::temp_directory_path() / ("zafirel-import-fuzz-" + std::to_string(getpid()));
    // The image sits one level down, so that a path climbing out of the discs
    // folder would land beside it in `root`, where it is seen.
    const fs::path image = root / "in" / "disc.iso", discs = root / "discs";
    fs::create_directories(image.parent_path());
    std::ofstream(image, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    desktop::ImportOptions options;
    options.name = "disc";
    options.keepGoing = size % 2 == 1;  // both ways
    const desktop::ImportResult result = desktop::importDisc(image, discs, options);

    size_t entries = 0;
    for (const auto& e : fs::directory_iterator(root)) {
        const std::string name = e.path().filename().string();
        if (name != "in" && name != "discs") std::abort();  // written outside
        ++entries;
    }
    size_t discsFound = 0;
    std::error_code ec;
    for (fs::directory_iterator it(discs, ec), end; !ec && it != end; it.increment(ec)) {
        if (!result.ok || it->path() != discs / "disc") std::abort();  // left behind
        ++discsFound;
    }
    if (result.ok != (discsFound == 1)) std::abort();
    (void)entries;
    fs::remove_all(discs, ec);
    return 0;
}
