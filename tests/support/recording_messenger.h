// A messenger for tests: records every message and answers questions from a
// script (Cancel when the script runs out).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/seams/messenger.h"

namespace zefrin::testing {

class RecordingMessenger final : public Messenger {
 public:
  struct Message {
    enum class Kind { Information, Error, Question } kind;
    std::string text;
  };

  void information(std::string_view text) override {
    messages.push_back({Message::Kind::Information, std::string(text)});
  }
  void error(std::string_view text) override {
    messages.push_back({Message::Kind::Error, std::string(text)});
  }
  Answer question(std::string_view text, QuestionButtons) override {
    messages.push_back({Message::Kind::Question, std::string(text)});
    if (answers.empty()) return Answer::Cancel;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
  }

  std::vector<Message> messages;
  std::deque<Answer> answers;
};

}  // namespace zefrin::testing
