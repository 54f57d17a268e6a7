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

#include "tools/list_options.h"
#include "words/cp1252.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace {

using escartinol::SearchResult;

constexpr const char* kUsage =
    "usage: escartinol-solve [--lists DIR] [--lang fr|oc] [--rows] LETTERS\n"
    "       escartinol-solve [--lists DIR] [--lang fr|oc] [--rows] -     (one set of nine letters a line)\n"
    "  LETTERS    nine letters A..Z, either case\n"
    "  --lists    folder of DEF_4L.txt .. DEF_9L.txt; without it, the current directory when it\n"
    "             holds lists, else the player's own, else the installed ones\n"
    "  --lang     the language of the lists looked for without --lists (default fr)\n"
    "  --rows     print exactly six lines: the three rows, then the three word texts\n"
    "  --version  print the version\n";

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
    std::vector<std::string> args(argv + 1, argv + argc);
    escartinol::ListOptions options;
    if (const std::string error = escartinol::TakeListOptions(args, options); !error.empty()) {
        std::cerr << "escartinol-solve: " << error << '\n';
        return 2;
    }
    bool rowsOnly = false;
    std::optional<std::string> input;
    for (const std::string& arg : args) {
        if (arg == "--rows") {
            rowsOnly = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "escartinol-solve " ESCARTINOL_VERSION "\n";
            return 0;
        } else if (!input && (arg == "-" || arg.empty() || arg[0] != '-')) {
            input = arg;
        } else {
            std::cerr << "escartinol-solve: unexpected argument '" << arg << "' (see --help)\n";
            return 2;
        }
    }
    if (!input) {
        std::cerr << kUsage;
        return 2;
    }
    std::optional<std::string> single;
    if (*input != "-") {
        single = NineLetters(*input);
        if (!single) {
            std::cerr << "escartinol-solve: '" << *input << "' is not nine letters A..Z\n";
            return 2;
        }
    }

    std::string error;
    const auto lists = escartinol::LocateLists(options, error);
    if (!lists) {
        std::cerr << "escartinol-solve: " << error << '\n';
        return 2;
    }

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
    std::string line;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (const auto letters = NineLetters(line)) {
            solve(*letters);
            // A program that feeds draws one at a time waits for each answer before the next.
            std::cout.flush();
        } else {
            std::cerr << "escartinol-solve: line " << number << ": '" << line << "' is not nine letters A..Z\n";
            status = 2;
        }
    }
    return status;
}
