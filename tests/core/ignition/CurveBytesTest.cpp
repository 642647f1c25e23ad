#include "core/ignition/CurveBytes.h"

#include <gtest/gtest.h>

#include "core/common/AppError.h"

namespace curvedesk {
namespace {

// A small table whose values differ per key, so that a byte looked up under a wrong key shows.
const TimingTable& FixtureTable() {
  static const TimingTable table(IniDocument::Parse(
      "[StartTable2Init]\nCRANK_4=11\nCAM_4=12\nCRANK_8=13\nCRANK_CUST=14\n"
      "[StartTable]\nCRANK_4=21\nCAM_4=22\nCRANK_8=23\n"
      "[StartTable2]\nCRANK_4=31\n"
      "[SparkDuration]\nCRANK_4=3\nCRANK_8=2\nCRANK_2=4\nCRANK_1=4\nCRANK_CUST=5\n"
      "[TachStart]\nCRANK_4=41\nCRANK_CUST=42\nCAM_2=43\n"
      "[TachInterval]\nCRANK_4=51\n"
      "[ResetCylSpSat]\nCOIL_4=61\nDIST_4=62\nCOIL_8=63\n"
      "[InitialSatCyl]\nCOIL_4_40=1\nCOIL_4_50=2\nCOIL_8_40=3\n"
      "[InitialSat]\nCRANK_4_40=44\nCRANK_4_50=54\nCRANK_8_40=48\nCRANK_2_40=42\nCRANK_1_40=41\nCRANK_CUST_40=49\n"
      "[InitialSpark]\nCRANK_4_30=80\nCRANK_4_35=85\nCRANK_8_30=88\nCRANK_2_30=82\nCRANK_1_30=81\nCRANK_CUST_30=89\n"
      "[Broken]\nCRANK_4=300\nCRANK_8=12abc\n[Broken]\nCAM_4=1\n"));
  return table;
}

// Four-stroke, four cylinders, crank rotor, coil per spark, tach 4, one sensor state; graph 0 has
// three nodes with coil on 40, primary spark 30, second 20, third 10.
CurveData FixtureCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.RotorPos = kRotorCrank;
  SensorStateGraph& graph = curve.Graphs[0];
  graph.NumTransitions = 3;
  graph.RPM = {0, 1000, 2500, 9999, 9999, 9999, 9999, 9999, 9999, 9999};
  graph.Nodes.fill(GraphNode{500, 500, 500, 500});  // stale slots: never looked up
  graph.Nodes[0] = graph.Nodes[1] = graph.Nodes[2] = GraphNode{40, 30, 20, 10};
  graph.Nodes[1].CO = 50;
  return curve;
}

ErrorNumber ErrorOf(auto&& call) {
  try {
    call();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

TEST(TimingTableKeys, PartsFollowTheConfiguration) {
  struct Case {
    std::int32_t engine, cylinders, rotor, tach;
    const char *rotorPart, *cylinderPart, *tachPart;
  };
  const Case cases[] = {
      {4, 4, kRotorCrank, 4, "CRANK", "4", "4"},
      {4, 0, kRotorCam, 0, "CAM", "CUST", "CUST"},
      {4, 2, kRotorCam, 2, "CAM", "2", "2"},
      {2, 2, kRotorCrank, 2, "CRANK", "4", "2"},  // a two-stroke fires twice as often
      {2, 4, kRotorCam, 4, "CAM", "8", "4"},
      {2, 1, kRotorCam, 1, "CAM", "1", "1"},
      {2, 3, kRotorCrank, 3, "CRANK", "3", "3"},
      {2, 0, kRotorCrank, 6, "CRANK", "CUST", "6"},
  };
  for (const Case& c : cases) {
    IgnitionConfig config;
    config.EngineType = c.engine;
    config.NumCylinders = c.cylinders;
    config.RotorPos = c.rotor;
    config.TachType = c.tach;
    SCOPED_TRACE(std::to_string(c.engine) + " stroke, " + std::to_string(c.cylinders) + " cylinders");
    EXPECT_EQ(RotorPart(config), c.rotorPart);
    EXPECT_EQ(CylinderPart(config), c.cylinderPart);
    EXPECT_EQ(TachPart(config), c.tachPart);
  }
}

TEST(TimingTableLookup, RefusesMissingKeysAndValuesBeyondAByte) {
  EXPECT_EQ(FixtureTable().Lookup("tachstart", "crank_4"), 41);  // names match without case
  EXPECT_EQ(ErrorOf([] { FixtureTable().Lookup("TachStart", "CRANK_8"); }), ErrIniRead);
  EXPECT_EQ(ErrorOf([] { FixtureTable().Lookup("Broken", "CRANK_4"); }), ErrOverflow);
  EXPECT_EQ(ErrorOf([] { FixtureTable().Lookup("Broken", "CRANK_8"); }), ErrIniRead);
  EXPECT_EQ(ErrorOf([] { FixtureTable().Lookup("Broken", "CAM_4"); }), ErrIniRead);  // the first section wins
}

TEST(CommonDataByte, TableValuesUseTheRightKey) {
  struct Case {
    const char* symbol;
    std::int32_t engine, cylinders, sparkDist, tach;
    int expected;
  };
  const Case cases[] = {
      {"(UNUSED)", 4, 4, 0, 4, 0},
      {"StartTable2Init", 4, 4, 0, 4, 11},
      {"StartTable2Init", 4, 0, 0, 4, 14},
      {"StartTable", 4, 4, 0, 4, 21},
      {"StartTable", 2, 4, 0, 4, 23},  // two-stroke four: the keys of eight
      {"StartTable2", 4, 4, 0, 4, 31},
      {"SparkDuration", 2, 2, 0, 4, 3},  // two-stroke twin: the keys of four
      {"TachStart", 4, 4, 0, 4, 41},
      {"TachStart", 4, 4, 0, 0, 42},
      {"TachInterval", 4, 4, 0, 4, 51},
      {"ResetCylSpSat", 4, 4, 0, 4, 61},
      {"ResetCylSpSat", 4, 4, 1, 4, 62},
      {"ResetCylSpSat", 4, 8, 0, 4, 63},
  };
  for (const Case& c : cases) {
    CurveData curve = FixtureCurve();
    curve.EngineType = c.engine;
    curve.NumCylinders = c.cylinders;
    curve.SparkDist = c.sparkDist;
    curve.TachType = c.tach;
    SCOPED_TRACE(std::string(c.symbol) + " engine " + std::to_string(c.engine) + " cylinders " +
                 std::to_string(c.cylinders));
    EXPECT_EQ(CurveBytes(curve, FixtureTable()).CommonDataByte(c.symbol), c.expected);
  }
}

TEST(CommonDataByte, IgnitionDescriptionBits) {
  struct Case {
    std::int32_t engine, cylinders, rotor, sparkDist;
    int expected;
  };
  const Case cases[] = {
      {4, 4, kRotorCrank, 0, 0x14},  // the count plus four-stroke
      {4, 0, kRotorCrank, 0, 0x35},  // custom counts as 5 and sets 0x20
      {4, 8, kRotorCrank, 0, 0x17},  // eight counts as 7
      {4, 2, kRotorCam, 0, 0xB2},    // a cam twin sets 0x20 and the cam bit
      {4, 2, kRotorCrank, 0, 0x12},
      {2, 2, kRotorCrank, 1, 0x42},  // distributor
      {4, 6, kRotorCam, 1, 0xD6},
      {2, 2, kRotorCam, 0, 0xA2},
  };
  for (const Case& c : cases) {
    CurveData curve = FixtureCurve();
    curve.EngineType = c.engine;
    curve.NumCylinders = c.cylinders;
    curve.RotorPos = c.rotor;
    curve.SparkDist = c.sparkDist;
    EXPECT_EQ(CurveBytes(curve, FixtureTable()).CommonDataByte("IgnDescrip"), c.expected)
        << c.engine << " stroke, " << c.cylinders << " cylinders, rotor " << c.rotor << ", dist " << c.sparkDist;
  }
}

TEST(CommonDataByte, FallbackAndSensors) {
  struct Case {
    std::int32_t type;
    std::int64_t voltsScaled;
    int expected;  // -1: overflow
  };
  const Case cases[] = {
      {kSensorNone, 25000, 255},  {kSensorDigital, 25000, 254}, {kSensorAnalog, 25000, 75},
      {kSensorAnalog, 0, 0},      {kSensorAnalog, 85000, 255},  {kSensorAnalog, 86000, -1},
      {kSensorAnalog, 167, 1},    {kSensorAnalog, 1500, 4},  // 4.5 rounds to the even neighbour
      {kSensorAnalog, -1000, -1},
  };
  for (const Case& c : cases) {
    for (const char* symbol : {"Sensor1Volt", "Sensor2Volt"}) {
      CurveData curve = FixtureCurve();
      const bool first = symbol[6] == '1';
      (first ? curve.Sensor1Type : curve.Sensor2Type) = c.type;
      (first ? curve.Sensor1Volt : curve.Sensor2Volt) = Currency::FromScaled(c.voltsScaled);
      const CurveBytes bytes(curve, FixtureTable());
      SCOPED_TRACE(std::string(symbol) + " type " + std::to_string(c.type) + " volts " + std::to_string(c.voltsScaled));
      if (c.expected < 0) {
        EXPECT_EQ(ErrorOf([&] { bytes.CommonDataByte(symbol); }), ErrOverflow);
      } else {
        EXPECT_EQ(bytes.CommonDataByte(symbol), c.expected);
      }
    }
  }
  CurveData curve = FixtureCurve();
  EXPECT_EQ(CurveBytes(curve, FixtureTable()).CommonDataByte("CurveFallback"), 4);
  curve.CurveFallback = 800;
  EXPECT_EQ(CurveBytes(curve, FixtureTable()).CommonDataByte("CurveFallback"), 16);
}

TEST(SensorStateByte, HeadOfAGraph) {
  CurveData curve = FixtureCurve();
  SensorStateGraph& graph = curve.Graphs[0];
  graph.RevLimit = 6000;
  graph.RpmSw1Start = 3000;
  graph.RpmSw2Stop = 12500;
  const CurveBytes bytes(curve, FixtureTable());
  const std::pair<const char*, int> expected[] = {
      {"RPM1", 21},      {"RPM2", 51},     {"RPM3", 255},      {"RPM9", 255},    {"REV", 121},
      {"AUX1START", 61}, {"AUX1STOP", 0},  {"AUX2START", 0},   {"AUX2STOP", 251},
  };
  for (const auto& [symbol, value] : expected) EXPECT_EQ(bytes.SensorStateByte(symbol, 0), value) << symbol;
}

TEST(SensorStateByte, UnusedGraphsAreAll128) {
  CurveData curve = FixtureCurve();
  curve.Graphs[1].RevLimit = 6000;
  const CurveBytes bytes(curve, FixtureTable());
  for (std::string_view symbol : kSlotHeadSymbols) {
    for (int graph = 1; graph < kMaxSensorStates; ++graph) EXPECT_EQ(bytes.SensorStateByte(symbol, graph), 128);
  }
  for (std::string_view symbol : kNodeSymbols) EXPECT_EQ(bytes.NodeByte(symbol, 3, 0), 128);
}

TEST(NodeByte, ValuesOfANode) {
  struct Case {
    std::int16_t sparks;
    std::int32_t sparkDist;
    std::array<int, 8> expected;  // in the order of kNodeSymbols
  };
  // D = 3, I = 180; S2 = 30 - (3 + 20) = 7; S3 = 20 - (3 + 10) = 7.
  const Case cases[] = {
      {1, 0, {1, 44, 180, 2, 80, 128, 128, 180}},
      {2, 0, {1, 44, 180, 4, 80, 7, 128, 180 - (7 + 3)}},
      {3, 0, {1, 44, 180, 7, 80, 7, 7, 180 - (7 + 7 + 6)}},
      {3, 1, {0, 44, 180, 7, 80, 7, 7, 160}},  // a distributor has no coil cylinder
  };
  for (const Case& c : cases) {
    CurveData curve = FixtureCurve();
    curve.Graphs[0].NumSparks = c.sparks;
    curve.SparkDist = c.sparkDist;
    const CurveBytes bytes(curve, FixtureTable());
    for (std::size_t i = 0; i < kNodeSymbols.size(); ++i) {
      EXPECT_EQ(bytes.NodeByte(kNodeSymbols[i], 0, 0), c.expected[i])
          << kNodeSymbols[i] << " with " << c.sparks << " sparks, dist " << c.sparkDist;
    }
  }
}

TEST(NodeByte, IntervalsByEngine) {
  struct Case {
    std::int32_t engine, cylinders;
    std::int16_t sparks;
    int intervalSat, intervalSpark;
  };
  const Case cases[] = {
      {4, 1, 1, 255, 255}, {4, 2, 1, 255, 255}, {4, 3, 1, 120, 120}, {4, 4, 1, 180, 180},
      {4, 6, 1, 120, 120}, {4, 8, 1, 90, 90},   {4, 0, 1, 255, 255}, {2, 2, 1, 180, 180},
      {2, 4, 1, 90, 90},   {2, 1, 1, 255, 255}, {4, 8, 3, 90, 90 - (8 + 8 + 4)},
      {2, 2, 2, 180, 180 - (7 + 3)},  // a two-stroke twin: the keys of four, D = 3
  };
  for (const Case& c : cases) {
    CurveData curve = FixtureCurve();
    curve.EngineType = c.engine;
    curve.NumCylinders = c.cylinders;
    curve.Graphs[0].NumSparks = c.sparks;
    curve.Graphs[0].Nodes[0] = GraphNode{40, 30, 20, 10};
    const CurveBytes bytes(curve, FixtureTable());
    SCOPED_TRACE(std::to_string(c.engine) + " stroke, " + std::to_string(c.cylinders) + " cylinders, " +
                 std::to_string(c.sparks) + " sparks");
    EXPECT_EQ(bytes.NodeByte("IntervalSat", 0, 0), c.intervalSat);
    EXPECT_EQ(bytes.NodeByte("IntervalSpark", 0, 0), c.intervalSpark);
  }
}

TEST(NodeByte, CompactEditionComputesTheIntervalOfACustomLayoutOnTheCrank) {
  struct Case {
    Edition edition;
    std::int32_t cylinders, rotor;
    bool computed;  // else 255
  };
  const Case cases[] = {
      {Edition::Full, 0, kRotorCrank, false},    {Edition::Full, 0, kRotorCam, false},
      {Edition::Compact, 0, kRotorCrank, true},  {Edition::Compact, 0, kRotorCam, false},
      {Edition::Compact, 1, kRotorCrank, false},  // one cylinder: 255 in both editions
  };
  for (const Case& c : cases) {
    CurveData curve = FixtureCurve();
    curve.NumCylinders = c.cylinders;
    curve.RotorPos = c.rotor;
    curve.Graphs[0].NumSparks = 2;
    const CurveBytes bytes(curve, FixtureTable(), c.edition);
    SCOPED_TRACE(std::string(c.edition == Edition::Full ? "full" : "compact") + ", " + std::to_string(c.cylinders) +
                 " cylinders, rotor " + std::to_string(c.rotor));
    // A custom layout's interval is 255 crank degrees; two sparks take the second spark and one
    // spark duration off it.
    const int expected =
        c.computed ? 255 - (bytes.NodeByte("SecondSpark", 0, 0) + bytes.CommonDataByte("SparkDuration")) : 255;
    EXPECT_EQ(bytes.NodeByte("IntervalSpark", 0, 0), expected);
  }
}

TEST(NodeByte, NodesPastTheLastRepeatIt) {
  const CurveData curve = FixtureCurve();
  const CurveBytes bytes(curve, FixtureTable());
  EXPECT_EQ(bytes.NodeByte("InitialSat", 0, 1), 54);
  for (int node = 2; node < kMaxNodes; ++node) {
    for (std::string_view symbol : kNodeSymbols)
      EXPECT_EQ(bytes.NodeByte(symbol, 0, node), bytes.NodeByte(symbol, 0, 2)) << symbol << " node " << node;
  }
}

TEST(CurveBytesErrors, EachFailureHasItsNumber) {
  CurveData sparksCrossed = FixtureCurve();
  sparksCrossed.Graphs[0].Nodes[0].SS = 29;  // second spark too close to the primary: S2 = -2
  CurveData angleMissing = FixtureCurve();
  angleMissing.Graphs[0].Nodes[0].PS = 31;
  CurveData revTooHigh = FixtureCurve();
  revTooHigh.Graphs[0].RevLimit = 13000;  // 261
  const CurveData curve = FixtureCurve();

  struct Case {
    const char* what;
    std::function<void()> call;
    ErrorNumber expected;
  };
  const Case cases[] = {
      {"second spark below zero", [&] { CurveBytes(sparksCrossed, FixtureTable()).NodeByte("SecondSpark", 0, 0); },
       ErrOverflow},
      {"angle missing from the table",
       [&] { CurveBytes(angleMissing, FixtureTable()).NodeByte("InitialSpark", 0, 0); }, ErrIniRead},
      {"rev limit beyond a byte", [&] { CurveBytes(revTooHigh, FixtureTable()).SensorStateByte("REV", 0); },
       ErrOverflow},
      {"unknown common symbol", [&] { CurveBytes(curve, FixtureTable()).CommonDataByte("RPM1"); }, ErrGeneric},
      {"unknown head symbol", [&] { CurveBytes(curve, FixtureTable()).SensorStateByte("RPM0", 0); }, ErrGeneric},
      {"unknown node symbol", [&] { CurveBytes(curve, FixtureTable()).NodeByte("REV", 0, 0); }, ErrGeneric},
      {"graph index", [&] { CurveBytes(curve, FixtureTable()).SensorStateByte("REV", 4); }, ErrGeneric},
      {"node index", [&] { CurveBytes(curve, FixtureTable()).NodeByte("InitialSat", 0, 10); }, ErrGeneric},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.call), c.expected) << c.what;
}

TEST(SlotOrder, BySensors) {
  struct Case {
    std::int16_t states;
    std::int32_t sensor1, sensor2;
    const char* expected;
  };
  const Case cases[] = {
      {1, kSensorNone, kSensorNone, "1230"},      {2, kSensorAnalog, kSensorDigital, "0123"},
      {2, kSensorDigital, kSensorNone, "2031"},   {2, kSensorNone, kSensorAnalog, "2301"},
      {2, kSensorNone, kSensorNone, "2301"},      {4, kSensorAnalog, kSensorAnalog, "0123"},
      {3, kSensorDigital, kSensorDigital, "0123"},
  };
  for (const Case& c : cases) {
    IgnitionConfig config;
    config.NumSensorStates = c.states;
    config.Sensor1Type = c.sensor1;
    config.Sensor2Type = c.sensor2;
    EXPECT_EQ(SlotOrder(config), c.expected) << c.states << " states, sensors " << c.sensor1 << "/" << c.sensor2;
  }
}

}  // namespace
}  // namespace curvedesk
