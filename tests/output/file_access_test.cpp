// Reading and replacing files by name: special files refused, planted links never followed,
// the old file kept whole and with its permissions, and a pipe never waited on.
#include "output/file_access.h"
#include "file_size_limit.h"
#include "temp_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using Folder = test::TempFolder;
using test::FileSizeLimit;

void Put(const std::string& path, const std::string& bytes, mode_t mode = 0644) {
  test::PutFile(path, bytes);
  ::chmod(path.c_str(), mode);
}

std::string Contents(const std::string& path) {
  return test::FileBytes(path);
}

mode_t Permissions(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st.st_mode & 07777;
}

TEST(ReplaceFileTest, ReplacesTheOldFileAndLeavesNothingElse) {
  Folder folder;
  const std::string path = folder / "report.txt";
  Put(path, "old contents, longer than the new");
  EXPECT_EQ(ReplaceFileAtomically(path, "new"), std::nullopt);
  EXPECT_EQ(Contents(path), "new");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"report.txt"});
}

TEST(ReplaceFileTest, ARelativeNameIsWrittenInTheWorkingFolder) {
  Folder folder;
  const fs::path before = fs::current_path();
  fs::current_path(folder / "");
  const auto reason = ReplaceFileAtomically("report.txt", "new");
  fs::current_path(before);
  EXPECT_EQ(reason, std::nullopt);
  EXPECT_EQ(Contents(folder / "report.txt"), "new");
}

struct PermissionCase {
  const char* Name;
  mode_t Old;
  mode_t Expected;
};

class ReplaceFilePermissionTest : public testing::TestWithParam<PermissionCase> {};

TEST_P(ReplaceFilePermissionTest, TheNewFileKeepsTheOldOnesPermissions) {
  Folder folder;
  const std::string path = folder / "report.txt";
  Put(path, "old", GetParam().Old);
  ASSERT_EQ(ReplaceFileAtomically(path, "new"), std::nullopt);
  EXPECT_EQ(Permissions(path), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, ReplaceFilePermissionTest,
                         testing::Values(PermissionCase{"PrivateStaysPrivate", 0600, 0600},
                                         PermissionCase{"GroupReadableStaysSo", 0640, 0640},
                                         PermissionCase{"ReadOnlyForOthers", 0604, 0604},
                                         PermissionCase{"SetUserIdDropped", 04755, 0755}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ReplaceFileTest, ANewFileGetsWhatTheUmaskLeaves) {
  Folder folder;
  const mode_t saved = ::umask(027);
  const auto reason = ReplaceFileAtomically(folder / "report.txt", "new");
  ::umask(saved);
  ASSERT_EQ(reason, std::nullopt);
  EXPECT_EQ(Permissions(folder / "report.txt"), 0640u);
}

// Each row puts something other than a regular file at the target's name.
struct SpecialCase {
  const char* Name;
  void (*Make)(const Folder&, const std::string& path);
  const char* Reason;
};

void MakePipe(const Folder&, const std::string& path) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
}
void MakeFolder(const Folder&, const std::string& path) {
  fs::create_directory(path);
}
void MakeDevice(const Folder&, const std::string& path) {
  // The null device's numbers, made in our own folder so that a fault writes nothing real.
  if (::mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) GTEST_SKIP() << "no mknod here";
}
void MakeLinkToAVictim(const Folder& folder, const std::string& path) {
  Put(folder / "victim", "secret", 0600);
  fs::create_symlink(folder / "victim", path);
}
void MakeDanglingLink(const Folder& folder, const std::string& path) {
  fs::create_symlink(folder / "not-yet", path);
}

class ReplaceFileRefusalTest : public testing::TestWithParam<SpecialCase> {};

TEST_P(ReplaceFileRefusalTest, IsRefusedWithAReasonAndLeftAsItWas) {
  Folder folder;
  const std::string path = folder / "out";
  GetParam().Make(folder, path);
  if (testing::Test::IsSkipped()) return;
  const auto namesBefore = folder.Names();
  struct stat before {};
  ASSERT_EQ(::lstat(path.c_str(), &before), 0);

  EXPECT_EQ(ReplaceFileAtomically(path, "new"), std::optional<std::string>(GetParam().Reason));
  struct stat after {};
  ASSERT_EQ(::lstat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(folder.Names(), namesBefore);
  if (fs::exists(folder / "victim")) {
    EXPECT_EQ(Contents(folder / "victim"), "secret");
  }
  EXPECT_FALSE(fs::exists(folder / "not-yet"));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ReplaceFileRefusalTest,
    testing::Values(SpecialCase{"NamedPipe", MakePipe, "it is a named pipe, not a regular file"},
                    SpecialCase{"Folder", MakeFolder, "it is a folder"},
                    SpecialCase{"DeviceNode", MakeDevice, "it is a device, not a regular file"},
                    SpecialCase{"LinkPlantedOntoAnotherFile", MakeLinkToAVictim,
                                "it is a symbolic link; give the name of the file itself"},
                    SpecialCase{"DanglingLink", MakeDanglingLink,
                                "it is a symbolic link; give the name of the file itself"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ReplaceFileTest, ThroughALinkTheDesktopChecksTheFileItReaches) {
  Folder folder;
  MakeLinkToAVictim(folder, folder / "link");
  EXPECT_EQ(RefusalToReplace(folder / "link", true), std::nullopt);
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
  fs::create_symlink(folder / "pipe", folder / "link-to-pipe");
  EXPECT_EQ(RefusalToReplace(folder / "link-to-pipe", true),
            std::optional<std::string>("it is a named pipe, not a regular file"));
  EXPECT_EQ(RefusalToReplace(folder / "missing", true), std::nullopt);
}

TEST(ReplaceFileTest, AFailedWriteKeepsTheOldFileAndSaysWhy) {
  Folder folder;
  const std::string path = folder / "report.txt";
  Put(path, "old contents");
  std::optional<std::string> reason;
  {
    FileSizeLimit limit(16);
    reason = ReplaceFileAtomically(path, std::string(4096, 'x'));
  }
  ASSERT_TRUE(reason.has_value());
  EXPECT_EQ(reason->rfind("writing failed: ", 0), 0u) << *reason;
  EXPECT_EQ(Contents(path), "old contents");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"report.txt"});
}

TEST(ReplaceFileTest, AMissingFolderIsAReason) {
  Folder folder;
  const auto reason = ReplaceFileAtomically(folder / "missing/report.txt", "new");
  EXPECT_EQ(reason, std::optional<std::string>(
                        "cannot create a file in its folder: No such file or directory"));
}

struct ReadCase {
  const char* Name;
  std::string Bytes;
  std::size_t Limit;
  std::string Expected;
  bool Whole;
};

class ReadFileStartTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFileStartTest, ReadsAtMostTheLimit) {
  Folder folder;
  Put(folder / "chart", GetParam().Bytes);
  const auto start = ReadFileStart(folder / "chart", GetParam().Limit);
  ASSERT_TRUE(std::holds_alternative<FileStart>(start));
  EXPECT_EQ(std::get<FileStart>(start).Bytes, GetParam().Expected);
  EXPECT_EQ(std::get<FileStart>(start).Whole, GetParam().Whole);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ReadFileStartTest,
    testing::Values(ReadCase{"Empty", "", 10, "", true},
                    ReadCase{"ShorterThanTheLimit", "abc", 10, "abc", true},
                    ReadCase{"ExactlyTheLimit", "abcdefghij", 10, "abcdefghij", true},
                    ReadCase{"OneByteOver", "abcdefghijk", 10, "abcdefghij", false},
                    ReadCase{"FarOverInOneRead", std::string(100000, 'z'), 5, "zzzzz", false},
                    ReadCase{"LargerThanOneGrowth", std::string(70000, 'y'), 80000,
                             std::string(70000, 'y'), true}),
    [](const auto& info) { return std::string(info.param.Name); });

struct UnreadableCase {
  const char* Name;
  std::string (*Make)(const Folder&);
  const char* Reason;
};

class ReadFileRefusalTest : public testing::TestWithParam<UnreadableCase> {};

// A pipe without a writer would block a plain open forever; here it returns at once.
TEST_P(ReadFileRefusalTest, IsRefusedAtOnceWithAReason) {
  Folder folder;
  const std::string path = GetParam().Make(folder);
  const auto start = ReadFileStart(path, 1000);
  ASSERT_TRUE(std::holds_alternative<std::string>(start));
  EXPECT_EQ(std::get<std::string>(start), GetParam().Reason);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReadFileRefusalTest,
    testing::Values(
        UnreadableCase{"PipeWithoutWriter",
                       [](const Folder& f) {
                         ::mkfifo((f / "pipe").c_str(), 0600);
                         return f / "pipe";
                       },
                       "it is a named pipe, not a regular file"},
        UnreadableCase{"EndlessDevice", [](const Folder&) { return std::string("/dev/zero"); },
                       "it is a device, not a regular file"},
        UnreadableCase{"Folder", [](const Folder& f) { return f / ""; }, "it is a folder"},
        UnreadableCase{"Missing", [](const Folder& f) { return f / "missing.vmx"; },
                       "No such file or directory"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace velmora
