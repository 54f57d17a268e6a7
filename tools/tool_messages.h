// How a tool speaks of a failure: one line on standard error that starts with the program's name.
#pragma once

#include <string>
#include <string_view>

namespace escartinol {

// The name every message starts with, such as "escartinol-lists add"; set once by main.
void SetProgramName(std::string_view name);
const std::string& ProgramName();

// "NAME: message" on standard error, the message shown as ShownText shows it.
void Complain(std::string_view message);

// Complains and gives the status to exit with.
int Refuse(std::string_view message, int status = 2);

}  // namespace escartinol
