// Saving to and loading from the host's property bag, key by key as the property table lists
// them; a key that fails is skipped. Loading ends with one refresh.
#include "orvano/controls/control_properties.h"
#include "orvano/controls/preview/preview.h"

namespace orvano {

void Preview::UserControl_ReadProperties(host::PropertyBag& bag) {
  ORVANO_PREVIEW_PROPERTIES(ORVANO_PROPERTY_READ)
  RefreshPreview();
}

void Preview::UserControl_WriteProperties(host::PropertyBag& bag) {
  ORVANO_PREVIEW_PROPERTIES(ORVANO_PROPERTY_WRITE)
}

}  // namespace orvano
