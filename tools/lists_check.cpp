// escartinol-lists check: every break of the six lists of a folder, then lines and words per list;
// with --fix, lists saved as UTF-8 converted back first.
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>

#include "tools/list_break_printer.h"
#include "tools/list_files.h"
#include "tools/list_options.h"
#include "tools/list_replace.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
#include "tools/player_copy.h"
#include "tools/tool_messages.h"
#include "tools/utf8_lists.h"
#include "words/cp1252.h"
#include "words/list_checker.h"
#include "words/word_lists.h"

namespace escartinol {

namespace {

std::string Count(std::int64_t count, const std::string& thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

// The folder as the player would look for it: absolute, without a trailing separator.
std::string ShownFolder(const std::string& dir) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::absolute(dir, ec).lexically_normal();
    if (ec) return dir;
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder.string();
}

// The check command again with --fix, as the player typed it.
std::string FixCommand(const CommandLine& line) {
    std::string command = "escartinol-lists check --fix";
    if (line.Has(kListsOption.name)) command += " --lists " + line.Value(kListsOption.name);
    if (line.Has(kLangOption.name)) command += " --lang " + line.Value(kLangOption.name);
    for (const std::string& operand : line.operands) command += " " + operand;
    return command;
}

// Names each list of lists saved as UTF-8, or with fix converts it; the lists still in UTF-8.
// Nothing after saying why the conversion failed.
std::optional<std::set<int>> FindUtf8Lists(const CommandLine& line, const CWordLists& lists, const std::string& folder,
                                           bool fix) {
    std::set<int> utf8;
    std::vector<ListContent> converted;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        std::string bytes;
        if (!ReadFileBytes(lists.Path(n), bytes).empty() || !IsUtf8List(bytes)) continue;
        const auto cp1252 = Utf8ToCp1252(bytes);
        if (fix && cp1252) {
            converted.push_back({lists.Path(n), *cp1252});
            continue;
        }
        utf8.insert(n);
        const std::string word = FirstAccentedWord(bytes);
        if (!cp1252)
            std::cout << lists.Path(n) << ": written in UTF-8, with a character Windows-1252 lacks, so it cannot be"
                      << " converted; the game shows \"" << word << "\" as \"" << Cp1252ToUtf8(word) << "\"\n";
        else
            std::cout << lists.Path(n) << ": written in UTF-8, where the game reads Windows-1252 and shows \"" << word
                      << "\" as \"" << Cp1252ToUtf8(word) << "\"; " << FixCommand(line) << " converts it\n";
    }
    if (const std::string error = converted.empty() ? std::string() : ReplaceLists(folder, converted); !error.empty()) {
        Complain(error);
        return std::nullopt;
    }
    for (const ListContent& list : converted) std::cout << list.path << ": converted from UTF-8 to Windows-1252\n";
    return utf8;
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
    // Converting is an edit: it takes its turn with the others.
    const bool fix = line.Has("fix");
    const std::string folder = found->place.dir.empty() ? "." : found->place.dir;
    std::optional<CListsLock> lock;
    if (fix) lock.emplace(folder, [&] { Complain("waiting for an edit of " + folder + " to end"); });
    if (lock && !lock->Error().empty()) return Refuse(lock->Error());
    const auto utf8 = FindUtf8Lists(line, lists, folder, fix);
    if (!utf8) return 2;
    std::int64_t breaks = 0;
    std::string summary;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        // Each of its accents would be a break: the one line above says it all.
        if (utf8->contains(n)) {
            ++breaks;
            summary += std::to_string(n) + "L: UTF-8; ";
            continue;
        }
        CBreakPrinter printer(std::cout, lists.Path(n));
        const ListTally tally = CheckListFile(n, lists.Path(n), [&](const ListBreak& brk) { printer.Print(brk); });
        printer.PrintHiddenCounts();
        breaks += tally.breaks;
        summary += std::to_string(n) + "L: ";
        summary +=
            tally.readable ? Count(tally.lines, "line") + ", " + Count(tally.words, "word") : std::string("unreadable");
        summary += "; ";
    }
    // Without --lists the player may not know which of the places was checked.
    std::cout << summary
              << (breaks == 0 ? ShownFolder(folder) + " is sound"
                              : Count(breaks, "break") + " in " + ShownFolder(folder))
              << '\n';
    return breaks == 0 ? 0 : 1;
}

}  // namespace escartinol
