#include "core/ignition/ServiceFunctions.h"

#include <array>

#include "core/common/AppError.h"

namespace curvedesk {

namespace {

// Addresses in the "*" space. Its words hold the byte after the address first.
constexpr std::uint16_t kEngineStartsAddress = 4;
constexpr std::uint16_t kExceededMaxRpmAddress = 6;
constexpr std::uint16_t kMaxRpmWordAddress = 8;  // the code is the byte at 9
constexpr std::uint16_t kMaxRpmCodeAddress = 9;
constexpr std::uint16_t kPasswordAddress = 10;  // three bytes, high byte first
constexpr std::int32_t kNoPasswordErased = 0xFFFFFF;
constexpr std::uint8_t kMaxRpmNotSet = 255;

constexpr const char* kFirstPasswordWarning =
    "You will be required to enter a\r\n"
    "numerical password that will be\r\n"
    "stored in the ignition module.\r\n"
    "You must remember the password\r\n"
    "or you will not be able to Clear\r\n"
    "Engine Starts, Clear Exceeded\r\n"
    "Max. @RPM or change the Max.\r\n"
    "Desired Engine @RPM.  Make sure\r\n"
    "the ignition is connected to the\r\n"
    "computer with the program cable\r\n"
    "before proceeding.";

// The hourglass for as long as the board is spoken to, also when that fails.
class BusyPointer {
 public:
  explicit BusyPointer(ServiceDialogs& dialogs) : dialogs_(dialogs) { dialogs_.SetBusy(true); }
  ~BusyPointer() { dialogs_.SetBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  ServiceDialogs& dialogs_;
};

// 0 when the board has no counters (version 1.00), else the stored password (0: none set).
std::optional<std::int32_t> ReadStoredPassword(Programmer& programmer, ServiceDialogs& dialogs) {
  const BusyPointer busy(dialogs);
  if (programmer.EstablishComms(Programmer::kReadTransfer) <= 1.0) {
    programmer.EndTransfer();
    return std::nullopt;
  }
  const std::uint16_t first = programmer.ReadWord(1, kPasswordAddress);   // bytes 11, 10
  const std::uint16_t second = programmer.ReadWord(1, kPasswordAddress + 2);  // bytes 13, 12
  programmer.EndTransfer();
  return (first & 0xFF) << 16 | (first >> 8) << 8 | (second & 0xFF);
}

void StorePassword(Programmer& programmer, ServiceDialogs& dialogs, std::int32_t password) {
  const BusyPointer busy(dialogs);
  const std::array<std::uint8_t, 3> bytes{static_cast<std::uint8_t>(password >> 16),
                                          static_cast<std::uint8_t>(password >> 8),
                                          static_cast<std::uint8_t>(password)};
  programmer.EstablishComms(Programmer::kWriteTransfer);
  programmer.WriteRecord(1, kPasswordAddress, bytes);
  programmer.EndTransfer();
}

}  // namespace

std::optional<std::int32_t> ParsePassword(std::string_view typed) {
  if (typed.empty() || typed.size() > 8) return std::nullopt;
  std::int32_t value = 0;
  for (char c : typed) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < kPasswordMin || value > kPasswordMax) return std::nullopt;
  return value;
}

std::optional<std::string> CheckMaxDesiredRpm(std::int32_t rpm) {
  if (rpm < 50 || rpm > 12500)
    return "The Max Desired @RPM value must be between 50 and 12500 in increments of 50.";
  if (rpm % 50 != 0) return "The Max Desired @RPM value must be a multiple of 50.";
  return std::nullopt;
}

bool RunProtected(ServiceAction action, Programmer& programmer, Prompter& prompter, ServiceDialogs& dialogs) {
  const auto readStored = ReadStoredPassword(programmer, dialogs);
  if (!readStored) return false;
  std::int32_t stored = *readStored;

  if (stored == 0 || stored == kNoPasswordErased) {
    prompter.Tell("Warning", kFirstPasswordWarning, Prompter::Icon::Warning);
    stored = 0;
  }
  const std::optional<std::int32_t> entered = dialogs.AskPassword();
  if (!entered) return false;
  if (stored == 0) {
    StorePassword(programmer, dialogs, *entered);
    stored = *entered;
  }
  if (*entered != stored) {
    prompter.Tell("Error", "Incorrect Password", Prompter::Icon::Warning);
    return false;
  }

  if (action == ServiceAction::ClearEngineStarts) {
    ClearEngineStarts(programmer, dialogs);
  } else {
    EditMaxDesiredRPM(programmer, dialogs);
  }
  return true;
}

bool ClearEngineStarts(Programmer& programmer, ServiceDialogs& dialogs) {
  if (!dialogs.ConfirmClearEngineStarts()) return false;
  const BusyPointer busy(dialogs);
  programmer.EstablishComms(Programmer::kWriteTransfer);
  programmer.WriteWord(1, kEngineStartsAddress, 0);
  programmer.EndTransfer();
  return true;
}

void EditMaxDesiredRPM(Programmer& programmer, ServiceDialogs& dialogs) {
  for (;;) {
    programmer.EstablishComms(Programmer::kReadTransfer);
    const std::int32_t count = programmer.ReadWord(1, kExceededMaxRpmAddress);
    const std::int32_t code = programmer.ReadWord(1, kMaxRpmWordAddress) >> 8;
    programmer.EndTransfer();
    const std::int32_t current = code == kMaxRpmNotSet ? 12500 : code * 50 - 50;

    const ServiceDialogs::MaxRpmAnswer answer = dialogs.AskMaxDesiredRpm(current, count);
    switch (answer.button) {
      case ServiceDialogs::MaxRpmButton::Cancel:
        return;
      case ServiceDialogs::MaxRpmButton::Clear:
        programmer.EstablishComms(Programmer::kWriteTransfer);
        programmer.WriteWord(1, kExceededMaxRpmAddress, 0);
        programmer.EndTransfer();
        continue;
      case ServiceDialogs::MaxRpmButton::Ok:
        if (answer.rpm == current) return;
        if (auto refusal = CheckMaxDesiredRpm(answer.rpm)) RaiseError(ErrGeneric, *refusal);
        programmer.EstablishComms(Programmer::kWriteTransfer);
        const std::array<std::uint8_t, 1> codeByte{static_cast<std::uint8_t>(answer.rpm / 50 + 1)};
        programmer.WriteRecord(1, kMaxRpmCodeAddress, codeByte);
        programmer.EndTransfer();
        return;
    }
  }
}

}  // namespace curvedesk
