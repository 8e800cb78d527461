#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace pr::test {

// A drag is measured step by step: each step's wall time, then their
// median and the worst as the benchmark's counters (median_ms, worst_ms).
inline constexpr int kSteps = 100;

class StepTimes {
 public:
  explicit StepTimes(benchmark::State& state) : state_(state) {}
  StepTimes(const StepTimes&) = delete;
  StepTimes& operator=(const StepTimes&) = delete;
  ~StepTimes() {
    if (times_.empty()) return;
    std::sort(times_.begin(), times_.end());
    state_.counters["median_ms"] = times_[times_.size() / 2];
    state_.counters["worst_ms"] = times_.back();
  }

  template <typename Step>
  void Time(const Step& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    times_.push_back(took.count());
  }
  int Count() const { return static_cast<int>(times_.size()); }

 private:
  benchmark::State& state_;
  std::vector<double> times_;
};

}  // namespace pr::test
