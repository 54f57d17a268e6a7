// The checker reads the list first: an edit of a broken list would hide more words, or other ones.
#include "tools/sound_list.h"

#include <filesystem>
#include <iostream>

#include "tools/list_break_printer.h"
#include "tools/list_files.h"
#include "tools/tool_messages.h"
#include "words/list_checker.h"

namespace escartinol {

std::optional<std::string> ReadSoundList(int n, const std::string& path) {
    std::error_code ec;
    if (std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::not_found) return "";
    CBreakPrinter printer(std::cerr, path);
    const ListTally tally = CheckListFile(n, path, [&](const ListBreak& brk) { printer.Print(brk); });
    printer.PrintHiddenCounts();
    if (tally.breaks > 0) {
        Complain(path +
                 " is broken as shown above, so it was left alone; fix it by hand (escartinol-lists check "
                 "shows what is wrong)");
        return std::nullopt;
    }
    std::string bytes;
    if (const std::string error = ReadFileBytes(path, bytes); !error.empty()) {
        Complain(error);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace escartinol
