// What a job of the list tools has to tell, and how it ended: the jobs print nothing themselves.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace escartinol {

struct Report {
    std::vector<std::string> said;      // for standard output, UTF-8, a line each
    std::vector<std::string> warnings;  // for standard error
    int status = 0;                     // 0 done, 1 the lists are broken, 2 the job could not run

    void Say(std::string line) { said.push_back(std::move(line)); }
    void Warn(std::string line) { warnings.push_back(std::move(line)); }
    Report& Fail(std::string why, int code = 2) {
        Warn(std::move(why));
        status = code;
        return *this;
    }
};

// Called, with the folder, when a job must wait for another editor of it: the player hears it at once.
using WaitNotice = std::function<void(const std::string& folder)>;

}  // namespace escartinol
