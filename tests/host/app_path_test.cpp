#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "orvano/host/app_path.h"

namespace orvano::host {
namespace {

TEST(AppPath, DefaultsToTheProgramsFolderAndCanBeOverridden) {
  SetAppPath("/opt/orvano/lib/");
  EXPECT_EQ(AppPath(), "/opt/orvano/lib");  // no trailing slash, files are appended with one
  SetAppPath("/");
  EXPECT_EQ(AppPath(), "/");
  SetAppPath("");
  EXPECT_EQ(AppPath(), std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

}  // namespace
}  // namespace orvano::host
