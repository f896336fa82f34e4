#include "app_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QToolBar>

namespace zefrin::testing {

namespace {
std::string joined(std::string_view key, std::string_view name) {
  return std::string(key) + "/" + std::string(name);
}
}  // namespace

int32_t ScriptedDialogs::saveFilterIndex(const std::string& name) const {
  for (size_t i = 0; i < saveFilters.size(); ++i) {
    if (saveFilters[i].caption.rfind(name, 0) == 0) return static_cast<int32_t>(i);
  }
  return -1;
}

bool MapSettingsStore::keyExists(std::string_view key) const {
  const std::string prefix = std::string(key) + "/";
  for (const auto& [k, v] : numbers) if (k.rfind(prefix, 0) == 0) return true;
  for (const auto& [k, v] : texts) if (k.rfind(prefix, 0) == 0) return true;
  return false;
}
std::optional<int32_t> MapSettingsStore::readNumber(std::string_view key, std::string_view name) const {
  auto it = numbers.find(joined(key, name));
  if (it == numbers.end()) return std::nullopt;
  return it->second;
}
std::optional<std::string> MapSettingsStore::readText(std::string_view key, std::string_view name) const {
  auto it = texts.find(joined(key, name));
  if (it == texts.end()) return std::nullopt;
  return it->second;
}
bool MapSettingsStore::writeNumber(std::string_view key, std::string_view name, int32_t value) {
  numbers[joined(key, name)] = value;
  return true;
}
bool MapSettingsStore::writeText(std::string_view key, std::string_view name, std::string_view value) {
  texts[joined(key, name)] = std::string(value);
  return true;
}

void AppTest::SetUp() {
  static QTemporaryDir* dir = nullptr;  // one folder per test program run
  if (!dir) dir = new QTemporaryDir();
  const QString sub = dir->path() + "/" +
                      QString::fromStdString(::testing::UnitTest::GetInstance()->current_test_info()->name());
  QDir().mkpath(sub);
  tempDir = sub.toStdString();
  restart();
}

void AppTest::restart() {
  if (window) {
    window->close();
    window.reset();
  }
  window = std::make_unique<MainWindow>(AppSeams{messenger, dialogs, settings});
  window->show();
  QApplication::processEvents();
}

void AppTest::TearDown() {
  // Close without questions: answer No to every save question left.
  for (int i = 0; i < 50; ++i) messenger.answers.push_back(Answer::No);
  window->close();
  window.reset();
  QApplication::processEvents();
}

QAction* AppTest::menuItem(const std::string& menu, const std::string& caption) const {
  for (QAction* top : window->menuBar()->actions()) {
    if (top->text().toStdString() != menu || !top->menu()) continue;
    std::vector<QMenu*> menus{top->menu()};
    while (!menus.empty()) {
      QMenu* current = menus.back();
      menus.pop_back();
      for (QAction* action : current->actions()) {
        if (action->text().toStdString() == caption) return action;
        if (action->menu()) menus.push_back(action->menu());
      }
    }
  }
  ADD_FAILURE() << "no menu item " << menu << " > " << caption;
  static QAction missing;
  return &missing;
}

QAction* AppTest::toolButton(const char* key) const {
  for (QToolBar* bar : {window->toolbar1(), window->toolbar2()}) {
    for (QAction* action : bar->actions()) {
      if (action->objectName() == QLatin1String(key)) return action;
    }
  }
  ADD_FAILURE() << "no toolbar button " << key;
  static QAction missing;
  return &missing;
}

int AppTest::messagesSaying(const std::string& text) const {
  int count = 0;
  for (const auto& m : messenger.messages) count += m.text == text ? 1 : 0;
  return count;
}

std::string AppTest::tempPath(const std::string& name) const { return tempDir + "/" + name; }

}  // namespace zefrin::testing
