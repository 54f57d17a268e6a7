// getopt_long in glibc's in-order mode: operands come back where they stand, whatever
// POSIXLY_CORRECT says, and a leading ':' tells a missing value from an unknown option.
#include "tools/command_line.h"

#include <getopt.h>

#include <algorithm>
#include <iostream>

#include "tools/tool_messages.h"
#include "version.h"

namespace escartinol {

namespace {

// getopt_long's code for option i of the table; above any byte, so that no letter collides.
constexpr int kLongCode = 256;
constexpr int kOperandCode = 1;

std::string Dashed(const OptionSpec& option) { return "--" + std::string(option.name); }

}  // namespace

std::string CommandLine::Value(std::string_view name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::span<const OptionSpec> options,
                                            std::string& error) {
    std::vector<std::string> words = {ProgramName()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> names;  // owned here: getopt keeps pointers to them
    for (const OptionSpec& option : options) names.emplace_back(option.name);
    std::vector<::option> table;
    std::string letters = "-:";
    for (std::size_t i = 0; i < options.size(); ++i) {
        const int code = kLongCode + static_cast<int>(i);
        table.push_back({names[i].c_str(), options[i].takesValue ? required_argument : no_argument, nullptr, code});
        if (options[i].letter) letters += std::string(1, options[i].letter) + (options[i].takesValue ? ":" : "");
    }
    table.push_back({nullptr, 0, nullptr, 0});
    const auto byCode = [&](int code) -> const OptionSpec* {
        if (code >= kLongCode && code < kLongCode + static_cast<int>(options.size())) return &options[code - kLongCode];
        for (const OptionSpec& option : options)
            if (option.letter && option.letter == code) return &option;
        return nullptr;
    };

    CommandLine line;
    ::optind = 0;  // glibc starts afresh, so that one process may parse twice
    ::opterr = 0;  // its messages would not name the command
    const int argc = static_cast<int>(words.size());
    for (int code; (code = ::getopt_long(argc, argv.data(), letters.c_str(), table.data(), nullptr)) != -1;) {
        const OptionSpec* option = byCode(code == ':' || code == '?' ? ::optopt : code);
        if (code == kOperandCode) {
            line.operands.emplace_back(::optarg);
        } else if (code == ':' && option) {
            error = Dashed(*option) + " needs a value";
        } else if (code == '?' && option) {
            error = Dashed(*option) + " takes no value";
        } else if (code == '?' || code == ':') {
            const std::string given =
                ::optopt ? "-" + std::string(1, static_cast<char>(::optopt)) : words[::optind - 1];
            // getopt_long takes any unique start of a long name, and says no more of one that is not.
            const std::string_view name = std::string_view(given).substr(0, given.find('='));
            const auto starts = std::count_if(options.begin(), options.end(), [&](const OptionSpec& known) {
                return name.starts_with("--") && Dashed(known).starts_with(name);
            });
            error = (starts > 1 ? "ambiguous option '" : "unknown option '") + given + "'";
        } else if (option->takesValue && *::optarg == '\0') {
            error = Dashed(*option) + " was given an empty value";
        } else {
            line.values[names[static_cast<std::size_t>(option - options.data())]] = option->takesValue ? ::optarg : "";
        }
        if (!error.empty()) return std::nullopt;
    }
    for (int i = ::optind; i < argc; ++i) line.operands.push_back(words[static_cast<std::size_t>(i)]);
    return line;
}

ReadCommand ReadCommandLine(const CommandSpec& command, const std::vector<std::string>& args) {
    SetProgramName(command.program);
    std::string error;
    auto line = ParseCommandLine(args, command.options, error);
    if (!line) return {std::nullopt, Refuse(error + " (see --help)")};
    if (line->Has(kHelpOption.name)) {
        std::cout << command.usage;
        return {std::nullopt, 0};
    }
    if (line->Has(kVersionOption.name)) {
        // The version names the program, not the command.
        std::cout << command.program.substr(0, command.program.find(' ')) << " " ESCARTINOL_VERSION "\n";
        return {std::nullopt, 0};
    }
    return {std::move(line), 0};
}

}  // namespace escartinol
