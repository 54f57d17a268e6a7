// escartinol-lists: tools for the player-edited word lists.
#include <iostream>
#include <string>
#include <vector>

#include "tools/lists_commands.h"
#include "version.h"

namespace {

constexpr const char* kUsage =
    "usage: escartinol-lists build --from WORDFILE [--out DIR] [--force]\n"
    "       escartinol-lists build --hunspell DICT [--out DIR] [--force]\n"
    "       escartinol-lists check [--lists DIR | DIR] [--lang fr|oc]\n"
    "       escartinol-lists add [--lists DIR] [--lang fr|oc] WORD...\n"
    "       escartinol-lists remove [--lists DIR] [--lang fr|oc] WORD...\n"
    "       escartinol-lists --help | --version\n"
    "  build   writes DEF_4L.txt .. DEF_9L.txt from a UTF-8 word file, one word a line, or from\n"
    "          the forms of a Hunspell dictionary that Hunspell accepts (DICT: its path without\n"
    "          extension, or a name in /usr/share/hunspell such as oc_FR); lists already in DIR\n"
    "          are kept unless --force is given\n"
    "  check   reports every line of the six lists that would hide words from the game;\n"
    "          exit status 0 when all are sound, 1 when something is wrong, 2 when it cannot run\n"
    "  add     files each word (4 to 9 lower-case letters) under its key in its list\n"
    "  remove  takes each word out of its list; a line left without words goes\n"
    "  Without --lists, the lists are those the game reads: the current directory's when it\n"
    "  holds lists, else the player's own, else the installed ones of --lang (default fr);\n"
    "  add and remove first copy installed lists into the player's own folder and edit there.\n"
    "  build writes into the current directory without --out. add and remove leave a broken\n"
    "  list alone.\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? std::cerr : std::cout) << kUsage;
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "escartinol-lists " ESCARTINOL_VERSION "\n";
        return 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    try {
        if (args[0] == "build") return escartinol::RunBuild(rest);
        if (args[0] == "check") return escartinol::RunCheck(rest);
        if (args[0] == "add" || args[0] == "remove") return escartinol::RunEdit(args[0], rest);
    } catch (const std::exception& e) {
        std::cerr << "escartinol-lists: " << e.what() << "\n";
        return 2;
    }
    std::cerr << "escartinol-lists: unknown command '" << args[0] << "'\n" << kUsage;
    return 2;
}
