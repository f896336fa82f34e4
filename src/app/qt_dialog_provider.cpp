#include "app/qt_dialog_provider.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QUrl>

namespace zefrin {

namespace {

// Qt wants "Caption (*.a *.b)"; the caption already names the patterns, so
// the list in brackets is rebuilt with blanks between the patterns.
QString qtFilter(const FileFilter& filter) {
  QString patterns = QString::fromStdString(filter.patterns);
  patterns.replace(';', ' ');
  QString caption = QString::fromStdString(filter.caption);
  const qsizetype bracket = caption.indexOf('(');
  if (bracket > 0) caption = caption.left(bracket).trimmed();
  return caption + " (" + patterns + ")";
}

QStringList qtFilters(const std::vector<FileFilter>& filters) {
  QStringList list;
  for (const FileFilter& f : filters) list << qtFilter(f);
  return list;
}

}  // namespace

std::optional<std::string> QtDialogProvider::openFileName(QWidget* owner, const std::vector<FileFilter>& filters,
                                                          const std::string& prefill) {
  QFileDialog dialog(owner, QObject::tr("Open"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(qtFilters(filters));
  if (!prefill.empty()) dialog.selectFile(QString::fromStdString(prefill));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<SaveChoice> QtDialogProvider::saveFileName(QWidget* owner, const std::vector<FileFilter>& filters) {
  QFileDialog dialog(owner, QObject::tr("Save"));
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const QStringList names = qtFilters(filters);
  dialog.setNameFilters(names);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  SaveChoice choice;
  choice.path = dialog.selectedFiles().first().toStdString();
  choice.filterIndex = static_cast<int32_t>(std::max<qsizetype>(0, names.indexOf(dialog.selectedNameFilter())));
  return choice;
}

bool QtDialogProvider::printerSetup(QWidget* owner, QPrinter& printer) {
  QPrintDialog dialog(&printer, owner);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> QtDialogProvider::printFileName(QWidget* owner) {
  const QString name = QFileDialog::getSaveFileName(owner, QObject::tr("Print to file"), QString(),
                                                    QStringLiteral("PDF (*.pdf)"));
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

bool QtDialogProvider::openUrl(const std::string& url) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace zefrin
