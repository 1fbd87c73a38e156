// Peak memory of one step, for the benchmarks' counters: the resident set's high-water mark is
// reset before the step (Linux clear_refs) and read after it, less what was resident before.
#pragma once

#include <malloc.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace orvano::bench {

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"); 0 when it cannot be read.
inline std::int64_t StatusBytes(const std::string& field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stoll(line.substr(field.size() + 1)) * 1024;
  }
  return 0;
}

// Runs step once and gives the peak of the resident set above what it was before, and what is
// still resident above it when step returns.
template <class Step>
void MeasureMemory(Step&& step, double& peakBytes, double& heldBytes) {
  malloc_trim(0);
  const std::int64_t before = StatusBytes("VmRSS");
  {
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5";
  }
  step();
  peakBytes = static_cast<double>(StatusBytes("VmHWM") - before);
  heldBytes = static_cast<double>(StatusBytes("VmRSS") - before);
}

}  // namespace orvano::bench
