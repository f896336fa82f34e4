// Help menu: the help pages, the project's web page, the about box.
#include <QUrl>

#include "app/dialog_provider.h"
#include "app/help_location.h"
#include "app/main_window.h"
#include "platform/seams/messenger.h"

namespace zefrin {

void MainWindow::showHelpContent() {
  dialogs_.openUrl(QUrl::fromLocalFile(QString::fromStdString(helpIndexPath())).toString().toStdString());
}

void MainWindow::openWebPage() { dialogs_.openUrl(kProductWebPage); }

void MainWindow::showAbout() {
  messenger_.information(std::string("Zefrin ") + ZEFRIN_VERSION +
                         "\n\nA line-pattern generator and paint program.\n" + kProductWebPage);
}

}  // namespace zefrin
