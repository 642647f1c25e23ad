#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/ignition/SerialLink.h"

namespace curvedesk {

// How long the protocol waits. The defaults are the board's; tests shorten them.
struct ProtocolTimings {
  std::chrono::milliseconds identifyWait{2000};  // per wake-up attempt
  int identifyAttempts = 8;                       // unanswered attempts before ErrBoardNotResponding
  std::chrono::milliseconds readySilence{5000};   // SendWhenReady gives up after this much silence
  std::chrono::milliseconds endRecordWait{15000};  // for the "@" after the end record
  // For the four digits of a word read. A board answers within a few character times and the wait
  // ends the moment the fourth digit arrives, so the limit only tells a board that has stopped
  // answering; it leaves room for a USB adapter's latency and a busy computer, which would
  // otherwise fail a long read-back for nothing.
  std::chrono::milliseconds wordReadLimit{1000};
};

// The Intel HEX end-of-file record: it ends a write transfer.
inline constexpr std::string_view kEndOfFileRecord = ":00000001FF";

// ":" + count + address + "00" + data + checksum, upper-case hex, no line end.
std::string BuildHexRecord(std::uint16_t address, std::span<const std::uint8_t> bytes);

// The transport of the board's resident loader: transfer handshake, paced records, word reads and
// writes, end of transfer. Every job runs EstablishComms, its records or reads, then EndTransfer on
// its success path only.
class Programmer {
 public:
  enum Mode { kNoTransfer = 0, kWriteTransfer = 1, kReadTransfer = 2 };

  Programmer(SerialLink& link, std::string comSettings, ProtocolTimings timings = {});

  // Opens the port, wakes the board and enters the transfer; returns the firmware version (1.00
  // for a board that answers "?"). Raises ErrBoardNotResponding after the attempts run out.
  double EstablishComms(int mode);
  // Ends the transfer: the end record and the board's "@" in a write transfer, "@" in a read one.
  void EndTransfer();
  // spaceFlag 1 selects the board's second address space ("*" prefix).
  void WriteRecord(int spaceFlag, std::uint16_t address, std::span<const std::uint8_t> bytes);
  // Sends the text the moment the board's "+" arrives; "-" or "%", or silence longer than
  // readySilence, raise ErrProgramming.
  void SendWhenReady(std::string_view text);
  // The four hex digits of the word at the address (byte order depends on the space), returned the
  // moment they have arrived; anything but exactly four digits within wordReadLimit raises
  // ErrReading.
  std::uint16_t ReadWord(int spaceFlag, std::uint16_t address);
  // The value's high byte, then its low byte; a negative value raises ErrOverflow.
  void WriteWord(int spaceFlag, std::uint16_t address, std::int16_t value);

  int TransferMode() const { return transferMode_; }
  SerialLink& Link() { return link_; }

 private:
  double Identify();

  SerialLink& link_;
  std::string comSettings_;
  ProtocolTimings timings_;
  int transferMode_ = kNoTransfer;
};

}  // namespace curvedesk
