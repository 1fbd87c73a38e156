// Every control's saved state, driven by its property table: what a new control stores, what an
// empty bag reads; each property set to a value that no new control holds, saved, loaded into a
// fresh instance from the class factory and compared. And the factory itself.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "orvano/host/error.h"
#include "orvano/library/orvano.h"
#include "property_rows.h"
#include "support/control_fixture.h"

namespace orvano::test_support {
namespace {

using host::Variant;
using host::headless::HeadlessContainer;
using host::headless::MemoryPropertyBag;

// A value that differs from `now`. A blank brand looks nothing up, so brand and label name keep
// what they get without a catalog.
Variant Other(const Variant& now, Kind kind, const std::string& name) {
  if (kind == Kind::Text) return name == "Brand" ? "  " : " Frau\r\nErika Müller · " + name + " ";
  if (kind == Kind::Flag) return now.ToFlag() == host::kTrue ? host::kFalse : host::kTrue;
  return now.ToDouble() + (kind == Kind::Length ? 1.25 : 1);
}

// Where the visible widgets are, to see that loading laid the control out again.
std::string Placements(const HeadlessContainer& site) {
  std::ostringstream s;
  for (const std::string& name : site.StackingOrder()) {
    const host::Widget* w = site.Find(name);
    if (w && w->Visible())
      s << name << ' ' << w->Left() << ' ' << w->Top() << ' ' << w->Width() << ' ' << w->Height();
  }
  return s.str();
}

template <class C>
struct RoundTrip {
  // `stored`: what a new control writes, as its values differ from the keys' defaults.
  RoundTrip(const char* progId, const std::string& stored)
      : saved(platform, [&](host::Container& s) { return Classes().CreateAs<C>(progId, &s); }),
        loaded(platform, [&](host::Container& s) { return Classes().CreateAs<C>(progId, &s); }) {
    saved.site.WriteProperties(bag);
    std::string values;
    for (const auto& [key, value] : bag.Values()) values += key + "=" + value.ToString() + " ";
    EXPECT_EQ(values, stored);

    std::vector<Variant> before;
    for (const Property<C>& p : Properties<C>()) {
      before.push_back(p.get(*saved));
      if (p.set) p.set(*saved, Other(before.back(), p.kind, p.name));
    }
    bag = MemoryPropertyBag();
    saved.site.WriteProperties(bag);
    loaded.site.ReadProperties(bag);
    for (std::size_t i = 0; const Property<C>& p : Properties<C>()) {
      SCOPED_TRACE(p.name);
      const std::string was = before[i++].ToString(), now = p.get(*saved).ToString();
      EXPECT_EQ(bag.Contains(p.name), p.bag != host::BagMode::NotSaved);
      EXPECT_TRUE(p.bag != host::BagMode::Saved || now != was) << "not changed";
      const std::string want = p.bag == host::BagMode::Saved ? now : was;
      EXPECT_TRUE(p.bag == host::BagMode::NotSaved || p.get(*loaded).ToString() == want);
    }
  }

  host::headless::HeadlessPlatform platform{15, 15};
  Hosted<C> saved, loaded;
  MemoryPropertyBag bag;
};

TEST(ControlState, LabelSelectKeepsTheStockButNotTheDataFolder) {
  RoundTrip<LabelSelect> trip("Orvano.LabelSelect", "SpaceWidth=7,62 ");
  // The keys in the order a saved form holds them.
  EXPECT_EQ(trip.bag.WriteOrder(),
            (std::vector<std::string>{
                "PageWidth",   "PageHeight",  "BorderLeft",  "BorderTop",  "LabelWidth",
                "LabelHeight", "SpaceHeight", "SpaceWidth",  "Cols",       "Rows",
                "Brand",       "LabelName",   "Description", "DataFolder", "AllowMarquee",
                "AllowConfig", "Direction",   "Landscape",   "PageFormat", "AddressLabel"}));
  EXPECT_EQ(trip.loaded->LoadedCount(), 3 * 7);
  EXPECT_EQ(Placements(trip.loaded.site), Placements(trip.saved.site));
}

TEST(ControlState, PreviewKeepsAllButTheLayout) {
  RoundTrip<Preview> trip("Orvano.Preview", "SpaceHorizontal=88,9 SpaceVertical=46,56 ");
  EXPECT_EQ(trip.loaded->PreviewLayout(), ovPreviewPageLayout);
  trip.saved->SetPreviewLayout(ovPreviewPageLayout);
  EXPECT_EQ(Placements(trip.loaded.site), Placements(trip.saved.site));
}

TEST(ControlState, AddressLabelKeepsAllAndCountsTheLoadedAddressAsAChange) {
  RoundTrip<AddressLabel> trip("Orvano.AddressLabel", "");
  EXPECT_EQ(trip.loaded->AddressChanged(), host::kTrue);
  EXPECT_EQ(Placements(trip.loaded.site), Placements(trip.saved.site));
}

// Any case of the name; controls need a container, take its scale mode and leave it when they go.
TEST(ClassFactory, CreatesEveryPublicClassByName) {
  host::headless::HeadlessPlatform platform;
  using enum host::ScaleMode;
  for (auto [progId, control, mode] : {std::tuple{"orvano.labeldef", false, Twips},
                                       {"ORVANO.FIELDDEFS", false, Twips},
                                       {"Orvano.FieldDef", false, Twips},
                                       {"orvano.labelselect", true, Pixels},
                                       {"Orvano.Preview", true, Pixels},
                                       {"Orvano.AddressLabel", true, Twips}}) {
    SCOPED_TRACE(progId);
    const host::ScaleMode other = mode == Pixels ? Twips : Pixels;
    HeadlessContainer site(platform, other, 5000, 4000);
    EXPECT_NO_THROW(Classes().Create(progId, &site));  // and let go at once
    EXPECT_EQ(site.GetScaleMode(), control ? mode : other);
    if (!control) continue;
    try {
      Classes().Create(progId, nullptr);
      ADD_FAILURE() << "created without a container";
    } catch (const host::Error& e) {
      EXPECT_EQ(e.Kind(), host::ErrorKind::ObjectRequired);
    }
    MemoryPropertyBag bag;
    site.Resize(1000, 1000);
    site.WriteProperties(bag);
    EXPECT_TRUE(bag.Values().empty());
  }
}

}  // namespace
}  // namespace orvano::test_support
