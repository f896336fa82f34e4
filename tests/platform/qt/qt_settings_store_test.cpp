#include "platform/qt/qt_settings_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdlib>
#include <limits>
#include <string>

#include "files/recent_files.h"

namespace zefrin {
namespace {

using ::testing::HasSubstr;

class QtSettings : public ::testing::Test {
 protected:
  std::string ini() const { return dir_.filePath("settings.ini").toStdString(); }
  void putIni(const QByteArray& bytes) {
    QFile f(QString::fromStdString(ini()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray iniText() const {
    QFile f(QString::fromStdString(ini()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QTemporaryDir dir_;
};

TEST_F(QtSettings, ValuesSurviveANewStore) {
  const std::string path = "C:\\Pictures\\caf\xC3\xA9, \"best\"; [1]=2.png";
  {
    QtSettingsStore store(ini());
    EXPECT_FALSE(store.keyExists(kRecentFilesKey));
    ASSERT_TRUE(store.writeNumber(kRecentFilesKey, "MaxCount", std::numeric_limits<int32_t>::min()));
    ASSERT_TRUE(store.writeNumber(kRecentFilesKey, "Count", 1234567));
    ASSERT_TRUE(store.writeText(kRecentFilesKey, "File1", path));
    ASSERT_TRUE(store.writeText(kRecentFilesKey, "File2", ""));
  }
  QtSettingsStore store(ini());
  EXPECT_TRUE(store.keyExists(kRecentFilesKey));
  EXPECT_TRUE(store.keyExists("Software/Kelvarn/zefrin"));  // either slash names the same group
  EXPECT_FALSE(store.keyExists("Software\\Kelvarn\\other"));
  EXPECT_EQ(store.readNumber(kRecentFilesKey, "MaxCount"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(store.readNumber(kRecentFilesKey, "Count"), 1234567);
  EXPECT_EQ(store.readText(kRecentFilesKey, "File1"), path);
  EXPECT_EQ(store.readText(kRecentFilesKey, "File2"), "");
  EXPECT_EQ(store.readText(kRecentFilesKey, "Count"), "1234567");
  EXPECT_FALSE(store.readNumber(kRecentFilesKey, "File1").has_value());
  EXPECT_FALSE(store.readText(kRecentFilesKey, "File3").has_value());
}

TEST_F(QtSettings, NumbersIgnoreTheUserLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  {
    QtSettingsStore store(ini());
    ASSERT_TRUE(store.writeNumber("k", "n", 1234567));
    EXPECT_EQ(store.readNumber("k", "n"), 1234567);
  }
  QLocale::setDefault(before);
  EXPECT_THAT(iniText().toStdString(), HasSubstr("n=1234567"));
}

TEST_F(QtSettings, GarbageValuesReadAsNothing) {
  putIni(
      "[Software]\n"
      "Kelvarn\\zefrin\\MaxCount=four\n"
      "Kelvarn\\zefrin\\Count=99999999999\n"
      "Kelvarn\\zefrin\\A=1.5\n"
      "Kelvarn\\zefrin\\B=\" 12 \"\n"
      "Kelvarn\\zefrin\\C=-0x10\n"
      "Kelvarn\\zefrin\\File1=a, b, c\n"
      "Kelvarn\\zefrin\\File2=\x01\xFF\xFE garbage \\\n");
  QtSettingsStore store(ini());
  EXPECT_TRUE(store.keyExists(kRecentFilesKey));
  for (const char* name : {"MaxCount", "Count", "A", "C", "Missing"}) {
    EXPECT_FALSE(store.readNumber(kRecentFilesKey, name).has_value()) << name;
  }
  EXPECT_EQ(store.readNumber(kRecentFilesKey, "B"), 12);
  EXPECT_FALSE(store.readText(kRecentFilesKey, "File1").has_value());  // a list, not a text
  (void)store.readText(kRecentFilesKey, "File2");                      // whatever it is, no crash
  cMRUFileList list;
  EXPECT_FALSE(list.Load(store));
  EXPECT_EQ(list.MaxFileCount(), 4);
  EXPECT_EQ(list.FileCount(), 0);
}

TEST_F(QtSettings, ABinaryGarbageFileStillStartsAndCanBeRewritten) {
  QByteArray junk;
  for (int i = 0; i < 4096; ++i) junk.append(static_cast<char>((i * 7919) % 251));
  putIni(junk);
  {
    QtSettingsStore store(ini());
    cMRUFileList list;
    (void)list.Load(store);
    EXPECT_LE(list.FileCount(), list.MaxFileCount());
    list.AddFile("/home/u/new.png");
    EXPECT_TRUE(list.Save(store));
  }
  QtSettingsStore store(ini());
  cMRUFileList reloaded;
  EXPECT_TRUE(reloaded.Load(store));
  EXPECT_EQ(reloaded.File(1), "/home/u/new.png");
}

TEST_F(QtSettings, RecentFilesRoundTrip) {
  cMRUFileList saved;
  for (const char* name : {"/a.png", "C:\\b.jpg", "/home/u/c d, e.bmp"}) saved.AddFile(name);
  {
    QtSettingsStore store(ini());
    ASSERT_TRUE(saved.Save(store));
  }
  QtSettingsStore store(ini());
  cMRUFileList loaded;
  ASSERT_TRUE(loaded.Load(store));
  ASSERT_EQ(loaded.FileCount(), 3);
  for (int32_t i = 1; i <= 3; ++i) EXPECT_EQ(loaded.File(i), saved.File(i));
}

TEST_F(QtSettings, ThePerUserFileBelongsToKelvarnZefrin) {
  const QByteArray home = dir_.path().toLocal8Bit();
  ASSERT_EQ(setenv("XDG_CONFIG_HOME", home.constData(), 1), 0);
  {
    QtSettingsStore store;
    ASSERT_TRUE(store.writeNumber(kRecentFilesKey, "MaxCount", 4));
  }
  EXPECT_TRUE(QFile::exists(dir_.filePath("Kelvarn/zefrin.ini")));
}

}  // namespace
}  // namespace zefrin
