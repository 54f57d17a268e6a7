// The words are all filed in memory first; the lists are then written as one replace.
#include "lists/list_build.h"

#include <filesystem>

#include "lists/folder_lock.h"
#include "lists/folder_owner.h"
#include "lists/hunspell_forms.h"
#include "lists/list_builder.h"
#include "lists/list_files.h"
#include "lists/list_replace.h"
#include "lists/word_file_reader.h"
#include "words/cp1252.h"
#include "words/list_format.h"
#include "words/list_places.h"

namespace escartinol {

Report BuildLists(const BuildRequest& request, const WaitNotice& onWait) {
    Report report;
    if (request.from.empty() == request.hunspell.empty())
        return report.Fail("one of --from WORDFILE and --hunspell DICT is required");
    CListBuilder builder;
    std::string error;
    if (request.hunspell.empty()) {
        std::size_t broken = 0;
        // A word with a character that cp1252 lacks cannot be written, so it is skipped.
        error = ReadWordFile(
            request.from,
            [&](std::string_view line) {
                if (const auto word = Utf8ToCp1252(line)) builder.Add(*word);
            },
            broken);
        if (error.empty() && broken > 0)
            report.Warn(request.from + ": " + std::to_string(broken) + " lines longer than " +
                        std::to_string(kMaxWordFileLine) + " bytes skipped");
    } else {
        HunspellFormCount forms;
        error = AddHunspellForms(request.hunspell, builder, forms);
        if (error.empty())
            report.Say(request.hunspell + ": unmunch expanded " + std::to_string(forms.expanded) + " forms, " +
                       std::to_string(forms.fit) + " of them fit a list, Hunspell refused " +
                       std::to_string(forms.refused) + " of those");
    }
    if (!error.empty()) return report.Fail(error);
    // A key with that many anagrams is rare; its line keeps what fits rather than fail the build.
    std::size_t leftOut = 0;
    for (const auto& [key, words] : builder.CutLines()) {
        report.Warn(key + ": " + std::to_string(words) + " words left out, the line would pass " +
                    std::to_string(kMaxLineChars) + " characters");
        leftOut += words;
    }
    if (builder.WordCount() == 0 && !request.force && HoldsAnyList(request.out))
        return report.Fail((request.from.empty() ? request.hunspell : request.from) + " gives no word, and " +
                           request.out + " holds lists; --force would leave them empty");
    if (std::string failed = ActAsOwnerOf(request.out); !failed.empty()) return report.Fail(failed);
    if (std::string failed = MakeFolders(request.out); !failed.empty()) return report.Fail(failed);

    // The editors' lock, so that writing a list here and an edit of it never overlap.
    const CFolderLock lock(request.out, [&] { onWait(request.out); });
    if (!lock.Error().empty()) return report.Fail(lock.Error());
    std::vector<FileChange> lists;
    std::vector<std::string> told;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        const std::string path = ListPath(request.out, n);
        // A list already there may hold the player's own words; only --force replaces it.
        std::error_code ec;
        const bool there = std::filesystem::exists(std::filesystem::symlink_status(path, ec));
        // Judged before any list is written, so a build that stops leaves none replaced.
        if (there && !std::filesystem::is_regular_file(path, ec))
            return report.Fail(path + " is not a plain file, where a list must be one; no list was written");
        if (!request.force && there) {
            told.push_back(path + ": kept as it is");
            continue;
        }
        std::string bytes;
        const auto lines = builder.Lines(n);
        for (const std::string& line : lines) (bytes += line) += kLineEnd;
        lists.push_back({ListFileName(n), std::move(bytes)});
        told.push_back(path + ": " + std::to_string(lines.size()) + " lines");
    }
    if (std::string failed = lists.empty() ? std::string() : ReplaceFiles(request.out, lists); !failed.empty())
        return report.Fail(failed);
    for (std::string& line : told) report.Say(std::move(line));
    report.Say(std::to_string(builder.WordCount() - leftOut) + " words");
    return report;
}

}  // namespace escartinol
