// The checker reads the list first: an edit of a broken list would hide more words, or other ones.
#include "lists/sound_list.h"

#include <sys/stat.h>

#include <cerrno>

#include "lists/list_files.h"
#include "words/cp1252.h"

namespace escartinol {

namespace {

// As large as a list the game can index.
constexpr std::size_t kMaxListBytes = std::size_t{1} << 31;

}  // namespace

void CBreakLines::Add(const ListBreak& brk) {
    if (++m_seen[static_cast<int>(brk.kind)] > kShownPerKind) return;
    std::string line = m_file;
    if (brk.line > 0) line += ":" + std::to_string(brk.line);
    line += ": " + Cp1252ToUtf8(brk.what);
    if (brk.kind != ListBreakKind::kUnreadable)
        line += ": \"" + Cp1252ToUtf8(brk.text) + (brk.textCut ? "...\"" : "\"");
    m_out.push_back(std::move(line));
}

void CBreakLines::AddHiddenCounts() const {
    for (int kind = 0; kind < kListBreakKindCount; ++kind)
        if (m_seen[kind] > kShownPerKind)
            m_out.push_back(m_file + ": " + std::to_string(m_seen[kind] - kShownPerKind) + " more " +
                            std::string(ListBreakKindLabel(static_cast<ListBreakKind>(kind))) + " not shown");
}

std::optional<std::string> ReadSoundList(int n, const std::string& path, Report& report,
                                         const std::set<std::string>& removing) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 && errno == ENOENT) return "";
    std::string bytes;
    if (std::string error = ReadFileBytes(path, bytes, kMaxListBytes); !error.empty()) {
        report.Fail(error);
        return std::nullopt;
    }
    std::vector<std::string> lines;
    CBreakLines shown(lines, path);
    bool broken = false;
    CheckListBytes(n, bytes, [&](const ListBreak& brk) {
        if (brk.kind == ListBreakKind::kDuplicateWord && removing.contains(brk.text)) return;
        broken = true;
        shown.Add(brk);
    });
    if (!broken) return bytes;
    shown.AddHiddenCounts();
    for (std::string& line : lines) report.Warn(std::move(line));
    report.Fail(path +
                    " is broken as shown above, so it was left alone; fix it by hand (escartinol-lists check "
                    "shows what is wrong)",
                1);
    return std::nullopt;
}

}  // namespace escartinol
