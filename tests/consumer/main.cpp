// Shows a LabelSelectWidget with the first label of the shipped catalog, reads its LabelDef and
// prints one sheet of address labels into a PDF: label-printer OUT.pdf
#include <orvano/catalog/catalog_files.h>
#include <orvano/catalog/label_catalog.h>
#include <orvano/host/error.h>
#include <orvano/qt/print/label_printer.h>
#include <orvano/qt/widgets/label_select_widget.h>
#include <orvano/version.h>
#include <QApplication>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: label-printer OUT.pdf\n");
    return 2;
  }
  try {
    const std::string catalogPath = orvano::catalog::ShippedCatalogPath();
    orvano::catalog::LabelCatalog catalog;
    catalog.LoadCatalogFile(catalogPath);
    const orvano::catalog::CatalogEntry* stock = nullptr;
    for (const auto& entry : catalog.Entries()) {
      if (!entry.Name.empty()) {
        stock = &entry;
        break;
      }
    }
    if (!stock) {
      std::fprintf(stderr, "no shipped catalog at %s\n", catalogPath.c_str());
      return 1;
    }

    orvano::qt::LabelSelectWidget labelSelect;
    labelSelect.setAddressLabel(true);
    labelSelect.setBrand(QString::fromStdString(stock->Brand));
    labelSelect.setLabelName(QString::fromStdString(stock->Name));
    labelSelect.show();
    QApplication::processEvents();

    const auto def = labelSelect.labelDef();  // lengths in mm; SpaceWidth/Height are the gaps
    if (def->Cols() != stock->Cols || def->LabelWidth() != stock->LabelWidth) {
      std::fprintf(stderr, "the LabelDef is not the catalog's label\n");
      return 1;
    }
    orvano::qt::FieldTexts texts;  // by field source: ReturnAddress, LabelHeading, Address
    texts.Set(QStringLiteral("ReturnAddress"),
              QStringLiteral("Max Muster · Hauptstr. 1 · 12345 Ort"));
    texts.Set(QStringLiteral("LabelHeading"), QStringLiteral("Einschreiben"));
    texts.Set(QStringLiteral("Address"),
              QStringLiteral("Erika Mustermann\nHeidestraße 17\n51147 Köln"));
    orvano::qt::PrintOptions options;
    options.startLabel = labelSelect.labelID();
    options.direction = labelSelect.direction();
    orvano::qt::PrintSheetToPdf(QString::fromLocal8Bit(argv[1]), *def, texts, options);

    std::printf("Orvano %s: %s %s, %d x %d labels of %g x %g mm, %d fields\ncatalog: %s\n",
                ORVANO_VERSION_STRING, def->Brand().c_str(), def->LabelName().c_str(), def->Cols(),
                def->Rows(), def->LabelWidth(), def->LabelHeight(), def->Fields()->Count(),
                catalogPath.c_str());
    return 0;
  } catch (const orvano::host::Error& e) {
    std::fprintf(stderr, "Orvano error %d: %s\n", e.Number(), e.what());
    return 1;
  }
}
