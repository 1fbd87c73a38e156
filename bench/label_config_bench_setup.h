// What the two settings-dialog benchmarks (headless and Qt) share: the component folder with a
// generated catalog, and the measured openings with the peak memory of one cold opening.
#pragma once

#include <sys/time.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "memory_probe.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/host/app_path.h"

namespace orvano::bench {

// A component folder holding a generated catalog of n entries: the application path while it
// lives, removed with everything in it at the end.
class CatalogFolder {
 public:
  CatalogFolder(int n, const std::string& prefix) {
    path_ = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (mkdtemp(path_.data()) == nullptr) std::abort();
    const std::string file = path_ + "/ovAdrKit.def";
    const std::string cmd =
        "python3 '" ORVANO_MAKE_CATALOG "' " + std::to_string(n) + " '" + file + "'";
    if (std::system(cmd.c_str()) != 0) std::abort();
    // A shipped catalog is old; a file changed moments ago is confirmed against its bytes.
    const timeval old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    utimes(file.c_str(), old);
    host::SetAppPath(path_);
  }
  ~CatalogFolder() {
    host::SetAppPath("");
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  CatalogFolder(const CatalogFolder&) = delete;
  CatalogFolder& operator=(const CatalogFolder&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Opens the dialog once per iteration, the parsed catalog dropped first when cold, then once
// more from cold for the peak memory, reported with the number of entries.
template <class Open>
void MeasureOpenings(benchmark::State& state, bool cold, Open open) {
  using catalog::ProfileCache;
  for (auto _ : state) {
    if (cold) ProfileCache::Instance().Clear();
    open();
  }
  ProfileCache::Instance().Clear();
  double peak = 0, held = 0;
  MeasureMemory(open, peak, held);
  ProfileCache::Instance().Clear();
  state.counters["entries"] = static_cast<double>(state.range(0));
  state.counters["peak_MB"] = peak / 1e6;
}

}  // namespace orvano::bench
