// The demo's form survives a save and a restart: the chosen label with its address layout
// looked up again, the start label, the typed texts and the preview's layout.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "demo_window.h"
#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/qt/widgets/preview_widget.h"

namespace orvano::demo {
namespace {

TEST(DemoState, FormComesBackAsItWasLeftAndDamagedValuesAreNamedNotFatal) {
  QTemporaryDir data;
  ASSERT_TRUE(data.isValid());
  qt::PropertyFile file;
  QString brand, name;
  {
    DemoWindow first(data.path());
    first.Restore(file);  // never saved: a catalog label and a sample address
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
  EXPECT_EQ(second.addressLabel()->address(), QStringLiteral("Max Muster\nWeg 1"));
  EXPECT_EQ(second.preview()->previewLayout(), 1);
  if (!name.isEmpty()) {
    // Loading a saved LabelSelect leaves its address layout empty; the demo looks it up again.
    EXPECT_GT(second.labelSelect()->addressLabelFontSize(), 0);
    EXPECT_DOUBLE_EQ(second.addressLabel()->labelWidth(), second.labelSelect()->labelWidth());
  }

  // A wrong kind, a number out of range, a huge text: each takes its default and is named, the
  // rest comes back and nothing aborts (a text flag once ended the demo).
  file.Bag("Demo").Set("Outlines", "kaputt");
  file.Bag("Demo").Set("StartLabel", 1e12);
  file.Bag("AddressLabel1").Set("ReturnAddress", std::string(5 << 20, 'r'));
  DemoWindow third(data.path());
  QStringList ignored;
  ASSERT_NO_THROW(ignored = third.Restore(file));
  EXPECT_EQ(ignored.size(), 3) << ignored.join(", ").toStdString();
  for (const char* value : {"Demo.Outlines", "Demo.StartLabel", "AddressLabel1.ReturnAddress"})
    EXPECT_EQ(ignored.filter(QString::fromLatin1(value)).size(), 1) << value;
  EXPECT_EQ(third.addressLabel()->address(), QStringLiteral("Max Muster\nWeg 1"));
  EXPECT_LT(third.addressLabel()->returnAddress().size(), 1000);
}

}  // namespace
}  // namespace orvano::demo
