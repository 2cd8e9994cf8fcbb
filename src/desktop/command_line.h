// The program's command line: --window, --fullscreen, --help, --version,
// --import SOURCE [--name NAME] [--keep-going].
#pragma once

#include <optional>
#include <string>

namespace desktop {

struct CommandLine {
    /// Set by --window (true) or --fullscreen (false); the last one counts.
    std::optional<bool> windowed;
    bool help = false;
    bool version = false;
    /// --import: a disc folder or image to bring in before starting.
    std::string importSource;
    /// --name: the imported disc's folder name.
    std::string importName;
    /// --keep-going: import what can be read and list the rest.
    bool keepGoing = false;
    /// An argument the program does not know, or an option without its
    /// value; empty when all are known.
    std::string unknown;
};

/// Reads the arguments after the program name. Arguments Qt itself takes
/// (-platform, -display ...) are left to it and not looked at here.
CommandLine parseCommandLine(int argc, const char* const* argv);

/// The text of --help.
std::string usage();

/// Full screen or a window at the start: the command line first, then
/// ZAFIREL_WINDOWED (set: a window), then the choice kept from the last run.
bool startWindowed(const CommandLine& line, const char* windowedEnv, bool kept);

}  // namespace desktop
