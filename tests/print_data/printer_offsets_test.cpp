// Printer offsets per printer name, kept in the data folder through the catalog's safe write.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "orvano/print_data/printer_offsets.h"
#include "support/scratch_folder.h"

namespace orvano::print_data {
namespace {

TEST(PrinterOffsets, StoredPerPrinterAndReadBack) {
  test_support::ScratchFolder dir;
  const std::string& folder = dir.Path();
  EXPECT_EQ(LoadPrinterOffset(folder, "Laser"), PrinterOffset{});
  ASSERT_TRUE(SavePrinterOffset(folder, "Laser", {1.25, -0.5}));
  ASSERT_TRUE(SavePrinterOffset(folder, "Tinte Büro", {0, 2}));
  EXPECT_EQ(LoadPrinterOffset(folder, "Laser"), (PrinterOffset{1.25, -0.5}));
  EXPECT_EQ(LoadPrinterOffset(folder, "tinte büro"), (PrinterOffset{0, 2}));
  ASSERT_TRUE(SavePrinterOffset(folder, "Laser", {-3, 0}));
  EXPECT_EQ(LoadPrinterOffset(folder, "Laser"), (PrinterOffset{-3, 0}));
  const std::string bytes = dir.Read(PrinterOffsetPath(folder).substr(folder.size() + 1));
  EXPECT_NE(bytes.find("Waagerecht=-3"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("Senkrecht=0"), std::string::npos);
  EXPECT_EQ(dir.EntryCount(), 1u);  // no temporary file left behind
}

TEST(PrinterOffsets, NonsenseIsNeitherStoredNorRead) {
  test_support::ScratchFolder dir;
  EXPECT_FALSE(SavePrinterOffset(dir.Path(), " ", {1, 1}));
  EXPECT_FALSE(SavePrinterOffset(dir.Path(), "Laser", {kMaxPrinterOffset + 1, 0}));
  EXPECT_FALSE(SavePrinterOffset(dir.Path(), "Laser", {0, std::nan("")}));
  std::ofstream(PrinterOffsetPath(dir.Path())) << "[Laser]\nWaagerecht=500\nSenkrecht=abc\n";
  EXPECT_EQ(LoadPrinterOffset(dir.Path(), "Laser"), PrinterOffset{});
  EXPECT_FALSE(SavePrinterOffset(dir.File("fehlt/nicht"), "Laser", {1, 1}));
}

}  // namespace
}  // namespace orvano::print_data
