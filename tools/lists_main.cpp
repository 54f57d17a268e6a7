// escartinol-lists: tools for the player-edited word lists.
#include <iostream>
#include <string>
#include <vector>

#include "tools/lists_commands.h"

namespace {

constexpr const char* kUsage =
    "usage: escartinol-lists build --from WORDFILE [--out DIR] [--force]\n"
    "  build  writes DEF_4L.txt .. DEF_9L.txt from a UTF-8 word file, one word a line;\n"
    "         lists already in DIR are kept unless --force is given\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? std::cerr : std::cout) << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    try {
        if (args[0] == "build") return escartinol::RunBuild(rest);
    } catch (const std::exception& e) {
        std::cerr << "escartinol-lists: " << e.what() << "\n";
        return 2;
    }
    std::cerr << "escartinol-lists: unknown command '" << args[0] << "'\n" << kUsage;
    return 2;
}
