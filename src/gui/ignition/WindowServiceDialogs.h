#pragma once

#include "core/common/Prompter.h"
#include "core/ignition/ServiceFunctions.h"

class QWidget;

namespace curvedesk {

// The service functions' questions as the program's dialogs, modal over the owner window.
class WindowServiceDialogs : public ServiceDialogs {
 public:
  WindowServiceDialogs(Prompter& prompter, QWidget* owner) : prompter_(prompter), owner_(owner) {}

  void SetBusy(bool busy) override;
  std::optional<std::int32_t> AskPassword() override;
  bool ConfirmClearEngineStarts() override;
  MaxRpmAnswer AskMaxDesiredRpm(std::int32_t currentRpm, std::int32_t exceededCount) override;

 private:
  Prompter& prompter_;
  QWidget* owner_;
};

}  // namespace curvedesk
