#include "orvano/catalog/field_value.h"

#include "orvano/host/runtime.h"

namespace orvano::catalog {

std::string FieldValue::ToText() const {
  switch (GetKind()) {
    case Kind::Null: return {};
    case Kind::Long: return std::to_string(Long());
    case Kind::Double: return host::NumberText(Double());
    case Kind::Text: return Text();
  }
  return {};
}

}  // namespace orvano::catalog
