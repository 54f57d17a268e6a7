// escartinol-lists build: the six lists from a UTF-8 word file such as /usr/share/dict/french, or
// from a Hunspell dictionary such as Debian's oc_FR.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "tools/hunspell_forms.h"
#include "tools/list_files.h"
#include "tools/list_replace.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
#include "tools/tool_messages.h"
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
        Complain(from + ": " + std::to_string(broken) + " lines longer than " + std::to_string(kMaxWordFileLine) +
                 " bytes skipped");
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

int RunBuild(const CommandLine& line) {
    if (!line.operands.empty()) return Refuse("unexpected argument '" + line.operands[0] + "' (see --help)");
    const std::string from = line.Value("from");
    const std::string hunspell = line.Value("hunspell");
    // Started from the home folder, a build without --out would scatter lists there.
    if (!line.Has("out"))
        return Refuse("give the folder for the lists with --out DIR; without it they would be written into " +
                      std::filesystem::current_path().string());
    const std::string out = line.Value("out");
    const bool force = line.Has("force");
    if (from.empty() == hunspell.empty()) return Refuse("one of --from WORDFILE and --hunspell DICT is required");
    CListBuilder builder;
    HunspellFormCount forms;
    if (const std::string error =
            hunspell.empty() ? AddWordFile(from, builder) : AddHunspellForms(hunspell, builder, forms);
        !error.empty()) {
        return Refuse(error);
    }
    if (!hunspell.empty())
        std::cout << hunspell << ": unmunch expanded " << forms.expanded << " forms, " << forms.fit
                  << " of them fit a list, Hunspell refused " << forms.refused << " of those\n";
    // A key with that many anagrams is rare; its line keeps what fits rather than fail the build.
    std::size_t leftOut = 0;
    for (const auto& [key, words] : builder.CutLines()) {
        Complain(key + ": " + std::to_string(words) + " words left out, the line would pass " +
                 std::to_string(kMaxLineChars) + " characters");
        leftOut += words;
    }

    if (builder.WordCount() == 0 && !force && HoldsAnyList(out))
        return Refuse((from.empty() ? hunspell : from) + " gives no word, and " + out +
                      " holds lists; --force would leave them empty");
    if (const std::string error = MakeFolders(out); !error.empty()) return Refuse(error);

    // The editors' lock, so that writing a list here and an edit of it never overlap.
    const CListsLock lock(out, [&] { Complain("waiting for an edit of " + out + " to end"); });
    if (!lock.Error().empty()) return Refuse(lock.Error());
    std::vector<ListContent> lists;
    std::vector<std::string> told;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        const std::string path = (std::filesystem::path(out) / ListFileName(n)).string();
        if (const std::string problem = ListPlaceProblem(path); !problem.empty()) return Refuse(problem);
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
    if (const std::string error = lists.empty() ? std::string() : ReplaceLists(out, lists); !error.empty())
        return Refuse(error);
    for (const std::string& line : told) std::cout << line << '\n';
    std::cout << builder.WordCount() - leftOut << " words\n";
    return 0;
}

}  // namespace escartinol
