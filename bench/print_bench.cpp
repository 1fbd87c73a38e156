// Printing to PDF: one sheet of a small, a large and a huge grid, each label with a short
// two-line address, and a CSV address list over 100 sheets. Peak memory is the process's, so run
// one case per process (--benchmark_filter) to read it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "orvano/host/error.h"
#include "orvano/model/enums.h"
#include "orvano/print_data/csv_table.h"
#include "orvano/qt/print/label_printer.h"

namespace {

double PeakResidentMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// cols x rows labels of 12 x 8 mm on a page just large enough.
orvano::LabelDef Grid(int cols, int rows) {
  orvano::LabelDef def;
  def.SetPageFormat(0);
  def.SetPageWidth(10 + cols * 12.0);
  def.SetPageHeight(10 + rows * 8.0);
  def.SetBorderLeft(5);
  def.SetBorderTop(5);
  def.SetCols(cols);
  def.SetRows(rows);
  def.SetLabelWidth(12);
  def.SetLabelHeight(8);
  auto f = def.Fields()->Add(orvano::ovFieldTypeDataField, "Address", "Address");
  f->SetFieldLeft(0.5);
  f->SetFieldTop(0.5);
  f->SetFieldWidth(11);
  f->SetFieldHeight(7);
  f->SetFontName("Arial");
  f->SetFontSize(6);
  return def;
}

void BM_PrintOneSheet(benchmark::State& state) {
  QTemporaryDir dir;
  const orvano::LabelDef def =
      Grid(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  orvano::qt::FieldTexts texts;
  texts.Set(QStringLiteral("Address"), QStringLiteral("Erika M.\n12345"));
  for (auto _ : state)
    orvano::qt::PrintSheetToPdf(dir.filePath(QStringLiteral("a.pdf")), def, texts, {});
  state.counters["labels"] = static_cast<double>(state.range(0) * state.range(1));
  state.counters["peak_MB"] = PeakResidentMb();
}
BENCHMARK(BM_PrintOneSheet)
    ->Args({3, 4})
    ->Args({100, 100})
    ->Args({300, 300})
    ->Unit(benchmark::kMillisecond);

// 3 x 8 labels of 70 x 37 mm on A4, three fields; the addresses read from a CSV text, one label
// each, sheets = records / 24.
void BM_PrintCsvSheets(benchmark::State& state) {
  QTemporaryDir dir;
  orvano::LabelDef def;
  def.SetPageFormat(orvano::ovPageFormatA4);
  def.SetCols(3);
  def.SetRows(8);
  def.SetBorderTop(0.5);
  def.SetLabelWidth(70);
  def.SetLabelHeight(37);
  auto add = [&](const char* name, double top, double height, int points) {
    auto f = def.Fields()->Add(orvano::ovFieldTypeDataField, name, name);
    f->SetFieldLeft(2);
    f->SetFieldTop(top);
    f->SetFieldWidth(66);
    f->SetFieldHeight(height);
    f->SetFontName("Arial");
    f->SetFontSize(points);
  };
  add("ReturnAddress", 1, 7.4, 7);
  add("Address", 8.4, 27.6, 10);
  std::string csv = "Name;Straße;Ort\r\n";
  const std::int64_t records = state.range(0) * 24;
  for (std::int64_t i = 0; i < records; ++i)
    csv += "Erika Mustermann " + std::to_string(i) + ";Hauptstraße " + std::to_string(i % 97) +
           ";12345 Musterstadt\r\n";
  for (auto _ : state) {
    const auto addresses = orvano::print_data::AddressesOf(orvano::print_data::ParseCsv(csv));
    std::vector<orvano::qt::FieldTexts> texts;
    for (const std::string& a : addresses) {
      orvano::qt::FieldTexts t;
      t.Set(QStringLiteral("ReturnAddress"), QStringLiteral("Probehaus GmbH · Am Markt 1"));
      t.Set(QStringLiteral("Address"), QString::fromStdString(a));
      texts.push_back(std::move(t));
    }
    const auto report =
        orvano::qt::PrintToPdf(dir.filePath(QStringLiteral("a.pdf")), def, texts, {});
    benchmark::DoNotOptimize(report.sheets);
  }
  state.counters["sheets"] = static_cast<double>(state.range(0));
  state.counters["peak_MB"] = PeakResidentMb();
}
BENCHMARK(BM_PrintCsvSheets)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

// A 9999 x 9999 grid is refused before any page is started.
void BM_RefuseHugeGrid(benchmark::State& state) {
  QTemporaryDir dir;
  orvano::LabelDef def = Grid(9999, 9999);
  def.SetPageFormat(orvano::ovPageFormatA4);
  def.SetLabelWidth(1);
  def.SetLabelHeight(1);
  orvano::qt::FieldTexts texts;
  for (auto _ : state) {
    try {
      orvano::qt::PrintSheetToPdf(dir.filePath(QStringLiteral("a.pdf")), def, texts, {});
      state.SkipWithError("printed");
    } catch (const orvano::host::Error& e) {
      benchmark::DoNotOptimize(e.what());
    }
  }
  state.counters["peak_MB"] = PeakResidentMb();
}
BENCHMARK(BM_RefuseHugeGrid)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
