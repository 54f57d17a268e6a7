// One program name per process: the tools are single-threaded and name themselves before any message.
#include "tools/tool_messages.h"

#include <iostream>

#include "tools/text_encoding.h"

namespace escartinol {

namespace {

std::string& Name() {
    static std::string name = "escartinol-lists";
    return name;
}

// Enough for any folder name and a word or two; a runaway text is cut rather than flood the terminal.
constexpr std::size_t kLongestMessage = 4096;

}  // namespace

void SetProgramName(std::string_view name) { Name() = name; }

const std::string& ProgramName() { return Name(); }

void Complain(std::string_view message) { std::cerr << Name() << ": " << ShownText(message, kLongestMessage) << '\n'; }

int Refuse(std::string_view message, int status) {
    Complain(message);
    return status;
}

}  // namespace escartinol
