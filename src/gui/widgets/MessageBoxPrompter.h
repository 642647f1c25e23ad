#pragma once

#include "core/common/Prompter.h"

class QWidget;

namespace curvedesk {

// Questions and messages as modal message boxes over a parent window. Enter answers with the first
// button (Yes or OK); a box put away with Escape or its close button answers Cancel (a plain message
// OK), never No.
class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  Answer Ask(const std::string& title, const std::string& text, Icon icon, Buttons buttons) override;

 private:
  QWidget* parent_;
};

}  // namespace curvedesk
