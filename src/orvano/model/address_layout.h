/// \file
/// How an address label is laid out on its label: inner margins and spaces in millimetres, the
/// font size in points, the sender-line format and the heading flag. The defaults are the layout
/// of a label for which none is stored.
#pragma once

#include <cstdint>

#include "orvano/host/runtime.h"
#include "orvano/model/enums.h"

namespace orvano {

/// Where the address block sits on a label; lengths in millimetres.
struct AddressLayout {
  double BorderLeft = 2;       ///< margin inside the label's left edge
  double BorderTop = 1;        ///< margin inside the label's top edge
  double BorderRight = 2;      ///< margin inside the label's right edge
  double BorderBottom = 1;     ///< margin inside the label's bottom edge
  double HeadingSpace = 0;     ///< space below the sender line when a heading follows
  double AddressSpace = 0;     ///< space above the address
  std::int32_t FontSize = 10;  ///< the address text's size, whole points
  /// The sender line: none, single or double (ovReturnAddressFormatConstants).
  std::int32_t ReturnAddressFormat = ovReturnAddressDoubleLine;
  host::Flag WithLabelHeading = host::kTrue;  ///< whether a heading is printed

  bool operator==(const AddressLayout&) const = default;  ///< field by field
};

}  // namespace orvano
