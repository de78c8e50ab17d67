#include "FloorReporter.h"

#include <cstdio>

namespace orlevan::bench {

// With repetitions the table takes each figure's median; a single run stands
// for itself.
void FloorReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const std::string name = run.run_name.str();
        if (!median && (run.run_type != Run::RT_Iteration || medians_.count(name))) {
            continue;
        }
        if (median) {
            medians_.insert(name);
        }
        const auto bytes = run.counters.find("bytes_per_second");
        if (bytes != run.counters.end()) {
            bytesPerSecond_[name] = bytes->second.value;
        }
        secondsPerIteration_[name] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

void FloorReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\n%-36s %12s %12s %12s %12s %8s\n", "benchmark", "ms", "MB/s", "floor ms",
                "floor MB/s", "ratio");
    for (const auto& [name, seconds] : secondsPerIteration_) {
        if (name.rfind("Floor", 0) == 0) {
            continue;
        }
        const auto floor = secondsPerIteration_.find("Floor" + name);
        if (floor == secondsPerIteration_.end()) {
            continue;
        }
        const double mbps = bytesPerSecond_.count(name) ? bytesPerSecond_[name] / 1e6 : 0.0;
        const double floorMbps =
            bytesPerSecond_.count(floor->first) ? bytesPerSecond_[floor->first] / 1e6 : 0.0;
        // Time ratio: how many times longer than its floor the operation takes.
        std::printf("%-36s %12.3f %12.1f %12.3f %12.1f %7.2fx\n", name.c_str(), seconds * 1e3, mbps,
                    floor->second * 1e3, floorMbps, seconds / floor->second);
    }
}

int runWithFloors(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    FloorReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace orlevan::bench
