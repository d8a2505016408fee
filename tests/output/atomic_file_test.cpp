// Writing a file so that the old one survives any failure before the new one is complete.
#include "output/atomic_file.h"
#include "file_contents.h"
#include "file_size_limit.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace velmora {
namespace {

using test::Contents;
using test::FileSizeLimit;

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(AtomicFileTest, ReplacesTheOldFileAndLeavesNothingElse) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("rao.vmx"));
  Put(path, "old contents, longer than the new");
  EXPECT_EQ(WriteFileAtomically(path, "new"), std::nullopt);
  EXPECT_EQ(Contents(path), "new");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("rao.vmx")});
}

TEST(AtomicFileTest, FailureGivesTheReason) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("missing/rao.vmx"));
  const auto reason = WriteFileAtomically(path, "new");
  ASSERT_TRUE(reason.has_value());
  EXPECT_FALSE(reason->isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

// The process dies once the temporary file holds every new byte, just before it would
// replace the old file: the old file is still whole then, and stays so. Nothing else is left
// behind either (on Linux the temporary file has no name until it replaces the old one).
TEST(AtomicFileDeathTest, InterruptedSaveLeavesTheOldFileIntact) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("rao.vmx"));
  Put(path, "old contents");
  EXPECT_EXIT(WriteFileAtomically(path, "new contents",
                                  [&path] { _exit(Contents(path) == "old contents" ? 3 : 4); }),
              testing::ExitedWithCode(3), "");
  EXPECT_EQ(Contents(path), "old contents");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("rao.vmx")});
}

TEST(AtomicFileTest, AWriteThatFailsOnFlushKeepsTheOldFileAndSaysWhy) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("rao.vmx"));
  Put(path, "old contents");
  std::optional<QString> reason;
  {
    FileSizeLimit limit(16);
    reason = WriteFileAtomically(path, QByteArray(4096, 'x'));
  }
  ASSERT_TRUE(reason.has_value());
  EXPECT_FALSE(reason->isEmpty());
  EXPECT_EQ(Contents(path), "old contents");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("rao.vmx")});
}

}  // namespace
}  // namespace velmora
