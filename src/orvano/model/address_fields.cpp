#include "orvano/model/address_fields.h"

#include "orvano/model/page_format.h"

namespace orvano {

namespace {

constexpr std::int32_t kSenderFontSize = 7;
constexpr std::int32_t kDefaultFontSize = 10;

}  // namespace

void AddAddressFields(LabelDef& def, const AddressFieldLayout& layout) {
  using host::Finite;
  FieldDefs& fields = *def.Fields();
  const double width = Finite(def.LabelWidth() - layout.BorderLeft - layout.BorderRight);
  double top = layout.BorderTop;
  const auto place = [&](const char* name) -> FieldDef& {
    fields.Add(ovFieldTypeDataField, name, name);
    FieldDef& field = *fields.Item(name);
    field.SetFieldLeft(layout.BorderLeft);
    field.SetFieldTop(top);
    field.SetFieldWidth(width);
    field.SetFontName("Arial");
    return field;
  };
  const std::int32_t mainSize = layout.FontSize < 1 ? kDefaultFontSize : layout.FontSize;
  const bool withHeading = host::IsExactlyTrue(layout.WithLabelHeading);

  if (layout.ReturnAddressFormat != ovReturnAddressNone) {
    FieldDef& sender = place("ReturnAddress");
    // A small main font shrinks the sender line with it; a large one leaves it at 7 points.
    const std::int32_t size = layout.FontSize >= 1 && layout.FontSize < kSenderFontSize
                                  ? layout.FontSize
                                  : kSenderFontSize;
    sender.SetFontSize(size);
    double height = LineHeightFromFontSize(size);
    if (layout.ReturnAddressFormat != ovReturnAddressSingleLine) height = 2 * height;
    height = Finite(height + (withHeading ? layout.HeadingSpace : layout.AddressSpace));
    sender.SetFieldHeight(height);
    sender.SetCanShrink(host::kTrue);
    sender.SetCanGrow(host::kFalse);
    top = Finite(height + top);
  }

  if (withHeading) {
    FieldDef& heading = place("LabelHeading");
    heading.SetFontBold(host::kTrue);
    heading.SetFontSize(mainSize);
    const double height = Finite(LineHeightFromFontSize(mainSize) + layout.AddressSpace);
    heading.SetFieldHeight(height);
    heading.SetCanShrink(host::kTrue);
    heading.SetCanGrow(host::kFalse);
    top = Finite(height + top);
  }

  FieldDef& address = place("Address");
  address.SetFontSize(mainSize);
  address.SetFieldHeight(Finite(def.LabelHeight() - top - layout.BorderBottom));
  address.SetCanShrink(host::kFalse);
  address.SetCanGrow(host::kTrue);
}

}  // namespace orvano
