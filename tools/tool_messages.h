// How a tool speaks of a failure: one line on standard error that starts with the program's name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace escartinol {

// The name every message starts with, such as "escartinol-lists add"; set once by main.
void SetProgramName(std::string_view name);
const std::string& ProgramName();

// UTF-8 text that came from outside (an argument, a line of input), fit for a terminal: control
// characters and bytes that are not UTF-8 written as \xNN (\t, \r, \n by name), and past limit
// bytes of it cut, saying how long it was.
std::string ShownText(std::string_view utf8, std::size_t limit = 64);

// "NAME: message" on standard error, the message shown as ShownText shows it.
void Complain(std::string_view message);

// Complains and gives the status to exit with.
int Refuse(std::string_view message, int status = 2);

}  // namespace escartinol
