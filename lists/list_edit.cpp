// Every list is read and edited in memory under the folder's lock, then all replaced at once.
#include "lists/list_edit.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "lists/folder_lock.h"
#include "lists/folder_owner.h"
#include "lists/list_editor.h"
#include "lists/list_files.h"
#include "lists/list_replace.h"
#include "lists/player_copy.h"
#include "lists/sound_list.h"
#include "words/cp1252.h"
#include "words/list_format.h"
#include "words/list_places.h"

namespace escartinol {

Report EditLists(const EditRequest& request, const WaitNotice& onWait) {
    Report report;
    std::vector<std::string> words;
    for (const std::string& typed : request.words) {
        std::string problem;
        if (const auto word = ListWordOf(typed, problem))
            words.push_back(*word);
        else
            // Appended to rather than prepended: GCC 12 at -O3 warns of an overlap that cannot happen.
            report.Fail(std::string("'").append(typed, 0, 64) + "' " + problem);
    }
    if (report.status != 0) return report;
    if (words.empty()) return report.Fail("no word given");

    // The installed lists are shared and a new package would replace them, so the player's words go
    // into a copy in the player's own folder, which is found before them from then on.
    std::string dir = request.dir;
    if (request.installed) {
        const auto player = PlayerListsDir(request.lang);
        if (!player)
            return report.Fail("the lists in " + dir +
                               " are the installed ones, and with neither XDG_DATA_HOME nor HOME set there is no "
                               "folder for your own copy; give one with --lists");
        dir = *player;
    }
    if (std::string error = ActAsOwnerOf(dir); !error.empty()) return report.Fail(error);
    if (request.installed)
        if (std::string error = MakeFolders(dir); !error.empty()) return report.Fail(error);
    // From the first read to the last rename, so that an edit running at the same time can neither
    // be lost nor lose this one.
    const CFolderLock lock(dir, [&] { onWait(dir.empty() ? "." : dir); });
    if (!lock.Error().empty()) return report.Fail(lock.Error());
    if (!lock.Finished().empty()) report.Warn(lock.Finished());

    // Under the lock: the copy is what the editor before this one left, made or removed.
    const bool playerCopy = IsPlayerListsDir(dir, request.lang);
    std::string source = dir;
    if (playerCopy && !HoldsAnyList(dir))
        if (const auto installed = FindInstalledLists(request.lang)) source = *installed;
    CWordRecord record;
    if (playerCopy) {
        if (std::string error = record.Read(dir); !error.empty()) return report.Fail(error);
        for (std::string& line : record.UnreadNotices()) report.Warn(std::move(line));
        if (source == dir)
            if (std::string notice = InstalledChangedNotice(dir, request.lang, record); !notice.empty())
                report.Warn(notice);
    }

    std::map<int, std::vector<std::size_t>> byLength;
    for (std::size_t i = 0; i < words.size(); ++i) byLength[static_cast<int>(words[i].size())].push_back(i);
    std::map<int, std::string> edited;
    std::vector<std::string> told(words.size());  // in the order the words were given
    bool full = false;
    for (const auto& [n, indexes] : byLength) {
        std::set<std::string> removing;
        for (const std::size_t i : indexes)
            if (!request.adding) removing.insert(words[i]);
        auto bytes = ReadSoundList(n, ListPath(source, n), report, removing);
        if (!bytes) continue;
        const std::string before = *bytes;
        for (const std::size_t i : indexes) {
            std::string shown = "'";
            shown += Cp1252ToUtf8(words[i]);
            shown += '\'';
            switch (request.adding ? AddWordToList(*bytes, words[i]) : RemoveWordFromList(*bytes, words[i])) {
                case WordEdit::kDone:
                    told[i] = (request.adding ? "added " : "removed ") + shown + (request.adding ? " to " : " from ") +
                              ListPath(dir, n);
                    if (playerCopy) record.Set(words[i], request.adding);
                    break;
                case WordEdit::kAlreadyThere:
                    told[i] = shown + " is already in " + ListPath(source, n) + "; left alone";
                    break;
                case WordEdit::kNotThere:
                    told[i] = shown + " is not in " + ListPath(source, n) + "; nothing to remove";
                    break;
                case WordEdit::kLineFull:
                    report.Warn(shown + " would make the line of key " + KeyOfWord(words[i]) + " longer than " +
                                std::to_string(kMaxLineChars) + " characters, which the game cannot read");
                    full = true;
                    break;
            }
        }
        if (*bytes != before) edited[n] = std::move(*bytes);
    }
    if (report.status != 0) return report;
    if (full) return report.Fail("nothing was changed");

    // A copy is made whole, with the lists that no word changed as they are installed.
    std::vector<FileChange> changes;
    for (int n = kMaxWordLength; n >= kMinWordLength && !edited.empty(); --n) {
        std::string bytes;
        if (edited.contains(n))
            bytes = std::move(edited[n]);
        else if (source == dir || !std::filesystem::exists(ListPath(source, n)))
            continue;
        else if (std::string error = ReadFileBytes(ListPath(source, n), bytes, std::size_t{1} << 31); !error.empty())
            return report.Fail(error);
        changes.push_back({ListFileName(n), std::move(bytes)});
    }
    if (playerCopy && !changes.empty()) {
        if (source != dir) record.SetInstalledStamp(InstalledListsStamp(source));
        changes.push_back({std::string(kWordRecordName), record.Text()});
    }
    if (std::string error = changes.empty() ? std::string() : ReplaceFiles(dir, changes); !error.empty())
        return report.Fail(error);
    if (source != dir && !changes.empty())
        report.Say("copied the installed lists of " + source + " into " + dir + ", where your words go from now on");
    for (std::string& line : told)
        if (!line.empty()) report.Say(std::move(line));
    return report;
}

}  // namespace escartinol
