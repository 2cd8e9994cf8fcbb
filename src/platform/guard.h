// The one handler guard. Every handler of the program (create, click, mouse,
// key, timer tick, media notice) runs through guarded(): a PlatformError (or
// any other exception) ends the handler, the error box shows its message and
// the screen stays usable with what the handler did before the error.
//
// A file that fails is reported once: the same message about the same file
// is held back until that file has been read again. When the disc itself is
// gone (its folder vanished or left empty), one box says so and every other
// failure on the disc is held back until it is there again.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

/// Runs `handler`, showing the error box for anything it raises.
void guarded(const std::function<void()>& handler);

/// The error box: a message box in the running program, a recorded list in tests.
class ErrorBox {
  public:
    /// Shows `message` to the user (or records it), unless it is held back:
    /// a message already reported for `file` (a Windows path) that has not
    /// been read since, or any failure on the disc while the disc is gone.
    /// The box stands above the active window of the program.
    static void show(const std::string& message, const std::string& file = {});

    /// Tells the error box that `windowsPath` was read: a later failure of
    /// that file is reported again. Cheap when nothing has failed.
    static void fileRead(const std::string& windowsPath);

    /// The message shown once when the disc's folder is gone.
    static std::string discRemovedMessage();

    /// Writes `message` to standard error and, with a display, shows it and
    /// waits until the user closes the box: for an error that ends the program.
    static void showAndWait(const std::string& message);

    /// Tells the user something that is not an error (an information box; in
    /// tests it is kept in informed()).
    static void inform(const std::string& message);
    static std::vector<std::string>& informed();

    /// Switches to recording: messages are kept in recorded() instead of shown.
    static void setRecording(bool on);
    static std::vector<std::string>& recorded();
    /// Forgets which files were reported and whether the disc was missing
    /// (tests, before each case).
    static void forget();
};

}  // namespace platform
