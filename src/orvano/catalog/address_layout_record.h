/// \file
/// The address layout of one label as the layout file stores it: "2;1;2;1;0;0;10;2; 1", the
/// margins in record order (left, top, right, bottom), heading and address space, font size,
/// sender-line format and the heading flag as " 1" or " 0".
#pragma once

#include <string>
#include <string_view>

#include "orvano/core_export.h"
#include "orvano/model/address_layout.h"

namespace orvano::catalog {

/// Reads record text (UTF-8) into `into`. A font size or format too large for 32 bits leaves that
/// value of `into` as it was; a missing heading flag reads as no heading.
ORVANO_CORE_EXPORT void ReadAddressLayoutRecord(std::string_view text, AddressLayout& into);

/// The record text (UTF-8) of a layout, as the address layouts file stores it.
ORVANO_CORE_EXPORT std::string FormatAddressLayoutRecord(const AddressLayout& layout);

}  // namespace orvano::catalog
