// Curves programmed into the software board leave exactly the expected bytes in its memory.
#include <gtest/gtest.h>

#include <functional>

#include "core/common/AppError.h"
#include "core/ignition/BoardFixture.h"
#include "core/ignition/CurveFixtures.h"
#include "core/ignition/CurveRecords.h"
#include "core/ignition/ProgramCurve.h"
#include "core/ignition/ProgramIgnition.h"
#include "core/ignition/TimingTableFiles.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using board::BoardMemory;

std::string DataFile(const std::string& name) { return std::string(CURVEDESK_SOURCE_DATA_DIR) + "/" + name; }

class Quiet final : public LogSink, public ProgressSink, public Prompter {
 public:
  void AddTextLine(const std::string&) override {}
  void SetProgress(int) override {}
  Answer Ask(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

// Memory as the records of the image would leave it on an erased board.
BoardMemory MemoryOfImage(const std::vector<std::string>& records) {
  BoardMemory memory;
  for (const std::string& record : records) {
    const auto count = std::stoul(record.substr(1, 2), nullptr, 16);
    const auto address = std::stoul(record.substr(3, 4), nullptr, 16);
    for (std::size_t i = 0; i < count; ++i)
      memory.Set(BoardMemory::kPlain, static_cast<std::uint16_t>(address + i),
                 static_cast<std::uint8_t>(std::stoul(record.substr(9 + 2 * i, 2), nullptr, 16)));
  }
  return memory;
}

// What one slot of the board holds after a run.
struct Slot {
  std::vector<std::uint8_t> bytes;  // 94: head, then ten node blocks
  std::uint8_t Head(std::size_t i) const { return bytes[i]; }
  std::vector<std::uint8_t> Node(std::size_t n) const {
    return {bytes.begin() + 14 + static_cast<std::ptrdiff_t>(8 * n), bytes.begin() + 22 + static_cast<std::ptrdiff_t>(8 * n)};
  }
  std::uint8_t Node(std::size_t n, std::size_t symbol) const { return bytes[14 + 8 * n + symbol]; }
};

enum NodeSymbol { kInitialSatCyl, kInitialSat, kIntervalSat, kNumSparks, kInitialSpark, kSecondSpark, kThirdSpark, kIntervalSpark };

struct Programmed {
  BoardMemory memory;
  std::vector<std::uint8_t> common;
  Slot slots[4];
};

Programmed ProgramOnBoard(const CurveData& curve, const std::string& table) {
  testing::BoardFixture fixture;
  Quiet quiet;
  ProgramCurve(curve, table, fixture.programmer, quiet, quiet, quiet);
  Programmed result{fixture.board.Memory(), fixture.board.Memory().Bytes(BoardMemory::kPlain, 0x05FC, 12), {}};
  for (std::size_t k = 0; k < 4; ++k)
    result.slots[k].bytes = fixture.board.Memory().Bytes(BoardMemory::kPlain, static_cast<std::uint16_t>(0x0608 + 94 * k), 94);
  return result;
}

CurveData OneStateCurve() {
  CurveData curve = testing::TwoStateCurve();
  curve.NumSensorStates = 1;
  curve.Sensor1Type = kSensorNone;
  return curve;
}

TEST(ProgramOnBoard, MemoryHoldsExactlyTheImage) {
  const CurveData curve = testing::TwoStateCurve();
  const Programmed run = ProgramOnBoard(curve, DataFile("tables.ini"));
  EXPECT_TRUE(run.memory == MemoryOfImage(CurveImageRecords(curve, TimingTable::Load(DataFile("tables.ini")))));
}

TEST(ProgramOnBoard, ConfigurationsLeaveTheirBytes) {
  const TimingTable table = TimingTable::Load(DataFile("tables.ini"));
  const std::vector<std::uint8_t> unused(94, 128);

  struct Case {
    const char* what;
    std::function<void(CurveData&)> configure;
    std::function<void(const Programmed&)> check;
  };
  const Case cases[] = {
      {"one sensor state goes to the fourth slot", [](CurveData&) {},
       [&](const Programmed& run) {
         for (int k = 0; k < 3; ++k) EXPECT_EQ(run.slots[k].bytes, unused) << "slot " << k + 1;
         EXPECT_EQ(run.slots[3].Head(9), 121);  // REV 6000
         EXPECT_EQ(run.slots[3].Node(0, kInitialSat), table.Lookup("InitialSat", "CRANK_4_60"));
       }},
      {"two sensor states, sensor 1 only: slots 2 and 4",
       [](CurveData& curve) {
         curve.NumSensorStates = 2;
         curve.Sensor1Type = kSensorAnalog;
         curve.Sensor1Volt = Currency::FromTenths(25);
         curve.Graphs[1].RevLimit = 9000;
       },
       [&](const Programmed& run) {
         EXPECT_EQ(run.common[10], 75);  // Sensor1Volt 2.5 V
         EXPECT_EQ(run.common[11], 255);
         EXPECT_EQ(run.slots[0].bytes, unused);
         EXPECT_EQ(run.slots[1].Head(9), 121);
         EXPECT_EQ(run.slots[2].bytes, unused);
         EXPECT_EQ(run.slots[3].Head(9), 181);
       }},
      {"four sensor states in order",
       [](CurveData& curve) {
         curve.NumSensorStates = 4;
         curve.Sensor1Type = kSensorDigital;
         curve.Sensor2Type = kSensorDigital;
         for (std::size_t g = 1; g < 4; ++g) {
           curve.Graphs[g] = curve.Graphs[0];
           curve.Graphs[g].RevLimit = static_cast<std::int16_t>(6000 + 500 * g);
         }
       },
       [&](const Programmed& run) {
         for (int k = 0; k < 4; ++k) EXPECT_EQ(run.slots[k].Head(9), 121 + 10 * k) << "slot " << k + 1;
       }},
      {"a two-stroke twin uses the keys of four",
       [](CurveData& curve) {
         curve.EngineType = kEngineTwoStroke;
         curve.NumCylinders = 2;
         curve.TachType = 2;
       },
       [&](const Programmed& run) {
         EXPECT_EQ(run.common[5], table.Lookup("StartTable", "CRANK_4"));
         EXPECT_EQ(run.common[2], table.Lookup("TachStart", "CRANK_2"));
         EXPECT_EQ(run.common[4], 0x02);  // IgnDescrip: two cylinders, crank, coil
         EXPECT_EQ(run.slots[3].Node(0, kIntervalSat), 180);
         EXPECT_EQ(run.slots[3].Node(0, kInitialSat), table.Lookup("InitialSat", "CRANK_4_60"));
         EXPECT_EQ(run.slots[3].Node(0, kInitialSatCyl), table.Lookup("InitialSatCyl", "COIL_4_60"));
       }},
      {"a distributor",
       [](CurveData& curve) {
         curve.SparkDist = kSparkDistDistributor;
         curve.NumCylinders = 8;
       },
       [&](const Programmed& run) {
         EXPECT_EQ(run.common[8], table.Lookup("ResetCylSpSat", "DIST_8"));
         EXPECT_EQ(run.common[4], 0x57);
         for (std::size_t n = 0; n < 10; ++n) EXPECT_EQ(run.slots[3].Node(n, kInitialSatCyl), 0);
         EXPECT_EQ(run.slots[3].Node(0, kIntervalSat), 90);
       }},
      {"one spark", [](CurveData& curve) { curve.Graphs[0].NumSparks = 1; },
       [&](const Programmed& run) {
         EXPECT_EQ(run.slots[3].Node(0, kNumSparks), 2);
         EXPECT_EQ(run.slots[3].Node(0, kSecondSpark), 128);
         EXPECT_EQ(run.slots[3].Node(0, kThirdSpark), 128);
         EXPECT_EQ(run.slots[3].Node(0, kIntervalSpark), 180);
       }},
      {"two sparks", [](CurveData& curve) { curve.Graphs[0].NumSparks = 2; },
       [&](const Programmed& run) {
         const int duration = table.Lookup("SparkDuration", "CRANK_4");
         EXPECT_EQ(run.slots[3].Node(0, kNumSparks), 4);
         EXPECT_EQ(run.slots[3].Node(0, kSecondSpark), 30 - (duration + 20));
         EXPECT_EQ(run.slots[3].Node(0, kThirdSpark), 128);
         EXPECT_EQ(run.slots[3].Node(0, kIntervalSpark), 180 - (30 - (duration + 20) + duration));
       }},
      {"three sparks", [](CurveData&) {},
       [&](const Programmed& run) {
         const int duration = table.Lookup("SparkDuration", "CRANK_4");
         const int second = 30 - (duration + 20);
         const int third = 20 - (duration + 10);
         EXPECT_EQ(run.slots[3].Node(0, kNumSparks), 7);
         EXPECT_EQ(run.slots[3].Node(0, kSecondSpark), second);
         EXPECT_EQ(run.slots[3].Node(0, kThirdSpark), third);
         EXPECT_EQ(run.slots[3].Node(0, kIntervalSpark), 180 - (third + second + 2 * duration));
       }},
      {"three nodes", [](CurveData& curve) { curve.Graphs[0].NumTransitions = 3; },
       [&](const Programmed& run) {
         EXPECT_EQ(run.slots[3].Head(0), 21);
         EXPECT_EQ(run.slots[3].Head(1), 61);
         for (std::size_t i = 2; i < 9; ++i) EXPECT_EQ(run.slots[3].Head(i), 255) << "RPM" << i + 1;
         for (std::size_t n = 3; n < 10; ++n) EXPECT_EQ(run.slots[3].Node(n), run.slots[3].Node(2)) << "node " << n;
         EXPECT_EQ(run.slots[3].Node(2, kInitialSat), table.Lookup("InitialSat", "CRANK_4_120"));
         EXPECT_NE(run.slots[3].Node(2), run.slots[3].Node(1));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CurveData curve = OneStateCurve();
    c.configure(curve);
    c.check(ProgramOnBoard(curve, DataFile("tables.ini")));
  }
}

TEST(ProgramOnBoard, CustomLayoutUsesItsVariantAndLeavesItForTheNextCurve) {
  testing::TempDir documents;
  const AppFolders folders{CURVEDESK_SOURCE_DATA_DIR, documents.Path().string()};
  InstallDefaultTimingTables(folders);

  CurveData custom = OneStateCurve();
  custom.NumCylinders = kCustomCylinders;
  custom.CustType = "2 Cyl. Cam 50\u00B0 (2 Coil)";
  CopyTimingTableVariant(folders, custom.CustType);
  const Programmed run = ProgramOnBoard(custom, TimingTablePath(folders));
  const TimingTable variant = TimingTable::Load(DataFile("tables50.ini"));
  const TimingTable plain = TimingTable::Load(DataFile("tables.ini"));
  ASSERT_NE(variant.Lookup("StartTable", "CRANK_CUST"), plain.Lookup("StartTable", "CRANK_CUST"));
  EXPECT_EQ(run.common[5], variant.Lookup("StartTable", "CRANK_CUST"));
  EXPECT_EQ(run.common[4], 0x35);  // IgnDescrip: custom counts as 5 and sets 0x20
  EXPECT_EQ(run.slots[3].Node(0, kInitialSat), variant.Lookup("InitialSat", "CRANK_CUST_60"));
  EXPECT_EQ(run.slots[3].Node(0, kIntervalSpark), 255);

  // The variant stays in place; an ordinary layout reads the same bytes from it as from tables.ini.
  const CurveData ordinary = OneStateCurve();
  CopyTimingTableVariant(folders, ordinary.CustType);
  EXPECT_TRUE(ProgramOnBoard(ordinary, TimingTablePath(folders)).memory ==
              ProgramOnBoard(ordinary, DataFile("tables.ini")).memory);
}

TEST(ProgramOnBoard, RejectedRecordLeavesTheRecordsBeforeIt) {
  testing::BoardFixture fixture({.faults = {.rejectRecord = 2}});
  Quiet quiet;
  try {
    ProgramCurve(OneStateCurve(), DataFile("tables.ini"), fixture.programmer, quiet, quiet, quiet);
    FAIL() << "the rejection must stop the run";
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrProgramming);
  }
  EXPECT_EQ(fixture.board.RecordsStored(), 1);
  EXPECT_EQ(fixture.Plain(0x05FC + 9), 4);    // the common block arrived
  EXPECT_EQ(fixture.Plain(0x0608), 0xFF);     // the first slot did not
}

// Answers the confirmation with `answer` and keeps every message.
class AnsweringPrompter final : public Prompter {
 public:
  explicit AnsweringPrompter(Answer answer) : answer_(answer) {}
  std::vector<std::string> titles;
  Answer Ask(const std::string& title, const std::string&, Icon, Buttons buttons) override {
    titles.push_back(title);
    return buttons == Buttons::OkCancel ? answer_ : Answer::Ok;
  }

 private:
  Answer answer_;
};

TEST(ProgramIgnition, StopsBeforeTheBoardUnlessConfirmedAndComplete) {
  testing::TempDir documents;
  const AppFolders folders{CURVEDESK_SOURCE_DATA_DIR, documents.Path().string()};
  InstallDefaultTimingTables(folders);
  CurveData untouched = testing::TwoStateCurve();
  untouched.Graphs[1] = MakeDefaultGraph();
  CurveData unusedUntouched = OneStateCurve();  // graphs past NumSensorStates are not looked at
  unusedUntouched.Graphs[1] = MakeDefaultGraph();

  struct Case {
    const char* what;
    CurveData curve;
    Prompter::Answer answer;
    ProgramIgnitionResult result;
    std::vector<std::string> titles;
  };
  const Case cases[] = {
      {"cancel writes nothing", testing::TwoStateCurve(), Prompter::Answer::Cancel, ProgramIgnitionResult::Cancelled,
       {"Program Ignition"}},
      {"an untouched graph is refused", untouched, Prompter::Answer::Ok, ProgramIgnitionResult::GraphsIncomplete,
       {"Error"}},
      {"confirmed", unusedUntouched, Prompter::Answer::Ok, ProgramIgnitionResult::Programmed,
       {"Program Ignition", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::BoardFixture fixture;
    Quiet quiet;
    AnsweringPrompter prompter(c.answer);
    EXPECT_EQ(ProgramIgnition(folders, c.curve, MakeDefaultGraph(), fixture.programmer, quiet, quiet, prompter),
              c.result);
    EXPECT_EQ(prompter.titles, c.titles);
    EXPECT_EQ(fixture.board.RecordsStored(), c.result == ProgramIgnitionResult::Programmed ? 45 : 0);
  }
}

TEST(ProgramIgnition, FailedVariantCopyStopsTheCommand) {
  testing::TempDir data;
  testing::TempDir documents;
  const AppFolders folders{data.Path().string(), documents.Path().string()};  // no variant files
  CurveData custom = OneStateCurve();
  custom.NumCylinders = kCustomCylinders;
  custom.CustType = "H-D (Dual Fire)";
  testing::BoardFixture fixture;
  Quiet quiet;
  AnsweringPrompter prompter(Prompter::Answer::Ok);
  EXPECT_THROW(ProgramIgnition(folders, custom, MakeDefaultGraph(), fixture.programmer, quiet, quiet, prompter),
               AppError);
  EXPECT_TRUE(prompter.titles.empty()) << "no question after a failed copy";
  EXPECT_EQ(fixture.link.Opens(), 0);
}

}  // namespace
}  // namespace curvedesk
