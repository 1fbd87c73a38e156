// Catalog lookups and loading on synthetic catalogs of 2,000 and 20,000 entries, cold (the
// parsed file dropped before every run) and warm, against one parse of the same file by inih.
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <ini.h>

#include "orvano/catalog/file_io.h"
#include "orvano/catalog/label_catalog.h"
#include "orvano/catalog/lookup.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/host/app_path.h"
#include "orvano/host/headless/headless.h"

namespace {

using orvano::catalog::CatalogEntry;
using orvano::catalog::LabelCatalog;
using orvano::catalog::ProfileCache;

// One generated catalog per size, in its own folder, written once per run of the benchmarks.
struct Catalog {
  std::string folder;
  std::vector<CatalogEntry> entries;
};

const Catalog& CatalogOf(int n) {
  static std::map<int, Catalog> catalogs;
  // Generated at run time and removed at exit: catalogs are never kept or committed.
  static const struct Root {
    std::string path;
    Root() {
      path = (std::filesystem::temp_directory_path() / "orvano-bench-XXXXXX").string();
      if (mkdtemp(path.data()) == nullptr) std::abort();
    }
    ~Root() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  } root;
  auto it = catalogs.find(n);
  if (it != catalogs.end()) return it->second;
  Catalog c;
  c.folder = root.path + "/" + std::to_string(n);
  std::filesystem::create_directories(c.folder);
  const std::string file = c.folder + "/ovAdrKit.def";
  const std::string cmd =
      "python3 '" ORVANO_MAKE_CATALOG "' " + std::to_string(n) + " '" + file + "'";
  if (std::system(cmd.c_str()) != 0) std::abort();
  // A shipped catalog is old; a file changed moments ago is confirmed against its bytes.
  const timeval old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
  utimes(file.c_str(), old);
  LabelCatalog all;
  all.LoadCatalogFile(file);
  c.entries = all.Entries();
  return catalogs.emplace(n, std::move(c)).first->second;
}

void LookupRun(benchmark::State& state, bool cold) {
  const Catalog& c = CatalogOf(static_cast<int>(state.range(0)));
  orvano::host::SetAppPath(c.folder);
  std::string d;
  std::int32_t f, l, cols, rows;
  double x[6];
  std::size_t i = 0;
  for (auto _ : state) {
    if (cold) ProfileCache::Instance().Clear();
    const CatalogEntry& e = c.entries[(i += 7919) % c.entries.size()];
    benchmark::DoNotOptimize(orvano::catalog::LookupLabel(e.Brand, e.Name, "", d, f, l, cols, rows,
                                                          x[0], x[1], x[2], x[3], x[4], x[5]));
  }
  orvano::host::SetAppPath("");
}

void BM_LookupLabelCold(benchmark::State& state) { LookupRun(state, true); }
void BM_LookupLabelWarm(benchmark::State& state) { LookupRun(state, false); }

void LoadRun(benchmark::State& state, bool cold) {
  const Catalog& c = CatalogOf(static_cast<int>(state.range(0)));
  orvano::host::SetAppPath(c.folder);
  orvano::host::headless::HeadlessPlatform platform;
  for (auto _ : state) {
    if (cold) ProfileCache::Instance().Clear();
    LabelCatalog catalog;
    catalog.LoadCatalog(c.folder, platform);
    benchmark::DoNotOptimize(catalog.Entries().size());
  }
  orvano::host::SetAppPath("");
}

void BM_LoadCatalogCold(benchmark::State& state) { LoadRun(state, true); }
void BM_LoadCatalogWarm(benchmark::State& state) { LoadRun(state, false); }

// The yardstick: inih reading the same file once, keeping nothing but a count.
void BM_InihParse(benchmark::State& state) {
  const Catalog& c = CatalogOf(static_cast<int>(state.range(0)));
  const std::string file = c.folder + "/ovAdrKit.def";
  for (auto _ : state) {
    long count = 0;
    ini_parse(
        file.c_str(),
        [](void* user, const char*, const char*, const char*) {
          ++*static_cast<long*>(user);
          return 1;
        },
        &count);
    benchmark::DoNotOptimize(count);
  }
}

// The file reader alone: one whole read of a file of the given size in MiB (a file above 32 MiB
// gets memory of its own from the allocator on every read).
void BM_ReadWholeFile(benchmark::State& state) {
  static const struct Files {
    std::string folder;
    Files() {
      folder = (std::filesystem::temp_directory_path() / "orvano-read-XXXXXX").string();
      if (mkdtemp(folder.data()) == nullptr) std::abort();
    }
    ~Files() {
      std::error_code ec;
      std::filesystem::remove_all(folder, ec);
    }
  } files;
  const std::size_t size = static_cast<std::size_t>(state.range(0)) << 20;
  const std::string path = files.folder + "/" + std::to_string(state.range(0)) + ".def";
  if (!std::filesystem::exists(path)) {
    const std::string line = "Etikett 12345=Adressen;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n";
    std::string bytes;
    bytes.reserve(size);
    while (bytes.size() + line.size() <= size) bytes += line;
    bytes.resize(size, ';');
    std::ofstream(path, std::ios::binary) << bytes;
  }
  for (auto _ : state) {
    std::string bytes;
    orvano::catalog::FileIdentity identity;
    if (orvano::catalog::ReadWholeFile(path, bytes, identity) != orvano::catalog::FileState::Ok)
      std::abort();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(size));
}

BENCHMARK(BM_ReadWholeFile)->Arg(1)->Arg(16)->Arg(48)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupLabelCold)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupLabelWarm)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadCatalogCold)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadCatalogWarm)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InihParse)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
