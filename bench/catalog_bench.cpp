// Catalog lookups and whole-catalog loading on synthetic catalogs of 2,000 to 400,000 entries,
// cold (the parsed file dropped before every run) and warm, each beside one parse of the same
// file by inih. Loads report their peak memory and what they hold, in bytes and per file byte.
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>
#include <ini.h>

#include "memory_probe.h"
#include "orvano/catalog/file_io.h"
#include "orvano/catalog/label_catalog.h"
#include "orvano/catalog/lookup.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/host/app_path.h"
#include "orvano/host/headless/headless.h"

namespace {

using orvano::catalog::LabelCatalog;
using orvano::catalog::ProfileCache;

// One generated catalog per size, in its own folder, written once per run of the benchmarks.
struct Catalog {
  std::string folder;
  std::string file;
  double bytes = 0;
  std::vector<std::pair<std::string, std::string>> labels;  // brand, name
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
  c.file = c.folder + "/ovAdrKit.def";
  const std::string cmd =
      "python3 '" ORVANO_MAKE_CATALOG "' " + std::to_string(n) + " '" + c.file + "'";
  if (std::system(cmd.c_str()) != 0) std::abort();
  // A shipped catalog is old; a file changed moments ago is confirmed against its bytes.
  const timeval old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
  utimes(c.file.c_str(), old);
  c.bytes = static_cast<double>(std::filesystem::file_size(c.file));
  {
    LabelCatalog all;
    all.LoadCatalogFile(c.file);
    for (const auto& e : all.Entries()) c.labels.emplace_back(std::string(e.Brand), e.Name);
  }
  ProfileCache::Instance().Clear();
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
    const auto& [brand, name] = c.labels[(i += 7919) % c.labels.size()];
    benchmark::DoNotOptimize(orvano::catalog::LookupLabel(brand, name, "", d, f, l, cols, rows,
                                                          x[0], x[1], x[2], x[3], x[4], x[5]));
  }
  ProfileCache::Instance().Clear();
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
  // One cold load more, for its memory: the peak while loading and what the loaded catalog
  // holds, the cached file included. It reads a copy under another path, so nothing cached for
  // the file above is freed while it is measured.
  const std::string copy = c.folder + "/copy";
  std::filesystem::create_directories(copy);
  std::filesystem::copy_file(c.file, copy + "/ovAdrKit.def",
                             std::filesystem::copy_options::overwrite_existing);
  const timeval old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
  utimes((copy + "/ovAdrKit.def").c_str(), old);
  orvano::host::SetAppPath(copy);
  ProfileCache::Instance().Clear();
  double peak = 0, held = 0;
  {
    LabelCatalog catalog;
    orvano::bench::MeasureMemory([&] { catalog.LoadCatalog(copy, platform); }, peak, held);
  }
  ProfileCache::Instance().Clear();
  state.counters["file_MB"] = c.bytes / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["held_MB"] = held / 1e6;
  state.counters["peak_x_file"] = peak / c.bytes;
  state.counters["held_x_file"] = held / c.bytes;
  orvano::host::SetAppPath("");
}

void BM_LoadCatalogCold(benchmark::State& state) { LoadRun(state, true); }
void BM_LoadCatalogWarm(benchmark::State& state) { LoadRun(state, false); }

// The yardstick: inih reading the same file once, keeping nothing but a count.
void BM_InihParse(benchmark::State& state) {
  const Catalog& c = CatalogOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    long count = 0;
    ini_parse(
        c.file.c_str(),
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

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_InihParse)->Apply(Sizes)->Arg(400000);
BENCHMARK(BM_LookupLabelCold)->Apply(Sizes)->Arg(400000);
BENCHMARK(BM_LookupLabelWarm)->Apply(Sizes);
BENCHMARK(BM_LoadCatalogCold)->Apply(Sizes);
BENCHMARK(BM_LoadCatalogWarm)->Apply(Sizes);
BENCHMARK(BM_ReadWholeFile)->Arg(1)->Arg(16)->Arg(48)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
