#include "checked_bag.h"

#include <cmath>

#include "orvano/host/error.h"
#include "orvano/host/widgets.h"

namespace orvano::demo {

namespace {

// Millimetres, counts, sizes and enumerations of a label form all stay far below this.
constexpr double kLargestNumber = 10000;

bool SensibleNumber(double d) { return std::isfinite(d) && std::fabs(d) <= kLargestNumber; }

}  // namespace

bool Acceptable(const host::Variant& value, const host::Variant& defaultValue) {
  if (value.IsEmpty()) return false;
  if (defaultValue.IsString())
    return value.IsString() && value.ToString().size() <= host::kMaxTextBoxBytes;
  if (defaultValue.IsFlag()) {
    if (value.IsString()) return false;
    return value.IsFlag() || SensibleNumber(value.ToDouble());
  }
  if (defaultValue.IsLong() || defaultValue.IsDouble()) {
    if (!value.IsLong() && !value.IsDouble()) return false;
    const double d = value.ToDouble();
    if (defaultValue.IsLong() && d != std::nearbyint(d)) return false;
    return SensibleNumber(d);
  }
  return true;
}

host::Variant CheckedBag::ReadProperty(const std::string& name,
                                       const host::Variant& defaultValue) const {
  const host::Variant value = inner_.ReadProperty(name, defaultValue);
  bool ok = false;
  host::Resume([&] { ok = Acceptable(value, defaultValue); });
  if (ok) return value;
  ignored_ << QString::fromStdString(instance_ + "." + name);
  return defaultValue;
}

}  // namespace orvano::demo
