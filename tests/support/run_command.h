// Runs a shell command as a player would and keeps its standard output and exit status.
#pragma once

#include <sys/wait.h>

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

}  // namespace escartinol::testing
