// check: every break of the six lists of a folder that would hide words from the game, lists saved
// as UTF-8, and what an interrupted edit left; with fix, those mended first.
#pragma once

#include <string>

#include "lists/report.h"

namespace escartinol {

struct CheckRequest {
    std::string dir;  // empty is the current folder
    std::string lang;
    bool fix = false;
    std::string fixCommand;  // the command again with --fix, as the player typed it
};

// Status 0 when the lists are sound, 1 when something is wrong, 2 when the check could not run.
Report CheckLists(const CheckRequest& request, const WaitNotice& onWait);

}  // namespace escartinol
