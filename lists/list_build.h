// build: the six lists of a folder from a UTF-8 word file, one word a line, or from the forms of a
// Hunspell dictionary.
#pragma once

#include <string>

#include "lists/report.h"

namespace escartinol {

struct BuildRequest {
    std::string from;      // a word file, or
    std::string hunspell;  // a dictionary: a path without extension, or a name in /usr/share/hunspell
    std::string out;       // the folder, made if need be
    bool force = false;    // replace lists already there, which may hold the player's own words
};

Report BuildLists(const BuildRequest& request, const WaitNotice& onWait);

}  // namespace escartinol
