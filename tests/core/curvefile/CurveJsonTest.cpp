#include <gtest/gtest.h>

#include "core/curvefile/CurveJson.h"

namespace curvedesk {
namespace {

TEST(CurveToJson, FieldNamesVoltsAsNumbersAndOnlyTheNodesInUse) {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.CustType = "4";
  curve.CoilType = "KX-1";
  curve.NumSensorStates = 2;
  curve.Sensor1Type = 2;
  curve.Sensor1Volt = Currency::FromTenths(25);
  curve.Sensor2Volt = Currency::FromScaled(-2500);
  curve.Graphs[0].GraphInfo = "say \"hi\"\\\t\x01";
  curve.Graphs[0].NumSparks = 2;
  curve.Graphs[0].NumTransitions = 2;
  curve.Graphs[1].NumSparks = 1;
  curve.Graphs[1].NumTransitions = 2;
  curve.Graphs[1].RevLimit = 6000;
  EXPECT_EQ(CurveToJson(curve, EditingState{"/tmp/a.crv", false, 0}), R"({
  "FileName": "/tmp/a.crv",
  "Name": "Korvane Tarvo GT-1",
  "Modified": false,
  "IgnitionIndex": 1,
  "EngineType": 4,
  "SparkDist": 0,
  "RotorPos": 0,
  "NumCylinders": 4,
  "CustType": "4",
  "CoilType": "KX-1",
  "TachType": 4,
  "CurveFallback": 200,
  "NumSensorStates": 2,
  "Sensor1Type": 2,
  "Sensor1Volt": 2.5,
  "Sensor2Type": 0,
  "Sensor2Volt": -0.25,
  "CurrentSensorState": 0,
  "Graphs": [
    {
      "GraphInfo": "say \"hi\"\\\t\u0001",
      "RpmSw1Start": -1,
      "RpmSw1Stop": -1,
      "RpmSw2Start": -1,
      "RpmSw2Stop": -1,
      "RevLimit": -1,
      "NumSparks": 2,
      "NumTransitions": 2,
      "RPM": [0, 500],
      "Nodes": [
        {"CO": 20, "PS": 10, "SS": 5},
        {"CO": 20, "PS": 10, "SS": 5}
      ]
    },
    {
      "GraphInfo": "",
      "RpmSw1Start": -1,
      "RpmSw1Stop": -1,
      "RpmSw2Start": -1,
      "RpmSw2Stop": -1,
      "RevLimit": 6000,
      "NumSparks": 1,
      "NumTransitions": 2,
      "RPM": [0, 500],
      "Nodes": [
        {"CO": 20, "PS": 10},
        {"CO": 20, "PS": 10}
      ]
    }
  ]
}
)");
}

}  // namespace
}  // namespace curvedesk
