#include "orvano/model/field_defs.h"

#include "orvano/host/error.h"

namespace orvano {

std::shared_ptr<FieldDef> FieldDefs::Add(std::int32_t fieldType, const std::string& fieldName,
                                         const std::string& fieldSource) {
  auto field = std::make_shared<FieldDef>();
  field->SetFieldType(fieldType);
  field->SetFieldName(fieldName);
  field->SetFieldSource(fieldSource);
  items_.Add(field, fieldName);
  return field;
}

std::shared_ptr<FieldDef> FieldDefs::Item(std::int32_t position) const {
  if (position < 1 || position > items_.Count()) return nullptr;
  return items_.Item(position);
}

std::shared_ptr<FieldDef> FieldDefs::Item(const std::string& key) const {
  if (!items_.Contains(key)) return nullptr;
  return items_.Item(key);
}

std::shared_ptr<FieldDef> FieldDefs::Item(const host::Variant& indexKey) const {
  if (indexKey.IsString()) return Item(indexKey.ToString());
  if (indexKey.IsEmpty()) return nullptr;
  std::int32_t position = 0;
  // A number too large for a position matches nothing, like any other missing position.
  if (!host::Resume([&] { position = indexKey.ToLong(); })) return nullptr;
  return Item(position);
}

void FieldDefs::Remove(std::int32_t position) { items_.Remove(position); }

void FieldDefs::Remove(const std::string& key) { items_.Remove(key); }

void FieldDefs::Remove(const host::Variant& indexKey) {
  if (indexKey.IsString()) {
    Remove(indexKey.ToString());
    return;
  }
  if (indexKey.IsEmpty()) host::Raise(host::ErrorKind::TypeMismatch);
  Remove(indexKey.ToLong());
}

void FieldDefs::RemoveAll() {
  while (items_.Count() > 0) items_.Remove(1);
}

std::vector<std::shared_ptr<FieldDef>> FieldDefs::NewEnum() const {
  std::vector<std::shared_ptr<FieldDef>> fields;
  fields.reserve(static_cast<std::size_t>(items_.Count()));
  for (const auto& field : items_) fields.push_back(field);
  return fields;
}

}  // namespace orvano
