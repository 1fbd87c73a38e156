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

struct PropertyFileTest : ::testing::Test {
  QTemporaryDir dir;
  std::string Path(const char* name) {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
  std::optional<host::ErrorKind> Loading(PropertyFile& file, const char* name) {
    try {
      file.Load(Path(name));
    } catch (const host::Error& e) {
      return e.Kind();
    }
    return std::nullopt;
  }
};

TEST_F(PropertyFileTest, ARoundTripKeepsKindsAndExactValues) {
  PropertyFile out;
  QtPropertyBag& select = out.Bag("LabelSelect1");
  select.WriteProperty("Brand", std::string("Zweckform Ä"), std::string(""));
  select.WriteProperty("Cols", std::int32_t{3}, std::int32_t{0});
  select.WriteProperty("LabelWidth", 0.1 + 0.2, 0.0);
  select.WriteProperty("Tiny", 1e-300, 0.0);
  select.WriteProperty("Huge", std::numeric_limits<double>::infinity(), 0.0);
  select.WriteProperty("AllowMarquee", host::kTrue, host::kFalse);
  out.Bag("Preview1").WriteProperty("Rows", std::int32_t{8}, std::int32_t{0});
  out.Save(Path("form.json"));

  PropertyFile in;
  ASSERT_EQ(Loading(in, "form.json"), std::nullopt);
  const QtPropertyBag& bag = in.Bag("LabelSelect1");
  const host::Variant brand = bag.ReadProperty("Brand", ""), cols = bag.ReadProperty("Cols", 0.0),
                      width = bag.ReadProperty("LabelWidth", std::int32_t{0}),
                      marquee = bag.ReadProperty("AllowMarquee", host::kFalse);
  EXPECT_TRUE(brand.IsString() && cols.IsLong() && width.IsDouble() && marquee.IsFlag());
  EXPECT_EQ(brand.ToString(), "Zweckform Ä");
  EXPECT_EQ(cols.ToLong(), 3);
  EXPECT_EQ(width.ToDouble(), 0.1 + 0.2);
  EXPECT_EQ(bag.ReadProperty("Tiny", 0.0).ToDouble(), 1e-300);
  EXPECT_TRUE(std::isinf(bag.ReadProperty("Huge", 0.0).ToDouble()));
  EXPECT_EQ(marquee.ToFlag(), host::kTrue);
  EXPECT_EQ(in.Bag("Preview1").ReadProperty("Rows", std::int32_t{0}).ToLong(), 8);
}

TEST_F(PropertyFileTest, DamagedMissingOrUnwritableFilesAreErrorsAndKeepTheBags) {
  PropertyFile file;
  file.Bag("AddressLabel1").WriteProperty("FontSize", std::int32_t{10}, std::int32_t{0});
  QFile broken(QString::fromStdString(Path("broken.json")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write(
      R"({"format":"orvano-properties","instances":{"A":{"X":{"kind":"long","value":1.5}}}})");
  broken.close();
  EXPECT_EQ(Loading(file, "broken.json"), host::ErrorKind::IoError);
  EXPECT_EQ(Loading(file, "missing.json"), host::ErrorKind::FileNotFound);
  EXPECT_EQ(file.Bag("AddressLabel1").ReadProperty("FontSize", std::int32_t{0}).ToLong(), 10);
  EXPECT_THROW(file.Save(Path("no/such/folder/form.json")), host::Error);
}

}  // namespace
}  // namespace orvano::qt::testing
