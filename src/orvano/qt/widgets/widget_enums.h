/// \file
/// The public enumerations as Qt sees them: the same names and values as the model's, registered
/// with the meta-object system so that properties, Designer and QML show their keys.
#pragma once

#include <QObject>
#include <cstdint>

#include "orvano/model/enums.h"

namespace orvano::qt {
namespace Enums {
Q_NAMESPACE

enum ovLabelDirectionConstants : std::int32_t {
  ovLeftRight = orvano::ovLeftRight,
  ovTopBottom = orvano::ovTopBottom,
};
Q_ENUM_NS(ovLabelDirectionConstants)

enum ovPageFormatConstants : std::int32_t {
  ovPageFormatA4 = orvano::ovPageFormatA4,
  ovPageFormatA5 = orvano::ovPageFormatA5,
};
Q_ENUM_NS(ovPageFormatConstants)

enum ovReturnAddressFormatConstants : std::int32_t {
  ovReturnAddressNone = orvano::ovReturnAddressNone,
  ovReturnAddressSingleLine = orvano::ovReturnAddressSingleLine,
  ovReturnAddressDoubleLine = orvano::ovReturnAddressDoubleLine,
};
Q_ENUM_NS(ovReturnAddressFormatConstants)

enum ovPreviewLayoutConstants : std::int32_t {
  ovPreviewPageLayout = orvano::ovPreviewPageLayout,
  ovPreviewAddressLayout = orvano::ovPreviewAddressLayout,
};
Q_ENUM_NS(ovPreviewLayoutConstants)

}  // namespace Enums
}  // namespace orvano::qt
