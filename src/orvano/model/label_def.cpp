#include "orvano/model/label_def.h"

#include <utility>

#include "orvano/catalog/lookup.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"
#include "orvano/model/page_format.h"

namespace orvano {

LabelDef::LabelDef() : fields_(std::make_shared<FieldDefs>()) {}

void LabelDef::SetPageFormat(std::int32_t code) {
  pageFormat_ = code;
  GetPageSize(pageFormat_, landscape_, pageWidth_, pageHeight_);
}

void LabelDef::SetLandscape(host::Flag landscape) {
  landscape_ = landscape != 0 ? 1 : 0;
  GetPageSize(pageFormat_, landscape_, pageWidth_, pageHeight_);
}

void LabelDef::SetLabelName(std::string v) {
  labelName_ = std::move(v);
  LookUpInCatalog();
}

void LabelDef::SetBrand(std::string v) {
  brand_ = std::move(v);
  LookUpInCatalog();
}

void LabelDef::SetDescription(std::string v) { description_ = std::move(v); }

void LabelDef::SetDataFolder(std::string v) { dataFolder_ = std::move(v); }

void LabelDef::SetFields(std::shared_ptr<FieldDefs> fields) {
  if (!fields) host::Raise(host::ErrorKind::ObjectRequired);
  fields_ = std::move(fields);
}

void LabelDef::LookUpInCatalog() {
  if (host::Trim(brand_).empty()) return;
  if (host::Trim(labelName_).empty()) return;
  // The catalog gets the texts as the host gave them and writes the stored fields directly;
  // a label it does not hold leaves them as they were, and the status is of no interest here.
  catalog::LookupLabel(brand_, labelName_, dataFolder_, description_, pageFormat_, landscape_,
                       cols_, rows_, borderLeft_, borderTop_, labelWidth_, labelHeight_,
                       spaceWidth_, spaceHeight_);
  GetPageSize(pageFormat_, landscape_, pageWidth_, pageHeight_);
}

}  // namespace orvano
