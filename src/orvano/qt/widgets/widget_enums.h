/// \file
/// The public enumerations as Qt sees them: the same names and values as the model's, registered
/// with the meta-object system so that properties, Designer and QML show their keys.
#pragma once

#include <QObject>
#include <cstdint>

#include "orvano/model/enums.h"

namespace orvano::qt {
/// The enumerations of model/enums.h, registered with Qt's meta-object system.
namespace Enums {
Q_NAMESPACE

/// orvano::ovLabelDirectionConstants for Qt.
enum ovLabelDirectionConstants : std::int32_t {
  ovLeftRight = orvano::ovLeftRight,  ///< row by row
  ovTopBottom = orvano::ovTopBottom,  ///< column by column
};
Q_ENUM_NS(ovLabelDirectionConstants)

/// orvano::ovPageFormatConstants for Qt.
enum ovPageFormatConstants : std::int32_t {
  ovPageFormatA4 = orvano::ovPageFormatA4,  ///< A4 (9)
  ovPageFormatA5 = orvano::ovPageFormatA5,  ///< A5 (11)
};
Q_ENUM_NS(ovPageFormatConstants)

/// orvano::ovReturnAddressFormatConstants for Qt.
enum ovReturnAddressFormatConstants : std::int32_t {
  ovReturnAddressNone = orvano::ovReturnAddressNone,              ///< no sender line
  ovReturnAddressSingleLine = orvano::ovReturnAddressSingleLine,  ///< one line
  ovReturnAddressDoubleLine = orvano::ovReturnAddressDoubleLine,  ///< two lines
};
Q_ENUM_NS(ovReturnAddressFormatConstants)

/// orvano::ovPreviewLayoutConstants for Qt.
enum ovPreviewLayoutConstants : std::int32_t {
  ovPreviewPageLayout = orvano::ovPreviewPageLayout,        ///< the sheet's corner
  ovPreviewAddressLayout = orvano::ovPreviewAddressLayout,  ///< one label's address block
};
Q_ENUM_NS(ovPreviewLayoutConstants)

}  // namespace Enums
}  // namespace orvano::qt
