#include "app/zoom_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/zoom_choices.h"

namespace zefrin {

ZoomDialog::ZoomDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Fmashtab"));
  setWindowTitle(QStringLiteral("Form1"));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("Zoom"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  for (size_t i = 0; i < options_.size(); ++i) {
    options_[i] = new QRadioButton(QString::number(kZoomPercents[i]) + "%", this);
    options_[i]->setEnabled(i == 0);
    layout->addWidget(options_[i]);
  }
  options_[0]->setChecked(true);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ZoomDialog::prepare(int32_t width, int32_t height) {
  int32_t selected = 0;
  for (size_t i = 0; i < options_.size(); ++i) {
    if (options_[i]->isChecked()) selected = static_cast<int32_t>(i);
  }
  const int32_t largest = largestZoomIndex(width, height);
  for (size_t i = 0; i < options_.size(); ++i) options_[i]->setEnabled(static_cast<int32_t>(i) <= largest);
  options_[static_cast<size_t>(zoomIndexAfterShow(selected, width, height))]->setChecked(true);
}

int32_t ZoomDialog::selectedPercent() const {
  for (size_t i = 0; i < options_.size(); ++i) {
    if (options_[i]->isChecked()) return kZoomPercents[i];
  }
  return 100;
}

}  // namespace zefrin
