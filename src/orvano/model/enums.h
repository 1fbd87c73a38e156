/// \file
/// The public enumerations, with their exact values.
#pragma once

#include <cstdint>

namespace orvano {

/// What a FieldDef shows.
enum ovFieldTypeConstants : std::int32_t {
  ovFieldTypeDataField = 0,  ///< text from the host's data (FieldSource)
  ovFieldTypeCaption = 1,    ///< a fixed caption
};

/// The horizontal alignment of a field's text.
enum ovTextAlignConstants : std::int32_t {
  ovTextAlignDefault = 0,  ///< the host decides; the Qt printer sets it flush left
  ovTextAlignLeft = 1,     ///< flush left
  ovTextAlignCenter = 2,   ///< centred
  ovTextAlignRight = 3,    ///< flush right
};

/// The fill order of the labels on a sheet.
enum ovLabelDirectionConstants : std::int32_t {
  ovLeftRight = 0,  ///< row by row, left to right
  ovTopBottom = 1,  ///< column by column, top to bottom
};

/// Page format codes.
enum ovPageFormatConstants : std::int32_t {
  ovPageFormatA4 = 9,   ///< A4, 210 x 297 mm
  ovPageFormatA5 = 11,  ///< A5, 148.5 x 210 mm
};

/// The sender line above an address.
enum ovReturnAddressFormatConstants : std::int32_t {
  ovReturnAddressNone = 0,        ///< no sender line
  ovReturnAddressSingleLine = 1,  ///< one line
  ovReturnAddressDoubleLine = 2,  ///< two lines
};

/// What Preview draws.
enum ovPreviewLayoutConstants : std::int32_t {
  ovPreviewPageLayout = 0,     ///< the sheet's top left corner with margins and pitches
  ovPreviewAddressLayout = 1,  ///< one label with the boxes of its address block
};

}  // namespace orvano
