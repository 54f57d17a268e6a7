// The player's copy of the installed lists: where it comes from, and whether those have moved on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/word_record.h"

namespace escartinol {

// The installed lists of lang a copy is made from: the first installed place that holds any.
std::optional<std::string> FindInstalledLists(std::string_view lang);

// Whether dir is the player's own folder of lists of lang, however it is spelt.
bool IsPlayerListsDir(const std::string& dir, std::string_view lang);

// The command that makes the copy again, as the player would type it.
std::string UpdateCommand(std::string_view lang);

// Says in one line when the installed lists of lang have changed since the player's copy in dir
// was made from them (by the stamp of its record, or, for a copy older than records, by the
// times of the files), and which command takes them in.
void SayWhenInstalledListsChanged(const std::string& dir, std::string_view lang, const WordRecord& record);

}  // namespace escartinol
