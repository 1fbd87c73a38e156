// Hostile values for every numeric property of every control: zero, negative, non-finite, huge,
// and through the property bag also fractions and the wrong type. No control validates a length
// or a count: each stores what it is given and its picture stays drawable. The table names what
// a control refuses instead, and how.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <sstream>

#include "orvano/host/error.h"
#include "orvano/library/orvano.h"
#include "property_rows.h"
#include "support/control_fixture.h"

namespace orvano::test_support {
namespace {

using host::Variant;
using host::headless::HeadlessContainer;
using host::headless::MemoryPropertyBag;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMin = std::numeric_limits<std::int32_t>::min();
constexpr double kMax = std::numeric_limits<std::int32_t>::max();

// What a setter and what the bag hands each kind of property (Length, Count, Flag).
const std::vector<Variant> kSet[] = {
    {0.0, -1.0, kNaN, kInf, -kInf, 1e300, -1e300}, {0.0, -1.0, kMin, kMax}, {1.0, 2.0, 0.0}};
const std::vector<Variant> kLoad[] = {
    {"kein Wert", kNaN, -1e300}, {"kein Wert", kNaN, 3e10, 2.5, 3.5}, {"kein Wert", 1, 2.5}};

std::string Text(const Variant& v) {
  if (v.IsString()) return v.ToString();
  std::ostringstream s;
  s << v.ToDouble();
  return s.str();
}

// The exceptions to "stored as given": the start label takes only labels on the sheet and keeps
// its number otherwise; the orientation reads true for anything but 0; what the bag cannot
// convert (text, a count beyond 32 bits) leaves the key as it was; counts round half to even;
// any non-zero flag loads as true.
enum class Promise { Stored, Kept, True, Rounded };
struct Exception {
  const char* property;  // any property of the kind when empty
  Kind kind;
  bool load;
  const char* value;
  Promise promise;
} const kExceptions[] = {{"LabelID", Kind::Count, false, "-1", Promise::Kept},
                         {"LabelID", Kind::Count, false, "-2.14748e+09", Promise::Kept},
                         {"LabelID", Kind::Count, false, "2.14748e+09", Promise::Kept},
                         {"Landscape", Kind::Flag, false, "1", Promise::True},
                         {"Landscape", Kind::Flag, false, "2", Promise::True},
                         {"", Kind::Length, true, "kein Wert", Promise::Kept},
                         {"", Kind::Count, true, "kein Wert", Promise::Kept},
                         {"", Kind::Count, true, "nan", Promise::Kept},
                         {"", Kind::Count, true, "3e+10", Promise::Kept},
                         {"", Kind::Count, true, "2.5", Promise::Rounded},
                         {"", Kind::Count, true, "3.5", Promise::Rounded},
                         {"", Kind::Flag, true, "kein Wert", Promise::Kept},
                         {"", Kind::Flag, true, "1", Promise::True},
                         {"", Kind::Flag, true, "2.5", Promise::True}};

Promise PromiseFor(const std::string& property, Kind kind, bool load, const Variant& value) {
  for (const Exception& e : kExceptions) {
    if ((!*e.property || property == e.property) && e.kind == kind && e.load == load &&
        Text(value) == e.value)
      return e.promise;
  }
  return Promise::Stored;
}

// No widget at a position that is not a number, no drawn coordinate wrapped past 32 bits.
void ExpectDrawable(HeadlessContainer& site) {
  for (const std::string& name : site.StackingOrder()) {
    const host::Widget* w = site.Find(name);
    if (!w) continue;
    EXPECT_TRUE(std::isfinite(w->Left() + w->Top() + w->Width() + w->Height())) << name;
  }
  site.ClearDrawing();
  site.Paint();
  for (const auto& p : site.Drawing())
    for (float v : {p.x1, p.y1, p.x2, p.y2}) ASSERT_TRUE(std::isfinite(v) && v > -2e9f) << v;
}

template <class C>
void ExpectPromisesKept(const char* progId, const std::function<void(C&)>& prepare,
                        const std::function<void(const C&, const C&, double)>& alsoHolds = {}) {
  host::headless::HeadlessPlatform platform{15, 15};
  const auto make = [&](host::Container& site) {
    auto c = Classes().CreateAs<C>(progId, &site);
    prepare(*c);
    return c;
  };
  const Hosted<C> pristine(platform, make);
  for (const Property<C>& p : Properties<C>()) {
    if (p.kind == Kind::Text) continue;
    const double old = p.get(*pristine).ToDouble();
    for (bool load : {false, true}) {
      const auto& values = (load ? kLoad : kSet)[static_cast<int>(p.kind)];
      if (load ? p.bag != host::BagMode::Saved : !p.set) continue;
      for (const Variant& v : values) {
        SCOPED_TRACE(std::string(p.name) + (load ? " loaded from " : " set to ") + Text(v));
        Hosted<C> h(platform, make);
        MemoryPropertyBag bag;
        bag.Set(p.name, v);
        EXPECT_NO_THROW(load ? h.site.ReadProperties(bag) : p.set(*h, v));
        const Promise promise = PromiseFor(p.name, p.kind, load, v);
        const double got = p.get(*h).ToDouble();
        if (promise == Promise::Stored && !v.IsString() && std::isnan(v.ToDouble())) {
          EXPECT_TRUE(std::isnan(got));
        } else if (promise == Promise::Stored || promise == Promise::Rounded) {
          EXPECT_EQ(got, promise == Promise::Stored ? v.ToDouble() : std::nearbyint(v.ToDouble()));
        } else {
          EXPECT_EQ(got, promise == Promise::True ? -1 : old);
        }
        if (alsoHolds && !load) alsoHolds(*h, *pristine, v.ToDouble());
        ExpectDrawable(h.site);
      }
    }
  }
}

TEST(HostileValues, LabelSelect) {
  ExpectPromisesKept<LabelSelect>("Orvano.LabelSelect", [](LabelSelect&) {});
}

// A layout value that cannot be computed keeps what it held, in either layout.
TEST(HostileValues, PreviewInBothLayouts) {
  for (auto layout : {ovPreviewPageLayout, ovPreviewAddressLayout}) {
    ExpectPromisesKept<Preview>(
        "Orvano.Preview", [&](Preview& c) { c.SetPreviewLayout(layout); },
        [](const Preview& c, const Preview& pristine, double v) {
          if (std::abs(v) < 1e299) return;  // the lengths that no pixel count holds
          EXPECT_EQ(c.Layout().ExtentX, pristine.Layout().ExtentX);
          EXPECT_EQ(c.Layout().ExtentY, pristine.Layout().ExtentY);
        });
  }
}

// With every part shown: sender on two lines, heading and address.
TEST(HostileValues, AddressLabel) {
  ExpectPromisesKept<AddressLabel>("Orvano.AddressLabel", [](AddressLabel& c) {
    c.SetReturnAddressFormat(ovReturnAddressDoubleLine);
    c.SetLabelHeading("Einschreiben");
  });
}

// Renumbering the start label divides by the columns: without them the new direction is refused
// with the error and the old one kept.
TEST(HostileValues, DirectionWithoutColumnsFailsAndChangesNothing) {
  host::headless::HeadlessPlatform platform{15, 15};
  Hosted<LabelSelect> h(platform);
  h->SetCols(0);
  try {
    h->SetDirection(ovTopBottom);
    ADD_FAILURE() << "no error";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::DivisionByZero);
  }
  EXPECT_EQ(h->Direction(), ovLeftRight);
}

}  // namespace
}  // namespace orvano::test_support
