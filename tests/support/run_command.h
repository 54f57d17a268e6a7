// Runs a shell command as a player would and keeps its standard output and exit status; or starts
// one that a test build of the lists tool stops at a point the test names, to be killed there.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace escartinol::testing {

struct Outcome {
    std::string out;
    int status = -1;  // -1 when the command did not exit by itself (killed by a signal)
};

// errorsTo is where standard error goes: "&1" mixes it into out.
inline Outcome RunCommand(const std::string& command, const std::string& errorsTo = "/dev/null") {
    Outcome outcome;
    FILE* pipe = popen((command + " 2>" + errorsTo).c_str(), "r");
    if (!pipe) return outcome;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.out.append(buffer, got);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

// Runs command in a shell that the tool replaces; returns its pid once the tool has stopped itself
// at the point ESCARTINOL_TEST_STOP_EDIT names, or -1.
inline pid_t StartStopped(const std::string& point, const std::string& command) {
    const std::string line = "ESCARTINOL_TEST_STOP_EDIT=" + point + " exec " + command + " >/dev/null 2>&1";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl("/bin/sh", "sh", "-c", line.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, WUNTRACED) != pid || !WIFSTOPPED(status)) return -1;
    return pid;
}

// The signal that ended the stopped process, once it has been sent signal and let go on.
inline int EndStopped(pid_t pid, int signal) {
    ::kill(pid, signal);
    ::kill(pid, SIGCONT);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

}  // namespace escartinol::testing
