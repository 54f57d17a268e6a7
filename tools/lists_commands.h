// The commands of escartinol-lists; each returns the process exit status.
#pragma once

#include "tools/command_line.h"

namespace escartinol {

int RunBuild(const CommandLine& line);
int RunCheck(const CommandLine& line);
int RunEdit(bool adding, const CommandLine& line);
int RunUpdate(const CommandLine& line);
int RunReset(const CommandLine& line);

}  // namespace escartinol
