// The subcommands of escartinol-lists; each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace escartinol {

int RunBuild(const std::vector<std::string>& args);

}  // namespace escartinol
