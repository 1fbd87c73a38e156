// Clicks on labels and on the name caption, LabelClick, LabelChanged with its by-reference label
// name, and the steps that follow the settings dialog.
#include <vector>

#include "label_select_fixture.h"

namespace orvano::testing {
namespace {

class LabelSelectEventsTest : public LabelSelectTest {
 protected:
  LabelSelectEventsTest() {
    folder_.WriteDef(
        "[Avery]\r\n"
        "L7163=Adressetiketten;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n"
        "L7160=Kleiner;9;0;3;7;7,2;15,15;63,5;38,1;2,5;0\r\n");
    Control().OnLabelClick([this](std::int32_t id) { clicks_.push_back(id); });
  }
  std::vector<std::int32_t> clicks_;
};

TEST_F(LabelSelectEventsTest, ClickOnALabelMovesTheMarkerAndRaisesLabelClick) {
  EXPECT_EQ(ClickLabel(7), 7);
  EXPECT_EQ(Control().LabelID(), 7);
  EXPECT_EQ(clicks_, std::vector<std::int32_t>{7});
  const SheetRect r = Control().LabelRect(7);
  EXPECT_EQ(Selector().Left(), r.left);
  EXPECT_EQ(Selector().Top(), r.top);
  EXPECT_TRUE(Selector().Visible());
}

TEST_F(LabelSelectEventsTest, MarkerAlreadyMovedWhenTheHostHearsTheClick) {
  std::int32_t seen = -2;
  Control().OnLabelClick([&](std::int32_t) { seen = Control().LabelID(); });
  ClickLabel(3);
  EXPECT_EQ(seen, 3);
}

TEST_F(LabelSelectEventsTest, ClicksDoNothingWhileTheMarkerIsOff) {
  Control().SetAllowMarquee(host::kFalse);
  ClickLabel(4);
  EXPECT_TRUE(clicks_.empty());
  EXPECT_EQ(Control().LabelID(), -1);
  EXPECT_FALSE(Selector().Visible());
}

TEST_F(LabelSelectEventsTest, MarqueeLabelRaisesNoEvent) {
  Control().MarqueeLabel(6);
  EXPECT_EQ(Control().LabelID(), 6);
  EXPECT_TRUE(clicks_.empty());
}

TEST_F(LabelSelectEventsTest, CancelledDialogStillReloadsAndRaisesLabelChanged) {
  Control().SetBrand("Avery");
  Control().SetLabelName("L7163");
  Control().SetRows(2);  // the reload brings the catalog's 7 rows back
  std::vector<std::string> seen;
  Control().OnLabelChanged([&](const std::string& brand, std::string& name) {
    seen = {brand, name};
  });
  Control().ShowConfig();
  EXPECT_EQ(seen, (std::vector<std::string>{"Avery", "L7163"}));
  EXPECT_EQ(Control().Rows(), 7);
  EXPECT_TRUE(Control().ElementVisible(SheetArray::LabelArea, 13));
}

TEST_F(LabelSelectEventsTest, ConfirmedDialogHandsBackBrandAndLabelName) {
  LabelConfigRequest asked;
  Control().SetDataFolder(folder_.Path());
  Control().SetAddressLabel(host::kTrue);
  Control().SetConfigRunner([&](host::Container&, const LabelConfigRequest& request) {
    asked = request;
    return LabelConfigResult{host::kTrue, "Avery", "L7160"};
  });
  std::string changedTo;
  Control().OnLabelChanged([&](const std::string&, std::string& name) { changedTo = name; });
  Control().ShowConfig();
  EXPECT_EQ(asked.labelName, "");
  EXPECT_EQ(asked.brand, "");
  EXPECT_EQ(asked.dataFolder, folder_.Path());
  EXPECT_EQ(asked.asAddressLabel, host::kTrue);
  EXPECT_EQ(Control().Brand(), "Avery");
  EXPECT_EQ(Control().LabelName(), "L7160");
  EXPECT_EQ(Control().Cols(), 3);
  EXPECT_EQ(changedTo, "L7160");
}

TEST_F(LabelSelectEventsTest, ResultOtherThanExactlyTrueCountsAsCancelled) {
  Control().SetConfigRunner([](host::Container&, const LabelConfigRequest&) {
    return LabelConfigResult{1, "Avery", "L7160"};
  });
  Control().ShowConfig();
  EXPECT_EQ(Control().LabelName(), "");
}

TEST_F(LabelSelectEventsTest, LabelChangedHandlerWritesTheLabelNameDirectly) {
  Control().SetBrand("Avery");
  Control().SetLabelName("L7163");
  Control().OnLabelChanged([](const std::string&, std::string& name) { name = "L7160"; });
  Control().ShowConfig();
  EXPECT_EQ(Control().LabelName(), "L7160");
  // No lookup ran for the new name: the stock is still that of L7163.
  EXPECT_EQ(Control().Cols(), 2);
  EXPECT_EQ(Control().Description(), "Adressetiketten");
}

TEST_F(LabelSelectEventsTest, DialogErrorIsResumedAndTheRestStillRuns) {
  Control().SetConfigRunner([](host::Container&, const LabelConfigRequest&) -> LabelConfigResult {
    host::Raise(host::ErrorKind::OutOfMemory);
  });
  bool changed = false;
  Control().OnLabelChanged([&](const std::string&, std::string&) { changed = true; });
  EXPECT_NO_THROW(Control().ShowConfig());
  EXPECT_TRUE(changed);
}

TEST_F(LabelSelectEventsTest, CaptionClickOpensTheDialogOnlyWhenExactlyAllowed) {
  int opened = 0;
  Control().SetConfigRunner([&](host::Container&, const LabelConfigRequest&) {
    ++opened;
    return LabelConfigResult{};
  });
  Site().Click(Caption());
  EXPECT_EQ(opened, 1);
  Control().SetAllowConfig(1);
  Site().Click(Caption());
  EXPECT_EQ(opened, 1);
  // ShowConfig itself does not ask.
  Control().SetAllowConfig(host::kFalse);
  Control().ShowConfig();
  EXPECT_EQ(opened, 2);
}

TEST_F(LabelSelectEventsTest, FactoryCreatesTheControlOnlyWithAContainer) {
  host::ClassFactory factory;
  RegisterLabelSelect(factory);
  host::headless::HeadlessContainer site(platform_, host::ScaleMode::Pixels, 100, 100);
  auto made = factory.CreateAs<LabelSelect>("orvano.labelselect", &site);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Rows(), 6);
  try {
    factory.Create("Orvano.LabelSelect");
    FAIL() << "no error";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::ObjectRequired);
  }
}

}  // namespace
}  // namespace orvano::testing
