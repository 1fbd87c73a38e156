// Saving and loading through the host's property bag, key by key as the property table lists
// them. The start label and the address layout are not stored; loading consults no catalog, sets
// the fields directly and ends with one redraw.
#include "orvano/controls/control_properties.h"
#include "orvano/controls/label_select/label_select.h"

namespace orvano {

void LabelSelect::UserControl_WriteProperties(host::PropertyBag& bag) {
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_PROPERTY_WRITE)
}

void LabelSelect::UserControl_ReadProperties(host::PropertyBag& bag) {
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_PROPERTY_READ)
  RefreshSheet();
}

}  // namespace orvano
