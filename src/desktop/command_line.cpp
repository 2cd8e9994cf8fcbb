#include "desktop/command_line.h"

#include <cstring>

namespace desktop {

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--window")
            line.windowed = true;
        else if (arg == "--fullscreen")
            line.windowed = false;
        else if (arg == "--help" || arg == "-h")
            line.help = true;
        else if (arg == "--version")
            line.version = true;
        else if (arg == "--keep-going")
            line.keepGoing = true;
        else if (arg == "--import" || arg == "--name") {
            if (i + 1 >= argc) {
                if (line.unknown.empty()) line.unknown = arg + " (without a value)";
                continue;
            }
            (arg == "--import" ? line.importSource : line.importName) = argv[++i];
        } else if (line.unknown.empty() && arg.rfind("--", 0) == 0)
            line.unknown = arg;
    }
    return line;
}

std::string usage() {
    return "Usage: zafirel [--window | --fullscreen] [--help] [--version]\n"
           "       zafirel --import SOURCE [--name NAME] [--keep-going]\n"
           "\n"
           "  --window      start in a window (1024x768, or the size it last had)\n"
           "  --fullscreen  start full screen\n"
           "  --help        show this text\n"
           "  --version     show the version\n"
           "  --import SOURCE  copy a disc (a mounted disc folder or an ISO image) into\n"
           "                ~/.local/share/zafirel/discs, check every file, and start on it\n"
           "  --name NAME   the imported disc's name (default: its volume label)\n"
           "  --keep-going  import what can be read and list the files that cannot\n"
           "\n"
           "Without either, the program starts as it was left (full screen the first time).\n"
           "F11 switches at any time; a right click anywhere opens the program's menu.\n"
           "Environment: ZAFIREL_DISC (the disc folder), ZAFIREL_WINDOWED=1 (a window),\n"
           "ZAFIREL_AUDIO=null (no sound device), ZAFIREL_MPV_LOG=file.\n";
}

bool startWindowed(const CommandLine& line, const char* windowedEnv, bool kept) {
    if (line.windowed) return *line.windowed;
    if (windowedEnv) return true;
    return kept;
}

}  // namespace desktop
