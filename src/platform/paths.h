// Windows paths of the program mapped onto host folders. Every file access of
// the program goes through hostPath(): the drive letter picks a folder from
// the drive table, backslashes become slashes and each component is matched
// without regard to letter case.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

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

/// A Windows path quoted for a message, with the host file it stands for:
/// "D:\velk_quran\graphic\1.wmv" (/media/cdrom/velk_quran/graphic/1.wmv).
std::string quotedPath(const std::string& windowsPath);

/// Raises "Cannot open file <quotedPath>." for a file that is missing or unreadable.
[[noreturn]] void throwCannotOpen(const std::string& windowsPath);

/// Why a folder was taken for the disc root.
enum class DiscSource { Environment, ProgramFolder, ImportedDisc, MountedMedium, SampleDisc };

struct DiscChoice {
    fs::path root;
    DiscSource source;
};

/// True when `folder` holds a velk_quran folder, in any letter case.
bool holdsDisc(const fs::path& folder);

/// Finds the disc root the way the program does: ZAFIREL_DISC when set; the
/// program's own folder when it holds velk_quran/; the first of
/// `importedDiscs` that does; the first mounted medium that does
/// (/media/*/*, /run/media/*/*, /mnt/*); else the first of `sampleDiscs` that
/// does, or the last of them when none does.
DiscChoice findDiscRoot(const fs::path& programFolder, const std::vector<fs::path>& sampleDiscs,
                        const std::vector<fs::path>& importedDiscs = {});

/// The folder of the running program file.
fs::path programFolder();

/// The per-user place of the sample disc: $XDG_DATA_HOME/zafirel/disc
/// (normally ~/.local/share/zafirel/disc).
fs::path userSampleDisc();

/// What to tell the user when the chosen folder holds no disc: which folder
/// was tried, why, and how to point to a disc or make a sample one.
std::string noDiscMessage(const DiscChoice& choice, const fs::path& programFolder);

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
