// The demo's form survives a save and a restart: the chosen label with its address layout
// looked up again, the start label, the typed texts and the preview's layout.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <iterator>
#include <limits>

#include "demo_window.h"
#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/qt/widgets/preview_widget.h"

namespace orvano::demo {
namespace {

TEST(DemoState, FormComesBackAsItWasLeft) {
  QTemporaryDir data;
  ASSERT_TRUE(data.isValid());
  qt::PropertyFile file;
  QString brand, name;
  {
    DemoWindow first(data.path());
    first.Restore(file);  // never saved: a catalog label and a sample address
    EXPECT_FALSE(first.addressLabel()->address().isEmpty());
    first.labelSelect()->setLabelID(4);
    first.addressLabel()->setAddress(QStringLiteral("Max Muster\nWeg 1"));
    first.preview()->setPreviewLayout(1);
    brand = first.labelSelect()->brand();
    name = first.labelSelect()->labelName();
    first.Save(file);
  }
  DemoWindow second(data.path());
  second.Restore(file);
  EXPECT_EQ(second.labelSelect()->brand(), brand);
  EXPECT_EQ(second.labelSelect()->labelName(), name);
  EXPECT_EQ(second.labelSelect()->labelID(), 4);
  EXPECT_EQ(second.labelSelect()->dataFolder(), data.path());
  EXPECT_TRUE(second.labelSelect()->addressLabel());
  EXPECT_EQ(second.addressLabel()->address(), QStringLiteral("Max Muster\nWeg 1"));
  EXPECT_EQ(second.preview()->previewLayout(), 1);
  if (!name.isEmpty()) {
    // Loading a saved LabelSelect leaves its address layout empty; the demo looks it up again.
    EXPECT_GT(second.labelSelect()->addressLabelFontSize(), 0);
    EXPECT_DOUBLE_EQ(second.addressLabel()->labelWidth(), second.labelSelect()->labelWidth());
  }
}

// Wrong kinds, numbers out of range, huge texts: each such value takes its default and is named;
// the rest of the form comes back and nothing aborts (a text flag once ended the demo).
TEST(DemoState, DamagedFormLoadsWithDefaultsAndNamesWhatItIgnored) {
  QTemporaryDir data;
  ASSERT_TRUE(data.isValid());
  qt::PropertyFile file;
  {
    DemoWindow first(data.path());
    first.Restore(file);
    first.addressLabel()->setAddress(QStringLiteral("Max Muster"));
    first.Save(file);
  }
  const struct {
    const char* bag;
    const char* name;
    host::Variant value;
  } damage[] = {
      {"Demo", "Outlines", "kaputt"},
      {"Demo", "StartLabel", 1e12},
      {"Demo", "LabelHeading", std::string(5 << 20, 'h')},
      {"AddressLabel1", "ReturnAddress", std::string(5 << 20, 'r')},
      {"AddressLabel1", "LabelWidth", std::numeric_limits<double>::infinity()},
      {"Preview1", "Cols", std::int32_t{2'000'000'000}},
      {"LabelSelect1", "LabelHeight", "hoch"},
  };
  for (const auto& d : damage) file.Bag(d.bag).Set(d.name, d.value);

  DemoWindow second(data.path());
  QStringList ignored;
  ASSERT_NO_THROW(ignored = second.Restore(file));
  for (const auto& d : damage)
    EXPECT_TRUE(std::any_of(
        ignored.begin(), ignored.end(),
        [&](const QString& i) { return i.startsWith(QStringLiteral("%1.%2").arg(d.bag, d.name)); }))
        << d.bag << "." << d.name << " not reported in " << ignored.join(", ").toStdString();
  EXPECT_EQ(ignored.size(), static_cast<qsizetype>(std::size(damage)));
  EXPECT_EQ(second.addressLabel()->address(), QStringLiteral("Max Muster"));  // undamaged
  EXPECT_TRUE(second.addressLabel()->returnAddress().size() < 1000);
}

}  // namespace
}  // namespace orvano::demo
