// One program name per process: the tools are single-threaded and name themselves before any message.
// Everything printed is escaped: words and names come from files and arguments that anyone may write.
#include "tools/tool_messages.h"

#include <algorithm>
#include <iostream>

#include "words/cp1252.h"

namespace escartinol {

namespace {

std::string& Name() {
    static std::string name = "escartinol-lists";
    return name;
}

// Enough for any folder name and a word or two; a runaway text is cut rather than flood the terminal.
constexpr std::size_t kLongestMessage = 4096;

std::string Escaped(unsigned char byte) {
    switch (byte) {
        case '\t':
            return "\\t";
        case '\r':
            return "\\r";
        case '\n':
            return "\\n";
        default:
            constexpr char kHex[] = "0123456789ABCDEF";
            return {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    }
}

}  // namespace

std::string ShownText(std::string_view utf8, std::size_t limit) {
    std::string shown;
    std::size_t at = 0;
    while (at < utf8.size() && at < limit) {
        const std::size_t length = Utf8CharacterLength(utf8, at);
        const auto first = static_cast<unsigned char>(utf8[at]);
        // C0 controls, DEL, and the C1 controls U+0080..U+009F, which some terminals obey.
        const bool control = length == 1
                                 ? first < 0x20 || first == 0x7F
                                 : length == 2 && first == 0xC2 && static_cast<unsigned char>(utf8[at + 1]) < 0xA0;
        if (length == 0 || control) {
            for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i)
                shown += Escaped(static_cast<unsigned char>(utf8[at + i]));
        } else {
            shown.append(utf8.substr(at, length));
        }
        at += std::max<std::size_t>(length, 1);
    }
    if (at < utf8.size()) shown += "... (" + std::to_string(utf8.size()) + " bytes)";
    return shown;
}

void SetProgramName(std::string_view name) { Name() = name; }

const std::string& ProgramName() { return Name(); }

void Complain(std::string_view message) { std::cerr << Name() << ": " << ShownText(message, kLongestMessage) << '\n'; }

int Refuse(std::string_view message, int status) {
    Complain(message);
    return status;
}

}  // namespace escartinol
