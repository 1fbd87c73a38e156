#include "orvano/model/label_def.h"

#include <utility>

#include "orvano/host/error.h"
#include "orvano/host/strings.h"
#include "orvano/model/label_lookup.h"

namespace orvano {

LabelDef::LabelDef() : fields_(std::make_shared<FieldDefs>()) {}

void LabelDef::SetPageFormat(std::int32_t code) {
  sheet_.PageFormat = code;
  sheet_.ApplyPageFormat();
}

void LabelDef::SetLandscape(host::Flag landscape) {
  sheet_.Landscape = landscape != 0 ? 1 : 0;
  sheet_.ApplyPageFormat();
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
  const LabelLookup lookup = CurrentLabelLookup();
  if (lookup == nullptr) return;
  // The lookup gets the texts as the host gave them and writes the stored values directly;
  // a label it does not hold leaves them as they were, and the status is of no interest here.
  lookup(brand_, labelName_, dataFolder_, description_, sheet_);
  sheet_.ApplyPageFormat();
}

}  // namespace orvano
