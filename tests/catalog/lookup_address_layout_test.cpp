// Looking an address layout up: defaults, short records, the output order.
#include <gtest/gtest.h>

#include "orvano/catalog/lookup.h"
#include "orvano/host/app_path.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

struct Layout {
  double left = -1, top = -1, bottom = -1, right = -1, heading = -1, address = -1;
  std::int32_t font = -1, format = -1;
  host::Flag withHeading = 5;
  bool operator==(const Layout&) const = default;
};

std::int32_t Lookup(const std::string& brand, const std::string& name, const std::string& data,
                    Layout& l) {
  return LookupAddressLayout(brand, name, data, l.left, l.top, l.bottom, l.right, l.heading,
                             l.address, l.font, l.format, l.withHeading);
}

class LookupAddressLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data.Write("ovAdrKit.adr",
               "[Zweckform]\r\n"
               "3475=3;1,5;4;2,5;1;0,5;12;1; 0\r\n"
               "short=3;1,5;4;2,5;1;0,5;12;1\r\n"
               "yes=0;0;0;0;0;0;9;0; 1\r\n"
               "blank=  \r\n");
  }
  void TearDown() override { host::SetAppPath(""); }
  ScratchFolder data;
};

TEST_F(LookupAddressLayoutTest, TheRecordStoresRightBeforeBottom) {
  Layout l;
  EXPECT_EQ(Lookup("Zweckform", "3475", data.Path(), l), kFound);
  EXPECT_EQ(l, (Layout{3, 1.5, 2.5, 4, 1, 0.5, 12, 1, host::kFalse}));
  EXPECT_EQ(Lookup("Zweckform", "yes", data.Path(), l), kFound);
  EXPECT_EQ(l.withHeading, host::kTrue);
}

TEST_F(LookupAddressLayoutTest, AMissingOrBlankRecordGivesTheDefaults) {
  const Layout defaults{2, 1, 1, 2, 0, 0, 10, 2, host::kTrue};
  for (const char* name : {"nope", "blank"}) {
    Layout l;
    EXPECT_EQ(Lookup("Zweckform", name, data.Path(), l), kNotFound);
    EXPECT_EQ(l, defaults) << name;
  }
  Layout l;
  EXPECT_EQ(Lookup("Zweckform", "3475", data.File("elsewhere"), l), kNotFound);
  EXPECT_EQ(l, defaults);
}

TEST_F(LookupAddressLayoutTest, AShortRecordReadsZeroAndNoHeading) {
  Layout l;
  EXPECT_EQ(Lookup("Zweckform", "short", data.Path(), l), kFound);
  EXPECT_EQ(l.withHeading, host::kFalse);
  EXPECT_EQ(l.format, 1);
  host::SetAppPath(data.Path());  // a blank data folder means the component's folder
  EXPECT_EQ(Lookup("zweckform", "3475", "", l), kFound);
}

}  // namespace
}  // namespace orvano::catalog
