// What a crash leaves behind: work run in a child process that is killed
// (SIGKILL) at a chosen moment, as a power cut or a killed program would stop it.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

/// Runs `work` in a child process and kills it after `delayUs` microseconds
/// (or lets it end by itself when it is done sooner).
template <class Work>
void KillDuring(Work work, int delayUs) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            work();
        } catch (...) {
        }
        _exit(0);
    }
    usleep(static_cast<useconds_t>(delayUs));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}
