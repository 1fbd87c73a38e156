// Where the shipped catalog is looked for: the component's folder, then the installed data folder
// and $XDG_DATA_DIRS; a component folder that a host has set is the only place.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "orvano/catalog/catalog_files.h"
#include "support/catalog_files.h"

namespace orvano::catalog {
namespace {

TEST(ShippedCatalogFolders, TheProgramsFolderThenTheDataFolders) {
  const std::string programFolder =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
  const struct {
    const char* xdg;  // nullptr: unset
    std::vector<std::string> last;
  } cases[] = {
      {nullptr, {"/usr/local/share/orvano", "/usr/share/orvano"}},
      {"/opt/a/:relative/b::/:/opt/a", {"/opt/a/orvano", "/orvano"}},
  };
  for (const auto& c : cases) {
    const std::string shown = c.xdg ? c.xdg : "(unset)";
    c.xdg ? setenv("XDG_DATA_DIRS", c.xdg, 1) : unsetenv("XDG_DATA_DIRS");
    const std::vector<std::string> folders = ShippedCatalogFolders();
    // The program's folder, the installed data folder (unless it is one of the XDG ones), then
    // each XDG folder once.
    ASSERT_GE(folders.size(), c.last.size() + 1) << shown;
    ASSERT_LE(folders.size(), c.last.size() + 2) << shown;
    EXPECT_EQ(folders.front(), programFolder);
    EXPECT_TRUE(folders[1].ends_with("/orvano")) << folders[1];
    EXPECT_EQ(std::vector<std::string>(folders.end() - c.last.size(), folders.end()), c.last)
        << shown;
  }
  unsetenv("XDG_DATA_DIRS");
}

TEST(ShippedCatalogFolders, AFolderTheHostSetIsTheOnlyPlace) {
  test_support::ScratchFolder component, data;
  std::filesystem::create_directory(data.File("orvano"));
  data.Write("orvano/ovAdrKit.def", "[M]\r\nE=;9;0;1;1;0;0;1;1;0;0\r\n");
  setenv("XDG_DATA_DIRS", data.Path().c_str(), 1);
  test_support::ComponentFolder folder(component.Path());
  EXPECT_EQ(ShippedCatalogFolders(), std::vector<std::string>{component.Path()});
  // Missing there, the catalog is missing: the path still names the component's folder.
  EXPECT_EQ(ShippedCatalogPath(), component.Path() + "/ovAdrKit.def");
  unsetenv("XDG_DATA_DIRS");
}

}  // namespace
}  // namespace orvano::catalog
