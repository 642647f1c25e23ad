#pragma once

#include "core/model/CurveData.h"

namespace curvedesk::testing {

// A curve of the shipped GT-1 ignition with two sensor states (sensor 1 digital), a rev limit on
// both and the note "second" on the second. Graphs past the sensor states are not part of a curve
// file; they stay as a cleared curve has them, so the curve reads back from a file as it is.
inline CurveData TwoStateCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.CoilType = "KX-1";
  curve.CustType = "4";
  curve.NumSensorStates = 2;
  curve.Sensor1Type = kSensorDigital;
  curve.Graphs[0].RevLimit = 9000;
  curve.Graphs[1].RevLimit = 9000;
  curve.Graphs[1].GraphInfo = "second";
  return curve;
}

}  // namespace curvedesk::testing
