// A minimal host: builds a label definition through the class factory, as a host application
// would, and prints it.
#include <iostream>
#include <string>

#include "orvano/host/error.h"
#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"
#include "orvano/library/orvano.h"
#include "orvano/model/enums.h"
#include "orvano/model/field_defs.h"
#include "orvano/model/label_def.h"

namespace {

void Print(const orvano::LabelDef& def) {
  using orvano::host::NumberText;
  const std::string name = orvano::host::Trim(def.Brand() + " " + def.LabelName());
  std::cout << "Etikett:      " << (name.empty() ? "eigene Maße" : name) << "\n"
            << "Seite:        " << NumberText(def.PageWidth()) << " x "
            << NumberText(def.PageHeight()) << " mm (Format " << def.PageFormat()
            << (def.Landscape() ? ", quer" : "") << ")\n"
            << "Raster:       " << def.Cols() << " x " << def.Rows() << " Etiketten\n"
            << "Etikett:      " << NumberText(def.LabelWidth()) << " x "
            << NumberText(def.LabelHeight()) << " mm\n"
            << "Ränder:       links " << NumberText(def.BorderLeft()) << " mm, oben "
            << NumberText(def.BorderTop()) << " mm\n"
            << "Abstände:     " << NumberText(def.SpaceWidth()) << " / "
            << NumberText(def.SpaceHeight()) << " mm\n";
  auto fields = def.Fields();
  std::cout << "Felder:       " << fields->Count() << "\n";
  for (const auto& f : *fields) {
    std::cout << "  " << f->FieldName() << ": links " << NumberText(f->FieldLeft()) << ", oben "
              << NumberText(f->FieldTop()) << ", " << NumberText(f->FieldWidth()) << " x "
              << NumberText(f->FieldHeight()) << " mm, " << f->FontName() << " " << f->FontSize()
              << " pt\n";
  }
}

}  // namespace

int main() {
  try {
    auto def = orvano::Classes().CreateAs<orvano::LabelDef>("Orvano.LabelDef");
    def->SetPageFormat(orvano::ovPageFormatA4);
    def->SetCols(3);
    def->SetRows(8);
    def->SetBorderLeft(0);
    def->SetBorderTop(4.5);
    def->SetLabelWidth(70);
    def->SetLabelHeight(36);
    auto address = def->Fields()->Add(orvano::ovFieldTypeDataField, "Address", "Address");
    address->SetFieldLeft(4);
    address->SetFieldTop(4);
    address->SetFieldWidth(62);
    address->SetFieldHeight(28);
    address->SetFontName("Arial");
    address->SetFontSize(10);
    Print(*def);
    return 0;
  } catch (const orvano::host::Error& e) {
    std::cerr << "orvano-example: " << e.what() << " (Fehler " << e.Number() << ")\n";
    return 1;
  }
}
