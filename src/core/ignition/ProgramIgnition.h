#pragma once

#include "core/ignition/ProgramCurve.h"
#include "core/model/AppFolders.h"

namespace curvedesk {

// How the Program Ignition command ended when it raised nothing.
enum class ProgramIgnitionResult { Programmed, GraphsIncomplete, Cancelled };

// The Program Ignition command after the serial port check: copies the timing table variant for
// the curve's custom layout, refuses a curve with an untouched sensor-state graph (the message
// goes through the prompter), asks for confirmation and runs ProgramCurve, which reads the curve
// back unless verification is off. Raises the copy's and the run's errors for the caller to show;
// nothing reaches the board before the confirmation.
ProgramIgnitionResult ProgramIgnition(const AppFolders& folders, const CurveData& curve,
                                      const SensorStateGraph& defaultGraph, Programmer& programmer, LogSink& log,
                                      ProgressSink& progress, Prompter& prompter, Edition edition = Edition::Full,
                                      Verification verification = Verification::On);

}  // namespace curvedesk
