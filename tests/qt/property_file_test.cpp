// Property bags survive a trip through their file with every value's kind, and a damaged or
// missing file is reported without losing the bags already held.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <limits>
#include <utility>

#include "../host/raised.h"
#include "orvano/qt/property_file.h"

namespace orvano::qt::testing {
namespace {

using host::testing::Raised;

int Kind(const host::Variant& v) {
  return v.IsString() ? 1 : v.IsLong() ? 2 : v.IsDouble() ? 3 : v.IsFlag() ? 4 : 0;
}

TEST(PropertyFile, ARoundTripKeepsKindsAndExactValues) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("form.json").toStdString();
  const std::pair<const char*, host::Variant> values[] = {
      {"Brand", "Zweckform Ä"},
      {"Cols", std::int32_t{3}},
      {"LabelWidth", 0.1 + 0.2},
      {"Tiny", 1e-300},
      {"Huge", std::numeric_limits<double>::infinity()},
      {"AllowMarquee", host::kTrue}};
  PropertyFile out;
  for (const auto& [name, value] : values) out.Bag("LabelSelect1").WriteProperty(name, value, {});
  out.Bag("Preview1").WriteProperty("Rows", std::int32_t{8}, std::int32_t{0});
  out.Save(path);
  PropertyFile in;
  in.Load(path);
  for (const auto& [name, value] : values) {
    const host::Variant read = in.Bag("LabelSelect1").ReadProperty(name, 0.0);  // its own kind
    EXPECT_EQ(Kind(read), Kind(value)) << name;
    EXPECT_TRUE(read == value) << name;
  }
  EXPECT_EQ(in.Bag("Preview1").ReadProperty("Rows", std::int32_t{0}).ToLong(), 8);
}

TEST(PropertyFile, DamagedMissingOrUnwritableFilesAreErrorsAndKeepTheBags) {
  QTemporaryDir dir;
  const auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
  QFile broken(QString::fromStdString(path("broken.json")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write(
      R"({"format":"orvano-properties","instances":{"A":{"X":{"kind":"long","value":1.5}}}})");
  broken.close();
  PropertyFile file;
  file.Bag("AddressLabel1").WriteProperty("FontSize", std::int32_t{10}, std::int32_t{0});
  EXPECT_EQ(Raised([&] { file.Load(path("broken.json")); }), host::ErrorKind::IoError);
  EXPECT_EQ(Raised([&] { file.Load(path("missing.json")); }), host::ErrorKind::FileNotFound);
  EXPECT_EQ(file.Bag("AddressLabel1").ReadProperty("FontSize", std::int32_t{0}).ToLong(), 10);
  EXPECT_THROW(file.Save(path("no/such/folder/form.json")), host::Error);
}

}  // namespace
}  // namespace orvano::qt::testing
