// Message boxes, as the engine asks for them. The desktop program shows Qt
// message boxes; tests record what was said and script the answers.
#pragma once

#include <string>
#include <string_view>

namespace zefrin {

enum class Answer { Ok, Yes, No, Cancel };

enum class QuestionButtons { YesNo, YesNoCancel, OkCancel };

class Messenger {
 public:
  virtual ~Messenger() = default;
  virtual void information(std::string_view text) = 0;
  virtual void error(std::string_view text) = 0;
  virtual Answer question(std::string_view text, QuestionButtons buttons) = 0;
};

// Says nothing and answers Cancel: for headless runs where no one is asked.
class SilentMessenger final : public Messenger {
 public:
  void information(std::string_view) override {}
  void error(std::string_view) override {}
  Answer question(std::string_view, QuestionButtons) override { return Answer::Cancel; }
};

}  // namespace zefrin
