/// \file
/// The public enumerations, with their exact values.
#pragma once

#include <cstdint>

namespace orvano {

enum ovFieldTypeConstants : std::int32_t {
  ovFieldTypeDataField = 0,
  ovFieldTypeCaption = 1,
};

enum ovTextAlignConstants : std::int32_t {
  ovTextAlignDefault = 0,
  ovTextAlignLeft = 1,
  ovTextAlignCenter = 2,
  ovTextAlignRight = 3,
};

enum ovLabelDirectionConstants : std::int32_t {
  ovLeftRight = 0,
  ovTopBottom = 1,
};

enum ovPageFormatConstants : std::int32_t {
  ovPageFormatA4 = 9,
  ovPageFormatA5 = 11,
};

enum ovReturnAddressFormatConstants : std::int32_t {
  ovReturnAddressNone = 0,
  ovReturnAddressSingleLine = 1,
  ovReturnAddressDoubleLine = 2,
};

enum ovPreviewLayoutConstants : std::int32_t {
  ovPreviewPageLayout = 0,
  ovPreviewAddressLayout = 1,
};

}  // namespace orvano
