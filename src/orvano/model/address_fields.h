/// \file
/// The address block of a label: the sender line, the heading and the address placed on a
/// LabelDef in millimetres, from an address layout. Shared by everything that hands out a
/// LabelDef for an address label, so they all lay it out alike.
#pragma once

#include <cstdint>

#include "orvano/core_export.h"
#include "orvano/model/address_layout.h"
#include "orvano/model/label_def.h"

namespace orvano {

/// The address layout as AddAddressFields reads it.
using AddressFieldLayout = AddressLayout;

/// Adds "ReturnAddress" (unless the format is none), "LabelHeading" (when the heading flag is
/// exactly true) and "Address" to the object's fields, sized from its LabelWidth and
/// LabelHeight. Nothing is trapped: a duplicate field name or a non-finite length reaches the
/// caller.
ORVANO_CORE_EXPORT void AddAddressFields(LabelDef& def, const AddressFieldLayout& layout);

}  // namespace orvano
