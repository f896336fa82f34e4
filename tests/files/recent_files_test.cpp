#include "files/recent_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "support/map_settings_store.h"

namespace zefrin {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::MapSettingsStore;

std::vector<std::string> entries(const cMRUFileList& list) {
  std::vector<std::string> out;
  for (int32_t i = 1; i <= list.FileCount(); ++i) out.push_back(list.File(i));
  return out;
}

cMRUFileList listOf(const std::vector<std::string>& oldestFirst) {
  cMRUFileList list;
  for (const std::string& name : oldestFirst) list.AddFile(name);
  return list;
}

TEST(RecentFiles, StartsEmptyWithRoomForFour) {
  cMRUFileList list;
  EXPECT_EQ(list.MaxFileCount(), 4);
  EXPECT_EQ(list.FileCount(), 0);
  EXPECT_EQ(list.File(1), "");
  EXPECT_FALSE(list.FileExists(1));
  EXPECT_EQ(list.MenuCaption(1), "");
}

TEST(RecentFiles, NewestFirstAndTheOldestDropsWhenFull) {
  cMRUFileList list = listOf({"a", "b", "c", "d"});
  EXPECT_THAT(entries(list), ElementsAre("d", "c", "b", "a"));
  list.AddFile("e");
  EXPECT_EQ(list.FileCount(), 4);
  EXPECT_THAT(entries(list), ElementsAre("e", "d", "c", "b"));
  EXPECT_TRUE(list.FileExists(4));
  EXPECT_FALSE(list.FileExists(5));
  EXPECT_FALSE(list.FileExists(0));
}

TEST(RecentFiles, AKnownNameMovesToTheTopIgnoringCase) {
  struct Case {
    std::string added;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"C:\\Pics\\b.png", {"C:\\Pics\\b.png", "c", "a"}},  // second moves up
      {"C:\\PICS\\B.PNG", {"C:\\PICS\\B.PNG", "c", "a"}},  // same file, new spelling
      {"c", {"c", "C:\\pics\\b.png", "a"}},                // already first
      {"a", {"a", "c", "C:\\pics\\b.png"}},                // last moves up
  };
  for (const Case& c : cases) {
    cMRUFileList list = listOf({"a", "C:\\pics\\b.png", "c"});
    list.AddFile(c.added);
    EXPECT_THAT(entries(list), ElementsAreArray(c.expected)) << c.added;
  }
}

TEST(RecentFiles, EmptyNamesAndZeroCapacityKeepNothing) {
  cMRUFileList list = listOf({"a"});
  list.AddFile("");
  EXPECT_THAT(entries(list), ElementsAre("a"));
  list.setMaxFileCount(0);
  list.AddFile("b");
  EXPECT_EQ(list.FileCount(), 0);
}

TEST(RecentFiles, ChangingTheCapacityKeepsWhatFits) {
  cMRUFileList list = listOf({"a", "b", "c"});
  list.setMaxFileCount(2);
  EXPECT_THAT(entries(list), ElementsAre("c", "b"));
  list.setMaxFileCount(6);
  list.AddFile("d");
  EXPECT_THAT(entries(list), ElementsAre("d", "c", "b"));
  list.setMaxFileCount(1000);
  EXPECT_EQ(list.MaxFileCount(), kMaxRecentFiles);
  list.setMaxFileCount(-3);
  EXPECT_EQ(list.MaxFileCount(), 0);
}

TEST(RecentFiles, MenuCaptionShortensLongPathsAtASeparator) {
  struct Case {
    std::string path;
    std::string caption;
  };
  const std::vector<Case> cases = {
      {"C:\\short.bmp", "&1)  C:\\short.bmp"},
      // exactly 32 characters: whole
      {"C:\\aaaaaaaaaa\\bbbbbbbbbb\\ccc.jpg", "&1)  C:\\aaaaaaaaaa\\bbbbbbbbbb\\ccc.jpg"},
      {"C:\\aaaaaaaaaa\\bbbbbbbbbb\\cccccccccc.jpg", "&1)  ...\\bbbbbbbbbb\\cccccccccc.jpg"},
      {"/home/aaaaaaaaaa/bbbbbbbbbb/cccccccccc.jpg", "&1)  .../bbbbbbbbbb/cccccccccc.jpg"},
      // mixed separators
      {"C:\\aaaaaaaaaa/bbbbbbbbbb\\cccccccccc.jpg", "&1)  .../bbbbbbbbbb\\cccccccccc.jpg"},
      // long, but no separator has more than 32 characters after it
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\\bbbbbb.png", "&1)  aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\\bbbbbb.png"},
      {"no-separator-at-all-in-this-long-name.png", "&1)  no-separator-at-all-in-this-long-name.png"},
      // the file name alone is too long: from the leftmost separator
      {"C:\\x\\a-file-name-that-is-longer-than-thirty-two.png",
       "&1)  ...\\x\\a-file-name-that-is-longer-than-thirty-two.png"},
      // characters, not bytes: 10 two-byte letters still fit
      {"C:\\aaaaaaaaaa\\\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\\ccc.jpg",
       "&1)  C:\\aaaaaaaaaa\\\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\\ccc.jpg"},
  };
  for (const Case& c : cases) {
    cMRUFileList list;
    list.AddFile(c.path);
    EXPECT_EQ(list.MenuCaption(1), c.caption) << c.path;
  }
}

TEST(RecentFiles, MenuCaptionNumbersEachEntry) {
  cMRUFileList list = listOf({"x", "y"});
  EXPECT_EQ(list.MenuCaption(2), "&2)  x");
  EXPECT_EQ(list.MenuCaption(3), "");
}

TEST(RecentFiles, SaveAndLoadRoundTrip) {
  cMRUFileList saved = listOf({"C:\\one.png", "/home/u/two, with comma.jpg", "three"});
  saved.setMaxFileCount(5);
  MapSettingsStore store;
  ASSERT_TRUE(saved.Save(store));
  EXPECT_EQ(store.readNumber(kRecentFilesKey, "MaxCount"), 5);
  EXPECT_EQ(store.readNumber(kRecentFilesKey, "Count"), 3);
  EXPECT_EQ(store.readText(kRecentFilesKey, "File1"), "three");

  cMRUFileList loaded;
  ASSERT_TRUE(loaded.Load(store));
  EXPECT_EQ(loaded.MaxFileCount(), 5);
  EXPECT_EQ(entries(loaded), entries(saved));
}

TEST(RecentFiles, LoadWithoutASavedListIsNotAnError) {
  MapSettingsStore store;
  store.set("Software\\Other", "MaxCount", 7);
  cMRUFileList list = listOf({"kept"});
  EXPECT_TRUE(list.Load(store));
  EXPECT_EQ(list.MaxFileCount(), 4);
  EXPECT_THAT(entries(list), ElementsAre("kept"));
}

TEST(RecentFiles, ARefusedWriteStopsTheSave) {
  cMRUFileList list = listOf({"a", "b"});
  MapSettingsStore store;
  store.writesLeft = 3;  // MaxCount, Count, File1
  EXPECT_FALSE(list.Save(store));
  EXPECT_EQ(store.readText(kRecentFilesKey, "File1"), "b");
  EXPECT_FALSE(store.readText(kRecentFilesKey, "File2").has_value());
}

// A store written by someone else, cut short or garbled: the list takes what
// it can, never grows past kMaxRecentFiles, and reports that it was not whole.
TEST(RecentFiles, CorruptStoresLoadWhatCanBeRead) {
  using V = MapSettingsStore::Value;
  constexpr int32_t kHuge = std::numeric_limits<int32_t>::max();
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, V>> values;
    int32_t maxCount;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"MaxCount missing", {{"Count", V{1}}, {"File1", V{"a"}}}, 4, {"before"}},
      {"MaxCount not a number", {{"MaxCount", V{"four"}}, {"Count", V{1}}, {"File1", V{"a"}}}, 4, {"before"}},
      {"MaxCount zero", {{"MaxCount", V{0}}, {"Count", V{1}}, {"File1", V{"a"}}}, 4, {"before"}},
      {"MaxCount negative", {{"MaxCount", V{-5}}, {"Count", V{1}}, {"File1", V{"a"}}}, 4, {"before"}},
      {"Count missing", {{"MaxCount", V{4}}, {"File1", V{"a"}}}, 4, {"before"}},
      {"Count negative", {{"MaxCount", V{4}}, {"Count", V{-1}}, {"File1", V{"a"}}}, 4, {"before"}},
      {"Count not a number", {{"MaxCount", V{4}}, {"Count", V{"x"}}}, 4, {"before"}},
      {"MaxCount huge",
       {{"MaxCount", V{kHuge}}, {"Count", V{2}}, {"File1", V{"a"}}, {"File2", V{"b"}}},
       kMaxRecentFiles,
       {"a", "b"}},
      {"Count above MaxCount",
       {{"MaxCount", V{2}}, {"Count", V{3}}, {"File1", V{"a"}}, {"File2", V{"b"}}, {"File3", V{"c"}}},
       2,
       {"a", "b"}},
      {"Count huge", {{"MaxCount", V{4}}, {"Count", V{kHuge}}, {"File1", V{"a"}}}, 4, {"a"}},
      {"entry missing",
       {{"MaxCount", V{4}}, {"Count", V{3}}, {"File1", V{"a"}}, {"File3", V{"c"}}},
       4,
       {"a"}},
      {"entry empty or not a text",
       {{"MaxCount", V{4}}, {"Count", V{4}}, {"File1", V{""}}, {"File2", V{"b"}}, {"File3", V{7}}},
       4,
       {"b"}},
      {"duplicate entry",
       {{"MaxCount", V{4}}, {"Count", V{2}}, {"File1", V{"a.png"}}, {"File2", V{"A.PNG"}}},
       4,
       {"a.png"}},
      {"entry far too long",
       {{"MaxCount", V{4}}, {"Count", V{2}}, {"File1", V{std::string(100000, 'x')}}, {"File2", V{"b"}}},
       4,
       {"b"}},
  };
  for (const Case& c : cases) {
    MapSettingsStore store;
    for (const auto& [name, value] : c.values) store.set(kRecentFilesKey, name, value);
    cMRUFileList list = listOf({"before"});
    EXPECT_FALSE(list.Load(store)) << c.what;
    EXPECT_EQ(list.MaxFileCount(), c.maxCount) << c.what;
    EXPECT_EQ(entries(list), c.expected) << c.what;
    list.AddFile("later");  // still a working list
    EXPECT_EQ(list.File(1), "later") << c.what;
  }
}

}  // namespace
}  // namespace zefrin
