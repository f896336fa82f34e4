#include "platform/qt/file_output.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <string>

namespace zefrin {
namespace {

QByteArray readAll(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

TEST(WriteFileAtomically, ReplacesTheFileWhole) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("lines.json").toStdString();
  const std::string text = "{\"lines\": []}";
  EXPECT_EQ(writeFileAtomically(path, std::span<const char>(text.data(), text.size())), "");
  EXPECT_EQ(readAll(path), QByteArray::fromStdString(text));
}

// A full disk, made with a file-size limit that binds root too: the write is
// refused and the old file stays as it was.
TEST(WriteFileAtomically, AShortWriteLeavesTheOldFile) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("lines.svg").toStdString();
  const std::string old = "old contents";
  ASSERT_EQ(writeFileAtomically(path, std::span<const char>(old.data(), old.size())), "");
  const std::string big(8000, 'x');  // fits the write buffer: the write itself reports success
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = before;
  limited.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const std::string error = writeFileAtomically(path, std::span<const char>(big.data(), big.size()));
  setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_TRUE(error.starts_with("unwritable file " + path)) << error;
  EXPECT_EQ(readAll(path), QByteArray::fromStdString(old));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary file left
}

}  // namespace
}  // namespace zefrin
