// The words of a Hunspell dictionary: the forms unmunch expands from it, kept where Hunspell accepts them.
#pragma once

#include <cstddef>
#include <string>

namespace escartinol {

class CListBuilder;

struct HunspellFormCount {
    std::size_t expanded = 0;  // lines unmunch printed
    std::size_t fit = 0;       // forms a list can hold: 4 to 9 lower-case cp1252 letters
    std::size_t refused = 0;   // of those, forms Hunspell rejects
};

// dictionary is a path without extension ("/usr/share/hunspell/oc_FR") or a bare name looked up
// in /usr/share/hunspell ("oc_FR"). Files into builder, in cp1252, every form that a list can hold
// and that Hunspell accepts with the same dictionary. Returns an error message, empty on success.
std::string AddHunspellForms(const std::string& dictionary, CListBuilder& builder, HunspellFormCount& count);

}  // namespace escartinol
