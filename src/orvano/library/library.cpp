#include "orvano/library/orvano.h"

#include "orvano/catalog/lookup.h"
#include "orvano/controls/address_label/address_label.h"
#include "orvano/controls/label_select/label_select.h"
#include "orvano/controls/preview/preview.h"
#include "orvano/model/model_classes.h"

namespace orvano {

const host::ClassFactory& Classes() {
  static const host::ClassFactory factory = [] {
    UseSettingsDialog();
    // Every LabelDef finds its stock in the label catalog.
    catalog::InstallLabelLookup();
    host::ClassFactory f;
    RegisterModelClasses(f);
    RegisterLabelSelect(f);
    RegisterPreview(f);
    RegisterAddressLabel(f);
    return f;
  }();
  return factory;
}

}  // namespace orvano
