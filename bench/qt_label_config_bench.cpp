// The settings dialog in Qt (offscreen unless a platform is chosen): opening it on synthetic
// catalogs of 2,000 to 200,000 entries, from building its widgets to the first label shown, with
// the catalog file already parsed (warm) or not (cold), and the peak memory of one cold opening.
#include <string>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTimer>

#include "label_config_bench_setup.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/qt/qt_platform.h"

namespace {

using orvano::frmLabelConfig;

using orvano::bench::CatalogFolder;

// Opens the dialog and closes it as soon as its modal loop runs.
void OpenOnce(const CatalogFolder& folder, orvano::qt::QtPlatform& platform) {
  frmLabelConfig dialog(platform);
  dialog.SetDataFolder(folder.Path());
  dialog.SetBrand("Avery");
  QTimer::singleShot(0, [&] { dialog.Window().Close(); });
  dialog.Show();
  benchmark::DoNotOptimize(dialog.Result());
}

void OpenRun(benchmark::State& state, bool cold) {
  CatalogFolder folder(static_cast<int>(state.range(0)), "orvano-qt-dialog-bench");
  orvano::qt::QtPlatform platform;
  orvano::bench::MeasureOpenings(state, cold, [&] { OpenOnce(folder, platform); });
}

void BM_QtOpenDialog(benchmark::State& state) { OpenRun(state, false); }
void BM_QtOpenDialogCold(benchmark::State& state) { OpenRun(state, true); }
BENCHMARK(BM_QtOpenDialog)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtOpenDialogCold)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
