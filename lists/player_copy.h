// The player's copy of the installed lists: where it is, where it comes from, and making it again
// from newer installed lists (update) or giving it up (reset).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lists/report.h"
#include "lists/word_record.h"

namespace escartinol {

// The folder where the installed lists of lang are copied for the player's own words; nothing when
// neither XDG_DATA_HOME nor HOME names one.
std::optional<std::string> PlayerListsDir(std::string_view lang);

// The installed lists of lang a copy is made from: the first installed place that holds any.
std::optional<std::string> FindInstalledLists(std::string_view lang);

// Whether dir is the player's own folder of lists of lang, however it is spelt.
bool IsPlayerListsDir(const std::string& dir, std::string_view lang);

// Which installed lists the copy came from, and as they were: their folder, and each list's size
// and modification time. A package update changes it, as does any new file in their place.
std::string InstalledListsStamp(const std::string& installedDir);

// One line when the installed lists of lang have changed since the player's copy in dir was made
// from them (by the stamp of its record, or for a copy older than records by the files' times),
// naming the command that takes them in; empty otherwise.
std::string InstalledChangedNotice(const std::string& dir, std::string_view lang, const CWordRecord& record);

// The copy made again from the installed lists of lang as they are now, with the player's words put
// back: those of the record, and any word the copy holds that the installed lists lack, named.
Report UpdateCopy(std::string_view lang, const WaitNotice& onWait);

// The copy and its record removed, whole or not at all, after naming the player's words.
Report ResetCopy(std::string_view lang, const WaitNotice& onWait);

}  // namespace escartinol
