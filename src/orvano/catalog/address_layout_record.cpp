#include "orvano/catalog/address_layout_record.h"

#include <vector>

#include "orvano/catalog/value_parse.h"
#include "orvano/host/error.h"
#include "orvano/host/runtime.h"

namespace orvano::catalog {
namespace {

FieldValue Field(const std::vector<FieldValue>& fields, std::size_t number) {
  return number <= fields.size() ? fields[number - 1] : FieldValue();
}

}  // namespace

void ReadAddressLayoutRecord(std::string_view text, AddressLayout& into) {
  const std::vector<FieldValue> f = SplitFields(FieldValue(std::string(text)));
  into.BorderLeft = ParseNumber(Field(f, 1));
  into.BorderTop = ParseNumber(Field(f, 2));
  into.BorderRight = ParseNumber(Field(f, 3));
  into.BorderBottom = ParseNumber(Field(f, 4));
  into.HeadingSpace = ParseNumber(Field(f, 5));
  into.AddressSpace = ParseNumber(Field(f, 6));
  // CLng raises Overflow beyond 32 bits; the value then stays as it was.
  host::Resume([&] { into.FontSize = host::CLng(ParseNumber(Field(f, 7))); });
  host::Resume([&] { into.ReturnAddressFormat = host::CLng(ParseNumber(Field(f, 8))); });
  into.WithLabelHeading = host::ToFlag(ParseNumber(Field(f, 9)) != 0);
}

std::string FormatAddressLayoutRecord(const AddressLayout& v) {
  using host::NumberText;
  return NumberText(v.BorderLeft) + ";" + NumberText(v.BorderTop) + ";" +
         NumberText(v.BorderRight) + ";" + NumberText(v.BorderBottom) + ";" +
         NumberText(v.HeadingSpace) + ";" + NumberText(v.AddressSpace) + ";" +
         std::to_string(v.FontSize) + ";" + std::to_string(v.ReturnAddressFormat) + ";" +
         (v.WithLabelHeading != 0 ? " 1" : " 0");
}

}  // namespace orvano::catalog
