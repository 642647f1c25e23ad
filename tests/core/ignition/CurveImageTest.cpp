// The programming image of a curve against golden files, and the log and progress of a run.
#include <gtest/gtest.h>

#include <fstream>

#include "core/common/AppError.h"
#include "core/ignition/CurveRecords.h"
#include "core/ignition/CurveFixtures.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

std::string ShippedTable() { return std::string(CURVEDESK_SOURCE_DATA_DIR) + "/tables.ini"; }
std::string Golden(const char* name) { return std::string(CURVEDESK_TEST_DATA_DIR) + "/program/" + name; }

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// Rewrites the golden files instead of comparing when CURVEDESK_UPDATE_GOLDEN is set.
void ExpectGolden(const char* name, const std::string& actual) {
  if (std::getenv("CURVEDESK_UPDATE_GOLDEN")) {
    std::ofstream(Golden(name), std::ios::binary) << actual;
    return;
  }
  EXPECT_EQ(actual, testing::ReadAll(Golden(name))) << "golden file " << name;
}

TEST(CurveImage, LogMatchesGolden) {
  const auto lines = CurveImageLog(testing::TwoStateCurve(), TimingTable::Load(ShippedTable()));
  ExpectGolden("two-state.log", Joined(lines));
}

TEST(CurveImage, RecordsMatchGolden) {
  const auto records = CurveImageRecords(testing::TwoStateCurve(), TimingTable::Load(ShippedTable()));
  ASSERT_EQ(records.size(), 1u + 4u * 11u + 1u);
  EXPECT_EQ(records.back(), ":00000001FF");
  ExpectGolden("two-state.hex", Joined(records));
}

TEST(CurveImage, RecordsCoverTheSlotsContiguously) {
  const auto records = CurveImageRecords(testing::TwoStateCurve(), TimingTable::Load(ShippedTable()));
  // ":" count address "00": each record starts where the one before ended.
  unsigned expected = 0x05FC;
  for (std::size_t i = 0; i + 1 < records.size(); ++i) {
    const unsigned count = std::stoul(records[i].substr(1, 2), nullptr, 16);
    const unsigned address = std::stoul(records[i].substr(3, 4), nullptr, 16);
    EXPECT_EQ(address, expected) << records[i];
    EXPECT_EQ(count, i == 0 ? 12u : (i - 1) % 11 == 0 ? 14u : 8u) << records[i];
    expected = address + count;
  }
  EXPECT_EQ(expected, 0x0608u + 4u * 94u);
}

class ProgressRecorder final : public ProgressSink {
 public:
  std::vector<int> values;
  void SetProgress(int percent) override { values.push_back(percent); }
};

class NoRecords final : public CurveRecordWriter {
 public:
  void WriteRecord(std::uint16_t, std::span<const std::uint8_t>) override {}
};

class LogLines final : public LogSink {
 public:
  std::vector<std::string> lines;
  void AddTextLine(const std::string& line) override { lines.push_back(line); }
};

TEST(CurveImage, ProgressAdvancesByBlock) {
  ProgressRecorder progress;
  NoRecords writer;
  LogLines log;
  const int last =
      WriteCurveRecords(testing::TwoStateCurve(), TimingTable::Load(ShippedTable()), writer, log, progress, 10);
  EXPECT_EQ(progress.values, (std::vector<int>{20, 35, 50, 65, 80}));
  EXPECT_EQ(last, 80);
}

TEST(CurveImage, StopsAtTheFirstByteThatDoesNotFit) {
  CurveData curve = testing::TwoStateCurve();
  curve.Graphs[1].Nodes[2].PS = 76;  // beyond the table's primary spark angles
  LogLines log;
  NoRecords writer;
  ProgressRecorder progress;
  try {
    WriteCurveRecords(curve, TimingTable::Load(ShippedTable()), writer, log, progress, 0);
    FAIL() << "a missing angle must stop the image";
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrIniRead);
  }
  EXPECT_EQ(log.lines.back(), "    NumSparks = $02") << "the last byte logged is the one before";
}

}  // namespace
}  // namespace curvedesk
