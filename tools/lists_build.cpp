// escartinol-lists build: the six lists from a UTF-8 word file such as /usr/share/dict/french, or
// from a Hunspell dictionary such as Debian's oc_FR.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/hunspell_forms.h"
#include "tools/list_files.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
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
    bool written = false;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        const std::string path = (std::filesystem::path(out) / ListFileName(n)).string();
        const auto lines = builder.Lines(n);
        // A list already there may hold the player's own words; only --force replaces it.
        if (!force && std::filesystem::exists(path)) {
            std::cout << path << ": kept as it is\n";
            continue;
        }
        if (const std::string error = WriteListAtomically(path, lines); !error.empty()) {
            std::cerr << "escartinol-lists build: " << error << "\n";
            return 2;
        }
        written = true;
        std::cout << path << ": " << lines.size() << " lines\n";
    }
    if (const std::string error = written ? SyncFolder(out) : std::string(); !error.empty()) {
        std::cerr << "escartinol-lists build: " << error << "; a power cut could still undo the lists\n";
        return 2;
    }
    std::cout << builder.WordCount() - leftOut << " words\n";
    return 0;
}

}  // namespace escartinol
