// escartinol-lists add / remove: word edits that refuse broken lists, take turns and replace files atomically.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>

#include "tools/list_break_printer.h"
#include "tools/list_files.h"
#include "tools/list_options.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
#include "tools/tool_messages.h"
#include "words/cp1252.h"
#include "words/list_checker.h"
#include "words/list_editor.h"
#include "words/list_format.h"
#include "words/word_lists.h"

namespace escartinol {

namespace {

struct EditRequest {
    ListOptions options;
    std::vector<std::string> words;  // cp1252, ligatures spelt out, each fit for a list
};

// Reads --lists DIR, --lang LANG and the words; names every bad word, so one run shows them all.
std::optional<EditRequest> ParseEditArgs(const CommandLine& line) {
    EditRequest request;
    if (const std::string error = TakeListOptions(line, request.options); !error.empty()) {
        Complain(error);
        return std::nullopt;
    }
    bool fine = true;
    for (const std::string& arg : line.operands) {
        const auto cp1252 = Utf8ToCp1252(arg);
        if (!cp1252) {
            Complain("'" + arg + "' holds a character that Windows-1252 lacks (or is not UTF-8)");
            fine = false;
            continue;
        }
        const std::string word = SpellOutLigatures(*cp1252);
        if (const std::string problem = ListWordProblem(word); !problem.empty()) {
            Complain("'" + arg + "' " + Cp1252ToUtf8(problem));
            fine = false;
            continue;
        }
        request.words.push_back(word);
    }
    if (!fine) return std::nullopt;
    if (request.words.empty()) {
        Complain("no word given");
        return std::nullopt;
    }
    return request;
}

// The installed lists are shared and a new package would replace them, so the player's words go
// into a copy in the player's own folder, which is found before them from then on. Returns that
// folder, made if need be, or nothing after saying why.
std::optional<std::string> PlayerListsFolder(const std::string& lang, const std::string& installed) {
    const auto places = ListPlaces(lang, {});
    const auto player = std::find_if(places.begin(), places.end(),
                                     [](const ListPlace& place) { return place.kind == ListPlaceKind::kPlayer; });
    if (player == places.end()) {
        Complain("the lists in " + installed +
                 " are the installed ones, and with neither XDG_DATA_HOME nor HOME set there is no folder "
                 "for your own copy; give one with --lists");
        return std::nullopt;
    }
    std::error_code ec;
    std::filesystem::create_directories(player->dir, ec);
    if (ec) {
        Complain("cannot create " + player->dir + ": " + ec.message());
        return std::nullopt;
    }
    return player->dir;
}

// Copies the installed lists into the player's folder; false after saying why.
bool CopyInstalledLists(const std::string& installed, const std::string& player) {
    std::error_code ec;
    std::vector<std::string> copied;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        const std::string from = (std::filesystem::path(installed) / ListFileName(n)).string();
        const std::string to = (std::filesystem::path(player) / ListFileName(n)).string();
        if (!std::filesystem::exists(from, ec)) continue;
        std::string bytes;
        std::string error = ReadFileBytes(from, bytes);
        if (error.empty()) error = WriteFileAtomically(to, bytes);
        if (!error.empty()) {
            // Half a copy would be found first and hide the installed lists it lacks.
            for (const std::string& path : copied) std::filesystem::remove(path, ec);
            Complain(error);
            return false;
        }
        copied.push_back(to);
    }
    // The copy is found before the installed lists from now on, so it must outlive a power cut.
    if (const std::string error = SyncFolder(player); !error.empty()) {
        Complain(error);
        return false;
    }
    std::cout << "copied the installed lists of " << installed << " into " << player
              << ", where your words go from now on\n";
    return true;
}

// The list's bytes when the checker finds it sound; otherwise its breaks go to the player.
std::optional<std::string> ReadSoundList(int n, const std::string& path) {
    CBreakPrinter printer(std::cerr, path);
    const ListTally tally = CheckListFile(n, path, [&](const ListBreak& brk) { printer.Print(brk); });
    printer.PrintHiddenCounts();
    if (tally.breaks > 0) {
        Complain(path +
                 " is broken as shown above, so it was left alone; fix it by hand (escartinol-lists check "
                 "shows what is wrong)");
        return std::nullopt;
    }
    std::string bytes;
    if (const std::string error = ReadFileBytes(path, bytes); !error.empty()) {
        Complain(error);
        return std::nullopt;
    }
    return bytes;
}

// Replaces each edited list; a failure stops there and names the lists already replaced.
bool WriteEditedLists(const std::map<std::string, std::string>& edited) {
    std::string written;
    for (const auto& [path, bytes] : edited) {
        if (const std::string error = WriteFileAtomically(path, bytes); !error.empty()) {
            Complain(error + "; " + path + " is as it was");
            if (!written.empty()) Complain("already changed:" + written);
            return false;
        }
        written += " " + path;
    }
    return true;
}

}  // namespace

int RunEdit(bool adding, const CommandLine& line) {
    const auto request = ParseEditArgs(line);
    if (!request) return 2;
    std::string error;
    const auto found = LocateLists(request->options, error);
    if (!found) {
        Complain(error);
        return 2;
    }
    std::string dir = found->place.dir;
    const bool installed = found->found && found->place.kind == ListPlaceKind::kInstalled;
    if (installed) {
        const auto player = PlayerListsFolder(request->options.Lang(), dir);
        if (!player) return 2;
        dir = *player;
    }
    const std::vector<std::string>& words = request->words;
    std::map<int, std::vector<std::size_t>> wordsByLength;
    for (std::size_t i = 0; i < words.size(); ++i) wordsByLength[static_cast<int>(words[i].size())].push_back(i);

    // From the first read to the last rename, so that an edit running at the same time can
    // neither be lost nor lose this one.
    const std::string folder = dir.empty() ? "." : dir;
    const CListsLock lock(folder, [&] { Complain("waiting for another edit of " + folder + " to end"); });
    if (!lock.Error().empty()) {
        Complain(lock.Error());
        return 2;
    }
    // Under the lock: an editor that waited for it finds the copy the one before it made, with its words.
    if (installed && !HoldsAnyList(dir) && !CopyInstalledLists(found->place.dir, dir)) return 2;

    // Every list is read and edited in memory first, so a refusal leaves all of them as they were.
    const CWordLists lists(dir);
    std::map<std::string, std::string> edited;
    std::vector<std::string> report(words.size());  // in the order the words were given
    bool refused = false;
    bool full = false;
    for (const auto& [n, indexes] : wordsByLength) {
        const std::string& path = lists.Path(n);
        auto bytes = ReadSoundList(n, path);
        if (!bytes) {
            refused = true;
            continue;
        }
        const std::string before = *bytes;
        for (const std::size_t i : indexes) {
            // Appended piece by piece: g++ 12 at -O2 warns falsely on "'" + text + "'".
            std::string shown = "'";
            shown += Cp1252ToUtf8(words[i]);
            shown += '\'';
            switch (adding ? AddWordToList(*bytes, words[i]) : RemoveWordFromList(*bytes, words[i])) {
                case WordEdit::kDone:
                    report[i] = (adding ? "added " : "removed ") + shown + (adding ? " to " : " from ") + path;
                    break;
                case WordEdit::kAlreadyThere:
                    report[i] = shown + " is already in " + path + "; left alone";
                    break;
                case WordEdit::kNotThere:
                    report[i] = shown + " is not in " + path + "; nothing to remove";
                    break;
                case WordEdit::kLineFull:
                    Complain(shown + " would make the line of key " + KeyOfWord(words[i]) + " longer than " +
                             std::to_string(kMaxLineChars) + " characters, which the game cannot read");
                    full = true;
                    break;
            }
        }
        if (*bytes != before) edited[path] = std::move(*bytes);
    }
    if (refused) return 1;
    if (full) {
        Complain("nothing was changed");
        return 2;
    }
    if (!WriteEditedLists(edited)) return 2;
    for (const std::string& line : report)
        if (!line.empty()) std::cout << line << '\n';
    if (edited.empty()) return 0;
    if (const std::string error = SyncFolder(folder); !error.empty()) {
        Complain(error + "; a power cut could still undo the change");
        return 2;
    }
    return 0;
}

}  // namespace escartinol
