#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace examsim::bench {

// Runs every registered benchmark, keeps each one's real time per iteration,
// and lets the caller print ratios between them measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                seconds_[r.benchmark_name()] = r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    double seconds(const std::string& name) const {
        auto it = seconds_.find(name);
        return it == seconds_.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> seconds_;
};

inline void printRatio(const char* what, double value, const char* target, bool met) {
    std::printf("RATIO %-58s %8.3f  (target %s) %s\n", what, value, target, met ? "met" : "NOT MET");
}

}  // namespace examsim::bench
