// Widgets placed on a tab page show only while their tab is selected; a disabled tab can be
// chosen neither by code nor by the user.
#include <QTabBar>

#include "form_fixture.h"
#include "orvano/host/error.h"

namespace orvano::qt::testing {
namespace {

using TabPages = FormTest;

TEST_F(TabPages, PlacedWidgetsFollowTheSelectedTab) {
  auto tabs = form_->CreateTabStrip("SSTab1");
  tabs->Move(0, 0, 5000, 3000);
  tabs->AddTab("Sei&tenlayout");
  tabs->AddTab("A&dresslayout");
  auto page0 = form_->CreateTextBox("txtBorderTop");
  auto page1 = form_->CreateTextBox("txtLabelBorderTop");
  tabs->PlaceOnTab(*page0, 0);
  tabs->PlaceOnTab(*page1, 1);
  int changes = 0;
  tabs->OnTabChange([&] { ++changes; });

  EXPECT_TRUE(Native(*page0)->isVisible());
  EXPECT_FALSE(Native(*page1)->isVisible());

  tabs->SetTab(1);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(Native(*page0)->isVisible());
  EXPECT_TRUE(Native(*page1)->isVisible());
  // The widget's own Visible stays its own.
  EXPECT_TRUE(page0->Visible());

  tabs->SetTab(1);
  EXPECT_EQ(changes, 1);
}

TEST_F(TabPages, DisabledTabRefusesCodeAndUser) {
  auto tabs = form_->CreateTabStrip("SSTab1");
  tabs->Move(0, 0, 5000, 3000);
  tabs->AddTab("Sei&tenlayout");
  tabs->AddTab("A&dresslayout");
  tabs->SetTabEnabled(1, false);
  int changes = 0;
  tabs->OnTabChange([&] { ++changes; });

  EXPECT_THROW(tabs->SetTab(1), host::Error);
  auto* bar = qobject_cast<QTabBar*>(Native(*tabs));
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(tabs->Tab(), 0);
  EXPECT_EQ(changes, 0);

  tabs->SetTabEnabled(1, true);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(tabs->Tab(), 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(TabPages, WidgetGoneBeforeTheStripIsForgotten) {
  auto tabs = form_->CreateTabStrip("SSTab1");
  tabs->AddTab("Eins");
  tabs->AddTab("Zwei");
  auto label = form_->CreateLabel("lblGone");
  tabs->PlaceOnTab(*label, 1);
  label.reset();
  tabs->SetTab(1);  // must not touch the deleted label
  EXPECT_EQ(tabs->Tab(), 1);
}

}  // namespace
}  // namespace orvano::qt::testing
