#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <set>
#include <string>

namespace orlevan::bench {

// Prints Google Benchmark's usual table and then, for every benchmark named
// "<what>/<size>" that has a partner "Floor<what>/<size>", one line with both
// throughputs and their ratio, so each figure stands beside its floor (the
// medians when the benchmarks are repeated).
class FloorReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, double> bytesPerSecond_;
    std::map<std::string, double> secondsPerIteration_;
    std::set<std::string> medians_;
};

// Runs the registered benchmarks with the reporter above.
int runWithFloors(int argc, char** argv);

} // namespace orlevan::bench
