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
    Control().OnLabelClick([this](std::int32_t id) {
      clicks_.push_back(id);
      idSeen_ = Control().LabelID();
    });
    Control().OnLabelChanged([this](const std::string& brand, std::string& name) {
      changed_ = {brand, name};
      if (!rename_.empty()) name = rename_;
    });
  }
  std::vector<std::int32_t> clicks_;
  std::int32_t idSeen_ = -2;
  std::vector<std::string> changed_;
  std::string rename_;
};

TEST_F(LabelSelectEventsTest, ClickMovesTheMarkerBeforeLabelClickIsRaised) {
  EXPECT_EQ(ClickLabel(7), 7);
  EXPECT_EQ(clicks_, std::vector<std::int32_t>{7});
  EXPECT_EQ(idSeen_, 7);
  EXPECT_EQ(Selector().Left(), Control().LabelRect(7).left);
  Control().MarqueeLabel(6);  // moves the marker without an event
  EXPECT_EQ(clicks_.size(), 1u);
  Control().SetAllowMarquee(host::kFalse);
  ClickLabel(4);
  EXPECT_EQ(clicks_.size(), 1u);
  EXPECT_EQ(Control().LabelID(), -1);
}

// A cancelled dialog still reloads the label; the handler may rename it, which looks nothing up.
TEST_F(LabelSelectEventsTest, CancelledDialogReloadsAndLabelChangedMayRenameTheLabel) {
  Control().SetBrand("Avery");
  Control().SetLabelName("L7163");
  Control().SetRows(2);  // the reload brings the catalog's 7 rows back
  Control().ShowConfig();
  EXPECT_EQ(changed_, (std::vector<std::string>{"Avery", "L7163"}));
  EXPECT_EQ(Control().Rows(), 7);
  EXPECT_TRUE(Control().ElementVisible(SheetArray::LabelArea, 13));
  rename_ = "L7160";
  Control().ShowConfig();
  EXPECT_EQ(Control().LabelName(), "L7160");
  EXPECT_EQ(Control().Cols(), 2);  // still the stock of L7163
}

TEST_F(LabelSelectEventsTest, CaptionClickOpensTheDialogOnlyWhenExactlyAllowed) {
  int opened = 0;
  Control().SetConfigRunner([&](host::Container&, const LabelConfigRequest&) {
    ++opened;
    return LabelConfigResult{};
  });
  Site().Click(Caption());
  Control().SetAllowConfig(1);
  Site().Click(Caption());
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace orvano::testing
