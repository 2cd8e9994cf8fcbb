// Fuzz target: the remarks file ("c:\remrak1.ini"). The input is the file;
// the remarks are read (never more than one per aya), the first is deleted
// and the rest must read back as they were, and one is added.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/error.h"
#include "platform/paths.h"
#include "quran/remarks_file.h"
#include "shell/globals.h"

namespace {

void writeRemarksFile(std::string_view bytes) {
    namespace fs = std::filesystem;
    static const fs::path c = [] {
        fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path r = base / ("zafirel-fuzz-c." + std::to_string(::getpid()));
        fs::create_directories(r);
        platform::setDrive('C', r);
        LanguageIndex = 1;
        return r;
    }();
    std::ofstream(c / "remrak1.ini", std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool startsWithQuote(const std::string& v) {
    return !v.empty() && (v.front() == '"' || v.front() == '\'');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeRemarksFile(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<StoredRemark> remarks;
    try {
        remarks = ReadRemarks();
    } catch (const platform::PlatformError&) {
        return 0;  // a count that is no number
    }
    if (remarks.size() > 6236) std::abort();
    // Deleting rewrites the file once, with a sync: keep the lists short
    // enough for many runs a second.
    if (remarks.empty() || remarks.size() > 400) return 0;
    remarks.erase(remarks.begin());
    try {
        WriteRemarksAfterRemoval(remarks, 0);
        const std::vector<StoredRemark> back = ReadRemarks();
        if (back.size() != remarks.size()) std::abort();
        for (size_t i = 0; i < back.size(); ++i)
            if (!startsWithQuote(remarks[i].sura) && !startsWithQuote(remarks[i].aya) &&
                (back[i].sura != remarks[i].sura || back[i].aya != remarks[i].aya))
                std::abort();
        AddRemark(1, 1);
    } catch (const platform::PlatformError&) {
    }
    return 0;
}
