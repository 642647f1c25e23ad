#include <gtest/gtest.h>

#include "core/document/CurveDocument.h"
#include "core/document/SensorSettings.h"
#include "core/model/CurveRules.h"
#include "core/model/DisplayTexts.h"

namespace curvedesk {
namespace {

constexpr int None = kSensorNone;
constexpr int Digital = kSensorDigital;
constexpr int Analog = kSensorAnalog;

// A curve with the given sensors whose four graph slots are told apart by their notes "0" .. "3".
CurveData CurveWithSensors(int sensor1, int sensor2, int states) {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Sensor1Type = sensor1;
  curve.Sensor2Type = sensor2;
  curve.NumSensorStates = static_cast<std::int16_t>(states);
  for (std::size_t slot = 0; slot < curve.Graphs.size(); ++slot) curve.Graphs[slot].GraphInfo = std::to_string(slot);
  return curve;
}

// What each slot holds afterwards: the old slot's note, or "D" for a fresh default graph.
std::string Slots(const CurveData& curve) {
  std::string slots;
  for (const SensorStateGraph& graph : curve.Graphs)
    slots += IsDefaultGraph(graph, MakeDefaultGraph()) ? "D" : graph.GraphInfo;
  return slots;
}

TEST(SensorSettingsTest, EveryKeptSensorStateKeepsItsGraph) {
  const struct {
    const char* change;
    int old1, old2, oldStates;
    int new1, new2;
    const char* slots;  // slots 0..3 after the change
  } cases[] = {
      {"4 -> 2, sensor 1 kept", Digital, Analog, 4, Digital, None, "1323"},
      {"4 -> 2, sensor 2 kept", Digital, Analog, 4, None, Analog, "2323"},
      {"4 -> 1", Digital, Digital, 4, None, None, "3123"},
      {"2 -> 1 (sensor 1)", Analog, None, 2, None, None, "1123"},
      {"2 -> 1 (sensor 2)", None, Digital, 2, None, None, "1123"},
      {"2 -> 4, sensor 1 added", None, Digital, 2, Digital, Digital, "DD01"},
      {"2 -> 4, sensor 2 added", Digital, None, 2, Digital, Analog, "D0D1"},
      {"1 -> 4", None, None, 1, Analog, Digital, "DDD0"},
      {"1 -> 2 (sensor 1)", None, None, 1, Digital, None, "D023"},
      {"1 -> 2 (sensor 2)", None, None, 1, None, Analog, "D023"},
      {"digital to analog, same count", Digital, None, 2, Analog, None, "0123"},
      {"sensor 1 swapped for sensor 2, same count", Digital, None, 2, None, Digital, "0123"},
      {"a file's three states count as four", Digital, Digital, 3, Digital, None, "1323"},
  };
  for (const auto& c : cases) {
    CurveData curve = CurveWithSensors(c.old1, c.old2, c.oldStates);
    ApplySensorSettings(curve, {SensorChoice{c.new1, {}}, SensorChoice{c.new2, {}}}, MakeDefaultGraph());
    EXPECT_EQ(Slots(curve), c.slots) << c.change;
    EXPECT_EQ(curve.NumSensorStates, SensorStatesFor(c.new1 != None, c.new2 != None)) << c.change;
  }
}

TEST(SensorSettingsTest, TheShownStateStaysWithinTheNewCount) {
  const struct {
    int oldStates, current;
    int new1, new2;
    int expected;
  } cases[] = {
      {4, 3, Digital, None, 1}, {4, 2, None, None, 0},       {4, 1, Digital, None, 1},
      {4, 0, None, Digital, 0}, {2, 1, Digital, Digital, 1},
  };
  for (const auto& c : cases) {
    CurveDocument document(MakeDefaultGraph(), {});
    document.Open(CurveWithSensors(Digital, c.oldStates == 4 ? Digital : None, c.oldStates), "", false, c.current);
    document.SetSensors({SensorChoice{c.new1, {}}, SensorChoice{c.new2, {}}});
    EXPECT_EQ(document.ShownState(), c.expected) << c.oldStates << " states, showing " << c.current;
  }
}

TEST(SensorSettingsTest, OnlyAnAnalogSensorKeepsItsThreshold) {
  CurveData curve = CurveWithSensors(Analog, Analog, 4);
  curve.Sensor1Volt = Currency::FromTenths(15);
  curve.Sensor2Volt = Currency::FromTenths(25);
  ApplySensorSettings(curve,
                      {SensorChoice{Digital, Currency::FromTenths(30)}, SensorChoice{Analog, Currency::FromTenths(35)}},
                      MakeDefaultGraph());
  EXPECT_EQ(curve.Sensor1Type, Digital);
  EXPECT_EQ(curve.Sensor1Volt, Currency{});
  EXPECT_EQ(curve.Sensor2Type, Analog);
  EXPECT_EQ(curve.Sensor2Volt, Currency::FromTenths(35));
}

TEST(SensorSettingsTest, ThresholdFollowsTheSensorTypeAndStaysWithinItsRange) {
  EXPECT_EQ(ThresholdForSensorType(Analog, Currency{}), Currency::FromTenths(20));
  EXPECT_EQ(ThresholdForSensorType(Analog, Currency::FromTenths(33)), Currency::FromTenths(33));
  EXPECT_EQ(ThresholdForSensorType(Digital, Currency::FromTenths(33)), Currency{});
  EXPECT_EQ(ThresholdForSensorType(None, Currency::FromTenths(33)), Currency{});

  EXPECT_EQ(SteppedThreshold(Currency::FromTenths(20), true), Currency::FromTenths(21));
  EXPECT_EQ(SteppedThreshold(Currency::FromTenths(40), true), Currency::FromTenths(40));
  EXPECT_EQ(SteppedThreshold(Currency::FromTenths(1), false), Currency::FromTenths(1));
  EXPECT_EQ(SteppedThreshold(Currency::FromTenths(2), false), Currency::FromTenths(1));
}

TEST(SensorSettingsTest, ReductionQuestionNamesBothCounts) {
  EXPECT_EQ(SensorReductionQuestion(4, 2),
            "The sensor settings you have chosen will reduce the number of\r\nSensor States from 4 to 2.\r\n\r\n"
            "This will result in part of the ignition curve being deleted.\r\nDo you want to proceed?");
}

}  // namespace
}  // namespace curvedesk
