// Ctrl+C during a long task on the terminal: the task asks whether it came
// and stops cleanly instead of being killed half-way.
#pragma once

namespace platform {

/// From now on SIGINT and SIGTERM only set the flag interrupted() reads.
void catchInterrupt();
bool interrupted();
/// Gives SIGINT and SIGTERM back their usual meaning.
void releaseInterrupt();

/// True when standard error is a terminal (a progress line can be redrawn).
bool stderrIsTerminal();

}  // namespace platform
