// The console report of Google Benchmark, followed by the figures side by side against their goals.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace escartinol::bench {

class CFiguresReporter : public benchmark::ConsoleReporter {
public:
    explicit CFiguresReporter(std::string listDir) : ConsoleReporter(OO_Tabular), m_listDir(std::move(listDir)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    // Seconds per iteration of the named benchmark: the median of its repetitions when it has some.
    double Seconds(const std::string& name) const;
    double CpuSeconds(const std::string& name) const;
    double Counter(const std::string& name, const std::string& counter) const;
    bool Has(const std::string& name) const { return m_runs.count(name) != 0; }

    std::string m_listDir;
    std::map<std::string, Run> m_runs;
};

}  // namespace escartinol::bench
