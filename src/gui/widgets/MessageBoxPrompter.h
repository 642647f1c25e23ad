#pragma once

#include "core/common/Prompter.h"

class QWidget;

namespace curvedesk {

// Questions and messages as modal message boxes over a parent window.
class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  Answer Ask(const std::string& title, const std::string& text, Icon icon, Buttons buttons) override;

 private:
  QWidget* parent_;
};

}  // namespace curvedesk
