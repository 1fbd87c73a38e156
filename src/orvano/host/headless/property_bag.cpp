#include <algorithm>

#include "orvano/host/headless/headless.h"

namespace orvano::host::headless {

Variant MemoryPropertyBag::ReadProperty(const std::string& name,
                                        const Variant& defaultValue) const {
  reads_.push_back(name);
  auto it = values_.find(name);
  return it == values_.end() ? defaultValue : it->second;
}

void MemoryPropertyBag::WriteProperty(const std::string& name, const Variant& value,
                                      const Variant& defaultValue) {
  if (std::find(order_.begin(), order_.end(), name) == order_.end()) order_.push_back(name);
  // The platform keeps only values that differ from their default.
  if (value == defaultValue)
    values_.erase(name);
  else
    values_[name] = value;
}

bool MemoryPropertyBag::Contains(const std::string& name) const { return values_.contains(name); }

void MemoryPropertyBag::Set(const std::string& name, const Variant& value) {
  values_[name] = value;
}

}  // namespace orvano::host::headless
