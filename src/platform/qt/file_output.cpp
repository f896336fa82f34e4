#include "platform/qt/file_output.h"

#include <QSaveFile>
#include <QString>

namespace zefrin {

std::string writeFileAtomically(const std::string& path, std::span<const char> bytes) {
  const QString name = QString::fromStdString(path);
  auto failure = [&path](const QSaveFile& file) {
    return "unwritable file " + path + ": " + file.errorString().toStdString();
  };
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return failure(file);
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    const std::string error = failure(file);
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return failure(file);
  return {};
}

}  // namespace zefrin
