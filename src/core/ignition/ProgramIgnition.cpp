#include "core/ignition/ProgramIgnition.h"

#include "core/ignition/TimingTableFiles.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

namespace {

constexpr const char* kConfirmProgramming =
    "This will program the curve/map into the ignition.\r\n"
    "\r\n"
    "Verify the QMA programmer has power the LED light should be on.\r\n"
    "When starting the program did you run as administrator?\r\n"
    "Is the USB cable plugged into the computer & the QMA programmer?\r\n"
    "Is the edge connector plugged into the QMA programmer & ignition?\r\n"
    "\r\n"
    "Press OK to continue programming.\r\n"
    "\r\n"
    "* Power does not have to be applied to the ignition wire harness if using optional QMA external power "
    "adapter";

}  // namespace

ProgramIgnitionResult ProgramIgnition(const AppFolders& folders, const CurveData& curve,
                                      const SensorStateGraph& defaultGraph, Programmer& programmer, LogSink& log,
                                      ProgressSink& progress, Prompter& prompter, Edition edition,
                                      Verification verification) {
  CopyTimingTableVariant(folders, curve.CustType);
  for (int graph = 0; graph < curve.NumSensorStates && graph < kMaxSensorStates; ++graph) {
    if (IsDefaultGraph(curve.Graphs[static_cast<std::size_t>(graph)], defaultGraph)) {
      ShowErrorText(prompter, "You must complete the graphs for every Sensor State\r\nbefore programming is allowed.");
      return ProgramIgnitionResult::GraphsIncomplete;
    }
  }
  if (prompter.Ask("Program Ignition", kConfirmProgramming, Prompter::Icon::Warning, Prompter::Buttons::OkCancel) ==
      Prompter::Answer::Cancel) {
    return ProgramIgnitionResult::Cancelled;
  }
  ProgramCurve(curve, TimingTablePath(folders), programmer, log, progress, prompter, edition, verification);
  return ProgramIgnitionResult::Programmed;
}

}  // namespace curvedesk
