#include "platform/qt/qt_settings_store.h"

#include <QByteArray>
#include <QMetaType>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <limits>

namespace zefrin {

namespace {

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Software\Kelvarn\zefrin" -> "Software/Kelvarn/zefrin": either slash
// separates groups, empty parts are dropped.
QString groupFor(std::string_view key) {
  QString group = fromView(key);
  group.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return group.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

QString keyFor(std::string_view key, std::string_view name) {
  const QString group = groupFor(key);
  return group.isEmpty() ? fromView(name) : group + QLatin1Char('/') + fromView(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore(const std::string& iniFile)
    : settings_(iniFile.empty()
                    ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  QStringLiteral("Kelvarn"), QStringLiteral("zefrin"))
                    : std::make_unique<QSettings>(QString::fromStdString(iniFile), QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

bool QtSettingsStore::keyExists(std::string_view key) const {
  const QString group = groupFor(key);
  if (group.isEmpty()) return !settings_->allKeys().isEmpty();
  settings_->beginGroup(group);
  const bool exists = !settings_->allKeys().isEmpty();
  settings_->endGroup();
  return exists;
}

std::optional<int32_t> QtSettingsStore::readNumber(std::string_view key, std::string_view name) const {
  const QVariant value = settings_->value(keyFor(key, name));
  bool ok = false;
  qlonglong number = 0;
  switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
      // QString::toLongLong reads plain digits in every locale.
      number = value.toString().trimmed().toLongLong(&ok);
      break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      number = value.toLongLong(&ok);
      break;
    default:
      return std::nullopt;  // missing, a list, or something stranger
  }
  if (!ok || number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(number);
}

std::optional<std::string> QtSettingsStore::readText(std::string_view key, std::string_view name) const {
  const QVariant value = settings_->value(keyFor(key, name));
  switch (value.typeId()) {
    case QMetaType::QString:
      return value.toString().toStdString();
    case QMetaType::QByteArray:
      return value.toByteArray().toStdString();
    case QMetaType::Int:
    case QMetaType::LongLong:
      return QString::number(value.toLongLong()).toStdString();
    default:
      return std::nullopt;
  }
}

// A FormatError only says the file held garbage when it was read; the write
// itself failed only when the file could not be written.
bool QtSettingsStore::synced() {
  settings_->sync();
  return settings_->status() != QSettings::AccessError;
}

bool QtSettingsStore::writeNumber(std::string_view key, std::string_view name, int32_t value) {
  if (!settings_->isWritable()) return false;
  // Stored as text so every reader sees plain digits.
  settings_->setValue(keyFor(key, name), QString::number(value));
  return synced();
}

bool QtSettingsStore::writeText(std::string_view key, std::string_view name, std::string_view value) {
  if (!settings_->isWritable()) return false;
  settings_->setValue(keyFor(key, name), fromView(value));
  return synced();
}

}  // namespace zefrin
