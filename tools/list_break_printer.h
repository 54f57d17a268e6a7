// Shows list breaks on a terminal as FILE:LINE: what is wrong: "text", a few of each kind per file.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "words/list_checker.h"

namespace escartinol {

// cp1252 text made safe to print: control bytes written as \r, \t or \xNN, the rest as UTF-8.
std::string TerminalText(const std::string& cp1252);

class CBreakPrinter {
public:
    // A list made wrong by a converter has a break on every line; past this many of one kind
    // the rest are only counted, so the other kinds stay in sight.
    static constexpr std::int64_t kShownPerKind = 20;

    CBreakPrinter(std::ostream& out, std::string file) : m_out(out), m_file(std::move(file)) {}

    void Print(const ListBreak& brk);
    // One line per kind that had more breaks than were shown.
    void PrintHiddenCounts() const;

private:
    std::ostream& m_out;
    std::string m_file;
    std::array<std::int64_t, kListBreakKindCount> m_seen{};
};

}  // namespace escartinol
