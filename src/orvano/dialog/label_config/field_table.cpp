#include "orvano/dialog/label_config/field_table.h"

#include "orvano/host/runtime.h"

namespace orvano::label_config {
namespace {

using catalog::CatalogEntry;

// 22 inches less a hair: the largest length the fields take.
constexpr double kMaxLength = 558.7;
constexpr double kMaxCount = 9999;

constexpr FieldInfo Length(const char* name, const char* caption, std::int32_t tab,
                           bool makesCustom, double (*get)(const Preview&),
                           void (*set)(Preview&, double)) {
  return FieldInfo{
      name, caption, tab, FieldKind::Length, 0,      kMaxLength, makesCustom, PairRole::None,
      -1,   get,     set, nullptr,           nullptr};
}

constexpr FieldInfo Paired(FieldInfo f, PairRole role, std::int32_t partner) {
  f.role = role;
  f.partner = partner;
  return f;
}

constexpr FieldInfo FromEntry(FieldInfo f, double (*from)(const CatalogEntry&)) {
  f.fromEntry = from;
  return f;
}

constexpr FieldInfo FromLayout(FieldInfo f, double (*from)(const AddressLayout&)) {
  f.fromLayout = from;
  return f;
}

const std::array<FieldInfo, kFieldCount> kTable = {{
    FromEntry(
        Length(
            "BorderTop", "&Oberer Rand:", 0, true, [](const Preview& p) { return p.BorderTop(); },
            [](Preview& p, double v) { p.SetBorderTop(v); }),
        [](const CatalogEntry& e) { return e.BorderTop; }),
    FromEntry(
        Length(
            "BorderLeft", "&Linker Rand:", 0, true, [](const Preview& p) { return p.BorderLeft(); },
            [](Preview& p, double v) { p.SetBorderLeft(v); }),
        [](const CatalogEntry& e) { return e.BorderLeft; }),
    // The dialog shows pitches while the files store gaps.
    FromEntry(Paired(Length(
                         "SpaceVertical", "&Vertikalabstand:", 0, true,
                         [](const Preview& p) { return p.SpaceVertical(); },
                         [](Preview& p, double v) { p.SetSpaceVertical(v); }),
                     PairRole::Pitch, kLabelHeight),
              [](const CatalogEntry& e) { return e.LabelHeight + e.SpaceHeight; }),
    FromEntry(Paired(Length(
                         "SpaceHorizontal", "Ho&rizontalabstand:", 0, true,
                         [](const Preview& p) { return p.SpaceHorizontal(); },
                         [](Preview& p, double v) { p.SetSpaceHorizontal(v); }),
                     PairRole::Pitch, kLabelWidth),
              [](const CatalogEntry& e) { return e.LabelWidth + e.SpaceWidth; }),
    FromEntry(Paired(Length(
                         "LabelHeight", "Etiketten&höhe:", 0, true,
                         [](const Preview& p) { return p.LabelHeight(); },
                         [](Preview& p, double v) { p.SetLabelHeight(v); }),
                     PairRole::Size, kSpaceVertical),
              [](const CatalogEntry& e) { return e.LabelHeight; }),
    FromEntry(Paired(Length(
                         "LabelWidth", "Etiketten&breite:", 0, true,
                         [](const Preview& p) { return p.LabelWidth(); },
                         [](Preview& p, double v) { p.SetLabelWidth(v); }),
                     PairRole::Size, kSpaceHorizontal),
              [](const CatalogEntry& e) { return e.LabelWidth; }),
    FieldInfo{"Cols", "Etiketten je &Zeile:", 0, FieldKind::Count, 1, kMaxCount, true,
              PairRole::None, -1, [](const Preview& p) { return static_cast<double>(p.Cols()); },
              [](Preview& p, double v) { p.SetCols(host::CLng(v)); },
              [](const CatalogEntry& e) { return e.RecordNumber(catalog::LabelField::Cols); },
              nullptr},
    FieldInfo{"Rows", "Etiketten je &Spalte:", 0, FieldKind::Count, 1, kMaxCount, true,
              PairRole::None, -1, [](const Preview& p) { return static_cast<double>(p.Rows()); },
              [](Preview& p, double v) { p.SetRows(host::CLng(v)); },
              [](const CatalogEntry& e) { return e.RecordNumber(catalog::LabelField::Rows); },
              nullptr},
    // The address layout belongs to any label, catalog or custom: no change of brand.
    FromLayout(Length(
                   "LabelBorderTop", "&Oberer Rand:", 1, false,
                   [](const Preview& p) { return p.LabelBorderTop(); },
                   [](Preview& p, double v) { p.SetLabelBorderTop(v); }),
               [](const AddressLayout& a) { return a.BorderTop; }),
    FromLayout(Length(
                   "LabelBorderBottom", "&Unterer Rand:", 1, false,
                   [](const Preview& p) { return p.LabelBorderBottom(); },
                   [](Preview& p, double v) { p.SetLabelBorderBottom(v); }),
               [](const AddressLayout& a) { return a.BorderBottom; }),
    FromLayout(Length(
                   "LabelBorderLeft", "&Linker Rand:", 1, false,
                   [](const Preview& p) { return p.LabelBorderLeft(); },
                   [](Preview& p, double v) { p.SetLabelBorderLeft(v); }),
               [](const AddressLayout& a) { return a.BorderLeft; }),
    FromLayout(Length(
                   "LabelBorderRight", "&Rechter Rand:", 1, false,
                   [](const Preview& p) { return p.LabelBorderRight(); },
                   [](Preview& p, double v) { p.SetLabelBorderRight(v); }),
               [](const AddressLayout& a) { return a.BorderRight; }),
    FromLayout(Length(
                   "LabelHeadingSpace", "Abstand vor Versandanweisung::", 1, false,
                   [](const Preview& p) { return p.LabelHeadingSpace(); },
                   [](Preview& p, double v) { p.SetLabelHeadingSpace(v); }),
               [](const AddressLayout& a) { return a.HeadingSpace; }),
    FromLayout(Length(
                   "AddressSpace", "Abstand vor Adresse:", 1, false,
                   [](const Preview& p) { return p.AddressSpace(); },
                   [](Preview& p, double v) { p.SetAddressSpace(v); }),
               [](const AddressLayout& a) { return a.AddressSpace; }),
}};

}  // namespace

const std::array<FieldInfo, kFieldCount>& FieldTable() { return kTable; }

}  // namespace orvano::label_config
