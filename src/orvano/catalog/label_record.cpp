#include "orvano/catalog/label_record.h"

#include <vector>

#include "orvano/catalog/value_parse.h"
#include "orvano/host/error.h"
#include "orvano/host/runtime.h"

namespace orvano::catalog {
namespace {

FieldValue Field(const std::vector<FieldValue>& fields, LabelField field) {
  const auto number = static_cast<std::size_t>(field);
  return number <= fields.size() ? fields[number - 1] : FieldValue();
}

// CLng raises Overflow beyond 32 bits; the value then stays as it was.
void ReadWhole(const std::vector<FieldValue>& fields, LabelField field, std::int32_t& into) {
  host::Resume([&] { into = host::CLng(ParseNumber(Field(fields, field))); });
}

std::string Format(const LabelRecord& r, const std::string& cols, const std::string& rows) {
  using host::NumberText;
  return r.Description + ";" + std::to_string(r.PageFormat) + ";" + std::to_string(r.Landscape) +
         ";" + cols + ";" + rows + ";" + NumberText(r.BorderLeft) + ";" + NumberText(r.BorderTop) +
         ";" + NumberText(r.LabelWidth) + ";" + NumberText(r.LabelHeight) + ";" +
         NumberText(r.SpaceWidth) + ";" + NumberText(r.SpaceHeight);
}

}  // namespace

void ReadLabelRecord(std::string_view text, LabelRecord& into) {
  const std::vector<FieldValue> f = SplitFields(FieldValue(std::string(text)));
  into.Description = Field(f, LabelField::Description).ToText();
  ReadWhole(f, LabelField::PageFormat, into.PageFormat);
  ReadWhole(f, LabelField::Landscape, into.Landscape);
  ReadWhole(f, LabelField::Cols, into.Cols);
  ReadWhole(f, LabelField::Rows, into.Rows);
  into.BorderLeft = ParseNumber(Field(f, LabelField::BorderLeft));
  into.BorderTop = ParseNumber(Field(f, LabelField::BorderTop));
  into.LabelWidth = ParseNumber(Field(f, LabelField::LabelWidth));
  into.LabelHeight = ParseNumber(Field(f, LabelField::LabelHeight));
  into.SpaceWidth = ParseNumber(Field(f, LabelField::SpaceWidth));
  into.SpaceHeight = ParseNumber(Field(f, LabelField::SpaceHeight));
  into.ApplyPageFormat();
}

double LabelRecordNumber(std::string_view text, LabelField field) {
  return ParseNumber(GetField(static_cast<std::int32_t>(field), FieldValue(std::string(text))));
}

std::string FormatLabelRecord(const LabelRecord& record) {
  return Format(record, std::to_string(record.Cols), std::to_string(record.Rows));
}

std::string FormatLabelRecord(const LabelRecord& record, double cols, double rows) {
  return Format(record, host::NumberText(cols), host::NumberText(rows));
}

}  // namespace orvano::catalog
