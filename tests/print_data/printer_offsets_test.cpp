// Printer offsets per printer name, kept in the data folder through the catalog's safe write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "orvano/print_data/printer_offsets.h"

namespace orvano::print_data {
namespace {

class PrinterOffsets : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvano-offsets-XXXXXX");
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string folder_;
};

TEST_F(PrinterOffsets, StoredPerPrinterAndReadBack) {
  EXPECT_EQ(LoadPrinterOffset(folder_, "Laser"), PrinterOffset{});
  ASSERT_TRUE(SavePrinterOffset(folder_, "Laser", {1.25, -0.5}));
  ASSERT_TRUE(SavePrinterOffset(folder_, "Tinte Büro", {0, 2}));
  EXPECT_EQ(LoadPrinterOffset(folder_, "Laser"), (PrinterOffset{1.25, -0.5}));
  EXPECT_EQ(LoadPrinterOffset(folder_, "tinte büro"), (PrinterOffset{0, 2}));
  ASSERT_TRUE(SavePrinterOffset(folder_, "Laser", {-3, 0}));
  EXPECT_EQ(LoadPrinterOffset(folder_, "Laser"), (PrinterOffset{-3, 0}));

  std::stringstream bytes;
  bytes << std::ifstream(PrinterOffsetPath(folder_)).rdbuf();
  EXPECT_NE(bytes.str().find("Waagerecht=-3"), std::string::npos) << bytes.str();
  EXPECT_NE(bytes.str().find("Senkrecht=0"), std::string::npos);
  EXPECT_EQ(std::filesystem::directory_iterator(folder_)->path(), PrinterOffsetPath(folder_))
      << "no temporary file left behind";
}

TEST_F(PrinterOffsets, NonsenseIsNeitherStoredNorRead) {
  EXPECT_FALSE(SavePrinterOffset(folder_, " ", {1, 1}));
  EXPECT_FALSE(SavePrinterOffset(folder_, "Laser", {kMaxPrinterOffset + 1, 0}));
  EXPECT_FALSE(SavePrinterOffset(folder_, "Laser", {0, std::nan("")}));
  std::ofstream(PrinterOffsetPath(folder_)) << "[Laser]\nWaagerecht=500\nSenkrecht=abc\n";
  EXPECT_EQ(LoadPrinterOffset(folder_, "Laser"), PrinterOffset{});
  EXPECT_FALSE(SavePrinterOffset(folder_ + "/fehlt/nicht", "Laser", {1, 1}));
}

}  // namespace
}  // namespace orvano::print_data
