/// \file
/// The host's property bag of one control instance.
#pragma once

#include <string>

#include "orvano/core_export.h"
#include "orvano/host/variant.h"

namespace orvano::host {

/// The saved properties of one control instance, by name; the host decides where they live.
class ORVANO_CORE_EXPORT PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  /// The stored value, or the default when the name is absent.
  virtual Variant ReadProperty(const std::string& name, const Variant& defaultValue) const = 0;
  /// A value equal to its default need not be stored (and is removed if it was).
  virtual void WriteProperty(const std::string& name, const Variant& value,
                             const Variant& defaultValue) = 0;
};

}  // namespace orvano::host
