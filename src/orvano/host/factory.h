/// \file
/// The class factory: every public class by its program name ("Orvano.LabelDef").
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orvano/core_export.h"

namespace orvano::host {

class Container;

/// Base of every public class, so the factory can hand out any of them.
class ORVANO_CORE_EXPORT Object {
 public:
  virtual ~Object() = default;
};

class ORVANO_CORE_EXPORT ClassFactory {
 public:
  /// Data classes ignore the container; controls need one (ObjectRequired without).
  using Creator = std::function<std::shared_ptr<Object>(Container* site)>;

  void Register(const std::string& progId, Creator creator);
  bool IsRegistered(const std::string& progId) const;
  std::vector<std::string> ProgIds() const;
  /// ClassNotRegistered for an unknown name (compared without regard to case).
  std::shared_ptr<Object> Create(const std::string& progId, Container* site = nullptr) const;

  template <class T>
  std::shared_ptr<T> CreateAs(const std::string& progId, Container* site = nullptr) const {
    return std::dynamic_pointer_cast<T>(Create(progId, site));
  }

 private:
  std::map<std::string, std::pair<std::string, Creator>> creators_;  ///< by upper-cased name
};

}  // namespace orvano::host
