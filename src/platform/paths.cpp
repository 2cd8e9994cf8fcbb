#include "platform/paths.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/guard.h"

namespace platform {

namespace {

std::array<fs::path, 26> drives;
char programDriveLetter = 'D';

int driveIndex(char letter) {
    int c = std::toupper(static_cast<unsigned char>(letter));
    return (c >= 'A' && c <= 'Z') ? c - 'A' : -1;
}

// Returns the entry of `dir` named `name` in any case, or `name` itself.
fs::path matchComponent(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    fs::path exact = dir / name;
    if (fs::exists(exact, ec)) return exact;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameText(it->path().filename().string(), name)) return it->path();
    }
    return exact;
}

// Where removable media are mounted.
constexpr const char* kMountBases[] = {"/media", "/run/media", "/mnt"};

// A host path for a message (host paths are UTF-8).
std::string hostText(const fs::path& path) {
    return messageText(path.string(), kUtf8CodePage);
}

// A per-user base folder: $<variable>, else $HOME/<underHome>.
fs::path xdgFolder(const char* variable, const char* underHome) {
    if (const char* xdg = std::getenv(variable); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / underHome;
    return fs::temp_directory_path();
}

}  // namespace

void setDrive(char letter, const fs::path& folder) {
    int i = driveIndex(letter);
    if (i >= 0) drives[i] = folder;
}

fs::path driveFolder(char letter) {
    int i = driveIndex(letter);
    return i >= 0 ? drives[i] : fs::path();
}

void clearDrives() {
    for (auto& d : drives) d.clear();
}

std::string programDrive() {
    return std::string(1, programDriveLetter) + ":\\";
}

void setProgramDrive(char letter) {
    programDriveLetter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

fs::path hostPath(const std::string& windowsPath) {
    if (windowsPath.size() < 3 || windowsPath[1] != ':' ||
        (windowsPath[2] != '\\' && windowsPath[2] != '/'))
        return {};
    fs::path result = driveFolder(windowsPath[0]);
    if (result.empty()) return {};
    bool exists = true;
    int depth = 0;  // components below the drive's folder
    size_t start = 3;
    while (start <= windowsPath.size()) {
        size_t end = windowsPath.find_first_of("\\/", start);
        if (end == std::string::npos) end = windowsPath.size();
        std::string part = windowsPath.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            // Never climb above the drive's folder (which may end in a slash).
            if (depth > 0) {
                result = result.parent_path();
                --depth;
            }
            continue;
        }
        ++depth;
        if (exists) {
            result = matchComponent(result, part);
            std::error_code ec;
            exists = fs::exists(result, ec);
        } else {
            result /= part;
        }
    }
    return result;
}

std::string quotedPath(const std::string& windowsPath) {
    const fs::path host = hostPath(windowsPath);
    return "\"" + messageText(windowsPath) + "\" (" +
           (host.empty() ? std::string("not on any folder of this computer") : hostText(host)) +
           ")";
}

void throwCannotOpen(const std::string& windowsPath) {
    throw PlatformError("Cannot open file " + quotedPath(windowsPath) + ".", windowsPath);
}

bool holdsDisc(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(matchComponent(folder, "velk_quran"), ec);
}

DiscChoice findDiscRoot(const fs::path& programFolder, const std::vector<fs::path>& sampleDiscs,
                        const std::vector<fs::path>& importedDiscs) {
    if (const char* env = std::getenv("ZAFIREL_DISC"); env && *env)
        return {fs::path(env), DiscSource::Environment};
    if (holdsDisc(programFolder)) return {programFolder, DiscSource::ProgramFolder};
    for (const auto& imported : importedDiscs)
        if (holdsDisc(imported)) return {imported, DiscSource::ImportedDisc};
    for (const char* base : kMountBases) {
        std::error_code ec;
        std::vector<fs::path> candidates;
        for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
            candidates.push_back(it->path());
            std::error_code ec2;
            for (fs::directory_iterator in(it->path(), ec2), e2; !ec2 && in != e2;
                 in.increment(ec2))
                candidates.push_back(in->path());
        }
        for (const auto& c : candidates)
            if (holdsDisc(c)) return {c, DiscSource::MountedMedium};
    }
    for (const auto& sample : sampleDiscs)
        if (holdsDisc(sample)) return {sample, DiscSource::SampleDisc};
    return {sampleDiscs.empty() ? fs::path() : sampleDiscs.back(), DiscSource::SampleDisc};
}

fs::path programFolder() {
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).parent_path();
}

fs::path userSampleDisc() {
    return xdgFolder("XDG_DATA_HOME", ".local/share") / "zafirel" / "disc";
}

std::string noDiscMessage(const DiscChoice& choice, const fs::path& programFolder) {
    std::string why;
    switch (choice.source) {
        case DiscSource::Environment: {
            why = "ZAFIREL_DISC names it.";
            fs::path named = choice.root.lexically_normal();
            if (named.filename().empty()) named = named.parent_path();  // a trailing slash
            if (sameText(named.filename().string(), "velk_quran"))
                why += " It is the velk_quran folder itself: name the folder that holds it.";
            break;
        }
        case DiscSource::ProgramFolder:
            why = "it is the program's own folder.";
            break;
        case DiscSource::ImportedDisc:
            why = "it is an imported disc.";
            break;
        case DiscSource::MountedMedium:
            why = "it is a mounted medium.";
            break;
        case DiscSource::SampleDisc:
            why =
                "it is the place of the sample disc: ZAFIREL_DISC is not set, and neither "
                "the program's folder (" +
                hostText(programFolder) +
                ") nor a mounted medium (under /media, /run/media or /mnt) holds a disc.";
            break;
    }
    return "No disc was found in " + hostText(choice.root) +
           ": that folder holds no velk_quran folder.\n"
           "It was tried because " +
           why +
           "\n\n"
           "To read a disc, set ZAFIREL_DISC to the folder that holds velk_quran (where the "
           "disc is mounted or copied), for example:\n"
           "    ZAFIREL_DISC=/media/cdrom zafirel\n"
           "To make a sample disc, which the program finds by itself when ZAFIREL_DISC is not "
           "set:\n"
           "    zafirel-sample-disc " +
           hostText(userSampleDisc()) +
           "\n"
           "To bring a disc in once from an ISO image or a mounted disc, and then run "
           "without it:\n"
           "    zafirel --import /path/to/disc.iso\n";
}

fs::path userDriveFolder() {
    return xdgFolder("XDG_CONFIG_HOME", ".config") / "zafirel" / "c";
}

void setUpDrives(const fs::path& discRoot) {
    setDrive(programDriveLetter, discRoot);
    fs::path c = userDriveFolder();
    std::error_code ec;
    fs::create_directories(c, ec);
    setDrive('C', c);
}

std::string readFile(const std::string& windowsPath) {
    fs::path p = hostPath(windowsPath);
    std::error_code ec;
    if (p.empty() || !fs::is_regular_file(p, ec)) throwCannotOpen(windowsPath);
    std::ifstream in(p, std::ios::binary);
    if (!in) throwCannotOpen(windowsPath);
    std::ostringstream out;
    out << in.rdbuf();
    ErrorBox::fileRead(windowsPath);
    return out.str();
}

bool fileExists(const std::string& windowsPath) {
    fs::path p = hostPath(windowsPath);
    std::error_code ec;
    return !p.empty() && fs::is_regular_file(p, ec);
}

}  // namespace platform
