// AddressLabel: what one property change costs (a full layout of the label and its twelve
// outline lines), one resize of the control, and a save and load through the property bag, on
// the headless host.
#include <benchmark/benchmark.h>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/host/headless/headless.h"

namespace {

using orvano::AddressLabel;
namespace headless = orvano::host::headless;

void BM_AddressLabelPropertySet(benchmark::State& state) {
  headless::HeadlessPlatform platform;
  headless::HeadlessContainer site(platform, orvano::host::ScaleMode::Twips, 6000, 3500);
  AddressLabel label(site);
  label.SetReturnAddressFormat(orvano::ovReturnAddressSingleLine);
  label.SetLabelHeading("Einschreiben");
  bool flip = false;
  for (auto _ : state) label.SetLabelWidth((flip = !flip) ? 88.9 : 70);
}
BENCHMARK(BM_AddressLabelPropertySet)->Unit(benchmark::kMicrosecond);

void BM_AddressLabelResize(benchmark::State& state) {
  headless::HeadlessPlatform platform;
  headless::HeadlessContainer site(platform, orvano::host::ScaleMode::Twips, 6000, 3500);
  AddressLabel label(site);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    site.Resize(flip ? 6000 : 2000, flip ? 3500 : 1200);
  }
}
BENCHMARK(BM_AddressLabelResize)->Unit(benchmark::kMicrosecond);

void BM_AddressLabelSaveAndLoad(benchmark::State& state) {
  headless::HeadlessPlatform platform;
  headless::HeadlessContainer site(platform, orvano::host::ScaleMode::Twips, 6000, 3500);
  AddressLabel label(site);
  label.SetAddress("Frau\r\nErika Müller\r\nHauptstraße 1\r\n12345 Köln");
  label.SetReturnAddress("A. Absender, Weg 2, 54321 Ort");
  label.SetLabelWidth(70);
  for (auto _ : state) {
    headless::MemoryPropertyBag bag;
    site.WriteProperties(bag);
    site.ReadProperties(bag);
    benchmark::DoNotOptimize(bag.Values().size());
  }
}
BENCHMARK(BM_AddressLabelSaveAndLoad)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
