// The Qt sheet picture: a full repaint (what grab() does) right after the sheet changed, at
// growing grids on a small and a large widget, and a click that moves the marker, with the
// repaint it causes. Offscreen; the grid always fills the page, so label sizes shrink with it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "orvano/qt/widgets/label_select_widget.h"

namespace {

using orvano::qt::LabelSelectWidget;

// A cols x rows grid spread over an A4 page with 5 mm margins, a tenth of each pitch as gap.
void ShowGrid(LabelSelectWidget& w, int cols, int rows, int width, int height) {
  w.resize(width, height);
  w.show();
  const double pitchX = 200.0 / cols, pitchY = 287.0 / rows;
  w.setBorderLeft(5);
  w.setBorderTop(5);
  w.setLabelWidth(0.9 * pitchX);
  w.setSpaceWidth(0.1 * pitchX);
  w.setLabelHeight(0.9 * pitchY);
  w.setSpaceHeight(0.1 * pitchY);
  w.setCols(cols);
  w.setRows(rows);
  QApplication::processEvents();
}

// Args: cols, rows, widget width, widget height.
void BM_SheetRepaint(benchmark::State& state) {
  LabelSelectWidget w;
  ShowGrid(w, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
           static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
  bool flip = false;
  for (auto _ : state) {
    state.PauseTiming();
    w.setDescription((flip = !flip) ? "a" : "b");  // a refresh: nothing drawn may be reused
    state.ResumeTiming();
    benchmark::DoNotOptimize(w.grab());
  }
  state.counters["labels"] = static_cast<double>(state.range(0) * state.range(1));
}

// A click on one label, then on another, each with the repaint it asks for.
void BM_MarkerMove(benchmark::State& state) {
  LabelSelectWidget w;
  ShowGrid(w, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
           static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
  QWidget* host = w.container().Widget();
  const auto centre = [&](int id) {
    const orvano::SheetRect r = w.control().LabelRect(id);
    return QPoint(static_cast<int>(r.left + r.width / 2), static_cast<int>(r.top + r.height / 2));
  };
  // The first and the last label (on a dense grid, where a pixel shows them).
  const QPoint a = centre(0), b = centre(w.cols() * w.rows() - 1);
  bool flip = false;
  for (auto _ : state) {
    QTest::mouseClick(host, Qt::LeftButton, {}, (flip = !flip) ? b : a);
    QApplication::processEvents();
  }
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (const auto& [w, h] : {std::pair{322, 417}, std::pair{1200, 1600}}) {
    for (int n : {0, 100, 400, 700, 1000, 9999}) {
      if (n == 0)
        b->Args({3, 4, w, h});
      else
        b->Args({n, n, w, h});
    }
  }
  b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_SheetRepaint)->Apply(Sizes);
BENCHMARK(BM_MarkerMove)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
