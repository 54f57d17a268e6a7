// escartinol-lists add / remove: word edits that refuse broken lists, take turns and replace files atomically.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>

#include "tools/bounded_line.h"
#include "tools/list_break_printer.h"
#include "tools/list_files.h"
#include "tools/list_options.h"
#include "tools/list_replace.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
#include "tools/player_copy.h"
#include "tools/sound_list.h"
#include "tools/text_encoding.h"
#include "tools/tool_messages.h"
#include "tools/word_record.h"
#include "words/cp1252.h"
#include "words/list_checker.h"
#include "words/list_editor.h"
#include "words/list_format.h"
#include "words/word_lists.h"

namespace escartinol {

namespace {

// Nine letters of two bytes each, with room for accents typed apart from their letter.
constexpr std::size_t kMaxWordBytes = 64;

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
        // No word is that long; the rest of it need not be read, nor shown.
        if (arg.size() > kMaxWordBytes) {
            Complain(std::string("'") + ShownArgument(arg) + "' is longer than any word of a list");
            fine = false;
            continue;
        }
        // Some keyboards and copy-pastes give a letter and its accent apart.
        const auto cp1252 = Utf8ToCp1252(ComposeAccents(arg));
        if (!cp1252) {
            Complain(std::string("'") + ShownArgument(arg) +
                     "' holds a character that Windows-1252 lacks (or is not UTF-8)");
            fine = false;
            continue;
        }
        const std::string word = SpellOutLigatures(*cp1252);
        if (const std::string problem = ListWordProblem(word); !problem.empty()) {
            Complain(std::string("'") + ShownArgument(arg) + "' " + Cp1252ToUtf8(problem));
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
    const auto player = PlayerListsDir(lang);
    if (!player) {
        Complain("the lists in " + installed +
                 " are the installed ones, and with neither XDG_DATA_HOME nor HOME set there is no folder "
                 "for your own copy; give one with --lists");
        return std::nullopt;
    }
    if (const std::string error = MakeFolders(*player); !error.empty()) {
        Complain(error);
        return std::nullopt;
    }
    return player;
}

}  // namespace

int RunEdit(bool adding, const CommandLine& line) {
    const auto request = ParseEditArgs(line);
    if (!request) return 2;
    std::string error;
    const auto found = LocateLists(request->options, error);
    if (!found) return Refuse(error);
    const std::string lang = request->options.Lang();
    std::string dir = found->place.dir;
    // The installed lists are read, and copied into the player's folder only if a word changes them.
    std::string installed;
    if (found->found && found->place.kind == ListPlaceKind::kInstalled) {
        const auto player = PlayerListsFolder(lang, dir);
        if (!player) return 2;
        installed = dir;
        dir = *player;
    }
    const bool playerCopy = !installed.empty() || IsPlayerListsDir(dir, lang);
    const std::vector<std::string>& words = request->words;
    std::map<int, std::vector<std::size_t>> wordsByLength;
    for (std::size_t i = 0; i < words.size(); ++i) wordsByLength[static_cast<int>(words[i].size())].push_back(i);

    // From the first read to the last rename, so that an edit running at the same time can
    // neither be lost nor lose this one.
    const std::string folder = dir.empty() ? "." : dir;
    const CListsLock lock(folder, [&] { Complain("waiting for another edit of " + folder + " to end"); });
    if (!lock.Error().empty()) return Refuse(lock.Error());
    // Under the lock: an editor that waited for it finds the copy the one before it made, with its words.
    if (!installed.empty() && HoldsAnyList(dir)) installed.clear();
    WordRecord record;
    std::vector<std::string> problems;
    if (playerCopy && !(error = ReadWordRecord(dir, record, problems)).empty()) return Refuse(error);
    for (const std::string& problem : problems) Complain(problem);
    if (playerCopy && installed.empty()) SayWhenInstalledListsChanged(dir, lang, record);

    // Every list is read and edited in memory first, so a refusal leaves all of them as they were.
    const CWordLists source(installed.empty() ? dir : installed);
    const CWordLists target(dir);
    std::map<int, std::string> edited;
    std::vector<std::string> report(words.size());  // in the order the words were given
    bool refused = false;
    bool full = false;
    for (const auto& [n, indexes] : wordsByLength) {
        auto bytes = ReadSoundList(n, source.Path(n));
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
                    report[i] =
                        (adding ? "added " : "removed ") + shown + (adding ? " to " : " from ") + target.Path(n);
                    record.Set(words[i], adding);
                    break;
                case WordEdit::kAlreadyThere:
                    report[i] = shown + " is already in " + source.Path(n) + "; left alone";
                    break;
                case WordEdit::kNotThere:
                    report[i] = shown + " is not in " + source.Path(n) + "; nothing to remove";
                    break;
                case WordEdit::kLineFull:
                    Complain(shown + " would make the line of key " + KeyOfWord(words[i]) + " longer than " +
                             std::to_string(kMaxLineChars) + " characters, which the game cannot read");
                    full = true;
                    break;
            }
        }
        if (*bytes != before) edited[n] = std::move(*bytes);
    }
    if (refused) return 1;
    if (full) return Refuse("nothing was changed");

    // A copy is made whole, with the lists that no word changed as they are installed.
    const bool changed = !edited.empty();
    std::vector<ListContent> writes;
    for (int n = kMaxWordLength; n >= kMinWordLength && changed; --n) {
        std::string bytes;
        if (edited.contains(n))
            bytes = std::move(edited[n]);
        else if (installed.empty() || !std::filesystem::exists(source.Path(n)))
            continue;
        else if (const std::string error = ReadFileBytes(source.Path(n), bytes); !error.empty())
            return Refuse(error);
        writes.push_back({target.Path(n), std::move(bytes)});
    }
    if (playerCopy && !writes.empty()) {
        if (!installed.empty()) record.installedStamp = InstalledListsStamp(installed);
        writes.push_back({WordRecordPath(dir), WordRecordText(record)});
    }
    if (const std::string error = writes.empty() ? std::string() : ReplaceLists(folder, writes); !error.empty())
        return Refuse(error);
    if (!installed.empty() && !writes.empty())
        std::cout << "copied the installed lists of " << installed << " into " << dir
                  << ", where your words go from now on\n";
    for (const std::string& line : report)
        if (!line.empty()) std::cout << line << '\n';
    return 0;
}

}  // namespace escartinol
