// A saved form's property bag read through a check: a value of the wrong kind, a number out of
// any sensible range (not finite, or above 10000 either way) or a text above the text bound is
// ignored, so the reader gets its default, and its name is noted for the user.
#pragma once

#include <QStringList>
#include <string>

#include "orvano/host/property_bag.h"

namespace orvano::demo {

class CheckedBag : public host::PropertyBag {
 public:
  // instance names the bag in the notes ("LabelSelect1.Cols").
  CheckedBag(host::PropertyBag& inner, std::string instance, QStringList& ignored)
      : inner_(inner), instance_(std::move(instance)), ignored_(ignored) {}

  host::Variant ReadProperty(const std::string& name,
                             const host::Variant& defaultValue) const override;
  void WriteProperty(const std::string& name, const host::Variant& value,
                     const host::Variant& defaultValue) override {
    inner_.WriteProperty(name, value, defaultValue);
  }

 private:
  host::PropertyBag& inner_;
  std::string instance_;
  QStringList& ignored_;
};

// Whether a stored value can stand where defaultValue's kind is expected.
bool Acceptable(const host::Variant& value, const host::Variant& defaultValue);

}  // namespace orvano::demo
