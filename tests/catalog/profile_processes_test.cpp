// Writers in several processes: two writing at once both keep every change, and the temps of a
// writer that died stop no later one.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "orvano/catalog/file_io.h"
#include "orvano/catalog/profile_file.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

constexpr int kWrites = 200;

// Runs body in a child process; returns how the child ended.
template <typename Body>
pid_t Spawn(Body body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body() ? 0 : 1);
  return pid;
}
int Wait(pid_t pid) {
  int status = -1;
  EXPECT_GT(pid, 0);
  EXPECT_EQ(waitpid(pid, &status, 0), pid);
  return status;
}
bool Put(const std::string& file, const std::string& key, const std::string& value) {
  return WritePrivateProfileString("Benutzerdefiniert", key, value, file);
}
std::string Value(int i) { return ";9;0;2;" + std::to_string(i); }

// Temps of earlier writers with our pid (a container restarts with the same one) or a dead one,
// in the old and the new naming, are removed by the next save instead of refusing it.
TEST(ProfileProcesses, StaleTempsNeitherRefuseASaveNorStayAndTempNamesAreRecognised) {
  ScratchFolder dir;
  const auto f = dir.Write("ovAdrKit.usr", "[Benutzerdefiniert]\r\n");
  const pid_t dead = Spawn([] { return true; });
  EXPECT_EQ(Wait(dead), 0);
  const std::string self = std::to_string(getpid());
  for (int n = 0; n < 64; ++n)
    dir.Write(".ovAdrKit.usr." + self + "." + std::to_string(n) + ".tmp", "x");
  dir.Write(".ovAdrKit.usr." + std::to_string(dead) + ".00ff3a9c.tmp", "half a file");
  dir.Write(".ovAdrKit.usr.bak", "kept");      // not of our pattern
  dir.Write(".ovAdrKit.adr.1.0.tmp", "kept");  // another file's temp
  ASSERT_TRUE(Put(f, "A", ";9"));
  EXPECT_EQ(GetPrivateProfileString("Benutzerdefiniert", "A", "", 255, f), ";9");
  EXPECT_EQ(dir.EntryCount(), 3u);
  // Temp names differ, and only ours are recognised.
  const std::string a = TempPathFor("/d/ovAdrKit.usr"), b = TempPathFor("/d/ovAdrKit.usr");
  EXPECT_NE(a, b);
  EXPECT_TRUE(IsTempNameFor("/d/ovAdrKit.usr", a.substr(3)));
  EXPECT_TRUE(IsTempNameFor("/d/a", TempPathFor("/d/a").substr(3)));  // a one-letter name
  for (const char* other : {".ovAdrKit.usr.tmp", ".ovAdrKit.usr..1.tmp", ".ovAdrKit.usr.1.tmp",
                            ".ovAdrKit.usr.x1.2.tmp", "ovAdrKit.usr.1.2.tmp", ".ovAdrKit.usr.1.2"})
    EXPECT_FALSE(IsTempNameFor("/d/ovAdrKit.usr", other)) << other;
}

// Two writers of different keys at once, of a missing file (so both first lock the folder) and
// of one that exists: every key is kept, and no temporary file is left behind.
TEST(ProfileProcesses, TwoWritersAtOnceLoseNothing) {
  for (const bool exists : {false, true}) {
    ScratchFolder dir;
    const auto f =
        exists ? dir.Write("ovAdrKit.usr", "; user labels\r\n") : dir.File("ovAdrKit.usr");
    pid_t writers[2];
    for (const int w : {0, 1}) {
      writers[w] = Spawn([&] {
        bool ok = true;
        for (int i = 0; i < kWrites; ++i) ok = Put(f, "AB"[w] + std::to_string(i), Value(i)) && ok;
        return ok;
      });
    }
    for (const pid_t w : writers) EXPECT_EQ(Wait(w), 0);
    int missing = 0;
    for (const char* prefix : {"A", "B"})
      for (int i = 0; i < kWrites; ++i)
        missing += GetPrivateProfileString("Benutzerdefiniert", prefix + std::to_string(i), "",
                                           2048, f) != Value(i);
    EXPECT_EQ(missing, 0) << exists;
    EXPECT_TRUE(!exists || dir.Read("ovAdrKit.usr").starts_with("; user labels\r\n"));
    EXPECT_EQ(dir.EntryCount(), 1u);
  }
}

}  // namespace
}  // namespace orvano::catalog
