// escartinol-lists: tools for the player-edited word lists.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "lists/day_board_choice.h"
#include "lists/list_build.h"
#include "lists/list_check.h"
#include "lists/list_edit.h"
#include "lists/player_copy.h"
#include "tools/command_line.h"
#include "tools/list_options.h"
#include "tools/tool_messages.h"
#include "version.h"

namespace escartinol {
namespace {

constexpr OptionSpec kBuildOptions[] = {kHelpOption,           kVersionOption,   {"from", 0, true},
                                        {"hunspell", 0, true}, {"out", 0, true}, {"force"}};
constexpr OptionSpec kCheckOptions[] = {kHelpOption, kVersionOption, kListsOption, kLangOption, {"fix"}};
constexpr OptionSpec kEditOptions[] = {kHelpOption, kVersionOption, kListsOption, kLangOption};
constexpr OptionSpec kCopyOptions[] = {kHelpOption, kVersionOption, kLangOption};
constexpr OptionSpec kDaysOptions[] = {kHelpOption, kVersionOption, kListsOption, {"hunspell", 0, true}};

// The report of a job: its warnings on standard error, what it says on standard output, escaped.
int Print(const Report& report) {
    for (const std::string& line : report.warnings) Complain(line);
    for (const std::string& line : report.said) std::cout << ShownText(line, std::string::npos) << '\n';
    return report.status;
}

void SayWaiting(const std::string& folder) { Complain("waiting for another edit of " + folder + " to end"); }

int RunBuild(const CommandLine& line) {
    if (!line.operands.empty()) return Refuse("unexpected argument '" + line.operands[0] + "' (see --help)");
    // Started from the home folder, a build without --out would scatter lists there.
    if (!line.Has("out"))
        return Refuse("give the folder for the lists with --out DIR; without it they would be written into " +
                      std::filesystem::current_path().string());
    return Print(
        BuildLists({line.Value("from"), line.Value("hunspell"), line.Value("out"), line.Has("force")}, SayWaiting));
}

// The check command again with --fix, as the player typed it.
std::string FixCommand(const CommandLine& line) {
    std::string command = "escartinol-lists check --fix";
    if (line.Has(kListsOption.name)) command += " --lists " + line.Value(kListsOption.name);
    if (line.Has(kLangOption.name)) command += " --lang " + line.Value(kLangOption.name);
    for (const std::string& operand : line.operands) command += " " + operand;
    return command;
}

int RunCheck(const CommandLine& line) {
    ListOptions options;
    std::string error = TakeListOptions(line, options);
    // The folder may also be given bare, as the one argument.
    if (error.empty() && (line.operands.size() > 1 || (!line.operands.empty() && !options.dir.empty())))
        error = "expected at most one folder, got '" + line.operands.back() + "'";
    if (error.empty() && !line.operands.empty()) options.dir = line.operands[0];
    const auto found = error.empty() ? LocateLists(options, error) : std::nullopt;
    if (!found) return Refuse(error);
    return Print(CheckLists({found->place.dir, options.Lang(), line.Has("fix"), FixCommand(line)}, SayWaiting));
}

int RunEdit(bool adding, const CommandLine& line) {
    ListOptions options;
    std::string error = TakeListOptions(line, options);
    const auto found = error.empty() ? LocateLists(options, error) : std::nullopt;
    if (!found) return Refuse(error);
    return Print(EditLists({adding, found->place.dir, found->found && found->place.kind == ListPlaceKind::kInstalled,
                            options.Lang(), line.operands},
                           SayWaiting));
}

// update and reset work on the player's copy alone, named by its language.
int RunOnCopy(const CommandLine& line, Report (*job)(std::string_view, const WaitNotice&)) {
    if (!line.operands.empty()) return Refuse("unexpected argument '" + line.operands[0] + "' (see --help)");
    ListOptions options;
    if (const std::string error = TakeListOptions(line, options); !error.empty()) return Refuse(error);
    return Print(job(options.Lang(), SayWaiting));
}

// The boards of the day, one a line, for the release's fixed list of them (scripts/day-boards.sh).
int RunDays(const CommandLine& line) {
    if (!line.Has(kListsOption.name) || !line.Has("hunspell")) return Refuse("give --lists DIR and --hunspell DICT");
    std::string error;
    const auto boards = ChooseDayBoards(line.Value(kListsOption.name), line.Value("hunspell"), error);
    if (!error.empty()) return Refuse(error);
    for (const std::string& board : boards) std::cout << board << '\n';
    return boards.empty() ? 1 : 0;
}

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
     [](const CommandLine& line) { return RunOnCopy(line, UpdateCopy); }},
    {{"escartinol-lists reset",
      "usage: escartinol-lists reset [--lang fr|oc]\n"
      "  removes your copy of the installed lists and the record of your words, after naming\n"
      "  them; the game then reads the installed lists\n",
      kCopyOptions},
     [](const CommandLine& line) { return RunOnCopy(line, ResetCopy); }},
    {{"escartinol-lists days",
      "usage: escartinol-lists days --lists DIR --hunspell DICT\n"
      "  prints the boards of the day that the lists of DIR and the headwords of the Hunspell\n"
      "  dictionary DICT give, one a line, in the order the days take them\n",
      kDaysOptions},
     RunDays},
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
