#include "platform/interrupt.h"

#include <unistd.h>

#include <csignal>

namespace platform {

namespace {

volatile std::sig_atomic_t caught = 0;

void onSignal(int) {
    caught = 1;
}

}  // namespace

void catchInterrupt() {
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

bool interrupted() {
    return caught != 0;
}

void releaseInterrupt() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool stderrIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

}  // namespace platform
