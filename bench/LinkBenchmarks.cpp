// Benchmarks of the serial link and the board protocol: firmware upgrade against wire time, the
// processor time spent waiting on a board that does not answer, and how soon a job ends when the
// programmer is unplugged.
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "Benchmark.h"
#include "core/common/AppError.h"
#include "core/ignition/Firmware.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/SerialErrors.h"
#include "emulator/PtyBoard.h"
#include "gui/platform/QtSerialLink.h"
#include "support/TempDir.h"

namespace curvedesk::bench {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kBaud = 19200;
constexpr const char* kComSettings = "19200,n,8,1";

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::string Record(unsigned address, const unsigned char* data, unsigned count) {
  unsigned sum = count + (address >> 8) + (address & 0xFF);
  char text[80];
  int length = std::snprintf(text, sizeof text, ":%02X%04X00", count, address);
  for (unsigned i = 0; i < count; ++i) {
    length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), "%02X", data[i]);
    sum += data[i];
  }
  std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), "%02X", (256 - sum % 256) % 256);
  return text;
}

// A firmware file of `size` bytes in records of 16, as the maker ships it: scrambled, closing byte.
std::string FirmwareFile(unsigned size) {
  std::string text;
  unsigned char data[16];
  for (unsigned address = 0; address < size; address += 16) {
    for (unsigned i = 0; i < 16; ++i) data[i] = static_cast<unsigned char>((address + i) * 7);
    text += Record(0x1000 + address, data, 16) + "\r\n";
  }
  text += ":00000001FF";
  std::string file;
  for (char c : text) file += static_cast<char>(c ^ FirmwareXorKey);
  return file + '\0';
}

struct NoProgress : ProgressSink {
  void SetProgress(int) override {}
};

BenchmarkResult FirmwareAgainstWireTime() {
  testing::TempDir dir;
  const std::string path = dir.Write("bench2105.rzx", FirmwareFile(16 * 1024));
  board::BoardModel board({.identifyAnswer = "V2.10?", .faults = {}});
  board::PtyBoard pty(board, kBaud);
  pty.Start();
  QtSerialLink link([&] { return pty.DevicePath(); });
  Programmer programmer(link, kComSettings);
  NoProgress progress;

  const auto start = Clock::now();
  ProgramFirmware(programmer, path, progress);
  const double wall = Seconds(Clock::now() - start);
  const std::size_t characters = pty.CharactersToBoard() + pty.CharactersToHost();
  const double wire = static_cast<double>(characters) * 10 / kBaud;
  char detail[160];
  std::snprintf(detail, sizeof detail, "%zu characters both ways, wire time %.2f s, wall time %.2f s", characters, wire,
                wall);
  return {wall / wire, 1.05, detail};
}

BenchmarkResult ProcessorWhileWaiting() {
  board::BoardModel board({.identifyAnswer = "V2.10?", .faults = {.silent = true}});
  board::PtyBoard pty(board, kBaud);
  pty.Start();
  QtSerialLink link([&] { return pty.DevicePath(); });
  ProtocolTimings timings;
  timings.identifyAttempts = 2;  // two real 2-second wake-up attempts
  Programmer programmer(link, kComSettings, timings);

  const auto start = Clock::now();
  const double processorBefore = ProcessorSeconds();
  try {
    programmer.EstablishComms(Programmer::kWriteTransfer);
  } catch (const AppError&) {
    // The silent board is expected to be given up.
  }
  const double processor = ProcessorSeconds() - processorBefore;
  const double wall = Seconds(Clock::now() - start);
  char detail[160];
  std::snprintf(detail, sizeof detail, "processor %.3f s in %.2f s of waiting on a silent board", processor, wall);
  return {processor / wall, 0.05, detail};
}

BenchmarkResult EndOfJobAfterUnplugging() {
  // The board's line goes away after the first record, as when the USB cable is pulled; the
  // protocol's own limits (5 s of silence) would end the job far later than the port's failure.
  board::BoardModel board({.identifyAnswer = "V2.10?", .faults = {.dropAfterRecord = 1}});
  board::PtyBoard pty(board, kBaud);
  std::atomic<Clock::rep> unplugged{0};
  pty.OnReplugged([&](const std::string&) { unplugged = Clock::now().time_since_epoch().count(); });
  pty.Start();
  QtSerialLink link([&] { return pty.DevicePath(); });
  Programmer programmer(link, kComSettings);
  const std::uint8_t bytes[] = {0x12, 0x34};

  ErrorNumber ended = 0;
  try {
    programmer.EstablishComms(Programmer::kWriteTransfer);
    for (std::uint16_t address = 0x1000;; address += 2) programmer.WriteRecord(0, address, bytes);
  } catch (const AppError& error) {
    ended = error.Number();
  }
  const double latency = Seconds(Clock::now() - Clock::time_point(Clock::duration(unplugged.load())));
  char detail[160];
  std::snprintf(detail, sizeof detail, "job ended %.3f s after the port went away (error %d)", latency, ended);
  return {ended == ErrSerialPortLost ? latency : 99.0, 1.0, detail};
}

}  // namespace

std::vector<Benchmark> LinkBenchmarks() {
  return {
      {"firmware-16k", "16 KiB firmware image within 1.05 x its wire time", FirmwareAgainstWireTime},
      {"silent-board-cpu", "processor time while waiting on a silent board within 5 % of wall time",
       ProcessorWhileWaiting},
      {"unplugged-job-end", "a job ends within 1 s (ratio: seconds) of the programmer being unplugged",
       EndOfJobAfterUnplugging},
  };
}

}  // namespace curvedesk::bench
