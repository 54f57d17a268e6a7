// The record is read and written whole: it holds a player's words, a few dozen lines at most.
#include "tools/word_record.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "tools/list_files.h"
#include "words/cp1252.h"
#include "words/list_editor.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

constexpr std::string_view kStampPrefix = "# installed: ";
constexpr std::string_view kHeader =
    "# Your own words: escartinol-lists update puts them back into newer installed lists.\n"
    "# One word a line, + added, - removed.\n";

}  // namespace

void WordRecord::Set(const std::string& word, bool added) {
    const auto found = std::find_if(words.begin(), words.end(), [&](const auto& entry) { return entry.first == word; });
    if (found != words.end())
        found->second = added;
    else
        words.emplace_back(word, added);
}

std::string WordRecordPath(const std::string& dir) {
    return (std::filesystem::path(dir.empty() ? "." : dir) / kWordRecordName).string();
}

std::string ReadWordRecord(const std::string& dir, WordRecord& record, std::vector<std::string>& problems) {
    record = {};
    const std::string path = WordRecordPath(dir);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    std::string bytes;
    if (std::string error = ReadFileBytes(path, bytes); !error.empty()) return error;
    record.exists = true;
    std::size_t number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line(bytes.data() + start, end - start);
        start = end + 1;
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with(kStampPrefix)) record.installedStamp = line.substr(kStampPrefix.size());
        if (line.empty() || line.starts_with('#')) continue;
        const auto word =
            line.size() > 1 && (line[0] == '+' || line[0] == '-') ? Utf8ToCp1252(line.substr(1)) : std::nullopt;
        if (!word || !ListWordProblem(SpellOutLigatures(*word)).empty()) {
            problems.push_back(path + ":" + std::to_string(number) + ": not +word or -word, left out: \"" +
                               std::string(line) + "\"");
            continue;
        }
        record.Set(SpellOutLigatures(*word), line[0] == '+');
    }
    return {};
}

std::string WordRecordText(const WordRecord& record) {
    std::string text(kHeader);
    if (!record.installedStamp.empty()) text += std::string(kStampPrefix) + record.installedStamp + "\n";
    for (const auto& [word, added] : record.words) (text += added ? '+' : '-') += Cp1252ToUtf8(word) + "\n";
    return text;
}

std::string InstalledListsStamp(const std::string& installedDir) {
    std::string stamp = installedDir;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        const std::string path = (std::filesystem::path(installedDir) / ListFileName(n)).string();
        struct stat status {};
        ((stamp += ' ') += std::to_string(n)) += "L=";
        if (::stat(path.c_str(), &status) != 0) {
            stamp += "-";
            continue;
        }
        stamp += std::to_string(status.st_size) + "," + std::to_string(status.st_mtim.tv_sec) + "." +
                 std::to_string(status.st_mtim.tv_nsec);
    }
    return stamp;
}

}  // namespace escartinol
