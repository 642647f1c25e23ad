#include "core/document/CurveDocument.h"

#include <algorithm>

#include "core/document/GraphClipboard.h"
#include "core/model/CoilLimits.h"
#include "core/model/DisplayTexts.h"
#include "core/model/NodeEditRules.h"

namespace curvedesk {

namespace {

// The shown sensor state stays below the number of states.
int KeptWithin(int state, const CurveData& curve) {
  return std::clamp(state, 0, std::clamp<int>(curve.NumSensorStates, 1, kMaxSensorStates) - 1);
}

// The parts of a document that differ between two curves.
DocumentChange Differences(const CurveData& before, const CurveData& after) {
  DocumentChange change;
  for (std::size_t g = 0; g < after.Graphs.size(); ++g)
    if (before.Graphs[g] != after.Graphs[g]) change.graphs.set(g);
  if (change.graphs.any()) change.parts |= DocumentChange::kGraphs;
  if (static_cast<const IgnitionConfig&>(before) != static_cast<const IgnitionConfig&>(after) ||
      before.IgnitionIndex != after.IgnitionIndex)
    change.parts |= DocumentChange::kConfiguration;
  if (before.CoilType != after.CoilType) change.parts |= DocumentChange::kCoil;
  return change;
}

std::int16_t& SwitchValue(SensorStateGraph& graph, RpmSwitchField field) {
  switch (field) {
    case RpmSwitchField::Switch1Start:
      return graph.RpmSw1Start;
    case RpmSwitchField::Switch1Stop:
      return graph.RpmSw1Stop;
    case RpmSwitchField::Switch2Start:
      return graph.RpmSw2Start;
    case RpmSwitchField::Switch2Stop:
      break;
  }
  return graph.RpmSw2Stop;
}

std::string GestureKey(const char* what, CurveDocument::Gesture gesture, int state) {
  return std::string(what) + "/" + std::to_string(gesture) + "/" + std::to_string(state);
}

}  // namespace

CurveDocument::CurveDocument(SensorStateGraph defaultGraph, CoilLimitsSource coilLimits)
    : defaultGraph_(std::move(defaultGraph)), coilLimitsSource_(std::move(coilLimits)) {
  ClearCurve(curve_, defaultGraph_);
}

EditingState CurveDocument::Editing() const {
  return EditingState{fileName_, Modified(), static_cast<std::int16_t>(shown_)};
}

void CurveDocument::RequireEditable() const {
  // The windows disable every way here while a job runs or no curve is open: reaching it is a fault.
  if (jobs_ > 0) RaiseError(ErrGeneric, "The curve is in use by a running job");
  if (!open_) RaiseError(ErrGeneric, "No curve is open");
}

void CurveDocument::Close() {
  if (jobs_ > 0) RaiseError(ErrGeneric, "The curve is in use by a running job");
  ClearCurve(curve_, defaultGraph_);
  open_ = false;
  fileName_.clear();
  shown_ = 0;
  history_.Clear(true);
  coilLimitsSection_.reset();
  coilLimitsError_.reset();
  Notify(DocumentChange{DocumentChange::kDocument});
}

void CurveDocument::Open(CurveData curve, std::string fileName, bool modified, int shownState) {
  if (jobs_ > 0) RaiseError(ErrGeneric, "The curve is in use by a running job");
  curve_ = std::move(curve);
  open_ = true;
  fileName_ = std::move(fileName);
  shown_ = KeptWithin(shownState, curve_);
  history_.Clear(!modified);
  LoadCoilLimits(true);
  Notify(DocumentChange{DocumentChange::kDocument});
}

void CurveDocument::MarkSaved(std::string fileName) {
  fileName_ = std::move(fileName);
  history_.MarkSaved();
  Notify(DocumentChange{DocumentChange::kFileState});
}

void CurveDocument::ShowState(int state) {
  const int kept = KeptWithin(state, curve_);
  if (kept == shown_) return;
  shown_ = kept;
  Notify(DocumentChange{DocumentChange::kShownState});
}

void CurveDocument::ChooseCoil(std::string coilType) {
  if (coilType == curve_.CoilType) return;
  curve_.CoilType = std::move(coilType);
  LoadCoilLimits(false);
  Notify(DocumentChange{DocumentChange::kCoil});
}

void CurveDocument::Edit(const char* name, std::string mergeKey, const std::function<void(CurveData&, int&)>& change) {
  RequireEditable();
  CurveData after = curve_;
  int shownAfter = shown_;
  change(after, shownAfter);
  shownAfter = KeptWithin(shownAfter, after);
  if (after == curve_ && shownAfter == shown_) return;

  const bool wasModified = Modified();
  history_.Push(EditStep{name, std::move(mergeKey), curve_, after, shown_, shownAfter});
  Replace(std::move(after), shownAfter,
          DocumentChange::kHistory | (wasModified != Modified() ? DocumentChange::kFileState : 0u));
}

void CurveDocument::EditShownGraph(const char* name, std::string mergeKey,
                                   const std::function<void(SensorStateGraph&)>& change) {
  Edit(name, std::move(mergeKey),
       [&](CurveData& curve, int& shown) { change(curve.Graphs[static_cast<std::size_t>(shown)]); });
}

void CurveDocument::Replace(CurveData curve, int shown, unsigned parts) {
  DocumentChange change = Differences(curve_, curve);
  change.parts |= parts;
  if (shown != shown_) change.parts |= DocumentChange::kShownState;
  curve_ = std::move(curve);
  shown_ = shown;
  if (change.Has(DocumentChange::kConfiguration) || change.Has(DocumentChange::kCoil)) LoadCoilLimits(false);
  Notify(change);
}

void CurveDocument::SetNodeValue(int plot, int node, int rpm, int angle) {
  EditShownGraph(edit_names::kNodeValue, {},
                 [&](SensorStateGraph& graph) { SetNodeOnEveryPlot(graph, plot, node, rpm, angle, Rules()); });
}

void CurveDocument::SetNodeRpm(int node, int rpm) {
  EditShownGraph(edit_names::kNodeValue, {},
                 [&](SensorStateGraph& graph) { curvedesk::SetNodeRpm(graph, node, rpm, Rules()); });
}

void CurveDocument::NudgeNode(const NodeRef& node, NodeKey key, bool tenSteps) {
  const std::string mergeKey =
      "keys/" + std::to_string(shown_) + "/" + std::to_string(node.plot) + "/" + std::to_string(node.node);
  EditShownGraph(edit_names::kNudgeNode, mergeKey,
                 [&](SensorStateGraph& graph) { StepNode(graph, node, key, tenSteps, Rules()); });
}

void CurveDocument::Interpolate(const InterpolationRange& range) {
  EditShownGraph(edit_names::kInterpolate, {},
                 [&](SensorStateGraph& graph) { graph = InterpolatedNodes(graph, range, Rules()); });
}

void CurveDocument::PasteValues(int topRow, int leftColumn, const std::string& text) {
  EditShownGraph(edit_names::kPasteValues, {},
                 [&](SensorStateGraph& graph) { graph = PastedCells(graph, topRow, leftColumn, text, Rules()); });
}

void CurveDocument::MoveNode(int plot, int node, int rpm, int angle, Gesture gesture) {
  EditShownGraph(edit_names::kMoveNode, GestureKey("drag", gesture, shown_), [&](SensorStateGraph& graph) {
    StoreNodeValues(graph, plot, node, static_cast<std::int16_t>(rpm), static_cast<std::int16_t>(angle));
  });
}

void CurveDocument::SetRevLimit(int value) {
  EditShownGraph(edit_names::kRevLimit, {}, [&](SensorStateGraph& graph) {
    curvedesk::SetRevLimit(graph, value, curve_.CurveFallback);
  });
}

void CurveDocument::MoveRevLimit(int value, Gesture gesture) {
  EditShownGraph(edit_names::kRevLimit, GestureKey("drag", gesture, shown_),
                 [&](SensorStateGraph& graph) { graph.RevLimit = static_cast<std::int16_t>(value); });
}

void CurveDocument::SetRpmSwitch(RpmSwitchField field, int value) {
  EditShownGraph(edit_names::kRpmSwitch, {},
                 [&](SensorStateGraph& graph) { SwitchValue(graph, field) = static_cast<std::int16_t>(value); });
}

void CurveDocument::SetNote(std::string text, Gesture typing) {
  EditShownGraph(edit_names::kNote, GestureKey("typing", typing, shown_),
                 [&](SensorStateGraph& graph) { graph.GraphInfo = std::move(text); });
}

void CurveDocument::SetNumTransitions(int count) {
  EditShownGraph(edit_names::kTransitions, {},
                 [&](SensorStateGraph& graph) { curvedesk::SetNumTransitions(graph, count, curve_.CurveFallback); });
}

void CurveDocument::SetNumSparks(int count) {
  EditShownGraph(edit_names::kSparks, {},
                 [&](SensorStateGraph& graph) { curvedesk::SetNumSparks(graph, count, Rules()); });
}

void CurveDocument::PasteGraph(const SensorStateGraph& copy) {
  EditShownGraph(edit_names::kPasteGraph, {}, [&](SensorStateGraph& graph) { curvedesk::PasteGraph(graph, copy); });
}

void CurveDocument::SetSensors(const std::array<SensorChoice, 2>& sensors) {
  Edit(edit_names::kSensors, {},
       [&](CurveData& curve, int&) { ApplySensorSettings(curve, sensors, defaultGraph_); });
}

void CurveDocument::SetCurveFallback(int fallback) {
  Edit(edit_names::kCurveFallback, {}, [&](CurveData& curve, int&) {
    if (fallback == curve.CurveFallback) return;
    if (!CanChangeCurveFallback(curve, fallback)) throw RefusedWithMessage(CurveFallbackRefusedMessage(fallback));
    curve.CurveFallback = static_cast<std::int16_t>(fallback);
  });
}

void CurveDocument::SetRotorPos(int rotorPos) {
  Edit(edit_names::kRotorPos, {}, [&](CurveData& curve, int&) { curve.RotorPos = rotorPos; });
}

void CurveDocument::SetTachType(int tachType) {
  Edit(edit_names::kTachType, {}, [&](CurveData& curve, int&) { curve.TachType = tachType; });
}

void CurveDocument::SetSparkDist(int sparkDist) {
  Edit(edit_names::kSparkDist, {}, [&](CurveData& curve, int&) {
    if (sparkDist == curve.SparkDist) return;
    // The limits in force are those of the distribution before the change; the check reads them
    // into the document's table, which is read again for what is shown afterwards.
    const SparkDistChangeCheck check =
        CheckSparkDistChange(coilLimitsSource_.limitsPath, SparkDistName(curve.SparkDist), curve.CoilType,
                             coilLimitsSource_.edition, curve, sparkDist, coilLimits_);
    LoadCoilLimits(true);
    if (!check.allowed) throw RefusedWithMessage(check.message);
    curve.SparkDist = sparkDist;
  });
}

void CurveDocument::SetCustomLayout(const std::string& layoutName) {
  Edit(edit_names::kCustomLayout, {}, [&](CurveData& curve, int&) {
    curve.CustType = layoutName;
    curve.TachType = 2;
  });
}

void CurveDocument::Undo() {
  if (!CanUndo()) return;
  RequireEditable();
  const EditStep& step = history_.Undo();
  CurveData restored = step.before;
  restored.CoilType = curve_.CoilType;
  Replace(std::move(restored), step.shownBefore, DocumentChange::kHistory | DocumentChange::kFileState);
}

void CurveDocument::Redo() {
  if (!CanRedo()) return;
  RequireEditable();
  const EditStep& step = history_.Redo();
  CurveData restored = step.after;
  restored.CoilType = curve_.CoilType;
  Replace(std::move(restored), step.shownAfter, DocumentChange::kHistory | DocumentChange::kFileState);
}

CurveDocument::Job::Job(CurveDocument& document) : document_(document) {
  if (document_.jobs_++ == 0) document_.Notify(DocumentChange{DocumentChange::kJobs});
}

CurveDocument::Job::~Job() {
  if (--document_.jobs_ == 0) document_.Notify(DocumentChange{DocumentChange::kJobs});
}

void CurveDocument::LoadCoilLimits(bool force) {
  if (!open_) return;
  const std::string section = CoilLimitSection(SparkDistName(curve_.SparkDist), curve_.CoilType, curve_.NumCylinders,
                                               coilLimitsSource_.edition);
  if (!force && coilLimitsSection_ == section) return;
  coilLimitsSection_ = section;
  coilLimitsError_.reset();
  try {
    curvedesk::LoadCoilLimits(coilLimitsSource_.limitsPath, SparkDistName(curve_.SparkDist), curve_.CoilType,
                              curve_.NumCylinders, coilLimitsSource_.edition, coilLimits_);
  } catch (const AppError& error) {
    coilLimitsError_ = error;
  }
}

void CurveDocument::Notify(const DocumentChange& change) { subscribers_.Notify(change); }

}  // namespace curvedesk
