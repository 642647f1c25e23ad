#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/common/Prompter.h"
#include "gui/widgets/FileDialogs.h"

namespace curvedesk::testing {

// Answers the program's questions from a script and keeps what was asked. A question without a
// scripted answer is answered with Cancel (or OK for a plain message).
class ScriptedPrompter : public Prompter {
 public:
  struct Question {
    std::string title;
    std::string text;
    Buttons buttons;
  };

  Answer Ask(const std::string& title, const std::string& text, Icon, Buttons buttons) override {
    asked.push_back({title, text, buttons});
    if (whileAsked) whileAsked(asked.back());
    if (answers.empty()) return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Question& question : asked) texts.push_back(question.text);
    return texts;
  }

  std::deque<Answer> answers;
  std::vector<Question> asked;
  // Runs while a question is up, as a person would look at the windows then.
  std::function<void(const Question&)> whileAsked;
};

// Answers the Open and Save As dialogs from a script; an empty or missing answer is a cancel.
class ScriptedFileDialogs : public FileDialogs {
 public:
  struct Shown {
    QString title;
    QString folder;
    QString filter;
  };

  QString OpenFile(QWidget*, const QString& title, const QString& folder, const QString& filter) override {
    return Answer(title, folder, filter);
  }
  QString SaveFile(QWidget*, const QString& title, const QString& folder, const QString& filter) override {
    return Answer(title, folder, filter);
  }

  std::deque<QString> paths;
  std::vector<Shown> shown;

 private:
  QString Answer(const QString& title, const QString& folder, const QString& filter) {
    shown.push_back({title, folder, filter});
    if (paths.empty()) return {};
    QString path = paths.front();
    paths.pop_front();
    return path;
  }
};

}  // namespace curvedesk::testing
