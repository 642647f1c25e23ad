#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/Prompter.h"
#include "core/ignition/Programmer.h"

namespace curvedesk {

// The service password: 1 .. 16777214, typed as at most 8 digits.
inline constexpr std::int32_t kPasswordMin = 1;
inline constexpr std::int32_t kPasswordMax = 16777214;
std::optional<std::int32_t> ParsePassword(std::string_view typed);

// The message for a maximum desired RPM that the dialog refuses, or nothing when it is accepted.
std::optional<std::string> CheckMaxDesiredRpm(std::int32_t rpm);

// The dialogs of the service functions, answered by the windows, the CLI or a test.
class ServiceDialogs {
 public:
  enum class MaxRpmButton { Clear, Ok, Cancel };
  struct MaxRpmAnswer {
    MaxRpmButton button = MaxRpmButton::Cancel;
    std::int32_t rpm = 0;  // with Ok: the value entered, already passed by CheckMaxDesiredRpm
  };

  virtual ~ServiceDialogs() = default;
  // The hourglass while the board is spoken to.
  virtual void SetBusy(bool busy) = 0;
  // "Password" / "Enter Password": a number accepted by ParsePassword, or nothing for Cancel.
  virtual std::optional<std::int32_t> AskPassword() = 0;
  // "Clear Engine Starts": true for Clear.
  virtual bool ConfirmClearEngineStarts() = 0;
  // "Maximum Desired RPM" with the current value and the exceeded count ("Clear" only when the
  // count is not 0).
  virtual MaxRpmAnswer AskMaxDesiredRpm(std::int32_t currentRpm, std::int32_t exceededCount) = 0;
};

enum class ServiceAction { ClearEngineStarts = 1, MaxDesiredRpm = 2 };

// Runs the action behind the ignition's password: a board without counters (version 1.00) ends
// it after the handshake; a board without a password gets the entered one stored first; a wrong
// password shows "Incorrect Password". Returns true when the action ran (the caller then reads
// the ignition again to refresh what it shows). Board errors are raised for the caller to show.
bool RunProtected(ServiceAction action, Programmer& programmer, Prompter& prompter, ServiceDialogs& dialogs);

// Clears the engine start counter after the dialog's Clear; false when cancelled.
bool ClearEngineStarts(Programmer& programmer, ServiceDialogs& dialogs);

// Shows the maximum desired RPM and the exceeded count until OK or Cancel; Clear resets the count
// and shows the dialog again; OK with a new value stores it.
void EditMaxDesiredRPM(Programmer& programmer, ServiceDialogs& dialogs);

}  // namespace curvedesk
