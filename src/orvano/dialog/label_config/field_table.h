// The fourteen measurement fields of the settings dialog, described once: what each shows, where
// it sits, how it is clamped, which preview property mirrors it and where its start value comes
// from. Every field runs the same code; only this table tells them apart.
#pragma once

#include <array>
#include <cstdint>

#include "orvano/catalog/label_catalog.h"
#include "orvano/controls/preview/preview.h"
#include "orvano/model/address_layout.h"

namespace orvano::label_config {

enum class FieldKind { Length, Count };

// The pitch fields and the label-size fields come in pairs that must not contradict each other
// (a pitch smaller than its label).
enum class PairRole { None, Pitch, Size };

struct FieldInfo {
  const char* name;     // "BorderTop": txtBorderTop, UpDownBorderTop, lblBorderTop
  const char* caption;  // with the "&" of its access key
  std::int32_t tab;     // 0 page layout, 1 address layout
  FieldKind kind;
  double minimum;
  double maximum;
  bool makesCustom;  // a changed value turns a catalog label into a new custom one
  PairRole role;
  std::int32_t partner;  // index of the other field of the pair, or -1
  double (*get)(const Preview&);
  void (*set)(Preview&, double);
  // Start value from a catalog entry (page layout) or from an address layout; one is null.
  double (*fromEntry)(const catalog::CatalogEntry&);
  double (*fromLayout)(const AddressLayout&);
};

enum FieldIndex : std::int32_t {
  kBorderTop,
  kBorderLeft,
  kSpaceVertical,
  kSpaceHorizontal,
  kLabelHeight,
  kLabelWidth,
  kCols,
  kRows,
  kLabelBorderTop,
  kLabelBorderBottom,
  kLabelBorderLeft,
  kLabelBorderRight,
  kLabelHeadingSpace,
  kAddressSpace,
  kFieldCount
};

// In the order the fields stand on their tabs.
const std::array<FieldInfo, kFieldCount>& FieldTable();

}  // namespace orvano::label_config
