// The subcommands of escartinol-lists; each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace escartinol {

int RunBuild(const std::vector<std::string>& args);
int RunCheck(std::vector<std::string> args);
// command is "add" or "remove".
int RunEdit(const std::string& command, std::vector<std::string> args);

}  // namespace escartinol
