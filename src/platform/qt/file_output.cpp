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
  file.setDirectWriteFallback(false);  // never write over the old file in place
  if (!file.open(QIODevice::WriteOnly)) return failure(file);
  const auto size = static_cast<qint64>(bytes.size());
  // A write cut short (a full disk) can go unreported until the buffer is
  // flushed, so the bytes that reached the file are counted before the old
  // file is replaced.
  if (file.write(bytes.data(), size) != size || !file.flush() || file.size() != size ||
      file.error() != QFileDevice::NoError) {
    const std::string error = file.error() != QFileDevice::NoError
                                  ? failure(file)
                                  : "unwritable file " + path + ": not all of it could be written";
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return failure(file);
  return {};
}

}  // namespace zefrin
