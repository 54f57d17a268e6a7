// escartinol-solve: the game's own search on the command line, with what its rows would show.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tools/bounded_line.h"
#include "tools/list_options.h"
#include "tools/tool_messages.h"
#include "version.h"
#include "words/cp1252.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace {

using escartinol::SearchResult;

constexpr const char* kUsage =
    "usage: escartinol-solve [--lists DIR] [--lang fr|oc] [--rows] LETTERS\n"
    "       escartinol-solve [--lists DIR] [--lang fr|oc] [--rows] -     (one set of nine letters a line)\n"
    "  LETTERS        nine letters A..Z, either case\n"
    "  --lists DIR    folder of DEF_4L.txt .. DEF_9L.txt; without it, the current directory when\n"
    "                 it holds lists and no --lang is given, else the player's own, else the\n"
    "                 installed ones\n"
    "  --lang fr|oc   the language of the lists looked for without --lists (default fr)\n"
    "  --rows         print exactly six lines: the three rows, then the three word texts\n"
    "  -h, --help     print this summary\n"
    "  -v, --version  print the version\n";

// A temporary failure, in the sense of sysexits.h.
constexpr int kListCutShortStatus = 75;

std::optional<std::string> NineLetters(const std::string& text) {
    if (text.size() != 9) return std::nullopt;
    std::string letters;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 127 || !std::isalpha(byte)) return std::nullopt;
        letters += static_cast<char>(std::toupper(byte));
    }
    return letters;
}

// The rows as the game shows them for these letters: the count labels, then the words behind them.
void PrintBlock(const SearchResult& result, bool rowsOnly) {
    using escartinol::Cp1252ToUtf8;
    if (rowsOnly) {
        for (const auto& row : result.rows) std::cout << Cp1252ToUtf8(row.label) << '\n';
        for (const auto& row : result.rows) std::cout << Cp1252ToUtf8(row.words) << '\n';
        return;
    }
    std::cout << std::string(result.letters.begin(), result.letters.end()) << '\n';
    bool any = false;
    for (const auto& row : result.rows) {
        if (row.label.empty()) continue;
        any = true;
        std::cout << "  " << Cp1252ToUtf8(row.label) << '\n';
    }
    if (!any) std::cout << "  no word of 4 to 9 letters\n";
    for (const auto& row : result.rows)
        if (!row.words.empty()) std::cout << Cp1252ToUtf8(row.words) << '\n';
}

// One set of letters is searched in the mapped lists, and a list cut short meanwhile takes pages
// from under the search: the run cannot go on, but it can say why.
void OnListCutShort(int) {
    constexpr char kMessage[] = "escartinol-solve: a word list was cut short while it was searched; run it again\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    ::_exit(kListCutShortStatus);
}

}  // namespace

int main(int argc, char** argv) {
    using escartinol::Refuse;
    constexpr escartinol::OptionSpec kOptions[] = {escartinol::kHelpOption,
                                                   escartinol::kVersionOption,
                                                   escartinol::kListsOption,
                                                   escartinol::kLangOption,
                                                   {"rows"}};
    const auto read = escartinol::ReadCommandLine({"escartinol-solve", kUsage, kOptions}, {argv + 1, argv + argc});
    if (!read.line) return read.status;
    escartinol::ListOptions options;
    if (const std::string error = escartinol::TakeListOptions(*read.line, options); !error.empty())
        return Refuse(error);
    const bool rowsOnly = read.line->Has("rows");
    const std::vector<std::string>& operands = read.line->operands;
    if (operands.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    // A second set of letters is a slip the player should hear of, not one answer for the last.
    if (operands.size() > 1)
        return Refuse("expected one set of letters, got '" + escartinol::ShownArgument(operands[1]) + "' as well");
    const std::string& input = operands[0];
    std::optional<std::string> single;
    if (input != "-") {
        single = NineLetters(input);
        if (!single) return Refuse("'" + escartinol::ShownArgument(input) + "' is not nine letters A..Z");
    }

    std::string error;
    const auto lists = escartinol::LocateLists(options, error);
    if (!lists) return Refuse(error);

    // One search is done sooner in the lists as they stand than by indexing them first.
    const auto holding = single ? escartinol::ListHolding::kMapped : escartinol::ListHolding::kIndexed;
    if (single) std::signal(SIGBUS, OnListCutShort);
    escartinol::CWordLists wordLists(lists->place.dir, holding);
    wordLists.LoadWordLists([](const std::string& path) {
        std::cerr << "escartinol-solve: cannot read the word list " << path << "; searching without it\n";
    });
    escartinol::CWordSearch search(wordLists);

    // Each set is searched as the game searches letters the player typed in.
    auto solve = [&](const std::string& letters) {
        decltype(SearchResult::letters) nine{};
        std::copy_n(letters.begin(), nine.size(), nine.begin());
        PrintBlock(search.SearchWords(nine), rowsOnly);
    };
    if (single) {
        solve(*single);
        return 0;
    }
    int status = 0;
    // A line longer than nine letters and a CR is wrong whatever it holds; the rest of it is
    // counted, not kept.
    constexpr std::size_t kKeptBytes = 64;
    escartinol::BoundedLine line;
    for (long number = 1; escartinol::ReadBoundedLine(std::cin, kKeptBytes, line); ++number) {
        if (const auto letters = line.kept.size() == line.length ? NineLetters(line.kept) : std::nullopt) {
            solve(*letters);
            // A program that feeds draws one at a time waits for each answer before the next.
            std::cout.flush();
        } else {
            escartinol::Complain("line " + std::to_string(number) + ": '" + escartinol::ShownLine(line) +
                                 "' is not nine letters A..Z");
            status = 2;
        }
    }
    return status;
}
