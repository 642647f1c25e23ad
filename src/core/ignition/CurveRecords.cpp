#include "core/ignition/CurveRecords.h"

#include <array>

#include "core/common/Utils.h"
#include "core/ignition/CurveBytes.h"
#include "core/ignition/Programmer.h"

namespace curvedesk {

namespace {

std::string ByteLine(std::string_view symbol, std::uint8_t value) {
  return "    " + std::string(symbol) + " = $" + HexPadded(value, 2);
}

template <std::size_t N, typename Compute>
std::array<std::uint8_t, N> ComputeBlock(const std::array<std::string_view, N>& symbols, LogSink& log,
                                         Compute compute) {
  std::array<std::uint8_t, N> bytes{};
  for (std::size_t i = 0; i < N; ++i) {
    bytes[i] = compute(symbols[i]);
    log.AddTextLine(ByteLine(symbols[i], bytes[i]));
  }
  return bytes;
}

class LineCollector final : public LogSink {
 public:
  explicit LineCollector(std::vector<std::string>& lines) : lines_(lines) {}
  void AddTextLine(const std::string& line) override { lines_.push_back(line); }

 private:
  std::vector<std::string>& lines_;
};

class HexRecordCollector final : public CurveRecordWriter {
 public:
  explicit HexRecordCollector(std::vector<std::string>& records) : records_(records) {}
  void WriteRecord(std::uint16_t address, std::span<const std::uint8_t> bytes) override {
    records_.push_back(BuildHexRecord(address, bytes));
  }

 private:
  std::vector<std::string>& records_;
};

class DiscardingWriter final : public CurveRecordWriter {
 public:
  void WriteRecord(std::uint16_t, std::span<const std::uint8_t>) override {}
};

class DiscardingLog final : public LogSink {
 public:
  void AddTextLine(const std::string&) override {}
};

class IgnoredProgress final : public ProgressSink {
 public:
  void SetProgress(int) override {}
};

}  // namespace

int WriteCurveRecords(const CurveData& curve, const TimingTable& table, CurveRecordWriter& writer, LogSink& log,
                      ProgressSink& progress, int startProgress, Edition edition) {
  const CurveBytes bytes(curve, table, edition);
  int percent = startProgress;

  log.AddTextLine("Programming common data for all sensor states ...");
  const auto common =
      ComputeBlock(kCommonSymbols, log, [&](std::string_view symbol) { return bytes.CommonDataByte(symbol); });
  writer.WriteRecord(kCommonBlockAddress, common);
  progress.SetProgress(percent += 10);

  const std::string order = SlotOrder(curve);
  std::uint16_t address = kFirstSlotAddress;
  for (int slot = 1; slot <= kIgnitionSlotCount; ++slot) {
    const int graph = order[static_cast<std::size_t>(slot - 1)] - '0';
    log.AddTextLine("");
    log.AddTextLine("Programming sensor state data in slot " + std::to_string(slot) + " ...");
    progress.SetProgress(percent += 15);

    const auto head = ComputeBlock(kSlotHeadSymbols, log,
                                   [&](std::string_view symbol) { return bytes.SensorStateByte(symbol, graph); });
    writer.WriteRecord(address, head);
    address = static_cast<std::uint16_t>(address + head.size());

    for (int node = 0; node < kMaxNodes; ++node) {
      log.AddTextLine("");
      log.AddTextLine(node == 0 ? "    STARTUP RPM ..." : "    RPM " + std::to_string(node) + " ...");
      log.AddTextLine("    -----------------------");
      const auto block =
          ComputeBlock(kNodeSymbols, log, [&](std::string_view symbol) { return bytes.NodeByte(symbol, graph, node); });
      writer.WriteRecord(address, block);
      address = static_cast<std::uint16_t>(address + block.size());
    }
  }
  return percent;
}

std::vector<std::string> CurveImageLog(const CurveData& curve, const TimingTable& table, Edition edition) {
  std::vector<std::string> lines;
  LineCollector log(lines);
  DiscardingWriter writer;
  IgnoredProgress progress;
  WriteCurveRecords(curve, table, writer, log, progress, 0, edition);
  return lines;
}

std::vector<std::string> CurveImageRecords(const CurveData& curve, const TimingTable& table, Edition edition) {
  std::vector<std::string> records;
  HexRecordCollector writer(records);
  DiscardingLog log;
  IgnoredProgress progress;
  WriteCurveRecords(curve, table, writer, log, progress, 0, edition);
  records.push_back(":00000001FF");
  return records;
}

}  // namespace curvedesk
