#include "app/help_location.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zefrin {

std::string helpIndexPath() {
  const QString besideProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/help/index.html");
  if (QFileInfo::exists(besideProgram)) return besideProgram.toStdString();
  return std::string(ZEFRIN_SOURCE_HELP_DIR) + "/index.html";
}

}  // namespace zefrin
