// The one handler guard. Every handler of the program (create, click, mouse,
// key, timer tick, media notice) runs through guarded(): a PlatformError (or
// any other exception) ends the handler, the error box shows its message and
// the screen stays usable with what the handler did before the error.
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
    /// Shows `message` to the user (or records it).
    static void show(const std::string& message);

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
};

}  // namespace platform
