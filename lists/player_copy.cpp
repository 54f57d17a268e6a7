// A copy is told from the installed lists only by its place, so both are found through the places.
#include "lists/player_copy.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

#include "lists/folder_lock.h"
#include "lists/folder_owner.h"
#include "lists/list_editor.h"
#include "lists/list_files.h"
#include "lists/list_replace.h"
#include "lists/sound_list.h"
#include "words/cp1252.h"
#include "words/file_stamp.h"
#include "words/list_format.h"
#include "words/list_places.h"

namespace escartinol {

namespace {

namespace fs = std::filesystem;

std::string LangOption(std::string_view lang) {
    return lang == kDefaultListLanguage ? std::string() : " --lang " + std::string(lang);
}

// The latest write (or, with change, change) of the six lists of dir; 0 when none is there.
std::int64_t LatestTime(const std::string& dir, bool change) {
    std::int64_t latest = 0;
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n)
        if (const auto stamp = StampOfPath(ListPath(dir, n)))
            latest = std::max(latest, change ? stamp->changedSeconds * 1'000'000'000 + stamp->changedNanoseconds
                                             : stamp->modifiedSeconds * 1'000'000'000 + stamp->modifiedNanoseconds);
    return latest;
}

// The words of the lines of a list, keys left out.
std::set<std::string> WordsOf(std::string_view bytes) {
    std::set<std::string> words;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
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

std::string WordsText(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) (text += text.empty() ? "" : " ") += Cp1252ToUtf8(word);
    return text;
}

// Words the copy holds that the installed lists lack and the record does not count as added: put
// there by hand, by add before records were kept, or by an older package.
std::vector<std::string> WordsOnlyInCopy(const std::string& player, const std::optional<std::string>& installed,
                                         const CWordRecord& record) {
    std::vector<std::string> found;
    for (int n = kMaxWordLength; n >= kMinWordLength && installed; --n) {
        std::string mine;
        std::string shared;
        constexpr std::size_t kLimit = std::size_t{1} << 31;
        if (!ReadFileBytes(ListPath(player, n), mine, kLimit).empty()) continue;
        ReadFileBytes(ListPath(*installed, n), shared, kLimit);
        const std::set<std::string> sharedWords = WordsOf(shared);
        for (const std::string& word : WordsOf(mine))
            if (!sharedWords.contains(word) && record.Find(word) != true && ListWordProblem(word).empty())
                found.push_back(word);
    }
    return found;
}

// The player's folder holding a copy, locked, with its record read; nothing when the report says why.
struct LockedCopy {
    std::string player;
    std::optional<std::string> installed;
    std::optional<CFolderLock> lock;
    CWordRecord record;
};

bool LockCopy(std::string_view lang, const WaitNotice& onWait, Report& report, LockedCopy& copy) {
    const auto player = PlayerListsDir(lang);
    if (!player) {
        report.Fail("with neither XDG_DATA_HOME nor HOME set there is no folder for your own lists");
        return false;
    }
    copy.player = *player;
    copy.installed = FindInstalledLists(lang);
    std::string error = ActAsOwnerOf(copy.player);
    std::error_code ec;
    if (error.empty() && fs::is_directory(copy.player, ec)) {
        copy.lock.emplace(copy.player, [&] { onWait(copy.player); });
        error = copy.lock->Error();
        if (!copy.lock->Finished().empty()) report.Warn(copy.lock->Finished());
        // Under the lock, so that what another editor just did is seen.
        if (error.empty() && (HoldsAnyList(copy.player) || fs::exists(InFolder(copy.player, kWordRecordName), ec))) {
            error = copy.record.Read(copy.player);
            for (std::string& line : copy.record.UnreadNotices()) report.Warn(std::move(line));
            if (error.empty()) return true;
        }
    }
    if (!error.empty())
        report.Fail(error);
    else
        report.Say("you have no copy of your own in " + copy.player + "; the game reads the installed lists" +
                   (copy.installed ? " of " + *copy.installed : std::string()));
    return false;
}

}  // namespace

std::optional<std::string> PlayerListsDir(std::string_view lang) {
    for (const ListPlace& place : ListPlaces(lang, {}))
        if (place.kind == ListPlaceKind::kPlayer) return place.dir;
    return std::nullopt;
}

std::optional<std::string> FindInstalledLists(std::string_view lang) {
    for (const ListPlace& place : ListPlaces(lang, ProgramDir()))
        if (place.kind == ListPlaceKind::kInstalled && HoldsAnyList(place.dir)) return place.dir;
    return std::nullopt;
}

bool IsPlayerListsDir(const std::string& dir, std::string_view lang) {
    const auto player = PlayerListsDir(lang);
    std::error_code ec;
    return player && fs::equivalent(dir.empty() ? "." : dir, *player, ec);
}

std::string InstalledListsStamp(const std::string& installedDir) {
    std::string stamp = installedDir;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        stamp += " " + std::to_string(n) + "L=";
        const auto file = StampOfPath(ListPath(installedDir, n));
        stamp += file ? std::to_string(file->size) + "," + std::to_string(file->modifiedSeconds) + "." +
                            std::to_string(file->modifiedNanoseconds)
                      : "-";
    }
    return stamp;
}

std::string InstalledChangedNotice(const std::string& dir, std::string_view lang, const CWordRecord& record) {
    const auto installed = FindInstalledLists(lang);
    if (!installed) return {};
    // A package keeps the times its files were built with, so a newer one may carry older times:
    // the record's stamp tells any change. A copy made before records has only the files' own
    // times, and a package's files are changed (made) when it is installed.
    const bool changed = record.InstalledStamp().empty() ? LatestTime(*installed, true) > LatestTime(dir, false)
                                                         : record.InstalledStamp() != InstalledListsStamp(*installed);
    if (!changed) return {};
    return "the installed lists of " + *installed + " have changed since your copy in " + dir +
           " was made from them; " + "escartinol-lists update" + LangOption(lang) +
           " takes them in, keeping your words";
}

Report UpdateCopy(std::string_view lang, const WaitNotice& onWait) {
    Report report;
    LockedCopy copy;
    if (!LockCopy(lang, onWait, report, copy)) return report;
    if (!copy.installed)
        return report.Fail("found no installed lists of '" + std::string(lang) + "' to make the copy from");
    const std::string& installed = *copy.installed;
    CWordRecord& record = copy.record;

    // A copy made before records: those words are the player's. Otherwise they may be an older
    // package's as well, so they are named, with the command that keeps them.
    const std::vector<std::string> only = WordsOnlyInCopy(copy.player, installed, record);
    if (!record.Exists())
        for (const std::string& word : only) record.Set(word, true);
    std::vector<std::string> bytes(kListCount);
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        auto shared = ReadSoundList(n, ListPath(installed, n), report);
        if (!shared) return report.Fail("your copy in " + copy.player + " was left as it was", 1);
        bytes[n - kMinWordLength] = std::move(*shared);
    }
    std::vector<std::string> held;  // added by the player, and now in the installed lists too
    std::vector<FileChange> changes;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        std::string& list = bytes[n - kMinWordLength];
        for (const auto& [word, added] : record.Words()) {
            if (static_cast<int>(word.size()) != n) continue;
            const WordEdit edit = added ? AddWordToList(list, word) : RemoveWordFromList(list, word);
            if (edit == WordEdit::kAlreadyThere) held.push_back(word);
            // The player's word must not be dropped to make room: the copy stays as it was.
            if (edit == WordEdit::kLineFull)
                return report.Fail("'" + Cp1252ToUtf8(word) + "' no longer fits its line of the installed lists (" +
                                       std::to_string(kMaxLineChars) + " characters); your copy in " + copy.player +
                                       " was left as it was",
                                   1);
        }
        changes.push_back({ListFileName(n), std::move(list)});
    }
    // The words stay in the record even when the installed lists hold them: a later package may not.
    record.SetInstalledStamp(InstalledListsStamp(installed));
    changes.push_back({std::string(kWordRecordName), record.Text()});
    if (std::string error = ReplaceFiles(copy.player, changes); !error.empty()) return report.Fail(error);
    const std::size_t count = record.Words().size();
    report.Say("made your copy in " + copy.player + " again from the installed lists of " + installed + ", with " +
               std::to_string(count) + (count == 1 ? " word" : " words") + " of yours");
    if (!only.empty() && !record.Exists())
        report.Say(
            "your copy had no record of your words: the words it held that the installed lists lack are "
            "kept as yours: " +
            WordsText(only));
    else if (!only.empty())
        report.Say(
            "your copy held words that neither the installed lists nor the words you added hold, and the "
            "new copy does not: " +
            WordsText(only) + "; to keep them: escartinol-lists add" + LangOption(lang) + " " + WordsText(only));
    if (!held.empty()) report.Say("the installed lists now hold these words of yours: " + WordsText(held));
    return report;
}

Report ResetCopy(std::string_view lang, const WaitNotice& onWait) {
    Report report;
    LockedCopy copy;
    if (!LockCopy(lang, onWait, report, copy)) return report;
    CWordRecord& record = copy.record;
    for (const std::string& word : WordsOnlyInCopy(copy.player, copy.installed, record)) record.Set(word, true);
    // Named with what to type to have them back.
    std::vector<std::string> added;
    std::vector<std::string> removed;
    for (const auto& [word, isAdded] : record.Words()) (isAdded ? added : removed).push_back(word);
    std::vector<FileChange> changes;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) changes.push_back({ListFileName(n), std::nullopt});
    changes.push_back({std::string(kWordRecordName), std::nullopt});
    if (std::string error = ReplaceFiles(copy.player, changes); !error.empty()) return report.Fail(error);
    report.Say("removed your copy of the lists in " + copy.player + ", and the record of your words");
    const std::string langOption = LangOption(lang);
    if (!added.empty())
        report.Say("your words went with it; to add them again: escartinol-lists add" + langOption + " " +
                   WordsText(added));
    if (!removed.empty())
        report.Say("so did the words you removed; to remove them again: escartinol-lists remove" + langOption + " " +
                   WordsText(removed));
    report.Say("the game reads the installed lists" +
               (copy.installed ? " of " + *copy.installed : std::string(" (none found)")) + " from now on");
    return report;
}

}  // namespace escartinol
