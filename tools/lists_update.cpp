// escartinol-lists update and reset: the player's copy of the installed lists made again from newer
// installed lists with the player's words put back, or given up for the installed lists.
#include <filesystem>
#include <iostream>
#include <set>

#include "tools/list_files.h"
#include "tools/list_options.h"
#include "tools/list_replace.h"
#include "tools/lists_commands.h"
#include "tools/lists_lock.h"
#include "tools/player_copy.h"
#include "tools/sound_list.h"
#include "tools/tool_messages.h"
#include "tools/word_record.h"
#include "words/cp1252.h"
#include "words/list_editor.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

namespace fs = std::filesystem;

std::string ListIn(const std::string& dir, int n) { return (fs::path(dir) / ListFileName(n)).string(); }

// The words of the lines of a list, keys left out.
std::set<std::string> WordsOf(const std::string& bytes) {
    std::set<std::string> words;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line(bytes.data() + start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        for (std::size_t slash = line.find('/'); slash != std::string_view::npos;) {
            const std::size_t next = line.find('/', slash + 1);
            words.emplace(line.substr(slash + 1, (next == std::string_view::npos ? line.size() : next) - slash - 1));
            slash = next;
        }
    }
    return words;
}

// A copy made before records were kept: the words it holds that the installed lists lack are
// taken as the player's, so that none is lost.
void RecordWordsOfAnOldCopy(const std::string& player, const std::string& installed, WordRecord& record) {
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        std::string copy;
        std::string shared;
        ReadFileBytes(ListIn(player, n), copy);
        ReadFileBytes(ListIn(installed, n), shared);
        const std::set<std::string> sharedWords = WordsOf(shared);
        for (const std::string& word : WordsOf(copy))
            if (!sharedWords.contains(word)) record.Set(word, true);
    }
}

std::string WordsText(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) (text += text.empty() ? "" : " ") += Cp1252ToUtf8(word);
    return text;
}

// What update and reset work on: the player's folder, holding a copy, and the installed lists.
struct PlayerLists {
    std::string player;
    std::optional<std::string> installed;
    std::string lang;
};

// Nothing after saying why, or, with status 0 and nothing, that there is no copy to work on.
std::optional<PlayerLists> FindPlayerLists(const CommandLine& line, int& status) {
    status = 2;
    if (!line.operands.empty()) {
        Complain("unexpected argument '" + line.operands[0] + "' (see --help)");
        return std::nullopt;
    }
    ListOptions options;
    if (const std::string error = TakeListOptions(line, options); !error.empty()) {
        Complain(error);
        return std::nullopt;
    }
    PlayerLists lists;
    lists.lang = options.Lang();
    const auto player = PlayerListsDir(lists.lang);
    if (!player) {
        Complain("with neither XDG_DATA_HOME nor HOME set there is no folder for your own lists");
        return std::nullopt;
    }
    lists.player = *player;
    lists.installed = FindInstalledLists(lists.lang);
    if (!HoldsAnyList(lists.player) && !fs::exists(WordRecordPath(lists.player))) {
        std::cout << "you have no copy of your own in " << lists.player << "; the game reads the installed lists"
                  << (lists.installed ? " of " + *lists.installed : std::string()) << "\n";
        status = 0;
        return std::nullopt;
    }
    return lists;
}

// The record of the player's words in folder; what is wrong with some of its lines is said, and
// the lines skipped. Returns an error message when it cannot be read at all.
std::string ReadRecordTellingProblems(const std::string& folder, WordRecord& record) {
    std::vector<std::string> problems;
    const std::string error = ReadWordRecord(folder, record, problems);
    for (const std::string& problem : problems) Complain(problem);
    return error;
}

}  // namespace

int RunUpdate(const CommandLine& line) {
    int status = 0;
    const auto lists = FindPlayerLists(line, status);
    if (!lists) return status;
    if (!lists->installed) return Refuse("found no installed lists of '" + lists->lang + "' to make the copy from");
    const std::string& player = lists->player;
    const std::string& installed = *lists->installed;
    const CListsLock lock(player, [&] { Complain("waiting for another edit of " + player + " to end"); });
    if (!lock.Error().empty()) return Refuse(lock.Error());
    WordRecord record;
    if (const std::string error = ReadRecordTellingProblems(player, record); !error.empty()) return Refuse(error);
    if (!record.exists) {
        RecordWordsOfAnOldCopy(player, installed, record);
        std::cout << "your copy in " << player << " has no record of your words: the words it holds that the"
                  << " installed lists lack are kept as yours\n";
    }

    std::vector<ListContent> writes;
    std::vector<std::string> held;  // added by the player, and now in the installed lists too
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        auto bytes = ReadSoundList(n, ListIn(installed, n));
        if (!bytes) return Refuse("your copy in " + player + " was left as it was", 1);
        for (const auto& [word, added] : record.words) {
            if (static_cast<int>(word.size()) != n) continue;
            const WordEdit edit = added ? AddWordToList(*bytes, word) : RemoveWordFromList(*bytes, word);
            if (edit == WordEdit::kAlreadyThere) held.push_back(word);
            // The player's word must not be dropped to make room: the copy stays as it was.
            if (edit == WordEdit::kLineFull)
                return Refuse(std::string("'") + Cp1252ToUtf8(word) +
                                  "' no longer fits its line of the installed lists (" + std::to_string(kMaxLineChars) +
                                  " characters); your copy in " + player + " was left as it was",
                              1);
        }
        writes.push_back({ListIn(player, n), std::move(*bytes)});
    }
    // The words stay in the record even when the installed lists hold them: a later package may not.
    record.installedStamp = InstalledListsStamp(installed);
    writes.push_back({WordRecordPath(player), WordRecordText(record)});
    if (const std::string error = ReplaceLists(player, writes); !error.empty()) return Refuse(error);
    std::cout << "made your copy in " << player << " again from the installed lists of " << installed << ", with "
              << record.words.size() << (record.words.size() == 1 ? " word" : " words") << " of yours\n";
    if (!held.empty()) std::cout << "the installed lists now hold these words of yours: " << WordsText(held) << "\n";
    return 0;
}

int RunReset(const CommandLine& line) {
    int status = 0;
    const auto lists = FindPlayerLists(line, status);
    if (!lists) return status;
    const std::string& player = lists->player;
    const CListsLock lock(player, [&] { Complain("waiting for another edit of " + player + " to end"); });
    if (!lock.Error().empty()) return Refuse(lock.Error());
    WordRecord record;
    if (const std::string error = ReadRecordTellingProblems(player, record); !error.empty()) return Refuse(error);
    if (!record.exists && lists->installed) RecordWordsOfAnOldCopy(player, *lists->installed, record);

    // Said before anything goes, with what to type to have the words back.
    std::vector<std::string> added;
    std::vector<std::string> removed;
    for (const auto& [word, isAdded] : record.words) (isAdded ? added : removed).push_back(word);
    std::cout << "removing your copy of the lists in " << player << ", and the record of your words\n";
    const std::string langOption = lists->lang == kDefaultListLanguage ? "" : " --lang " + lists->lang;
    if (!added.empty())
        std::cout << "your words go with it; to add them again: escartinol-lists add" << langOption << " "
                  << WordsText(added) << "\n";
    if (!removed.empty())
        std::cout << "so do the words you removed; to remove them again: escartinol-lists remove" << langOption << " "
                  << WordsText(removed) << "\n";
    std::error_code ec;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n)
        if (!fs::remove(ListIn(player, n), ec) && ec)
            return Refuse("cannot remove " + ListIn(player, n) + ": " + ec.message());
    if (!fs::remove(WordRecordPath(player), ec) && ec)
        return Refuse("cannot remove " + WordRecordPath(player) + ": " + ec.message());
    if (const std::string error = SyncFolder(player); !error.empty()) return Refuse(error);
    std::cout << "the game reads the installed lists"
              << (lists->installed ? " of " + *lists->installed : std::string(" (none found)")) << " from now on\n";
    return 0;
}

}  // namespace escartinol
