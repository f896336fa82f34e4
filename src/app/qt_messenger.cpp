#include "app/qt_messenger.h"

#include <QMessageBox>
#include <QString>

namespace zefrin {

namespace {

QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kCaption = QStringLiteral("Zefrin");

}  // namespace

void QtMessenger::information(std::string_view text) {
  QMessageBox::information(owner_, kCaption, qtText(text));
}

void QtMessenger::error(std::string_view text) {
  QMessageBox::critical(owner_, kCaption, qtText(text));
}

Answer QtMessenger::question(std::string_view text, QuestionButtons buttons) {
  QMessageBox::StandardButtons offered;
  switch (buttons) {
    case QuestionButtons::YesNo: offered = QMessageBox::Yes | QMessageBox::No; break;
    case QuestionButtons::YesNoCancel: offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case QuestionButtons::OkCancel: offered = QMessageBox::Ok | QMessageBox::Cancel; break;
  }
  switch (QMessageBox::question(owner_, kCaption, qtText(text), offered)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
  }
}

}  // namespace zefrin
