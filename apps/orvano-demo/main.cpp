// orvano-demo: a host application of the label controls. Choose a label sheet, type an address,
// print it on every label of the sheet from the start label on.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "demo_paths.h"
#include "demo_window.h"
#include "orvano/host/error.h"
#include "orvano/qt/print/print_report_text.h"
#include "orvano/qt/property_file.h"
#include "screenshots.h"

namespace {

void Report(const QString& text) { std::fprintf(stderr, "orvano-demo: %s\n", qPrintable(text)); }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orvano-demo"));
  // No display name: Qt would append it to every window title, and the settings dialog and its
  // message boxes are titled "Etiketteneinstellungen", nothing more.
  // The program speaks German, so Qt's own dialogs (the file dialog of "Drucken...") do too.
  QTranslator qtGerman;
  if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtGerman);
  }

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Adressetiketten auswählen, beschriften und drucken."));
  parser.addHelpOption();
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Bildschirmfotos als PNG in <Ordner> schreiben und beenden."),
      QStringLiteral("Ordner"));
  const QCommandLineOption pdf(
      QStringLiteral("pdf"),
      QStringLiteral("Den Ausdruck des gespeicherten Stands als PDF schreiben und beenden."),
      QStringLiteral("Datei"));
  const QCommandLineOption addresses(
      QStringLiteral("addresses"),
      QStringLiteral("Eine Adressliste (CSV) laden: eine Adresse je Etikett ab dem Startetikett."),
      QStringLiteral("Datei.csv"));
  parser.addOption(screenshot);
  parser.addOption(pdf);
  parser.addOption(addresses);
  parser.process(app);
  const bool batch = parser.isSet(screenshot) || parser.isSet(pdf) || parser.isSet(addresses);

  const QString dataFolder = orvano::demo::DataFolder();
  if (dataFolder.isEmpty())
    Report(QStringLiteral("Kein Datenordner; eigene Etiketten werden nicht gespeichert."));
  const QString stateFile = dataFolder.isEmpty() ? QString() : orvano::demo::StateFile(dataFolder);

  orvano::qt::PropertyFile state;
  if (!stateFile.isEmpty() && QFileInfo::exists(stateFile)) {
    try {
      state.Load(stateFile.toStdString());
    } catch (const orvano::host::Error& e) {
      Report(QStringLiteral("Gespeicherter Stand nicht lesbar (%1), Neubeginn.")
                 .arg(QString::fromStdString(e.what())));
    }
  }

  orvano::demo::DemoWindow window(dataFolder);
  const QStringList ignored = window.Restore(state);
  if (!ignored.isEmpty())
    Report(QStringLiteral("Gespeicherter Stand beschädigt, nicht übernommen: %1")
               .arg(ignored.join(QStringLiteral(", "))));
  window.resize(window.sizeHint().expandedTo(QSize(1180, 660)));
  window.show();

  if (batch) {
    int rc = 0;
    if (parser.isSet(addresses)) {
      try {
        std::printf("%s\n", qPrintable(window.LoadAddresses(parser.value(addresses))));
      } catch (const orvano::host::Error& e) {
        Report(QString::fromStdString(e.what()));
        return 1;
      }
    }
    if (parser.isSet(screenshot)) {
      QStringList errors;
      const QStringList files =
          orvano::demo::WriteScreenshots(window, parser.value(screenshot), errors);
      for (const QString& f : files) std::printf("%s\n", qPrintable(QDir::toNativeSeparators(f)));
      for (const QString& e : errors) Report(e);
      if (!errors.isEmpty()) rc = 1;
    }
    if (parser.isSet(pdf)) {
      try {
        const orvano::qt::PrintReport report = window.PrintTo(parser.value(pdf));
        const QString fit = orvano::qt::FitReportText(report);
        if (!fit.isEmpty()) Report(fit);
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(parser.value(pdf))));
      } catch (const orvano::host::Error& e) {
        Report(QString::fromStdString(e.what()));
        rc = 1;
      }
    }
    return rc;
  }

  const int rc = QApplication::exec();
  if (!stateFile.isEmpty()) {
    try {
      window.Save(state);
      state.Save(stateFile.toStdString());
    } catch (const orvano::host::Error& e) {
      Report(QStringLiteral("Stand nicht gespeichert: %1").arg(QString::fromStdString(e.what())));
    }
  }
  return rc;
}
