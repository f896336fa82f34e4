// The zoom dialog "Form1": five levels, of which only those that suit the
// active picture's size are enabled.
#pragma once

#include <QDialog>
#include <array>

class QRadioButton;

namespace zefrin {

class ZoomDialog final : public QDialog {
 public:
  explicit ZoomDialog(QWidget* parent = nullptr);

  // Enables the levels for a picture of this size and moves the choice when
  // its level is no longer offered. Called each time before the dialog shows.
  void prepare(int32_t width, int32_t height);
  int32_t selectedPercent() const;
  QRadioButton* option(int32_t index) const { return options_[static_cast<size_t>(index)]; }

 private:
  std::array<QRadioButton*, 5> options_{};
};

}  // namespace zefrin
