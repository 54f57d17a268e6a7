// add and remove: words filed into or taken out of the lists of a folder, or of the player's copy
// of the installed lists, which the first change makes.
#pragma once

#include <string>
#include <vector>

#include "lists/report.h"

namespace escartinol {

struct EditRequest {
    bool adding = true;
    std::string dir;         // the lists found; empty is the current folder
    bool installed = false;  // dir holds the installed lists: the edit goes into the player's copy
    std::string lang;
    std::vector<std::string> words;  // as the player typed them, in UTF-8
};

// Refuses every word at once when one of them is no word a list can hold, and every list when one
// it would change is broken; otherwise edits all of them, whole or not at all.
Report EditLists(const EditRequest& request, const WaitNotice& onWait);

}  // namespace escartinol
