// The settings dialog: opening it on synthetic catalogs of 2,000 to 200,000 entries (widgets,
// catalog load, lists and the first label) with the catalog file already parsed (warm) or not
// (cold), with the peak memory of one cold opening; a change of brand (its label list refilled
// and the first label shown), and one accepted field edit with its preview redraw.
#include <string>

#include <benchmark/benchmark.h>

#include "label_config_bench_setup.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/host/headless/headless.h"

namespace {

using orvano::frmLabelConfig;
namespace headless = orvano::host::headless;

using orvano::bench::CatalogFolder;

void OpenOnce(const CatalogFolder& folder, headless::HeadlessPlatform& platform) {
  frmLabelConfig dialog(platform);
  dialog.SetDataFolder(folder.Path());
  dialog.SetBrand("Avery");
  dialog.Show();  // no user queued: the close box closes it at once
  benchmark::DoNotOptimize(dialog.Result());
}

void OpenRun(benchmark::State& state, bool cold) {
  CatalogFolder folder(static_cast<int>(state.range(0)), "orvano-dialog-bench");
  headless::HeadlessPlatform platform;
  orvano::bench::MeasureOpenings(state, cold, [&] { OpenOnce(folder, platform); });
}

void BM_OpenDialog(benchmark::State& state) { OpenRun(state, false); }
void BM_OpenDialogCold(benchmark::State& state) { OpenRun(state, true); }
BENCHMARK(BM_OpenDialog)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDialogCold)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

// Runs the measured loop while the dialog is open.
template <class Step>
void WhileOpen(benchmark::State& state, int entries, Step step) {
  CatalogFolder folder(entries, "orvano-dialog-bench");
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
