// Comparing a curve with what the software board holds: equal, different, and no verdict.
#include <gtest/gtest.h>

#include "core/common/AppError.h"
#include "core/common/Utils.h"
#include "core/ignition/BoardFixture.h"
#include "core/ignition/CurveFixtures.h"
#include "core/ignition/IgnitionComparison.h"
#include "core/ignition/ProgramCurve.h"

namespace curvedesk {
namespace {

using board::BoardMemory;

std::string ShippedTable() { return std::string(CURVEDESK_SOURCE_DATA_DIR) + "/tables.ini"; }

class Unwatched final : public LogSink, public ProgressSink, public Prompter {
 public:
  void AddTextLine(const std::string&) override {}
  void SetProgress(int) override {}
  Answer Ask(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

// A board that holds the two-state curve.
struct ProgrammedBoard : testing::BoardFixture {
  ProgrammedBoard() {
    Unwatched unwatched;
    ProgramCurve(testing::TwoStateCurve(), ShippedTable(), programmer, unwatched, unwatched, unwatched);
  }
  IgnitionComparison Compare(const std::string& table = ShippedTable()) {
    Unwatched unwatched;
    return CompareWithIgnition(testing::TwoStateCurve(), table, programmer, unwatched);
  }
};

TEST(CompareWithIgnition, TheProgrammedCurveIsHeld) {
  ProgrammedBoard board;
  const int stored = board.board.RecordsStored();
  const IgnitionComparison comparison = board.Compare();
  EXPECT_TRUE(comparison.Equal());
  EXPECT_EQ(comparison.bytesCompared, 388u);
  EXPECT_EQ(ComparisonReport(comparison), std::vector<std::string>{"The ignition holds this curve."});
  EXPECT_EQ(board.board.RecordsStored(), stored) << "comparing writes nothing";
  EXPECT_EQ(board.programmer.TransferMode(), Programmer::kNoTransfer);
}

TEST(CompareWithIgnition, DifferencesAreGroupedBySensorStateAndNode) {
  ProgrammedBoard board;
  BoardMemory& memory = board.board.Memory();
  const std::uint16_t coilOnCylinder = 0x0666 + 14 + 8 + 0;  // slot 2, node 1
  const std::uint16_t primarySpark = 0x0666 + 14 + 8 + 4;
  const std::uint8_t heldCoilOn = memory.Get(BoardMemory::kPlain, coilOnCylinder);
  const std::uint8_t heldSpark = memory.Get(BoardMemory::kPlain, primarySpark);
  memory.Set(BoardMemory::kPlain, 0x0605, 0x05);      // curve fallback
  memory.Set(BoardMemory::kPlain, 0x0608 + 3, 0x3D);  // slot 1, which holds no sensor state
  memory.Set(BoardMemory::kPlain, 0x0608 + 14 + 1, 0x00);
  memory.Set(BoardMemory::kPlain, 0x066F, 0x7A);  // slot 2 (sensor state 1): rev limit
  memory.Set(BoardMemory::kPlain, coilOnCylinder, static_cast<std::uint8_t>(heldCoilOn + 1));
  memory.Set(BoardMemory::kPlain, primarySpark, static_cast<std::uint8_t>(heldSpark + 1));
  memory.Set(BoardMemory::kPlain, 0x0722 + 2, 0xFF);  // slot 4 (sensor state 2): node 3's RPM

  const IgnitionComparison comparison = board.Compare();
  EXPECT_FALSE(comparison.Equal());
  auto hex = [](int value) { return "$" + HexPadded(value, 2); };
  EXPECT_EQ(
      ComparisonReport(comparison),
      (std::vector<std::string>{
          "The ignition does not hold this curve: 7 of 388 bytes differ.",
          "",
          "Common data",
          "    curve fallback (CurveFallback, $0605): curve 200 RPM ($04), ignition 250 RPM ($05)",
          "Slot 1 (unused: no sensor state)",
          "    node 4 RPM (RPM4, $060B): curve $80, ignition $3D",  // 128 fills the slot: no RPM
          "    Startup node",
          "        coil-on (InitialSat, $0617): curve $80, ignition $00",
          "Sensor state 1 in slot 2",
          "    rev limit (REV, $066F): curve 6000 RPM ($79), ignition 6050 RPM ($7A)",
          "    Node 1",
          "        coil-on cylinder (InitialSatCyl, $067C): curve " + hex(heldCoilOn) + ", ignition " +
              hex(heldCoilOn + 1),
          "        primary spark (InitialSpark, $0680): curve " + hex(heldSpark) + ", ignition " + hex(heldSpark + 1),
          "Sensor state 2 in slot 4",
          "    node 3 RPM (RPM3, $0724): curve 3000 RPM ($3D), ignition no node ($FF)",
      }));
}

TEST(CompareWithIgnition, NoVerdictWithoutTableOrBoard) {
  {
    ProgrammedBoard board;
    const std::size_t sent = board.link.Wire().CharactersToBoard();
    try {
      board.Compare("/nonexistent/tables.ini");
      FAIL() << "a missing table must stop the comparison";
    } catch (const AppError& error) {
      EXPECT_EQ(error.Number(), ErrIniRead);
    }
    EXPECT_EQ(board.link.Wire().CharactersToBoard(), sent) << "the board is not contacted";
  }
  testing::BoardFixture silent({.faults = {.silent = true}});
  Unwatched unwatched;
  try {
    CompareWithIgnition(testing::TwoStateCurve(), ShippedTable(), silent.programmer, unwatched);
    FAIL() << "a silent board gives no verdict";
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrBoardNotResponding);
  }
}

}  // namespace
}  // namespace curvedesk
