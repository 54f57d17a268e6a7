// escartinol-lists build: the six lists from a UTF-8 word file such as /usr/share/dict/french.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/list_files.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
#include "tools/text_encoding.h"
#include "words/list_builder.h"

namespace escartinol {

int RunBuild(const std::vector<std::string>& args) {
    std::string from;
    std::string out = ".";
    bool force = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--from" && i + 1 < args.size())
            from = args[++i];
        else if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == "--force")
            force = true;
        else {
            std::cerr << "escartinol-lists build: unexpected argument '" << args[i] << "'\n";
            return 2;
        }
    }
    if (from.empty()) {
        std::cerr << "escartinol-lists build: --from WORDFILE is required\n";
        return 2;
    }
    std::ifstream source(from, std::ios::binary);
    if (!source) {
        std::cerr << "escartinol-lists build: cannot read " << from << "\n";
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (ec) {
        std::cerr << "escartinol-lists build: cannot create " << out << ": " << ec.message() << "\n";
        return 2;
    }

    CListBuilder builder;
    std::string line;
    while (std::getline(source, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A word with a character that cp1252 lacks cannot be written, so it is skipped.
        if (const auto word = Utf8ToCp1252(line)) builder.Add(*word);
    }
    if (const auto overlong = builder.OverlongLine()) {
        std::cerr << "escartinol-lists build: a line would be longer than " << kMaxLineChars
                  << " characters: " << Cp1252ToUtf8(overlong->substr(0, 40)) << "...\n";
        return 1;
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
    std::cout << builder.WordCount() << " words\n";
    return 0;
}

}  // namespace escartinol
