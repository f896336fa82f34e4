// Message boxes for the engine and the commands: plain Qt message boxes
// captioned with the program's name.
#pragma once

#include "platform/seams/messenger.h"

class QWidget;

namespace zefrin {

class QtMessenger final : public Messenger {
 public:
  explicit QtMessenger(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }
  void information(std::string_view text) override;
  void error(std::string_view text) override;
  Answer question(std::string_view text, QuestionButtons buttons) override;

 private:
  QWidget* owner_;
};

}  // namespace zefrin
