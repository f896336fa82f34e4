// A main window wired to recorders: message boxes and dialogs answer from a
// script, the settings store is a map, nothing blocks and nothing launches.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_provider.h"
#include "app/main_window.h"
#include "platform/seams/settings_store.h"
#include "support/recording_messenger.h"

namespace zefrin::testing {

class ScriptedDialogs final : public DialogProvider {
 public:
  std::optional<std::string> openFileName(QWidget*, const std::vector<FileFilter>& filters,
                                          const std::string& prefill) override {
    openFilters = filters;
    prefills.push_back(prefill);
    if (openAnswers.empty()) return std::nullopt;
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
  }
  std::optional<SaveChoice> saveFileName(QWidget*, const std::vector<FileFilter>& filters) override {
    saveFilters = filters;
    ++saveDialogs;
    if (saveAnswers.empty()) return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }
  bool printerSetup(QWidget*, QPrinter&) override { return false; }
  std::optional<std::string> printFileName(QWidget*) override { return printFile; }
  bool openUrl(const std::string& url) override {
    urls.push_back(url);
    return true;
  }

  // The 0-based filter index of the save filter whose caption starts with `name`.
  int32_t saveFilterIndex(const std::string& name) const;

  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<SaveChoice>> saveAnswers;
  std::vector<std::string> prefills;
  std::vector<FileFilter> openFilters, saveFilters;
  int saveDialogs = 0;
  std::optional<std::string> printFile;
  std::vector<std::string> urls;
};

class MapSettingsStore final : public SettingsStore {
 public:
  bool keyExists(std::string_view key) const override;
  std::optional<int32_t> readNumber(std::string_view key, std::string_view name) const override;
  std::optional<std::string> readText(std::string_view key, std::string_view name) const override;
  bool writeNumber(std::string_view key, std::string_view name, int32_t value) override;
  bool writeText(std::string_view key, std::string_view name, std::string_view value) override;

  std::map<std::string, int32_t> numbers;  // "key/name"
  std::map<std::string, std::string> texts;
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Recreates the main window (after the store was filled, say).
  void restart();

  // The menu item with this caption in the top-level menu `menu` (or its submenus).
  QAction* menuItem(const std::string& menu, const std::string& caption) const;
  void trigger(const std::string& menu, const std::string& caption) { menuItem(menu, caption)->trigger(); }
  QAction* toolButton(const char* key) const;
  int messagesSaying(const std::string& text) const;
  std::string tempPath(const std::string& name) const;

  RecordingMessenger messenger;
  ScriptedDialogs dialogs;
  MapSettingsStore settings;
  std::unique_ptr<MainWindow> window;
  std::string tempDir;
};

}  // namespace zefrin::testing
