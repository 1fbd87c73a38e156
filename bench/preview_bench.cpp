// Preview: what one property change costs (layout, full repaint and caption placement) in
// both layouts, and one repaint alone, on the headless host.
#include <benchmark/benchmark.h>

#include "orvano/controls/preview/preview.h"
#include "orvano/host/headless/headless.h"

namespace {

using orvano::Preview;
namespace headless = orvano::host::headless;

void BM_PreviewPropertySet(benchmark::State& state) {
  headless::HeadlessPlatform platform;
  headless::HeadlessContainer site(platform, orvano::host::ScaleMode::Pixels, 320, 240);
  Preview preview(site);
  preview.SetPreviewLayout(static_cast<orvano::ovPreviewLayoutConstants>(state.range(0)));
  bool flip = false;
  for (auto _ : state) {
    preview.SetLabelWidth((flip = !flip) ? 88.9 : 70);
    site.ClearDrawing();
  }
  state.SetLabel(state.range(0) == 0 ? "page layout" : "address layout");
}
BENCHMARK(BM_PreviewPropertySet)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PreviewPaint(benchmark::State& state) {
  headless::HeadlessPlatform platform;
  headless::HeadlessContainer site(platform, orvano::host::ScaleMode::Pixels, 320, 240);
  Preview preview(site);
  preview.SetPreviewLayout(static_cast<orvano::ovPreviewLayoutConstants>(state.range(0)));
  for (auto _ : state) {
    site.Paint();
    benchmark::DoNotOptimize(site.Drawing().size());
    site.ClearDrawing();
  }
  state.SetLabel(state.range(0) == 0 ? "page layout" : "address layout");
}
BENCHMARK(BM_PreviewPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
