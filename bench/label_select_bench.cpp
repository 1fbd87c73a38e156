// LabelSelect: how a sheet refresh grows with the label count (the label arrays are computed
// from the grid, so it should not), and what one LabelDef read in address-label mode costs,
// catalog lookup included.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/host/app_path.h"
#include "orvano/host/headless/headless.h"

namespace {

using orvano::LabelSelect;
namespace headless = orvano::host::headless;

double PeakResidentMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Refresh of a cols x rows sheet (a Description change does nothing but refresh).
void BM_RefreshSheet(benchmark::State& state) {
  headless::HeadlessPlatform platform;
  headless::HeadlessContainer site(platform, orvano::host::ScaleMode::Pixels, 322, 417);
  LabelSelect control(site);
  control.SetCols(static_cast<std::int32_t>(state.range(0)));
  control.SetRows(static_cast<std::int32_t>(state.range(1)));
  bool flip = false;
  for (auto _ : state) {
    control.SetDescription((flip = !flip) ? "a" : "b");
    benchmark::DoNotOptimize(control.LoadedCount());
  }
  state.counters["labels"] = static_cast<double>(state.range(0) * state.range(1));
  state.counters["peak_MB"] = PeakResidentMb();
}
BENCHMARK(BM_RefreshSheet)
    ->Args({2, 6})
    ->Args({25, 40})
    ->Args({1000, 1000})
    ->Args({9999, 9999})
    ->Unit(benchmark::kMicrosecond);

// A click on the last label of the grid: hit test plus marker.
void BM_ClickLastLabel(benchmark::State& state) {
  headless::HeadlessPlatform platform;
  headless::HeadlessContainer site(platform, orvano::host::ScaleMode::Pixels, 322, 417);
  LabelSelect control(site);
  control.SetCols(static_cast<std::int32_t>(state.range(0)));
  control.SetRows(static_cast<std::int32_t>(state.range(0)));
  const std::int32_t last = control.LoadedCount() - 1;
  const orvano::SheetRect r = control.LabelRect(last);
  auto& areas = *site.FindArray("lblLabel");
  for (auto _ : state) benchmark::DoNotOptimize(site.ClickAt(areas, r.left + 1, r.top + 1));
}
BENCHMARK(BM_ClickLastLabel)->Arg(2)->Arg(9999);

class CatalogFolder {
 public:
  CatalogFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvano-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    std::ofstream(path_ + "/ovAdrKit.def")
        << "[Marke]\r\nStandard=Adressetiketten;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n";
    std::ofstream(path_ + "/ovAdrKit.adr") << "[Marke]\r\nStandard=2;1;2;1;0,5;1;11;2; 1\r\n";
    orvano::host::SetAppPath(path_);
  }
  ~CatalogFolder() {
    orvano::host::SetAppPath("");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

 private:
  std::string path_;
};

// One read of LabelDef with the three address fields; the object's own lookup reads the file.
void BM_LabelDefAddressMode(benchmark::State& state) {
  CatalogFolder folder;
  headless::HeadlessPlatform platform;
  headless::HeadlessContainer site(platform, orvano::host::ScaleMode::Pixels, 322, 417);
  LabelSelect control(site);
  control.SetAddressLabel(orvano::host::kTrue);
  control.SetBrand("Marke");
  control.SetLabelName("Standard");
  for (auto _ : state) benchmark::DoNotOptimize(control.LabelDef());
}
BENCHMARK(BM_LabelDefAddressMode)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
