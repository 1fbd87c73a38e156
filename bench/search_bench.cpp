// The catalog search, warm (entries loaded and folded once): by number, by size, combined, and
// the equivalents of one label, over a synthetic catalog of 20,000 entries (Arg 20000) and over
// the shipped catalog next to the benchmark (Arg 0). Building the search is measured apart.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <benchmark/benchmark.h>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/label_catalog.h"
#include "orvano/search/catalog_search.h"

namespace {

using orvano::search::CatalogSearch;
using orvano::search::SearchEntry;
using orvano::search::SearchQuery;

// 0: the shipped catalog; n: a catalog of n entries written by the generator, removed at exit.
const std::vector<SearchEntry>& EntriesOf(int n) {
  static std::map<int, std::vector<SearchEntry>> loaded;
  static const struct Root {
    std::string path;
    Root() {
      path = (std::filesystem::temp_directory_path() / "orvano-search-bench-XXXXXX").string();
      if (mkdtemp(path.data()) == nullptr) std::abort();
    }
    ~Root() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  } root;
  auto it = loaded.find(n);
  if (it != loaded.end()) return it->second;
  std::string file = orvano::catalog::ShippedCatalogPath();
  if (n > 0) {
    file = root.path + "/" + std::to_string(n) + ".def";
    const std::string cmd =
        "python3 '" ORVANO_MAKE_CATALOG "' " + std::to_string(n) + " '" + file + "'";
    if (std::system(cmd.c_str()) != 0) std::abort();
  }
  orvano::catalog::LabelCatalog catalog;
  catalog.LoadCatalogFile(file);
  if (catalog.Entries().empty()) std::abort();  // no shipped catalog: build it first
  return loaded.emplace(n, orvano::search::SearchEntriesOf(catalog)).first->second;
}

const CatalogSearch& SearchOf(int n) {
  static std::map<int, CatalogSearch> searches;
  auto it = searches.find(n);
  if (it == searches.end()) it = searches.emplace(n, CatalogSearch(EntriesOf(n))).first;
  return it->second;
}

void Run(benchmark::State& state, const SearchQuery& q) {
  const CatalogSearch& s = SearchOf(static_cast<int>(state.range(0)));
  std::size_t hits = 0;
  for (auto _ : state) {
    auto found = s.Find(q);
    hits = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["entries"] = static_cast<double>(s.Entries().size());
  state.counters["hits"] = static_cast<double>(hits);
}

void BM_FindNumber(benchmark::State& state) {
  SearchQuery q;
  q.Text = "716";
  Run(state, q);
}

void BM_FindSize(benchmark::State& state) {
  SearchQuery q;
  q.Width = 63.5, q.Height = 38.1, q.Tolerance = 0.5;
  Run(state, q);
}

void BM_FindCombined(benchmark::State& state) {
  SearchQuery q = orvano::search::QueryFromText("a 63,5 x 38,1");
  q.Tolerance = 5, q.PerSheet = 21, q.PageFormat = 9;
  Run(state, q);
}

void BM_Equivalents(benchmark::State& state) {
  const CatalogSearch& s = SearchOf(static_cast<int>(state.range(0)));
  std::size_t i = 0;
  for (auto _ : state) {
    auto found = s.Equivalents((i += 7919) % s.Entries().size());
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["entries"] = static_cast<double>(s.Entries().size());
}

void BM_BuildSearch(benchmark::State& state) {
  const std::vector<SearchEntry>& entries = EntriesOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    CatalogSearch s(entries);
    benchmark::DoNotOptimize(s.Entries().data());
  }
}

}  // namespace

BENCHMARK(BM_FindNumber)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindSize)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindCombined)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Equivalents)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildSearch)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
