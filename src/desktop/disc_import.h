// Bringing a disc in once: a mounted disc folder or an ISO 9660/Joliet image
// is copied into the user's folder of discs, every file checked against its
// source, so that the program runs without the medium. The copy goes into a
// hidden temporary folder that becomes the disc in one rename; a failed or
// cancelled import leaves nothing behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace desktop {

namespace fs = std::filesystem;

struct ImportProgress {
    uint64_t files = 0, totalFiles = 0;
    uint64_t bytes = 0, totalBytes = 0;
};

struct ImportOptions {
    /// The disc's folder name; empty: the volume label, else the source's name.
    std::string name;
    /// Import what can be read and list the rest, instead of stopping.
    bool keepGoing = false;
    /// Called as the copy goes on; returning false cancels the import.
    std::function<bool(const ImportProgress&)> progress;
    /// Free bytes on the target's file system (tests give a small disk).
    std::function<uint64_t(const fs::path&)> freeSpace;
};

struct ImportResult {
    bool ok = false;
    bool cancelled = false;
    /// What went wrong, naming the file; empty when ok.
    std::string error;
    /// The imported disc's folder when ok.
    fs::path disc;
    /// Files left out with --keep-going: unreadable, or with a path that
    /// leaves the disc.
    std::vector<std::string> missing;
};

/// "120/3400 files, 45.0/145.0 MB, 0:12 left": where an import stands after
/// `seconds`; the time left is guessed from the rate so far.
std::string progressText(const ImportProgress& progress, double seconds);

/// The one-line progress of an import on a terminal: a new line at most
/// every half second (and always the last one), so that a fast copy does not
/// flood it.
class ProgressLine {
  public:
    /// The text to show at `seconds`, or empty when the last one is too recent.
    std::string update(const ImportProgress& progress, double seconds);

  private:
    double last_ = -1;
};

/// The user's folder of imported discs: $XDG_DATA_HOME/zafirel/discs.
fs::path importedDiscsFolder();

/// Copies `source` (a folder or an image file) into `discs`/NAME.
ImportResult importDisc(const fs::path& source, const fs::path& discs,
                        const ImportOptions& options);

/// An imported disc as listed on the disc page.
struct ImportedDisc {
    fs::path folder;
    std::string label;
    uint64_t bytes = 0;
    /// When it was imported, "YYYY-MM-DD HH:MM" (UTC).
    std::string date;
    uint64_t missingFiles = 0;
};

/// The discs under `discs` that hold a velk_quran folder, newest first.
std::vector<ImportedDisc> listImportedDiscs(const fs::path& discs);

/// A 64-bit checksum of a block of bytes, continued from `seed`.
uint64_t checksum(const void* data, size_t size, uint64_t seed);

/// A disc name safe as one folder name: no slashes, no leading dots, not empty.
std::string safeDiscName(const std::string& name);

}  // namespace desktop
