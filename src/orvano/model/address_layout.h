/// \file
/// How an address label is laid out on its label: inner margins and spaces in millimetres, the
/// font size in points, the sender-line format and the heading flag. The defaults are the layout
/// of a label for which none is stored.
#pragma once

#include <cstdint>

#include "orvano/host/runtime.h"
#include "orvano/model/enums.h"

namespace orvano {

struct AddressLayout {
  double BorderLeft = 2;
  double BorderTop = 1;
  double BorderRight = 2;
  double BorderBottom = 1;
  double HeadingSpace = 0;
  double AddressSpace = 0;
  std::int32_t FontSize = 10;
  std::int32_t ReturnAddressFormat = ovReturnAddressDoubleLine;
  host::Flag WithLabelHeading = host::kTrue;

  bool operator==(const AddressLayout&) const = default;
};

}  // namespace orvano
