// escartinol-lists build: the six lists from a UTF-8 word file such as /usr/share/dict/french, or
// from a Hunspell dictionary such as Debian's oc_FR.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/hunspell_forms.h"
#include "tools/list_files.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
#include "tools/tool_messages.h"
#include "words/cp1252.h"
#include "words/list_builder.h"

namespace escartinol {

namespace {

// Files each line of a UTF-8 word file; returns an error message, empty on success.
std::string AddWordFile(const std::string& from, CListBuilder& builder) {
    std::ifstream source(from, std::ios::binary);
    if (!source) return "cannot read " + from;
    std::string line;
    while (std::getline(source, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A word with a character that cp1252 lacks cannot be written, so it is skipped.
        if (const auto word = Utf8ToCp1252(line)) builder.Add(*word);
    }
    return {};
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

    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (ec) return Refuse("cannot create " + out + ": " + ec.message());

    // The editors' lock, so that writing a list here and an edit of it never overlap.
    const CListsLock lock(out, [&] { Complain("waiting for an edit of " + out + " to end"); });
    if (!lock.Error().empty()) return Refuse(lock.Error());
    bool written = false;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        const std::string path = (std::filesystem::path(out) / ListFileName(n)).string();
        const auto lines = builder.Lines(n);
        // A list already there may hold the player's own words; only --force replaces it.
        if (!force && std::filesystem::exists(path)) {
            std::cout << path << ": kept as it is\n";
            continue;
        }
        if (const std::string error = WriteListAtomically(path, lines); !error.empty()) return Refuse(error);
        written = true;
        std::cout << path << ": " << lines.size() << " lines\n";
    }
    if (const std::string error = written ? SyncFolder(out) : std::string(); !error.empty())
        return Refuse(error + "; a power cut could still undo the lists");
    std::cout << builder.WordCount() - leftOut << " words\n";
    return 0;
}

}  // namespace escartinol
