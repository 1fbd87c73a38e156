// The demo's printing: the print dialog, address lists, the fit report before printing, progress
// with cancel, printer calibration, and the status line that says what a print will take.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>

#include "demo_window.h"
#include "orvano/host/error.h"
#include "orvano/print_data/csv_table.h"
#include "orvano/print_data/printer_offsets.h"
#include "orvano/qt/print/calibration_sheet.h"
#include "orvano/qt/print/label_geometry.h"
#include "orvano/qt/print/print_report_text.h"
#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_select_widget.h"

namespace orvano::demo {

namespace {

const QString kPrintTitle = QStringLiteral("Drucken");

QString Documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

// The name offsets are stored under: the queue, or "PDF" for a file.
std::string PrinterKey(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
    return "PDF";
  return printer.printerName().toStdString();
}

}  // namespace

QWidget* DemoWindow::BuildPrintButtons(QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* buttons = new QHBoxLayout(row);
  buttons->setContentsMargins(0, 0, 0, 0);
  loadAddresses_ = new QPushButton(QStringLiteral("Adressen &laden..."), row);
  calibrate_ = new QPushButton(QStringLiteral("Drucker ei&nmessen..."), row);
  print_ = new QPushButton(QStringLiteral("&Drucken..."), row);
  buttons->addWidget(loadAddresses_);
  buttons->addWidget(calibrate_);
  buttons->addStretch(1);
  buttons->addWidget(print_);
  return row;
}

qt::FieldTexts DemoWindow::Texts() const {
  qt::FieldTexts texts;
  texts.Set(QStringLiteral("ReturnAddress"), sender_->text());
  texts.Set(QStringLiteral("LabelHeading"), heading_->text());
  texts.Set(QStringLiteral("Address"), addressLabel_->address());
  return texts;
}

std::vector<qt::FieldTexts> DemoWindow::Records() const {
  if (addresses_.isEmpty()) return {Texts()};
  std::vector<qt::FieldTexts> records;
  records.reserve(static_cast<std::size_t>(addresses_.size()));
  qt::FieldTexts texts = Texts();
  for (const QString& address : addresses_) {
    texts.Set(QStringLiteral("Address"), address);
    records.push_back(texts);
  }
  return records;
}

qt::PrintOptions DemoWindow::Options() const {
  qt::PrintOptions options;
  options.startLabel = labelSelect_->labelID();
  options.direction = labelSelect_->direction();
  options.outlines = outlines_->isChecked();
  // Without a list, the typed address goes on every label of one sheet.
  options.labelsPerRecord = addresses_.isEmpty() ? 0 : 1;
  return options;
}

void DemoWindow::UpdateStatus() {
  const int start = std::max(0, labelSelect_->labelID()) + 1;
  QString text = QStringLiteral("Der Druck beginnt beim %1. Etikett.").arg(start);
  if (!addresses_.isEmpty()) {
    try {
      const qt::SheetCount count =
          qt::CountSheets(*labelSelect_->labelDef(), addresses_.size(), Options());
      text +=
          QStringLiteral(" %1 %2: %3.")
              .arg(addresses_.size())
              .arg(addresses_.size() == 1 ? QStringLiteral("Adresse") : QStringLiteral("Adressen"),
                   qt::SheetCountText(count.labels, count.sheets));
    } catch (const host::Error& e) {
      text += QStringLiteral(" ") + QString::fromStdString(e.what());
    }
  }
  statusBar()->showMessage(text);
}

QString DemoWindow::LoadAddresses(const QString& csvPath) {
  const auto table = print_data::ReadCsvFile(QDir::toNativeSeparators(csvPath).toStdString());
  QStringList addresses;
  for (const std::string& a : print_data::AddressesOf(table))
    addresses << QString::fromStdString(a);
  addresses_ = addresses;
  UpdateStatus();
  return statusBar()->currentMessage();
}

void DemoWindow::OnLoadAddresses() {
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("Adressen laden"), Documents(),
                                   QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)"));
  if (path.isEmpty()) return;
  try {
    LoadAddresses(path);
  } catch (const host::Error& e) {
    QMessageBox::warning(
        this, QStringLiteral("Adressen laden"),
        QStringLiteral("Die Adressliste kann nicht gelesen werden.\n%1").arg(e.what()));
  }
}

qt::PrintReport DemoWindow::PrintTo(const QString& pdfPath) {
  const auto def = labelSelect_->labelDef();
  qt::PrintOptions options = Options();
  options.offset = print_data::LoadPrinterOffset(dataFolder_.toStdString(), "PDF");
  return qt::PrintToPdf(pdfPath, *def, Records(), options);
}

void DemoWindow::OnPrint() {
  try {
    const auto def = labelSelect_->labelDef();
    qt::CheckPrintable(*def);
    QPrinter printer(QPrinter::HighResolution);
    qt::SetUpPrinter(printer, *def);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(kPrintTitle);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted) return;
    qt::SetUpPrinter(printer, *def);  // the sheet's paper, whatever the dialog suggested

    const std::vector<qt::FieldTexts> records = Records();
    qt::PrintOptions options = Options();
    options.offset = print_data::LoadPrinterOffset(dataFolder_.toStdString(), PrinterKey(printer));
    const qt::PrintReport planned = qt::CheckFit(printer, *def, records, options);
    const QString fit = qt::FitReportText(planned);
    if (!fit.isEmpty() &&
        QMessageBox::question(this, kPrintTitle, fit + QStringLiteral("\n\nTrotzdem drucken?")) !=
            QMessageBox::Yes) {
      return;
    }

    QProgressDialog progress(QStringLiteral("Etiketten werden gedruckt ..."),
                             QStringLiteral("Abbrechen"), 0, 100, this);
    progress.setWindowTitle(kPrintTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    options.progress = [&progress](std::int64_t done, std::int64_t total) {
      progress.setValue(total > 0 ? static_cast<int>(done * 100 / total) : 0);
      QApplication::processEvents();
      return !progress.wasCanceled();
    };
    const qt::PrintReport report = qt::PrintLabels(printer, *def, records, options);
    progress.reset();
    if (report.cancelled) {
      statusBar()->showMessage(QStringLiteral("Der Druck wurde abgebrochen."));
    } else if (printer.outputFormat() == QPrinter::PdfFormat) {
      statusBar()->showMessage(
          QStringLiteral("Gedruckt in %1").arg(QDir::toNativeSeparators(printer.outputFileName())));
    } else {
      statusBar()->showMessage(
          QStringLiteral("Gedruckt auf %1: %2.")
              .arg(printer.printerName(), qt::SheetCountText(report.labels, report.sheets)));
    }
  } catch (const host::Error& e) {
    QMessageBox::warning(this, kPrintTitle, QString::fromStdString(e.what()));
  }
}

void DemoWindow::OnCalibrate() {
  const QString title = QStringLiteral("Drucker einmessen");
  try {
    const auto def = labelSelect_->labelDef();
    QPrinter printer(QPrinter::HighResolution);
    qt::SetUpPrinter(printer, *def);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) return;
    qt::SetUpPrinter(printer, *def);
    const std::string folder = dataFolder_.toStdString(), key = PrinterKey(printer);
    print_data::PrinterOffset offset = print_data::LoadPrinterOffset(folder, key);
    qt::PrintCalibrationSheet(printer, *def, offset);

    bool ok = false;
    const double limit = print_data::kMaxPrinterOffset;
    const double h = QInputDialog::getDouble(
        this, title, QStringLiteral("Versatz waagerecht in mm (+ nach rechts):"), offset.Horizontal,
        -limit, limit, 2, &ok);
    if (!ok) return;
    const double v = QInputDialog::getDouble(
        this, title, QStringLiteral("Versatz senkrecht in mm (+ nach unten):"), offset.Vertical,
        -limit, limit, 2, &ok);
    if (!ok) return;
    offset = {h, v};
    if (!print_data::SavePrinterOffset(folder, key, offset)) {
      QMessageBox::warning(this, title,
                           QStringLiteral("Der Versatz konnte nicht gespeichert werden."));
      return;
    }
    statusBar()->showMessage(QStringLiteral("Versatz für %1 gespeichert: %2 mm, %3 mm.")
                                 .arg(QString::fromStdString(key))
                                 .arg(h)
                                 .arg(v));
  } catch (const host::Error& e) {
    QMessageBox::warning(this, title, QString::fromStdString(e.what()));
  }
}

}  // namespace orvano::demo
