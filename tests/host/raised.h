// The kind of platform error a statement raises, for tests that pin down which failure a caller
// would see.
#pragma once

#include <optional>

#include "orvano/host/error.h"

namespace orvano::host::testing {

template <class F>
std::optional<ErrorKind> Raised(F&& statement) {
  try {
    statement();
  } catch (const Error& e) {
    return e.Kind();
  }
  return std::nullopt;
}

}  // namespace orvano::host::testing
