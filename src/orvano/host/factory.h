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

/// Creates the public classes by their names ("Orvano.LabelSelect", ...).
class ORVANO_CORE_EXPORT ClassFactory {
 public:
  /// Data classes ignore the container; controls need one (ObjectRequired without).
  using Creator = std::function<std::shared_ptr<Object>(Container* site)>;

  /// Makes a name known; registering a name again replaces its creator. An empty name or creator
  /// is InvalidProcedureCall.
  void Register(const std::string& progId, Creator creator);
  /// Whether a name is known (compared without regard to case).
  bool IsRegistered(const std::string& progId) const;
  /// The registered names as registered, in the order of their upper-cased forms.
  std::vector<std::string> ProgIds() const;
  /// ClassNotRegistered for an unknown name (compared without regard to case).
  std::shared_ptr<Object> Create(const std::string& progId, Container* site = nullptr) const;

  /// Create, cast to T; null when the object is not a T.
  template <class T>
  std::shared_ptr<T> CreateAs(const std::string& progId, Container* site = nullptr) const {
    return std::dynamic_pointer_cast<T>(Create(progId, site));
  }

 private:
  std::map<std::string, std::pair<std::string, Creator>> creators_;  ///< by upper-cased name
};

}  // namespace orvano::host
