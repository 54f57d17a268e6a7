// posix_spawnp with its file actions: the child's folder and descriptors are set without a fork in our code.
#include "lists/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "words/file_descriptor.h"

extern char** environ;

namespace escartinol {

namespace {

// Closes the descriptors it holds when it goes, whatever path the caller leaves by.
struct Pipe {
    int ends[2] = {-1, -1};
    ~Pipe() {
        for (const int fd : ends)
            if (fd >= 0) close(fd);
    }
    void CloseWriteEnd() {
        close(ends[1]);
        ends[1] = -1;
    }
};

struct SpawnActions {
    posix_spawn_file_actions_t actions;
    SpawnActions() { posix_spawn_file_actions_init(&actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
};

}  // namespace

std::string RunChildReadingLines(const ChildRun& run, const std::function<void(std::string_view line)>& onLine) {
    const std::string& name = run.argv.at(0);
    Pipe output;
    if (pipe2(output.ends, O_CLOEXEC) != 0) return std::string("cannot make a pipe: ") + std::strerror(errno);
    SpawnActions spawn;
    posix_spawn_file_actions_addopen(&spawn.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&spawn.actions, output.ends[1], 1);
    posix_spawn_file_actions_addopen(&spawn.actions, 2, run.errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&spawn.actions, run.dir.c_str());
    std::vector<char*> argv;
    for (const std::string& arg : run.argv) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (const int error = posix_spawnp(&pid, name.c_str(), &spawn.actions, nullptr, argv.data(), environ))
        return "cannot run " + name + ": " + std::strerror(error);
    output.CloseWriteEnd();

    // Read to the end even if the caller's lines stop mattering, so the child never blocks on a full pipe.
    std::string pending;
    char buffer[1 << 16];
    std::string readError;
    for (;;) {
        const ssize_t got = RetryAfterSignal([&] { return read(output.ends[0], buffer, sizeof buffer); });
        if (got < 0) readError = std::string("cannot read the output of ") + name + ": " + std::strerror(errno);
        if (got <= 0) break;
        pending.append(buffer, static_cast<std::size_t>(got));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1)
            onLine(std::string_view(pending).substr(start, end - start));
        pending.erase(0, start);
    }
    if (!pending.empty()) onLine(pending);

    int status = 0;
    if (RetryAfterSignal([&] { return waitpid(pid, &status, 0); }) < 0)
        return std::string("cannot wait for ") + name + ": " + std::strerror(errno);
    if (!readError.empty()) return readError;
    if (WIFSIGNALED(status)) return name + " was stopped by signal " + std::to_string(WTERMSIG(status));
    if (WEXITSTATUS(status) != 0) return name + " exited with status " + std::to_string(WEXITSTATUS(status));
    return {};
}

}  // namespace escartinol
