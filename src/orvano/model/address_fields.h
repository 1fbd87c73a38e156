// The address block of a label: the sender line, the heading and the address placed on a
// LabelDef in millimetres, from an address layout. Shared by everything that hands out a
// LabelDef for an address label, so they all lay it out alike.
#pragma once

#include <cstdint>

#include "orvano/host/runtime.h"
#include "orvano/model/enums.h"
#include "orvano/model/label_def.h"

namespace orvano {

// The address-layout values of a label (inner margins, spaces in mm, font size in points).
struct AddressFieldLayout {
  double BorderLeft = 2;
  double BorderTop = 1;
  double BorderRight = 2;
  double BorderBottom = 1;
  double HeadingSpace = 0;
  double AddressSpace = 0;
  std::int32_t FontSize = 10;
  std::int32_t ReturnAddressFormat = ovReturnAddressDoubleLine;
  host::Flag WithLabelHeading = host::kTrue;
};

// Adds "ReturnAddress" (unless the format is none), "LabelHeading" (when the heading flag is
// exactly true) and "Address" to the object's fields, sized from its LabelWidth and
// LabelHeight. Nothing is trapped: a duplicate field name or a non-finite length reaches the
// caller.
void AddAddressFields(LabelDef& def, const AddressFieldLayout& layout);

}  // namespace orvano
