#include "app/status_bar.h"

#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>

namespace zefrin {

namespace {

QLabel* pane(QWidget* parent, const char* name, int minimumWidth) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setMinimumWidth(minimumWidth);
  return label;
}

}  // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
  lblStatus_ = pane(this, "lblStatus", 200);
  lblStatus_->setText(QStringLiteral("Ready"));
  lblsite_ = pane(this, "lblsite", 90);
  lblImage_ = pane(this, "lblImage", 160);
  lblSize_ = pane(this, "lblSize", 90);
  addWidget(lblStatus_, 1);
  addPermanentWidget(lblsite_);
  addPermanentWidget(lblImage_);
  addPermanentWidget(lblSize_);
  // Not a pane of the layout: it covers the message pane while shown.
  prgMain_ = new QProgressBar(this);
  prgMain_->setObjectName(QStringLiteral("prgMain"));
  prgMain_->setTextVisible(false);
  prgMain_->hide();
}

void MainStatusBar::SetStatus(const std::string& sMain, const std::string& sImage, const std::string& sSize) {
  const auto set = [](QLabel* label, const std::string& text) {
    if (text != "#") label->setText(QString::fromStdString(text + " "));
  };
  set(lblStatus_, sMain);
  set(lblImage_, sImage);
  set(lblSize_, sSize);
}

void MainStatusBar::ShowProgress(bool bShow) {
  if (bShow) {
    placeProgressBar();
    prgMain_->show();
    prgMain_->raise();
  } else {
    prgMain_->hide();
  }
}

void MainStatusBar::ProgressMax(int32_t lMax) { prgMain_->setMaximum(std::max(lMax, 0)); }

void MainStatusBar::ProgressValue(int32_t lValue) {
  prgMain_->setValue(std::clamp(lValue, prgMain_->minimum(), prgMain_->maximum()));
}

void MainStatusBar::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  placeProgressBar();
}

void MainStatusBar::placeProgressBar() { prgMain_->setGeometry(lblStatus_->geometry()); }

}  // namespace zefrin
