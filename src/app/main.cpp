// Zefrin, the desktop program.
//   zefrin                      the program
//   zefrin --demo-run OUT.png   New, Go, save OUT.png, quit (for scripts)
//   zefrin --quit-when-shown    quit as soon as the window is shown (start-up timing)
#include <QApplication>
#include <QTimer>
#include <cstring>
#include <string>

#include "app/demo_run.h"
#include "app/main_window.h"
#include "app/qt_dialog_provider.h"
#include "app/qt_messenger.h"
#include "platform/qt/qt_settings_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Kelvarn"));
  QApplication::setApplicationName(QStringLiteral("zefrin"));

  std::string demoOutput;
  bool quitWhenShown = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--demo-run") == 0 && i + 1 < argc) demoOutput = argv[++i];
    if (std::strcmp(argv[i], "--quit-when-shown") == 0) quitWhenShown = true;
  }

  zefrin::QtMessenger messenger;
  zefrin::QtDialogProvider dialogs;
  zefrin::QtSettingsStore settings;  // QSettings of "Kelvarn" / "zefrin"
  zefrin::MainWindow window({messenger, dialogs, settings});
  messenger.setOwner(&window);
  window.show();

  int exitCode = 0;
  if (quitWhenShown) {
    QTimer::singleShot(0, &app, [&] { QApplication::exit(0); });
  } else if (!demoOutput.empty()) {
    QTimer::singleShot(0, &app, [&] {
      exitCode = zefrin::runDemo(window, demoOutput);
      QApplication::exit(exitCode);
    });
  }
  const int result = QApplication::exec();
  return exitCode != 0 ? exitCode : result;
}
