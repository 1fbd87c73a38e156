// The host runtime's hot paths: the number text and rounding that every catalog record and
// dialog field goes through, case folding of brands and keys, code-page conversion and line
// reading of catalog files.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "orvano/host/collection.h"
#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"
#include "orvano/host/text_file.h"

namespace {

using namespace orvano::host;

void BM_NumberTextShort(benchmark::State& state) {
  double x = 558.7;
  for (auto _ : state) benchmark::DoNotOptimize(NumberText(x));
}
BENCHMARK(BM_NumberTextShort);

void BM_NumberTextFifteenDigits(benchmark::State& state) {
  double x = 1.0 / 3.0;
  for (auto _ : state) benchmark::DoNotOptimize(NumberText(x));
}
BENCHMARK(BM_NumberTextFifteenDigits);

void BM_RoundOneDecimal(benchmark::State& state) {
  double x = 3 * 25.45;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(Round(x, 1));
  }
}
BENCHMARK(BM_RoundOneDecimal);

void BM_CLng(benchmark::State& state) {
  double x = 1234.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(CLng(x));
  }
}
BENCHMARK(BM_CLng);

void BM_UCaseBrand(benchmark::State& state) {
  const std::string brand = "Benutzerdefiniert Größe Überweisungsträger";
  for (auto _ : state) benchmark::DoNotOptimize(UCase(brand));
}
BENCHMARK(BM_UCaseBrand);

void BM_Cp1252ToUtf8PerKiB(benchmark::State& state) {
  std::string bytes;
  while (bytes.size() < 1024)
    bytes +=
        "Etikett f\xFCr Gr\xF6\xDF"
        "e A4;9;0;3;8;";
  bytes.resize(1024);
  for (auto _ : state) benchmark::DoNotOptimize(Cp1252ToUtf8(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1024);
}
BENCHMARK(BM_Cp1252ToUtf8PerKiB);

void BM_CollectionLookupByKey(benchmark::State& state) {
  KeyedCollection<int> c;
  for (int i = 0; i < state.range(0); ++i) c.Add(i, "Feld" + std::to_string(i));
  const std::string key = "FELD" + std::to_string(state.range(0) / 2);
  for (auto _ : state) benchmark::DoNotOptimize(c.Item(key));
}
BENCHMARK(BM_CollectionLookupByKey)->Arg(3)->Arg(1000);

// A catalog-sized file of CRLF lines, read line by line.
void BM_ReadLines(benchmark::State& state) {
  const auto lines = state.range(0);
  const std::string path =
      (std::filesystem::temp_directory_path() / ("orvano-bench-" + std::to_string(::getpid())))
          .string();
  {
    std::ofstream out(path, std::ios::binary);
    out << "[Marke]\r\n";
    for (std::int64_t i = 0; i < lines; ++i)
      out << "Etikett " << i << "=\"Beschreibung " << i << "\";9;0;3;8;8,5;13;70;37;0;0\r\n";
  }
  for (auto _ : state) {
    TextFileReader r;
    r.Open(path);
    std::size_t bytes = 0;
    while (!r.Eof()) bytes += r.ReadLine().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * lines);
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLines)->Arg(2000)->Arg(20000);

}  // namespace

BENCHMARK_MAIN();
