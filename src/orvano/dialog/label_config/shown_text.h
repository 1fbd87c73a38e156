// The fixed form in which a field shows its value once accepted.
#pragma once

#include <string>

#include "orvano/dialog/label_config/field_table.h"
#include "orvano/host/runtime.h"

namespace orvano::label_config {

// A length: " 12,5 mm"; a count: " 3".
inline std::string ShownText(FieldKind kind, double value) {
  return kind == FieldKind::Length ? " " + host::NumberText(value) + " mm"
                                   : " " + host::NumberText(value);
}

}  // namespace orvano::label_config
