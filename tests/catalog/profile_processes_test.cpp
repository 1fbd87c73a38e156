// Writers in several processes: two writing at once both keep every change, and a writer that
// dies mid-save neither leaves a broken file nor stops the next one.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "orvano/catalog/file_io.h"
#include "orvano/catalog/profile_file.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

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

void ExpectClean(pid_t pid) {
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// A writer whose lock on a missing file is taken, killed before it wrote: the path stays free.
TEST(ProfileProcesses, WriterKilledDuringFirstSaveLeavesNoFile) {
  ScratchFolder dir;
  const std::string f = dir.File("ovAdrKit.usr");
  const pid_t pid = fork();
  if (pid == 0) {
    FileLock lock;
    if (lock.Acquire(f, true) == FileState::Ok) raise(SIGKILL);
    _exit(1);
  }
  ASSERT_GT(pid, 0);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_FALSE(std::filesystem::exists(f));
  EXPECT_TRUE(WritePrivateProfileString("Benutzerdefiniert", "A", ";9", f));
  EXPECT_EQ(dir.Read("ovAdrKit.usr"), "[Benutzerdefiniert]\r\nA=;9\r\n");
}

// Temps of earlier writers with our pid (a container restarts with the same one) or a dead one,
// in the old and the new naming, are removed by the next save instead of refusing it.
TEST(ProfileProcesses, StaleTempsNeitherRefuseASaveNorStay) {
  ScratchFolder dir;
  const auto f = dir.Write("ovAdrKit.usr", "[Benutzerdefiniert]\r\n");
  const pid_t dead = fork();
  if (dead == 0) _exit(0);
  ASSERT_GT(dead, 0);
  ExpectClean(dead);
  const std::string self = std::to_string(getpid());
  for (int n = 0; n < 64; ++n)
    dir.Write(".ovAdrKit.usr." + self + "." + std::to_string(n) + ".tmp", "x");
  dir.Write(".ovAdrKit.usr." + std::to_string(dead) + ".00ff3a9c.tmp", "half a file");
  dir.Write(".ovAdrKit.usr.bak", "kept");      // not of our pattern
  dir.Write(".ovAdrKit.adr.1.0.tmp", "kept");  // another file's temp

  ASSERT_TRUE(WritePrivateProfileString("Benutzerdefiniert", "A", ";9", f));
  EXPECT_EQ(GetPrivateProfileString("Benutzerdefiniert", "A", "", 255, f), ";9");
  EXPECT_EQ(dir.EntryCount(), 3u);
  for (const char* kept : {".ovAdrKit.usr.bak", ".ovAdrKit.adr.1.0.tmp"})
    EXPECT_EQ(dir.Read(kept), "kept") << kept;
}

TEST(ProfileProcesses, TempNamesDifferAndAreRecognised) {
  const std::string a = TempPathFor("/d/ovAdrKit.usr"), b = TempPathFor("/d/ovAdrKit.usr");
  EXPECT_NE(a, b);
  EXPECT_TRUE(IsTempNameFor("/d/ovAdrKit.usr", a.substr(3)));
  for (const char* other : {".ovAdrKit.usr.tmp", ".ovAdrKit.usr..1.tmp", ".ovAdrKit.usr.1.tmp",
                            ".ovAdrKit.usr.x1.2.tmp", "ovAdrKit.usr.1.2.tmp", ".ovAdrKit.usr.1.2"})
    EXPECT_FALSE(IsTempNameFor("/d/ovAdrKit.usr", other)) << other;
}

// Both writers start before the file exists, so both first lock the folder.
TEST(ProfileProcesses, TwoWritersOfAMissingFileLoseNothing) {
  ScratchFolder dir;
  const auto f = dir.File("ovAdrKit.usr");
  const pid_t a = SpawnWriter(f, "A");
  const pid_t b = SpawnWriter(f, "B");
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  ExpectClean(a);
  ExpectClean(b);
  for (const char* prefix : {"A", "B"})
    for (int i = 0; i < kWrites; ++i)
      ASSERT_EQ(
          GetPrivateProfileString("Benutzerdefiniert", prefix + std::to_string(i), "", 2048, f),
          ";9;0;2;" + std::to_string(i));
  EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(ProfileProcesses, TwoWritersOfDifferentKeysLoseNothing) {
  ScratchFolder dir;
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
