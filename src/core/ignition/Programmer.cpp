#include "core/ignition/Programmer.h"

#include <charconv>
#include <utility>

#include "core/common/AppError.h"
#include "core/common/Utils.h"

namespace curvedesk {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kWakeUp = "@&$";

bool HasRejection(std::string_view answer) { return answer.find_first_of("-%") != std::string_view::npos; }

// The leading decimal number of the text, 0 when it starts with none (a version such as "2.10").
double LeadingNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  (void)end;
  return error == std::errc() ? value : 0;
}

std::chrono::milliseconds Remaining(Clock::time_point deadline) {
  return std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
}

bool ParseHexWord(std::string_view digits, std::uint16_t& value) {
  if (digits.size() != 4) return false;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return error == std::errc() && end == digits.data() + digits.size();
}

}  // namespace

std::string BuildHexRecord(std::uint16_t address, std::span<const std::uint8_t> bytes) {
  const auto count = static_cast<unsigned>(bytes.size() & 0xFF);
  unsigned sum = count + (address >> 8) + (address & 0xFF);
  std::string record = ":" + HexPadded(static_cast<std::int32_t>(count), 2) + HexPadded(address, 4) + "00";
  for (std::uint8_t byte : bytes) {
    record += HexPadded(byte, 2);
    sum += byte;
  }
  const unsigned checksum = (256 - sum % 256) % 256;
  record += HexPadded(static_cast<std::int32_t>(checksum), 2);
  return record;
}

Programmer::Programmer(SerialLink& link, std::string comSettings, ProtocolTimings timings)
    : link_(link), comSettings_(std::move(comSettings)), timings_(timings) {}

double Programmer::EstablishComms(int mode) {
  link_.Open(comSettings_);
  for (int failures = 0;; ++failures) {
    if (failures >= timings_.identifyAttempts) {
      transferMode_ = kNoTransfer;
      RaiseError(ErrBoardNotResponding);
    }
    const double version = Identify();
    if (version > 0) {
      link_.Write(mode == kWriteTransfer ? ">" : "<");
      transferMode_ = mode == kWriteTransfer ? kWriteTransfer : kReadTransfer;
      return version;
    }
  }
}

// One wake-up attempt: the version the board announced, or 0 when the answer was missing or not
// understood. A malformed "V" answer counts as a failed attempt too, so that a board repeating it
// cannot keep the program in this loop for ever.
double Programmer::Identify() {
  link_.ClearInput();
  link_.Write(kWakeUp);
  const auto deadline = Clock::now() + timings_.identifyWait;
  while (link_.BytesAvailable() == 0 && Clock::now() < deadline) link_.WaitForInput(Remaining(deadline));
  std::string answer = link_.Read();
  if (answer.starts_with('?')) return 1.0;
  if (!answer.starts_with('V')) return 0;

  const auto versionDeadline = Clock::now() + timings_.identifyWait;
  while (answer.size() < 6 && Clock::now() < versionDeadline) {
    if (link_.BytesAvailable() == 0) link_.WaitForInput(Remaining(versionDeadline));
    answer += link_.Read();
  }
  if (answer.size() > 5 && answer[5] == '?') return LeadingNumber(std::string_view(answer).substr(1, 4));
  return 0;
}

void Programmer::WriteRecord(int spaceFlag, std::uint16_t address, std::span<const std::uint8_t> bytes) {
  std::string text = BuildHexRecord(address, bytes);
  if (spaceFlag == 1) text.insert(0, "*");
  SendWhenReady(text);
}

void Programmer::SendWhenReady(std::string_view text) {
  auto deadline = Clock::now() + timings_.readySilence;
  for (;;) {
    if (link_.BytesAvailable() == 0) {
      if (Clock::now() >= deadline) RaiseError(ErrProgramming);
      link_.WaitForInput(Remaining(deadline));
      continue;
    }
    const std::string answer = link_.Read();
    if (HasRejection(answer)) RaiseError(ErrProgramming);
    if (answer.find('+') != std::string::npos) break;
    deadline = Clock::now() + timings_.readySilence;
  }
  link_.Write(text);
}

void Programmer::EndTransfer() {
  const int mode = std::exchange(transferMode_, kNoTransfer);
  if (mode == kReadTransfer) {
    link_.Write("@");
    return;
  }
  if (mode != kWriteTransfer) return;

  SendWhenReady(kEndOfFileRecord);
  const auto deadline = Clock::now() + timings_.endRecordWait;
  for (;;) {
    if (link_.BytesAvailable() == 0) {
      if (Clock::now() >= deadline) RaiseError(ErrProgramming);
      link_.WaitForInput(Remaining(deadline));
      continue;
    }
    const std::string answer = link_.Read();
    if (HasRejection(answer)) RaiseError(ErrProgramming);
    if (answer.find('@') != std::string::npos) return;
  }
}

std::uint16_t Programmer::ReadWord(int spaceFlag, std::uint16_t address) {
  link_.ClearInput();
  link_.Write((spaceFlag == 1 ? "*:" : ":") + HexPadded(address, 4));
  const auto deadline = Clock::now() + timings_.wordReadLimit;
  while (link_.BytesAvailable() < 4 && Clock::now() < deadline) link_.WaitForInput(Remaining(deadline));
  std::uint16_t value = 0;
  if (link_.BytesAvailable() != 4 || !ParseHexWord(link_.Read(4), value)) RaiseError(ErrReading);
  return value;
}

void Programmer::WriteWord(int spaceFlag, std::uint16_t address, std::int16_t value) {
  if (value < 0) RaiseError(ErrOverflow);
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
  WriteRecord(spaceFlag, address, bytes);
}

}  // namespace curvedesk
