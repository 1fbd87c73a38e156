/// \file
/// The ordered, keyed collection of a label's fields: positions from 1 in the order of adding,
/// keys are the field names, compared without regard to letter case.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "orvano/core_export.h"
#include "orvano/host/collection.h"
#include "orvano/host/factory.h"
#include "orvano/host/variant.h"
#include "orvano/model/enums.h"
#include "orvano/model/field_def.h"

namespace orvano {

/// The printable fields of a label, in the order added, each under its name as a key that
/// compares without regard to case.
class ORVANO_CORE_EXPORT FieldDefs : public host::Object {
 public:
  /// Appends a new field under its name and returns it; its other properties keep their
  /// creation values. A name already taken fails with DuplicateKey and adds nothing.
  std::shared_ptr<FieldDef> Add(std::int32_t fieldType, const std::string& fieldName,
                                const std::string& fieldSource = "");

  /// By position (from 1) or by key; null when nothing matches, never an error.
  ///@{
  std::shared_ptr<FieldDef> Item(std::int32_t position) const;
  std::shared_ptr<FieldDef> Item(const std::string& key) const;
  std::shared_ptr<FieldDef> Item(const char* key) const { return Item(std::string(key)); }
  ///@}
  /// A number selects by position, a text by key.
  std::shared_ptr<FieldDef> Item(const host::Variant& indexKey) const;

  std::int32_t Count() const noexcept { return items_.Count(); }  ///< the number of fields

  /// A position or key that does not exist is an error of the call; nothing is removed then.
  ///@{
  void Remove(std::int32_t position);
  void Remove(const std::string& key);
  void Remove(const char* key) { Remove(std::string(key)); }
  void Remove(const host::Variant& indexKey);
  ///@}
  void RemoveAll();  ///< removes every field

  /// The fields in position order, as a for-each over the collection visits them.
  ///@{
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  ///@}
  /// A snapshot of the fields in position order; stays valid while the collection changes.
  std::vector<std::shared_ptr<FieldDef>> NewEnum() const;

 private:
  host::KeyedCollection<std::shared_ptr<FieldDef>> items_;
};

}  // namespace orvano
