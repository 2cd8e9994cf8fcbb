// Windows paths of the program mapped onto host folders. Every file access of
// the program goes through hostPath(): the drive letter picks a folder from
// the drive table, backslashes become slashes and each component is matched
// without regard to letter case.
#pragma once

#include <filesystem>
#include <string>

namespace platform {

namespace fs = std::filesystem;

/// Maps drive letter `letter` (any case) to the host folder `folder`.
void setDrive(char letter, const fs::path& folder);

/// The host folder of a drive letter; empty when the letter is not mapped.
fs::path driveFolder(char letter);

/// Removes every mapping (tests).
void clearDrives();

/// The drive the program runs from, as the first three characters of its
/// Windows path ("D:\"). Defaults to D.
std::string programDrive();
void setProgramDrive(char letter);

/// Turns a Windows path ("D:\velk_quran\graphic\main\1\main.jpg") into a host
/// path. Components are matched case-insensitively against what exists; the
/// part that does not exist keeps its spelling. A path on an unmapped drive,
/// or one that is not absolute, gives an empty path.
fs::path hostPath(const std::string& windowsPath);

/// Finds the disc root the way the program does: ZAFIREL_DISC when set; the
/// program's own folder when it holds velk_quran/; the first mounted medium
/// that does; else `fallback`.
fs::path findDiscRoot(const fs::path& programFolder, const fs::path& fallback);

/// The per-user folder that stands for drive C.
fs::path userDriveFolder();

/// Sets up the drive table: the program drive to `discRoot`, C to the user's folder.
void setUpDrives(const fs::path& discRoot);

/// Reads a whole file named by a Windows path; raises "Cannot open file" when
/// it is missing or unreadable.
std::string readFile(const std::string& windowsPath);

/// True when the Windows path names an existing regular file.
bool fileExists(const std::string& windowsPath);

}  // namespace platform
