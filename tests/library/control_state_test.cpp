// Every control's saved state, driven by its property table: each property set to a value that
// no new control holds, saved, loaded into a fresh instance from the class factory and compared;
// what a new control stores and an empty bag loads; the factory itself.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/controls/label_select/label_select.h"
#include "orvano/controls/preview/preview.h"
#include "orvano/host/error.h"
#include "orvano/library/orvano.h"
#include "property_rows.h"
#include "support/control_fixture.h"

namespace orvano {
namespace {

using host::Variant;
using host::headless::HeadlessContainer;
using host::headless::MemoryPropertyBag;
using test_support::Hosted;
using test_support::Properties;
using test_support::Property;

std::string Join(const std::vector<std::string>& names) {
  std::string all;
  for (const std::string& n : names) all += (all.empty() ? "" : " ") + n;
  return all;
}

// Where the visible widgets are, to see that loading laid the control out again.
std::vector<std::string> Placements(const HeadlessContainer& site) {
  std::vector<std::string> all;
  for (const std::string& name : site.StackingOrder()) {
    if (const host::Widget* w = site.Find(name); w && w->Visible()) {
      std::ostringstream s;
      s << name << ' ' << w->Left() << ' ' << w->Top() << ' ' << w->Width() << ' ' << w->Height();
      all.push_back(s.str());
    }
  }
  return all;
}

template <class C>
struct RoundTrip {
  // `keys`: the bag's keys in order; `stored`: what a new control writes (its values differ from
  // the keys' defaults).
  RoundTrip(const char* progId, const std::string& keys, const std::string& stored)
      : make([progId](host::Container& site) { return Classes().CreateAs<C>(progId, &site); }),
        saved(platform, make),
        loaded(platform, make) {
    saved.site.WriteProperties(bag);
    EXPECT_EQ(Join(bag.WriteOrder()), keys);
    std::string values;
    for (const auto& [key, value] : bag.Values()) values += key + "=" + value.ToString() + " ";
    EXPECT_EQ(values, stored);

    MemoryPropertyBag empty;
    loaded.site.ReadProperties(empty);
    std::vector<std::string> read;
    for (const Property<C>& p : Properties<C>())
      if (p.bag == host::BagMode::Saved) read.push_back(p.name);
    EXPECT_EQ(Join(empty.ReadOrder()), Join(read));

    std::vector<Variant> before;
    for (const Property<C>& p : Properties<C>()) {
      before.push_back(p.get(*saved));
      if (p.change) p.change(*saved);
    }
    bag = MemoryPropertyBag();
    saved.site.WriteProperties(bag);
    loaded.site.ReadProperties(bag);
    std::size_t i = 0;
    for (const Property<C>& p : Properties<C>()) {
      SCOPED_TRACE(p.name);
      const Variant was = before[i++];
      EXPECT_EQ(bag.Contains(p.name), p.bag != host::BagMode::NotSaved);
      if (p.bag == host::BagMode::Saved) {
        EXPECT_NE(p.get(*saved).ToString(), was.ToString()) << "not changed";
        EXPECT_EQ(p.get(*loaded).ToString(), p.get(*saved).ToString());
      } else if (p.bag == host::BagMode::WriteOnly) {
        EXPECT_EQ(p.get(*loaded).ToString(), was.ToString());
      }
    }
  }

  std::function<std::shared_ptr<C>(host::Container&)> make;
  host::headless::HeadlessPlatform platform{15, 15};
  Hosted<C> saved, loaded;
  MemoryPropertyBag bag;
};

TEST(ControlState, LabelSelectKeepsTheStockButNotTheDataFolder) {
  RoundTrip<LabelSelect> trip(
      "Orvano.LabelSelect",
      "PageWidth PageHeight BorderLeft BorderTop LabelWidth LabelHeight SpaceHeight SpaceWidth "
      "Cols Rows Brand LabelName Description DataFolder AllowMarquee AllowConfig Direction "
      "Landscape PageFormat AddressLabel",
      "SpaceWidth=7,62 ");
  EXPECT_EQ(trip.loaded->LoadedCount(), 3 * 7);
  EXPECT_EQ(Placements(trip.loaded.site), Placements(trip.saved.site));
}

TEST(ControlState, PreviewKeepsAllButTheLayout) {
  RoundTrip<Preview> trip("Orvano.Preview",
                          "BorderLeft BorderTop LabelWidth LabelHeight SpaceVertical "
                          "SpaceHorizontal Cols Rows LabelBorderLeft LabelBorderTop "
                          "LabelBorderRight LabelBorderBottom LabelHeadingSpace AddressSpace "
                          "ReturnAddressFormat WithLabelHeading FontSize",
                          "SpaceHorizontal=88,9 SpaceVertical=46,56 ");
  EXPECT_EQ(trip.loaded->PreviewLayout(), ovPreviewPageLayout);
  trip.saved->SetPreviewLayout(ovPreviewPageLayout);
  EXPECT_EQ(Placements(trip.loaded.site), Placements(trip.saved.site));
}

TEST(ControlState, AddressLabelKeepsAllAndCountsTheLoadedAddressAsAChange) {
  RoundTrip<AddressLabel> trip("Orvano.AddressLabel",
                               "LabelWidth LabelHeight LabelBorderLeft LabelBorderTop "
                               "LabelBorderRight LabelBorderBottom Address ReturnAddress "
                               "LabelHeading LabelHeadingSpace AddressSpace ReturnAddressFormat",
                               "");
  EXPECT_EQ(trip.loaded->AddressChanged(), host::kTrue);
  EXPECT_EQ(Placements(trip.loaded.site), Placements(trip.saved.site));
}

// The class factory knows every public class by name, whatever the case; controls need a
// container, take its scale mode and leave it when they go.
TEST(ClassFactory, CreatesEveryPublicClassByName) {
  struct Row {
    const char* progId;
    bool control;
    host::ScaleMode mode;
  };
  host::headless::HeadlessPlatform platform;
  for (const Row& r : {Row{"orvano.labeldef", false, host::ScaleMode::Twips},
                       Row{"ORVANO.FIELDDEFS", false, host::ScaleMode::Twips},
                       Row{"Orvano.FieldDef", false, host::ScaleMode::Twips},
                       Row{"orvano.labelselect", true, host::ScaleMode::Pixels},
                       Row{"Orvano.Preview", true, host::ScaleMode::Pixels},
                       Row{"Orvano.AddressLabel", true, host::ScaleMode::Twips}}) {
    SCOPED_TRACE(r.progId);
    HeadlessContainer site(platform, host::ScaleMode::Twips, 5000, 4000);
    auto made = Classes().Create(r.progId, &site);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(site.GetScaleMode(), r.mode);
    if (!r.control) continue;
    try {
      Classes().Create(r.progId);
      ADD_FAILURE() << "created without a container";
    } catch (const host::Error& e) {
      EXPECT_EQ(e.Kind(), host::ErrorKind::ObjectRequired);
    }
    made.reset();
    MemoryPropertyBag bag;
    site.Resize(1000, 1000);
    site.WriteProperties(bag);
    EXPECT_TRUE(bag.Values().empty());
  }
  try {
    Classes().Create("Orvano.Drucker");
    ADD_FAILURE() << "an unknown name created something";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::ClassNotRegistered);
  }
}

}  // namespace
}  // namespace orvano
