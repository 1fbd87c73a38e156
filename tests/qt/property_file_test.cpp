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

TEST(PropertyFile, ARoundTripKeepsKindsAndExactValuesAndAFailureKeepsTheBags) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("form.json").toStdString();
  const std::pair<const char*, host::Variant> values[] = {
      {"Brand", "Zweckform Ä"},
      {"Cols", std::int32_t{3}},
      {"LabelWidth", 0.1 + 0.2},
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
  // A damaged, missing or unwritable file is an error and keeps the bags.
  const auto at = [&](const char* name) { return dir.filePath(name).toStdString(); };
  QFile broken(QString::fromStdString(at("broken.json")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write(
      R"({"format":"orvano-properties","instances":{"A":{"X":{"kind":"long","value":1.5}}}})");
  broken.close();
  EXPECT_EQ(Raised([&] { in.Load(at("broken.json")); }), host::ErrorKind::IoError);
  EXPECT_EQ(Raised([&] { in.Load(at("missing.json")); }), host::ErrorKind::FileNotFound);
  EXPECT_EQ(in.Bag("Preview1").ReadProperty("Rows", std::int32_t{0}).ToLong(), 8);
  EXPECT_THROW(in.Save(at("no/such/folder/form.json")), host::Error);
}

}  // namespace
}  // namespace orvano::qt::testing
