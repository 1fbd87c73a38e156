// The settings dialog in Qt (offscreen unless a platform is chosen): opening it on synthetic
// catalogs of 2,000 to 200,000 entries, from building its widgets to the first label shown, with
// the catalog file already parsed (warm) or not (cold), and the peak memory of one cold opening.
#include <sys/time.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTimer>

#include "memory_probe.h"
#include "orvano/catalog/profile_cache.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/host/app_path.h"
#include "orvano/qt/qt_platform.h"

namespace {

using orvano::frmLabelConfig;
using orvano::catalog::ProfileCache;

// The component's folder with a generated catalog of n entries; removed at exit.
class CatalogFolder {
 public:
  explicit CatalogFolder(int n) {
    path_ = (std::filesystem::temp_directory_path() / "orvano-qt-dialog-bench-XXXXXX").string();
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
  CatalogFolder folder(static_cast<int>(state.range(0)));
  orvano::qt::QtPlatform platform;
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
