// Saving and loading AddressLabel through the host's property bag: twelve keys, as the property
// table lists them, each on its own, so one value that fails to write or to convert leaves the
// others alone.
#include "orvano/controls/address_label/address_label.h"
#include "orvano/controls/control_properties.h"

namespace orvano {

void AddressLabel::UserControl_WriteProperties(host::PropertyBag& bag) {
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_PROPERTY_WRITE)
}

// Straight into the fields and the box, not through the setters: one layout at the end.
void AddressLabel::UserControl_ReadProperties(host::PropertyBag& bag) {
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_PROPERTY_READ)
  RefreshLayout();
}

}  // namespace orvano
