// Two processes writing different keys of one file at the same time both keep every change.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "orvano/catalog/profile_file.h"
#include "temp_folder.h"

namespace orvano::catalog {
namespace {

using testing::TempFolder;

constexpr int kWrites = 200;

pid_t SpawnWriter(const std::string& file, const std::string& prefix) {
  const pid_t pid = fork();
  if (pid == 0) {
    bool ok = true;
    for (int i = 0; i < kWrites; ++i)
      ok = WritePrivateProfileString("Benutzerdefiniert", prefix + std::to_string(i),
                                     std::string(";9;0;2;") + std::to_string(i), file) &&
           ok;
    _exit(ok ? 0 : 1);
  }
  return pid;
}

TEST(ProfileProcesses, TwoWritersOfDifferentKeysLoseNothing) {
  TempFolder dir;
  const auto f = dir.Write("ovAdrKit.usr", "; user labels\r\n");
  const pid_t a = SpawnWriter(f, "A");
  const pid_t b = SpawnWriter(f, "B");
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  int status = 0;
  ASSERT_EQ(waitpid(a, &status, 0), a);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_EQ(waitpid(b, &status, 0), b);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  int missing = 0;
  for (const char* prefix : {"A", "B"})
    for (int i = 0; i < kWrites; ++i)
      if (GetPrivateProfileString("Benutzerdefiniert", prefix + std::to_string(i), "", 2048, f) !=
          ";9;0;2;" + std::to_string(i))
        ++missing;
  EXPECT_EQ(missing, 0);
  EXPECT_EQ(dir.Read("ovAdrKit.usr").rfind("; user labels\r\n", 0), 0u);
  EXPECT_EQ(dir.EntryCount(), 1u);  // no temporary file left behind
}

}  // namespace
}  // namespace orvano::catalog
