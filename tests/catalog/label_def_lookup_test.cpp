// The catalog lookup that Brand and LabelName run, against catalog files in a temporary folder.
// The catalog installs it; LabelDef itself knows only the hook.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "orvano/catalog/lookup.h"
#include "orvano/host/app_path.h"
#include "orvano/model/label_def.h"
#include "orvano/model/label_lookup.h"

namespace orvano {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  explicit TempFolder(const std::string& tag) {
    std::string pattern = (fs::temp_directory_path() / ("orvano-model-" + tag + "-XXXXXX"));
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path() const { return path_.string(); }
  void Write(const std::string& name, const std::string& lines) const {
    std::ofstream(path_ / name, std::ios::binary) << lines;
  }

 private:
  fs::path path_;
};

class LabelDefLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    component_.Write("ovAdrKit.def",
                     "[Zweckform]\r\n"
                     "3475=Adressetiketten 70 x 36;9;1;3;8;0;4,5;70;36;2,5;0\r\n"
                     "3659=;11;0;2;5;0;10,5;99,1;57;0;3\r\n"
                     "[Benutzerdefiniert]\r\n"
                     "Eigen=im Katalog;9;0;1;1;1;1;1;1;1;1\r\n");
    data_.Write("ovAdrKit.usr",
                "[Benutzerdefiniert]\r\n"
                "Eigen=;9;0;2;8;0;0;105;37;0;0\r\n");
    host::SetAppPath(component_.Path());
    catalog::InstallLabelLookup();
  }
  void TearDown() override { host::SetAppPath(""); }

  // Measurements that no catalog record above holds, to see whether a lookup touched them.
  static void Preset(LabelDef& def) {
    def.SetLandscape(host::kFalse);
    def.SetPageFormat(ovPageFormatA4);
    def.SetCols(4);
    def.SetRows(11);
    def.SetBorderLeft(1.5);
    def.SetBorderTop(0);
    def.SetLabelWidth(0);
    def.SetLabelHeight(25.4);
    def.SetSpaceWidth(0);
    def.SetSpaceHeight(2);
    def.SetDescription("vorher");
  }
  static std::vector<double> Stock(const LabelDef& def) {
    return {static_cast<double>(def.PageFormat()),
            static_cast<double>(def.Landscape()),
            def.PageWidth(),
            def.PageHeight(),
            static_cast<double>(def.Cols()),
            static_cast<double>(def.Rows()),
            def.BorderLeft(),
            def.BorderTop(),
            def.LabelWidth(),
            def.LabelHeight(),
            def.SpaceWidth(),
            def.SpaceHeight()};
  }
  static const std::vector<double>& PresetStock() {
    static const std::vector<double> stock{9, 0, 210, 297, 4, 11, 1.5, 0, 0, 25.4, 0, 2};
    return stock;
  }

  TempFolder component_{"component"};
  TempFolder data_{"data"};
};

TEST_F(LabelDefLookup, FoundLabelFillsTheStockAndThePageSize) {
  LabelDef def;
  def.SetBrand("Zweckform");
  def.SetLabelName("3475");
  EXPECT_EQ(def.Description(), "Adressetiketten 70 x 36");
  EXPECT_EQ(def.LandscapeFlag(), 1);
  EXPECT_EQ(Stock(def), (std::vector<double>{9, -1, 297, 210, 3, 8, 0, 4.5, 70, 36, 2.5, 0}));
}

TEST_F(LabelDefLookup, LabelNameBeforeBrandLooksUpToo) {
  LabelDef def;
  def.SetLabelName("3659");
  EXPECT_EQ(def.Cols(), 0);  // brand still empty: nothing looked up yet
  def.SetBrand("Zweckform");
  EXPECT_EQ(def.Description(), "");
  EXPECT_EQ(Stock(def), (std::vector<double>{11, 0, 148.5, 210, 2, 5, 0, 10.5, 99.1, 57, 0, 3}));
}

TEST_F(LabelDefLookup, UnknownLabelBrandOrCatalogClearsOnlyTheDescription) {
  struct Case {
    const char* brand;
    const char* name;
    bool catalog;
  };
  for (const Case& c : {Case{"Zweckform", "9999", true}, Case{"Herma", "3475", true},
                        Case{"Zweckform", "3475", false}}) {
    SCOPED_TRACE(std::string(c.brand) + "/" + c.name);
    // Without the shipped catalog (a folder that holds none) the lookup is no error either.
    host::SetAppPath(c.catalog ? component_.Path() : data_.Path());
    LabelDef def;
    Preset(def);
    def.SetBrand(c.brand);
    EXPECT_NO_THROW(def.SetLabelName(c.name));
    EXPECT_EQ(def.Description(), "");
    EXPECT_EQ(Stock(def), PresetStock());
  }
}

TEST_F(LabelDefLookup, BlankBrandOrLabelNameChangesNothingElse) {
  LabelDef def;
  Preset(def);
  def.SetLabelName("3475");
  def.SetBrand("   ");
  EXPECT_EQ(def.Description(), "vorher");
  EXPECT_EQ(Stock(def), PresetStock());
  def.SetBrand("Zweckform");
  Preset(def);
  def.SetLabelName("  ");
  EXPECT_EQ(def.LabelName(), "  ");
  EXPECT_EQ(def.Description(), "vorher");
  EXPECT_EQ(Stock(def), PresetStock());
}

TEST_F(LabelDefLookup, CustomBrandReadsTheDataFolderWhenTheLookupRuns) {
  LabelDef def;
  def.SetBrand(" benutzerDEFINIERT ");
  def.SetLabelName("Eigen");  // blank data folder: the component's folder, which has no user file
  EXPECT_EQ(def.Cols(), 0);
  def.SetDataFolder(data_.Path());
  EXPECT_EQ(def.Cols(), 0);  // setting the folder alone looks nothing up
  def.SetLabelName("Eigen");
  EXPECT_EQ(def.Description(), "");
  EXPECT_EQ(Stock(def), (std::vector<double>{9, 0, 210, 297, 2, 8, 0, 0, 105, 37, 0, 0}));
}

TEST_F(LabelDefLookup, OtherBrandsIgnoreTheDataFolder) {
  data_.Write("ovAdrKit.def", "[Zweckform]\r\n3475=falsch;11;0;9;9;9;9;9;9;9;9\r\n");
  LabelDef def;
  def.SetDataFolder(data_.Path());
  def.SetBrand("Zweckform");
  def.SetLabelName("3475");
  EXPECT_EQ(def.Description(), "Adressetiketten 70 x 36");
  EXPECT_EQ(def.Cols(), 3);
}

}  // namespace
}  // namespace orvano
