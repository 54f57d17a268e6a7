// escartinol-lists: tools for the player-edited word lists.
#include <iostream>
#include <string>
#include <vector>

#include "tools/command_line.h"
#include "tools/list_options.h"
#include "tools/lists_commands.h"
#include "tools/tool_messages.h"
#include "version.h"

namespace escartinol {
namespace {

constexpr OptionSpec kBuildOptions[] = {kHelpOption,           kVersionOption,   {"from", 0, true},
                                        {"hunspell", 0, true}, {"out", 0, true}, {"force"}};
constexpr OptionSpec kCheckOptions[] = {kHelpOption, kVersionOption, kListsOption, kLangOption, {"fix"}};
constexpr OptionSpec kEditOptions[] = {kHelpOption, kVersionOption, kListsOption, kLangOption};
constexpr OptionSpec kCopyOptions[] = {kHelpOption, kVersionOption, kLangOption};

struct ListsCommand {
    CommandSpec syntax;
    int (*run)(const CommandLine&);
};

const ListsCommand kCommands[] = {
    {{"escartinol-lists build",
      "usage: escartinol-lists build --from WORDFILE --out DIR [--force]\n"
      "       escartinol-lists build --hunspell DICT --out DIR [--force]\n"
      "  writes DEF_4L.txt .. DEF_9L.txt into DIR from a UTF-8 word file, one word a line, or from\n"
      "  the forms of a Hunspell dictionary that Hunspell accepts (DICT: its path without\n"
      "  extension, or a name in /usr/share/hunspell such as oc_FR); lists already in DIR are\n"
      "  kept unless --force is given\n",
      kBuildOptions},
     RunBuild},
    {{"escartinol-lists check",
      "usage: escartinol-lists check [--lists DIR | DIR] [--lang fr|oc] [--fix]\n"
      "  reports every line of the six lists that would hide words from the game; exit status 0\n"
      "  when all are sound, 1 when something is wrong, 2 when it cannot run. A list saved as\n"
      "  UTF-8 by a text editor is named; --fix converts it back to Windows-1252 in place\n",
      kCheckOptions},
     RunCheck},
    {{"escartinol-lists add",
      "usage: escartinol-lists add [--lists DIR] [--lang fr|oc] WORD...\n"
      "  files each word (4 to 9 lower-case letters) under its key in its list\n",
      kEditOptions},
     [](const CommandLine& line) { return RunEdit(true, line); }},
    {{"escartinol-lists remove",
      "usage: escartinol-lists remove [--lists DIR] [--lang fr|oc] WORD...\n"
      "  takes each word out of its list; a line left without words goes\n",
      kEditOptions},
     [](const CommandLine& line) { return RunEdit(false, line); }},
    {{"escartinol-lists update",
      "usage: escartinol-lists update [--lang fr|oc]\n"
      "  makes your copy of the installed lists again from the installed lists as they are now,\n"
      "  with your own words put back in, and says which of them the new lists already hold\n",
      kCopyOptions},
     RunUpdate},
    {{"escartinol-lists reset",
      "usage: escartinol-lists reset [--lang fr|oc]\n"
      "  removes your copy of the installed lists and the record of your words, after naming\n"
      "  them; the game then reads the installed lists\n",
      kCopyOptions},
     RunReset},
};

constexpr const char* kMoreUsage =
    "       escartinol-lists --help | --version\n"
    "  Without --lists, the lists are those the game reads: the current directory's when it\n"
    "  holds lists and no --lang is given, else the player's own, else the installed ones of\n"
    "  --lang (default fr). add and remove copy installed lists into the player's own folder\n"
    "  when a word changes them, and keep there the record of the player's words,\n"
    "  escartinol-words.txt. add and remove leave a broken list alone.\n";

void PrintUsage(std::ostream& out) {
    for (const ListsCommand& command : kCommands) out << command.syntax.usage;
    out << kMoreUsage;
}

}  // namespace
}  // namespace escartinol

int main(int argc, char** argv) {
    using namespace escartinol;
    const std::vector<std::string> args(argv + 1, argv + argc);
    SetProgramName("escartinol-lists");
    if (args.empty()) {
        PrintUsage(std::cerr);
        return 2;
    }
    for (const ListsCommand& command : kCommands) {
        if (command.syntax.program.substr(command.syntax.program.find(' ') + 1) != args[0]) continue;
        const ReadCommand read = ReadCommandLine(command.syntax, {args.begin() + 1, args.end()});
        if (!read.line) return read.status;
        try {
            return command.run(*read.line);
        } catch (const std::exception& e) {
            return Refuse(e.what());
        }
    }
    // No command: only the options that every command takes.
    constexpr OptionSpec kOwnOptions[] = {kHelpOption, kVersionOption};
    std::string error;
    const auto line = ParseCommandLine(args, kOwnOptions, error);
    if (line && line->Has("help")) {
        PrintUsage(std::cout);
        return 0;
    }
    if (line && line->Has("version")) {
        std::cout << "escartinol-lists " ESCARTINOL_VERSION "\n";
        return 0;
    }
    return Refuse(line ? "unknown command '" + args[0] + "' (see --help)" : error + " (see --help)");
}
