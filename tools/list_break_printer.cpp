// Terminal form of list breaks: the file and line first, so editors can jump to them.
#include "tools/list_break_printer.h"

#include <cstdio>

#include "words/cp1252.h"

namespace escartinol {

std::string TerminalText(const std::string& cp1252) {
    std::string escaped;
    escaped.reserve(cp1252.size());
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r') {
            escaped += "\\r";
        } else if (byte == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return Cp1252ToUtf8(escaped);
}

void CBreakPrinter::Print(const ListBreak& brk) {
    if (++m_seen[static_cast<int>(brk.kind)] > kShownPerKind) return;
    m_out << m_file;
    if (brk.line > 0) m_out << ':' << brk.line;
    m_out << ": " << TerminalText(brk.what);
    if (brk.kind != ListBreakKind::kUnreadable)
        m_out << ": \"" << TerminalText(brk.text) << (brk.textCut ? "...\"" : "\"");
    m_out << '\n';
}

void CBreakPrinter::PrintHiddenCounts() const {
    for (int kind = 0; kind < kListBreakKindCount; ++kind) {
        if (m_seen[kind] <= kShownPerKind) continue;
        m_out << m_file << ": " << m_seen[kind] - kShownPerKind << " more "
              << ListBreakKindLabel(static_cast<ListBreakKind>(kind)) << " not shown\n";
    }
}

}  // namespace escartinol
