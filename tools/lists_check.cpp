// escartinol-lists check: every break of the six lists of a folder, then lines and words per list.
#include <iostream>

#include "tools/list_break_printer.h"
#include "tools/list_options.h"
#include "tools/lists_commands.h"
#include "tools/player_copy.h"
#include "tools/tool_messages.h"
#include "words/list_checker.h"
#include "words/word_lists.h"

namespace escartinol {

namespace {

std::string Count(std::int64_t count, const std::string& thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

}  // namespace

int RunCheck(const CommandLine& line) {
    ListOptions options;
    std::string error = TakeListOptions(line, options);
    // The folder may also be given bare, as the one argument.
    if (error.empty() && (line.operands.size() > 1 || (!line.operands.empty() && !options.dir.empty())))
        error = "expected at most one folder, got '" + line.operands.back() + "'";
    if (error.empty() && !line.operands.empty()) options.dir = line.operands[0];
    const auto found = error.empty() ? LocateLists(options, error) : std::nullopt;
    if (!found) return Refuse(error);
    if (IsPlayerListsDir(found->place.dir, options.Lang())) {
        WordRecord record;
        std::vector<std::string> problems;  // the edits name them; check is about the lists
        if (ReadWordRecord(found->place.dir, record, problems).empty())
            SayWhenInstalledListsChanged(found->place.dir, options.Lang(), record);
    }
    const CWordLists lists(found->place.dir);
    std::int64_t breaks = 0;
    std::string summary;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        CBreakPrinter printer(std::cout, lists.Path(n));
        const ListTally tally = CheckListFile(n, lists.Path(n), [&](const ListBreak& brk) { printer.Print(brk); });
        printer.PrintHiddenCounts();
        breaks += tally.breaks;
        summary += std::to_string(n) + "L: ";
        summary +=
            tally.readable ? Count(tally.lines, "line") + ", " + Count(tally.words, "word") : std::string("unreadable");
        summary += "; ";
    }
    std::cout << summary << (breaks == 0 ? std::string("sound") : Count(breaks, "break")) << '\n';
    return breaks == 0 ? 0 : 1;
}

}  // namespace escartinol
