// Each list is read once, streamed through the checker; a UTF-8 list is named in one line rather
// than by a break for each of its accents.
#include "lists/list_check.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>

#include "lists/folder_lock.h"
#include "lists/folder_owner.h"
#include "lists/list_files.h"
#include "lists/list_replace.h"
#include "lists/player_copy.h"
#include "lists/sound_list.h"
#include "words/cp1252.h"
#include "words/list_format.h"
#include "words/list_places.h"

namespace escartinol {

namespace {

constexpr std::size_t kMaxListBytes = std::size_t{1} << 31;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    return bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes;
}

bool IsBeyondAscii(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Well-formed UTF-8 with a character beyond ASCII, or a byte order mark: what a text editor saved.
// A Windows-1252 list with an accent is almost never well-formed UTF-8: an accented letter would
// have to be followed by one or two of the bytes 0x80..0xBF, which no word holds.
bool IsUtf8List(std::string_view bytes) {
    const std::string_view text = WithoutByteOrderMark(bytes);
    for (std::size_t at = 0, length; at < text.size(); at += length)
        if ((length = Utf8CharacterLength(text, at)) == 0) return false;
    return text.size() < bytes.size() || std::any_of(text.begin(), text.end(), IsBeyondAscii);
}

// The first word of a UTF-8 list that holds a character beyond ASCII.
std::string FirstAccentedWord(std::string_view bytes) {
    bytes = WithoutByteOrderMark(bytes);
    const auto isEdge = [](char c) { return c == '/' || c == '\r' || c == '\n'; };
    const auto accent = std::find_if(bytes.begin(), bytes.end(), IsBeyondAscii);
    if (accent == bytes.end()) return {};
    const auto start = std::find_if(std::make_reverse_iterator(accent), bytes.rend(), isEdge).base();
    return std::string(start, std::find_if(accent, bytes.end(), isEdge));
}

std::string Count(std::int64_t count, const std::string& thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

// Names each list of dir saved as UTF-8, or with fix converts it; the lists still in UTF-8.
// Nothing after saying why the conversion failed.
std::optional<std::set<int>> FindUtf8Lists(const CheckRequest& request, Report& report) {
    std::set<int> utf8;
    std::vector<FileChange> converted;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        const std::string path = ListPath(request.dir, n);
        std::string bytes;
        if (!ReadFileBytes(path, bytes, kMaxListBytes).empty() || !IsUtf8List(bytes)) continue;
        const auto cp1252 = Utf8ToCp1252(WithoutByteOrderMark(bytes));
        if (request.fix && cp1252) {
            converted.push_back({ListFileName(n), *cp1252});
            continue;
        }
        utf8.insert(n);
        const std::string word = FirstAccentedWord(bytes);
        const std::string shown = "\"" + word + "\" as \"" + Cp1252ToUtf8(word) + "\"";
        report.Say(path + (cp1252 ? ": written in UTF-8, where the game reads Windows-1252 and shows " + shown + "; " +
                                        request.fixCommand + " converts it"
                                  : ": written in UTF-8, with a character Windows-1252 lacks, so it cannot be "
                                    "converted; the game shows " +
                                        shown));
    }
    if (std::string error = converted.empty() ? std::string() : ReplaceFiles(request.dir, converted); !error.empty()) {
        report.Fail(error);
        return std::nullopt;
    }
    for (const FileChange& list : converted)
        report.Say(InFolder(request.dir, list.name) + ": converted from UTF-8 to Windows-1252");
    return utf8;
}

}  // namespace

Report CheckLists(const CheckRequest& request, const WaitNotice& onWait) {
    Report report;
    if (IsPlayerListsDir(request.dir, request.lang)) {
        CWordRecord record;
        if (record.Read(request.dir).empty())
            if (std::string notice = InstalledChangedNotice(request.dir, request.lang, record); !notice.empty())
                report.Warn(notice);
    }
    // Mending is an edit: it takes its turn with the others, and finishes an interrupted one.
    std::optional<CFolderLock> lock;
    if (request.fix) {
        if (std::string error = ActAsOwnerOf(request.dir); !error.empty()) return report.Fail(error);
        lock.emplace(request.dir, [&] { onWait(request.dir.empty() ? "." : request.dir); });
        if (!lock->Error().empty()) return report.Fail(lock->Error());
        if (!lock->Finished().empty()) report.Say(lock->Finished());
    }
    std::int64_t breaks = 0;
    if (std::string left = InterruptedEditIn(request.dir); !left.empty()) {
        report.Say(ShownFolder(request.dir) + ": " + left);
        ++breaks;
    }
    const auto utf8 = FindUtf8Lists(request, report);
    if (!utf8) return report;
    std::string summary;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        summary += std::to_string(n) + "L: ";
        // Each of its accents would be a break: the one line above says it all.
        if (utf8->contains(n)) {
            ++breaks;
            summary += "UTF-8; ";
            continue;
        }
        CBreakLines shown(report.said, ListPath(request.dir, n));
        const ListTally tally =
            CheckListFile(n, ListPath(request.dir, n), [&](const ListBreak& brk) { shown.Add(brk); });
        shown.AddHiddenCounts();
        breaks += tally.breaks;
        summary += tally.readable ? Count(tally.lines, "line") + ", " + Count(tally.words, "word") : "unreadable";
        summary += "; ";
    }
    // Without --lists the player may not know which of the places was checked.
    const std::string folder = ShownFolder(request.dir);
    report.Say(summary + (breaks == 0 ? folder + " is sound" : Count(breaks, "break") + " in " + folder));
    report.status = breaks == 0 ? 0 : 1;
    return report;
}

}  // namespace escartinol
