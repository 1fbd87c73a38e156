// Property bags survive a trip through their file with every value's kind, and a damaged or
// missing file is reported without losing the bags already held.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "orvano/host/error.h"
#include "orvano/qt/property_file.h"

namespace orvano::qt::testing {
namespace {

std::string PathIn(const QTemporaryDir& dir, const char* name) {
  return dir.filePath(QString::fromLatin1(name)).toStdString();
}

TEST(PropertyFile, RoundTripKeepsKindsAndExactValues) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  PropertyFile out;
  QtPropertyBag& select = out.Bag("LabelSelect1");
  select.WriteProperty("Brand", std::string("Zweckform Ä"), std::string(""));
  select.WriteProperty("Cols", std::int32_t{3}, std::int32_t{0});
  select.WriteProperty("LabelWidth", 0.1 + 0.2, 0.0);
  select.WriteProperty("Tiny", 1e-300, 0.0);
  select.WriteProperty("Huge", std::numeric_limits<double>::infinity(), 0.0);
  select.WriteProperty("AllowMarquee", host::kTrue, host::kFalse);
  out.Bag("Preview1").WriteProperty("Rows", std::int32_t{8}, std::int32_t{0});
  out.Save(PathIn(dir, "form.json"));

  PropertyFile in;
  in.Load(PathIn(dir, "form.json"));
  ASSERT_TRUE(in.Has("LabelSelect1"));
  const QtPropertyBag& bag = in.Bag("LabelSelect1");
  const host::Variant brand = bag.ReadProperty("Brand", "");
  const host::Variant cols = bag.ReadProperty("Cols", std::int32_t{0});
  const host::Variant width = bag.ReadProperty("LabelWidth", 0.0);
  const host::Variant marquee = bag.ReadProperty("AllowMarquee", host::kFalse);
  EXPECT_TRUE(brand.IsString());
  EXPECT_EQ(brand.ToString(), "Zweckform Ä");
  EXPECT_TRUE(cols.IsLong());
  EXPECT_EQ(cols.ToLong(), 3);
  EXPECT_TRUE(width.IsDouble());
  EXPECT_EQ(width.ToDouble(), 0.1 + 0.2);
  EXPECT_EQ(bag.ReadProperty("Tiny", 0.0).ToDouble(), 1e-300);
  EXPECT_TRUE(std::isinf(bag.ReadProperty("Huge", 0.0).ToDouble()));
  EXPECT_TRUE(marquee.IsFlag());
  EXPECT_EQ(marquee.ToFlag(), host::kTrue);
  EXPECT_EQ(in.Bag("Preview1").ReadProperty("Rows", std::int32_t{0}).ToLong(), 8);
}

TEST(PropertyFile, ValuesEqualToTheirDefaultAreNotStored) {
  QtPropertyBag bag;
  bag.WriteProperty("SpaceWidth", 7.62, 0.0);
  bag.WriteProperty("SpaceWidth", 0.0, 0.0);
  bag.WriteProperty("Rows", std::int32_t{0}, 0.0);
  EXPECT_TRUE(bag.Values().empty());
  EXPECT_EQ(bag.ReadProperty("SpaceWidth", 7.62).ToDouble(), 7.62);
}

TEST(PropertyFile, DamagedFileIsAnErrorAndKeepsTheBags) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  PropertyFile file;
  file.Bag("AddressLabel1").WriteProperty("FontSize", std::int32_t{10}, std::int32_t{0});

  QFile broken(QString::fromStdString(PathIn(dir, "broken.json")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write(
      R"({"format":"orvano-properties","instances":{"A":{"X":{"kind":"long","value":1.5}}}})");
  broken.close();

  try {
    file.Load(PathIn(dir, "broken.json"));
    FAIL() << "a damaged file was accepted";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::IoError);
  }
  try {
    file.Load(PathIn(dir, "missing.json"));
    FAIL() << "a missing file was accepted";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::FileNotFound);
  }
  EXPECT_EQ(file.Bag("AddressLabel1").ReadProperty("FontSize", std::int32_t{0}).ToLong(), 10);
}

TEST(PropertyFile, SavingIntoAMissingFolderFails) {
  QTemporaryDir dir;
  PropertyFile file;
  EXPECT_THROW(file.Save(PathIn(dir, "no/such/folder/form.json")), host::Error);
}

}  // namespace
}  // namespace orvano::qt::testing
