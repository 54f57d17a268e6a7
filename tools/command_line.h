// The one option parser of both tools: a table of options per command, read with getopt_long.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace escartinol {

struct OptionSpec {
    std::string_view name;  // the long name, without "--"
    char letter = 0;        // the short name, 0 for none
    bool takesValue = false;
};

struct CommandSpec {
    std::string_view program;  // as messages name it: "escartinol-lists add"
    std::string_view usage;    // printed whole by --help
    std::span<const OptionSpec> options;
};

struct CommandLine {
    std::map<std::string, std::string, std::less<>> values;  // a flag given maps to ""
    std::vector<std::string> operands;                       // in the order given

    bool Has(std::string_view name) const { return values.find(name) != values.end(); }
    std::string Value(std::string_view name) const;
};

// Options may stand anywhere among the operands, as --name VALUE, --name=VALUE or -l VALUE;
// "--" ends them. An empty value is refused: no option here means anything by it. Nothing, and
// error set, when the command line is wrong.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::span<const OptionSpec> options,
                                            std::string& error);

// What every command of the tools takes: -h/--help and -v/--version.
inline constexpr OptionSpec kHelpOption{"help", 'h'};
inline constexpr OptionSpec kVersionOption{"version", 'v'};

// Parses args for command and answers --help and --version itself; a wrong command line is one
// line on standard error. Either the command line, or the status to exit with at once.
struct ReadCommand {
    std::optional<CommandLine> line;
    int status = 0;
};
ReadCommand ReadCommandLine(const CommandSpec& command, const std::vector<std::string>& args);

}  // namespace escartinol
