#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "orvano/host/app_path.h"

namespace orvano::host {
namespace {

TEST(AppPath, DefaultsToTheFolderOfTheRunningProgram) {
  SetAppPath("");
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_EQ(AppPath(), exe.parent_path().string());
}

TEST(AppPath, OverrideAndRestore) {
  SetAppPath("/opt/orvano/lib/");
  EXPECT_EQ(AppPath(), "/opt/orvano/lib");  // no trailing slash, files are appended with one
  SetAppPath("/");
  EXPECT_EQ(AppPath(), "/");
  SetAppPath("");
  EXPECT_NE(AppPath(), "/");
  EXPECT_FALSE(AppPath().empty());
}

}  // namespace
}  // namespace orvano::host
