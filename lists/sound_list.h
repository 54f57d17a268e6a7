// A list read for an edit, only when the checker finds it sound, and its breaks as a player reads them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "lists/list_checker.h"
#include "lists/report.h"

namespace escartinol {

// Breaks as lines of FILE:LINE: what is wrong: "text", in UTF-8 (the tools escape what they print). A list made wrong
// by a converter has a break on every line: past a few of one kind the rest are only counted.
class CBreakLines {
public:
    static constexpr std::int64_t kShownPerKind = 20;

    CBreakLines(std::vector<std::string>& out, std::string file) : m_out(out), m_file(std::move(file)) {}
    void Add(const ListBreak& brk);
    // One line per kind that had more breaks than were shown.
    void AddHiddenCounts() const;

private:
    std::vector<std::string>& m_out;
    std::string m_file;
    std::array<std::int64_t, kListBreakKindCount> m_seen{};
};

// The bytes of list n at path when the checker finds it sound; a missing list is empty, as the game
// plays it. Otherwise its breaks, and why it is left alone, go to the report, failed with status 1.
// A word written twice is no break when it is one that removing takes out, every copy of it.
std::optional<std::string> ReadSoundList(int n, const std::string& path, Report& report,
                                         const std::set<std::string>& removing = {});

}  // namespace escartinol
