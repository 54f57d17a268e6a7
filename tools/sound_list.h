// A list read for an edit: only when the checker finds it sound.
#pragma once

#include <optional>
#include <string>

namespace escartinol {

// The bytes of list n at path when the checker finds it sound; otherwise its breaks and why it
// is left alone go to standard error. A missing list plays as empty, so an edit starts it.
std::optional<std::string> ReadSoundList(int n, const std::string& path);

}  // namespace escartinol
