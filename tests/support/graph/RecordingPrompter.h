#pragma once

#include <string>
#include <vector>

#include "core/common/Prompter.h"

namespace curvedesk::testing {

// Answers every question with a fixed answer and keeps what was asked.
class RecordingPrompter : public Prompter {
 public:
  struct Message {
    std::string title;
    std::string text;
    Icon icon;
  };

  Answer Ask(const std::string& title, const std::string& text, Icon icon, Buttons) override {
    messages.push_back({title, text, icon});
    return answer;
  }

  Answer answer = Answer::Ok;
  std::vector<Message> messages;
};

}  // namespace curvedesk::testing
