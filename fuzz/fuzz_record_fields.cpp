// Any text as a catalog record or an entry field: GetField, SplitFields, ParseNumber and
// ParseLength never fail, the one-pass split agrees with GetField, and numbers stay finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "orvano/catalog/value_parse.h"

using namespace orvano::catalog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto index = static_cast<std::int32_t>(static_cast<std::int8_t>(data[0]));
  const FieldValue text(std::string(reinterpret_cast<const char*>(data + 1), size - 1));

  const FieldValue one = GetField(index, text);
  if (one.IsDouble() && !std::isfinite(one.Double())) std::abort();
  const FieldValue count = GetField(0, text);
  const auto fields = SplitFields(text);
  if (!text.Text().empty()) {
    if (!count.IsLong() || static_cast<std::size_t>(count.Long()) != fields.size()) std::abort();
    for (std::size_t i = 0; i < fields.size() && i < 64; ++i)
      if (!(fields[i] == GetField(static_cast<std::int32_t>(i + 1), text))) std::abort();
  }
  for (const FieldValue& v : {text, one}) {
    if (!std::isfinite(ParseNumber(v)) || !std::isfinite(ParseLength(v))) std::abort();
  }
  return 0;
}
