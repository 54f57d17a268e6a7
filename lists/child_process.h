// Runs another program without a shell, so no path or word is ever read as shell syntax.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace escartinol {

struct ChildRun {
    std::vector<std::string> argv;  // argv[0] is looked up in PATH
    std::string dir;                // its working folder
    std::string errorFile;          // where its standard error goes; its standard input is /dev/null
};

// Starts the program and hands each line of its standard output, without the line feed, to
// onLine. Returns an error message, empty when the program ran and exited with status 0.
std::string RunChildReadingLines(const ChildRun& run, const std::function<void(std::string_view line)>& onLine);

}  // namespace escartinol
