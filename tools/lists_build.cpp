// escartinol-lists build: the six lists from a UTF-8 word file such as /usr/share/dict/french, or
// from a Hunspell dictionary such as Debian's oc_FR.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "tools/hunspell_forms.h"
#include "tools/list_replace.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
#include "tools/word_file_reader.h"
#include "words/cp1252.h"
#include "words/list_builder.h"
#include "words/list_places.h"

namespace escartinol {

namespace {

// Files each line of a UTF-8 word file; returns an error message, empty on success.
std::string AddWordFile(const std::string& from, CListBuilder& builder) {
    std::size_t broken = 0;
    const std::string error = ReadWordFile(
        from,
        [&](std::string_view line) {
            // A word with a character that cp1252 lacks cannot be written, so it is skipped.
            if (const auto word = Utf8ToCp1252(line)) builder.Add(*word);
        },
        broken);
    if (error.empty() && broken > 0)
        std::cerr << "escartinol-lists build: " << from << ": " << broken << " lines longer than " << kMaxWordFileLine
                  << " bytes skipped\n";
    return error;
}

// Why the list at path cannot be replaced by a built one: not a plain file, nor a link to one.
// Every list is judged before any is written, so a build that stops leaves none replaced.
std::string ListPlaceProblem(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        if (S_ISREG(status.st_mode)) return {};
        return path + (S_ISDIR(status.st_mode) ? " is a folder" : " is not a plain file") +
               ", where a list must be a plain file; no list was written";
    }
    if (errno == ENOENT && ::lstat(path.c_str(), &status) != 0) return {};
    return "cannot look at " + path + ": " + std::strerror(errno) + "; no list was written";
}

}  // namespace

int RunBuild(const std::vector<std::string>& args) {
    std::string from;
    std::string hunspell;
    std::string out = ".";
    bool force = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--from" && i + 1 < args.size())
            from = args[++i];
        else if (args[i] == "--hunspell" && i + 1 < args.size())
            hunspell = args[++i];
        else if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == "--force")
            force = true;
        else {
            std::cerr << "escartinol-lists build: unexpected argument '" << args[i] << "'\n";
            return 2;
        }
    }
    if (from.empty() == hunspell.empty()) {
        std::cerr << "escartinol-lists build: one of --from WORDFILE and --hunspell DICT is required\n";
        return 2;
    }
    CListBuilder builder;
    HunspellFormCount forms;
    if (const std::string error =
            hunspell.empty() ? AddWordFile(from, builder) : AddHunspellForms(hunspell, builder, forms);
        !error.empty()) {
        std::cerr << "escartinol-lists build: " << error << "\n";
        return 2;
    }
    if (!hunspell.empty())
        std::cout << hunspell << ": unmunch expanded " << forms.expanded << " forms, " << forms.fit
                  << " of them fit a list, Hunspell refused " << forms.refused << " of those\n";
    // A key with that many anagrams is rare; its line keeps what fits rather than fail the build.
    std::size_t leftOut = 0;
    for (const auto& [key, words] : builder.CutLines()) {
        std::cerr << "escartinol-lists build: " << key << ": " << words << " words left out, the line would pass "
                  << kMaxLineChars << " characters\n";
        leftOut += words;
    }

    if (builder.WordCount() == 0 && !force && HoldsAnyList(out)) {
        std::cerr << "escartinol-lists build: " << (from.empty() ? hunspell : from) << " gives no word, and " << out
                  << " holds lists; --force would leave them empty\n";
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (ec) {
        std::cerr << "escartinol-lists build: cannot create " << out << ": " << ec.message() << "\n";
        return 2;
    }

    // The editors' lock, so that writing a list here and an edit of it never overlap.
    const CListsLock lock(
        out, [&] { std::cerr << "escartinol-lists build: waiting for an edit of " << out << " to end\n"; });
    if (!lock.Error().empty()) {
        std::cerr << "escartinol-lists build: " << lock.Error() << "\n";
        return 2;
    }
    std::vector<ListContent> lists;
    std::vector<std::string> told;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        const std::string path = (std::filesystem::path(out) / ListFileName(n)).string();
        if (const std::string problem = ListPlaceProblem(path); !problem.empty()) {
            std::cerr << "escartinol-lists build: " << problem << "\n";
            return 2;
        }
        // A list already there may hold the player's own words; only --force replaces it.
        if (!force && std::filesystem::exists(path)) {
            told.push_back(path + ": kept as it is");
            continue;
        }
        std::string bytes;
        const auto lines = builder.Lines(n);
        for (const std::string& line : lines) (bytes += line) += kLineEnd;
        lists.push_back({path, std::move(bytes)});
        told.push_back(path + ": " + std::to_string(lines.size()) + " lines");
    }
    if (const std::string error = lists.empty() ? std::string() : ReplaceLists(out, lists); !error.empty()) {
        std::cerr << "escartinol-lists build: " << error << "\n";
        return 2;
    }
    for (const std::string& line : told) std::cout << line << '\n';
    std::cout << builder.WordCount() - leftOut << " words\n";
    return 0;
}

}  // namespace escartinol
