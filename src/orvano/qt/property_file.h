/// \file
/// Property bags that can be stored in a file: one bag per control instance, all of them in one
/// JSON file. Every value keeps its kind (flag, 32-bit integer, double, text), and doubles come
/// back bit for bit.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "orvano/host/property_bag.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

/// A property bag in memory, as a PropertyFile holds one per control instance.
class ORVANO_WIDGETS_EXPORT QtPropertyBag : public host::PropertyBag {
 public:
  host::Variant ReadProperty(const std::string& name,
                             const host::Variant& defaultValue) const override;
  void WriteProperty(const std::string& name, const host::Variant& value,
                     const host::Variant& defaultValue) override;
  /// Every stored value by name.
  const std::map<std::string, host::Variant>& Values() const { return values_; }
  /// Stores a value directly, whatever its default.
  void Set(const std::string& name, const host::Variant& value) { values_[name] = value; }

 private:
  std::map<std::string, host::Variant> values_;
};

/// The saved state of a form's controls: one bag per control instance, by instance name.
class ORVANO_WIDGETS_EXPORT PropertyFile {
 public:
  /// The bag of one control instance, created empty when the file has none.
  QtPropertyBag& Bag(const std::string& instance) { return bags_[instance]; }
  /// Whether the file has a bag for the instance.
  bool Has(const std::string& instance) const { return bags_.count(instance) != 0; }
  /// The instance names, sorted.
  std::vector<std::string> Instances() const;

  /// Replaces the bags by those of the file. FileNotFound when it is absent, IoError when it
  /// cannot be read or is not a property file; the bags stay as they were then.
  void Load(const std::string& path);
  /// Writes all bags; the old file is replaced only once the new one is complete.
  void Save(const std::string& path) const;

 private:
  std::map<std::string, QtPropertyBag> bags_;
};

}  // namespace orvano::qt
