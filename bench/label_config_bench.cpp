// The settings dialog: opening it on synthetic catalogs of 2,000 to 200,000 entries (widgets,
// catalog load, lists and the first label) with the catalog file already parsed (warm) or not
// (cold), with the peak memory of one cold opening; a change of brand (its label list refilled
// and the first label shown), and one accepted field edit with its preview redraw.
#include <sys/time.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "memory_probe.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/host/app_path.h"
#include "orvano/host/headless/headless.h"

namespace {

using orvano::frmLabelConfig;
namespace headless = orvano::host::headless;

// The component's folder with a generated catalog of n entries; removed at exit.
class CatalogFolder {
 public:
  explicit CatalogFolder(int n) {
    path_ = (std::filesystem::temp_directory_path() / "orvano-dialog-bench-XXXXXX").string();
    if (mkdtemp(path_.data()) == nullptr) std::abort();
    const std::string file = path_ + "/ovAdrKit.def";
    const std::string cmd =
        "python3 '" ORVANO_MAKE_CATALOG "' " + std::to_string(n) + " '" + file + "'";
    if (std::system(cmd.c_str()) != 0) std::abort();
    // A shipped catalog is old; a file changed moments ago is confirmed against its bytes.
    const timeval old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    utimes(file.c_str(), old);
    orvano::host::SetAppPath(path_);
  }
  ~CatalogFolder() {
    orvano::host::SetAppPath("");
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void OpenOnce(const CatalogFolder& folder, headless::HeadlessPlatform& platform) {
  frmLabelConfig dialog(platform);
  dialog.SetDataFolder(folder.Path());
  dialog.SetBrand("Avery");
  dialog.Show();  // no user queued: the close box closes it at once
  benchmark::DoNotOptimize(dialog.Result());
}

void OpenRun(benchmark::State& state, bool cold) {
  CatalogFolder folder(static_cast<int>(state.range(0)));
  headless::HeadlessPlatform platform;
  using orvano::catalog::ProfileCache;
  for (auto _ : state) {
    if (cold) ProfileCache::Instance().Clear();
    OpenOnce(folder, platform);
  }
  ProfileCache::Instance().Clear();
  double peak = 0, held = 0;
  orvano::bench::MeasureMemory([&] { OpenOnce(folder, platform); }, peak, held);
  ProfileCache::Instance().Clear();
  state.counters["entries"] = static_cast<double>(state.range(0));
  state.counters["peak_MB"] = peak / 1e6;
}

void BM_OpenDialog(benchmark::State& state) { OpenRun(state, false); }
void BM_OpenDialogCold(benchmark::State& state) { OpenRun(state, true); }
BENCHMARK(BM_OpenDialog)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDialogCold)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

// Runs the measured loop while the dialog is open.
template <class Step>
void WhileOpen(benchmark::State& state, int entries, Step step) {
  CatalogFolder folder(entries);
  headless::HeadlessPlatform platform;
  frmLabelConfig dialog(platform);
  dialog.SetDataFolder(folder.Path());
  platform.QueueUser([&](headless::HeadlessDialog& d) {
    for (auto _ : state) step(d);
  });
  dialog.Show();
}

void BM_ChangeBrand(benchmark::State& state) {
  int flip = 0;
  WhileOpen(state, static_cast<int>(state.range(0)), [&](headless::HeadlessDialog& d) {
    auto& brands = d.Form().Get<orvano::host::ComboBox>("cboBrands");
    d.Form().Choose(brands, (flip ^= 1));
  });
}
BENCHMARK(BM_ChangeBrand)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_FieldEdit(benchmark::State& state) {
  bool flip = false;
  WhileOpen(state, 2000, [&](headless::HeadlessDialog& d) {
    auto& field = d.Form().Get<orvano::host::TextBox>("txtBorderTop");
    d.Form().Type(field, (flip = !flip) ? "12" : "13");
    d.Form().Blur();
  });
}
BENCHMARK(BM_FieldEdit)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
