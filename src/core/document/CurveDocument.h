#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/AppError.h"
#include "core/common/Subscribers.h"
#include "core/document/DocumentChange.h"
#include "core/document/EditHistory.h"
#include "core/document/SensorSettings.h"
#include "core/graph/NodeInterpolation.h"
#include "core/graph/NodeKeySteps.h"
#include "core/model/CoilLimitTable.h"
#include "core/model/CurveData.h"
#include "core/model/CurveRules.h"
#include "core/model/Edition.h"

namespace curvedesk {

// Where the coil saturation limits of a curve are read from.
struct CoilLimitsSource {
  std::string limitsPath;
  Edition edition = Edition::Full;
};

// The names of the edits, as Edit > Undo and Redo show them ("Undo Move Node").
namespace edit_names {
inline constexpr const char* kMoveNode = "Move Node";
inline constexpr const char* kNodeValue = "Node Value";
inline constexpr const char* kNudgeNode = "Nudge Node";
inline constexpr const char* kInterpolate = "Interpolate";
inline constexpr const char* kPasteValues = "Paste Values";
inline constexpr const char* kRevLimit = "Rev Limit";
inline constexpr const char* kRpmSwitch = "RPM Switch";
inline constexpr const char* kNote = "Note";
inline constexpr const char* kTransitions = "Number of Transitions";
inline constexpr const char* kSparks = "Number of Sparks";
inline constexpr const char* kPasteGraph = "Paste Graph";
inline constexpr const char* kSensors = "Adjust Sensors";
inline constexpr const char* kCurveFallback = "Fallback RPM";
inline constexpr const char* kRotorPos = "Rotor Position";
inline constexpr const char* kTachType = "Tach Type";
inline constexpr const char* kSparkDist = "Distribution Type";
inline constexpr const char* kCustomLayout = "Custom Cylinder Angle";
}  // namespace edit_names

// The four RPM switch values of a graph.
enum class RpmSwitchField { Switch1Start, Switch1Stop, Switch2Start, Switch2Stop };

// The curve being edited, and everything about its editing: its file name, the saved point, the undo
// history, the sensor state shown, and the coil limits that follow its configuration and coil.
//
// Every change of the curve is a named edit through this class. An edit runs the curve rules on a
// copy and either becomes one undo step or raises the rule's error (AppError, or RefusedWithMessage)
// and changes nothing. "Modified" means "not at the saved point". Views subscribe and refresh from
// the change notifications; nothing else tells them.
class CurveDocument {
 public:
  using Listener = Subscribers<DocumentChange>::Listener;
  // Edits of one pointer drag or one spell of typing share a gesture and become one undo step.
  using Gesture = std::uint64_t;

  CurveDocument(SensorStateGraph defaultGraph, CoilLimitsSource coilLimits);
  CurveDocument(const CurveDocument&) = delete;
  CurveDocument& operator=(const CurveDocument&) = delete;

  // What is being edited.
  bool IsOpen() const { return open_; }
  const CurveData& Curve() const { return curve_; }
  const std::string& FileName() const { return fileName_; }
  bool Modified() const { return !history_.AtSavedPoint(); }
  int ShownState() const { return shown_; }
  const SensorStateGraph& ShownGraph() const { return curve_.Graphs[static_cast<std::size_t>(shown_)]; }
  EditingState Editing() const;
  const SensorStateGraph& DefaultGraph() const { return defaultGraph_; }
  // The limits of the coil and configuration shown; the error of the last attempt to read them, if
  // the limits file lacked them.
  const CoilLimitTable& CoilLimits() const { return coilLimits_; }
  const std::optional<AppError>& CoilLimitsError() const { return coilLimitsError_; }
  // What the curve rules read besides the graph.
  CurveRuleContext Rules() const { return RuleContextFor(curve_, coilLimits_); }

  // Documents: each starts a fresh history.
  // No curve: the cleared curve (its name, cylinder text and coil kept), no file, not modified.
  void Close();
  // Shows a curve under its file name (empty for a new curve) from sensor state 0. A curve that is
  // modified from the start (a new curve, or one that changed while it was opened) has no saved point.
  void Open(CurveData curve, std::string fileName, bool modified = false, int shownState = 0);
  // The curve now equals the file written at fileName.
  void MarkSaved(std::string fileName);

  // Editing state, outside the history.
  void ShowState(int state);
  // The coil is stored in the file but chosen outside the history: undo and redo keep it.
  void ChooseCoil(std::string coilType);

  // Graph edits, on the shown sensor state.
  Gesture BeginGesture() { return ++lastGesture_; }
  // A value typed in the node dialog or a table cell, checked by every node rule; a new RPM is
  // checked on every plot in use.
  void SetNodeValue(int plot, int node, int rpm, int angle);
  // An RPM typed in the node table, checked as a move of the node on every plot in use.
  void SetNodeRpm(int node, int rpm);
  // A key press on a node of the graph. Presses on one node in a row become one step.
  void NudgeNode(const NodeRef& node, NodeKey key, bool tenSteps);
  // Angles set on a straight line between two rows of the node table, all or nothing.
  void Interpolate(const InterpolationRange& range);
  // Tab-separated values pasted into the node table from a cell on, all or nothing.
  void PasteValues(int topRow, int leftColumn, const std::string& text);
  // A node dragged to a place the drag rules clamped it to.
  void MoveNode(int plot, int node, int rpm, int angle, Gesture gesture);
  // A typed rev limit, checked by the rev limit rules; -1 removes it.
  void SetRevLimit(int value);
  // The rev-limit line dragged to a value the drag rules clamped.
  void MoveRevLimit(int value, Gesture gesture);
  // A switch value that passed the field's checks; -1 switches it off.
  void SetRpmSwitch(RpmSwitchField field, int value);
  void SetNote(std::string text, Gesture typing);
  void SetNumTransitions(int count);
  void SetNumSparks(int count);
  // The copied graph, except that the shown graph keeps its own note.
  void PasteGraph(const SensorStateGraph& copy);

  // Configuration edits.
  void SetSensors(const std::array<SensorChoice, 2>& sensors);
  void SetCurveFallback(int fallback);
  void SetRotorPos(int rotorPos);
  void SetTachType(int tachType);
  void SetSparkDist(int sparkDist);
  // Names the custom cylinder layout; the tach follows two cylinders.
  void SetCustomLayout(const std::string& layoutName);

  // History.
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  std::string UndoName() const { return CanUndo() ? history_.NextUndo().name : std::string(); }
  std::string RedoName() const { return CanRedo() ? history_.NextRedo().name : std::string(); }
  // Restores the curve before (after) the step, with the sensor state it edited; the coil chosen now
  // stays.
  void Undo();
  void Redo();

  // A job (programming, printing) works on a snapshot of the curve; while one runs, edits and
  // document commands are a program error, and the views disable them.
  class Job {
   public:
    explicit Job(CurveDocument& document);
    ~Job();
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

   private:
    CurveDocument& document_;
  };
  bool JobRunning() const { return jobs_ > 0; }

  // Views. The listener is called after every change, with what changed.
  int Subscribe(Listener listener) { return subscribers_.Subscribe(std::move(listener)); }
  void Unsubscribe(int subscription) { subscribers_.Unsubscribe(subscription); }

 private:
  // Runs change on a copy of the curve and the shown state; commits it as one step named name when
  // it changed anything.
  void Edit(const char* name, std::string mergeKey, const std::function<void(CurveData&, int&)>& change);
  void EditShownGraph(const char* name, std::string mergeKey, const std::function<void(SensorStateGraph&)>& change);
  // Replaces the curve and shown state and tells the views what differs.
  void Replace(CurveData curve, int shown, unsigned parts);
  void RequireEditable() const;
  // Reads the limits again when the section they come from changed (or force).
  void LoadCoilLimits(bool force);
  void Notify(const DocumentChange& change);

  SensorStateGraph defaultGraph_;
  CoilLimitsSource coilLimitsSource_;
  CurveData curve_;
  bool open_ = false;
  std::string fileName_;
  int shown_ = 0;
  EditHistory history_;
  Gesture lastGesture_ = 0;
  int jobs_ = 0;

  CoilLimitTable coilLimits_;
  std::optional<std::string> coilLimitsSection_;  // the section last read, or tried
  std::optional<AppError> coilLimitsError_;

  Subscribers<DocumentChange> subscribers_;
};

}  // namespace curvedesk
