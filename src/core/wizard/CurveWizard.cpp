#include "core/wizard/CurveWizard.h"

#include <algorithm>

#include "core/common/AppError.h"
#include "core/document/SensorSettings.h"
#include "core/model/DisplayTexts.h"
#include "core/wizard/CustomLayouts.h"

namespace curvedesk {

namespace {

constexpr int kUnset = -1;

// A description value used as an index must name a choice the tables have; anything else means the
// description in memory is not one the reader could have produced.
std::size_t Index(int value, int first, int last) {
  if (value < first || value > last) RaiseError(ErrIgnDescCorrupt);
  return static_cast<std::size_t>(value);
}

// Stores a page's choice into its field of the working curve; a changed value marks the next page.
template <typename Field, typename Mark>
void Store(Field& field, int choice, Mark markNextPage) {
  if (field == choice) return;
  field = static_cast<Field>(choice);
  markNextPage();
}

}  // namespace

CurveWizard::CurveWizard(AppContext& context, CurveData& curve) : context_(context), curve_(curve) {
  ClearCurve(working_, context_.defaultGraph);
  working_.IgnitionIndex = kUnset;
  for (std::size_t slot = 0; slot < context_.ignitionDescriptions.size(); ++slot) {
    const IgnitionDescription& description = context_.ignitionDescriptions[slot];
    if (description.Valid) ignitions_.push_back({description.Name, static_cast<int>(slot) + 1});
  }
  EnterPage(0);
}

void CurveWizard::ChooseIgnition(int slotNumber) { chosen_.ignitionSlot = slotNumber; }
void CurveWizard::ChooseEngineType(int engineType) { chosen_.engineType = engineType; }
void CurveWizard::ChooseSparkDist(int sparkDist) { chosen_.sparkDist = sparkDist; }
void CurveWizard::ChooseRotorPos(int rotorPos) { chosen_.rotorPos = rotorPos; }
void CurveWizard::ChooseTachType(int tachType) { chosen_.tachType = tachType; }
void CurveWizard::ChooseNumSparks(int numSparks) { chosen_.numSparks = numSparks; }
void CurveWizard::ChooseCurveFallback(int rpm) { chosen_.curveFallback = rpm; }

void CurveWizard::ChooseCylinders(int numCylinders) {
  chosen_.numCylinders = numCylinders;
  if (numCylinders != kCustomCylinders) return;
  const auto preferred = static_cast<std::size_t>(PreferredCustomLayout(working_.Name));
  if (preferred < customLayouts_.size()) context_.CustName = customLayouts_[preferred];
  customLayoutLocked_ = false;
}

void CurveWizard::CustomLayoutLeft(const std::string& text) { context_.CustName = text; }

int CurveWizard::CustomLayoutIndex() const {
  const auto found = std::find(customLayouts_.begin(), customLayouts_.end(), context_.CustName);
  return found == customLayouts_.end() ? -1 : static_cast<int>(found - customLayouts_.begin());
}

void CurveWizard::ChooseSensorType(int sensor, int type) {
  const auto s = Index(sensor, 0, 1);
  chosen_.sensorType[s] = type;
  chosen_.threshold[s] = ThresholdForSensorType(type, chosen_.threshold[s]);
}

void CurveWizard::StepThreshold(int sensor, bool up) {
  Currency& threshold = chosen_.threshold[Index(sensor, 0, 1)];
  threshold = SteppedThreshold(threshold, up);
}

const IgnitionDescription& CurveWizard::Description() const {
  return context_.ignitionDescriptions[Index(working_.IgnitionIndex, 1, kIgnitionSlots) - 1];
}

void CurveWizard::Next() {
  if (page_ >= kLastPage) return;
  // A failure part-way through must leave the wizard exactly as it was.
  const CurveData working = working_;
  const Choices chosen = chosen_;
  const std::string custName = context_.CustName;
  const bool locked = customLayoutLocked_;
  try {
    EnterPage(page_ + 1);
  } catch (...) {
    working_ = working;
    chosen_ = chosen;
    context_.CustName = custName;
    customLayoutLocked_ = locked;
    RebuildCustomLayouts();
    throw;
  }
}

void CurveWizard::Back() {
  if (page_ <= 0) return;
  --page_;
  RebuildCustomLayouts();
}

void CurveWizard::EnterPage(int page) {
  CurveData& w = working_;
  SensorStateGraph& graph0 = w.Graphs[0];
  bool needed = false;
  switch (page) {
    case 0:
      needed = w.IgnitionIndex == kUnset;
      break;
    case 1:
      if (chosen_.ignitionSlot < 1) RaiseError(ErrIgnNameNotFound);
      Store(w.IgnitionIndex, chosen_.ignitionSlot, [&] { w.EngineType = kUnset; });
      w.Name = Description().Name;
      needed = w.EngineType == kUnset;
      break;
    case 2:
      Store(w.EngineType, chosen_.engineType, [&] { w.SparkDist = kUnset; });
      needed = w.SparkDist == kUnset;
      break;
    case 3:
      Store(w.SparkDist, chosen_.sparkDist, [&] { w.RotorPos = kUnset; });
      needed = w.RotorPos == kUnset;
      break;
    case 4:
      Store(w.RotorPos, chosen_.rotorPos, [&] { w.NumCylinders = kUnset; });
      needed = w.NumCylinders == kUnset;
      break;
    case 5:
      Store(w.NumCylinders, chosen_.numCylinders, [&] { w.TachType = kUnset; });
      needed = w.TachType == kUnset;
      break;
    case 6:
      Store(w.TachType, chosen_.tachType, [&] { graph0.NumSparks = kUnset; });
      needed = graph0.NumSparks == kUnset;
      break;
    case 7:
      Store(graph0.NumSparks, chosen_.numSparks, [&] { w.CurveFallback = kUnset; });
      needed = w.CurveFallback == kUnset;
      break;
    case 8:
      Store(w.CurveFallback, chosen_.curveFallback, [&] { w.Sensor1Type = w.Sensor2Type = kUnset; });
      needed = w.Sensor1Type == kUnset || w.Sensor2Type == kUnset;
      break;
    default:
      return;
  }
  // The custom option's choice during page 4's initialisation picks from the list of the rotor
  // position just stored, so the list is rebuilt first.
  RebuildCustomLayouts();
  if (needed) InitialisePage(page);
  page_ = page;
}

void CurveWizard::InitialisePage(int page) {
  CurveData& w = working_;
  switch (page) {
    case 0:
      w.IgnitionIndex = 1;
      w.Name = context_.ignitionDescriptions[0].Name;
      chosen_.ignitionSlot = ignitions_.empty() ? 0 : ignitions_.front().slotNumber;
      w.EngineType = kUnset;
      break;
    case 1: {
      const IgnitionDescription& d = Description();
      chosen_.engineOffered = d.EngineAllowed;
      w.EngineType = static_cast<int>(Index(d.DefaultEngineType, kEngineTwoStroke, kEngineFourStroke));
      chosen_.engineType = w.EngineType;
      w.SparkDist = kUnset;
      break;
    }
    case 2: {
      const IgnitionDescription& d = Description();
      const auto engine = Index(w.EngineType, kEngineTwoStroke, kEngineFourStroke);
      chosen_.sparkDistOffered = d.SparkDistAllowed[engine];
      w.SparkDist = static_cast<int>(Index(d.DefaultSparkDist[engine], kSparkDistCoil, kSparkDistDistributor));
      chosen_.sparkDist = w.SparkDist;
      w.RotorPos = kUnset;
      break;
    }
    case 3: {
      const IgnitionDescription& d = Description();
      const auto engine = Index(w.EngineType, kEngineTwoStroke, kEngineFourStroke);
      chosen_.rotorPosOffered = d.RotorPosAllowed[engine];
      w.RotorPos = static_cast<int>(Index(d.DefaultRotorPos[engine], kRotorCam, kRotorCrank));
      chosen_.rotorPos = w.RotorPos;
      w.NumCylinders = kUnset;
      break;
    }
    case 4: {
      const IgnitionDescription& d = Description();
      const auto engine = Index(w.EngineType, kEngineTwoStroke, kEngineFourStroke);
      const auto sparkDist = Index(w.SparkDist, kSparkDistCoil, kSparkDistDistributor);
      const auto rotorPos = Index(w.RotorPos, kRotorCam, kRotorCrank);
      chosen_.cylindersOffered = d.NumCylAllowed[engine][sparkDist][rotorPos];
      w.NumCylinders = d.DefaultNumCyl[engine][sparkDist][rotorPos];
      ChooseCylinders(w.NumCylinders);
      w.TachType = kUnset;
      break;
    }
    case 5:
      w.TachType = w.NumCylinders;
      chosen_.tachType = w.TachType;
      // A single cylinder or a custom layout fires like a two-cylinder engine for the tachometer.
      if (w.NumCylinders == 1 || w.NumCylinders == kCustomCylinders) chosen_.tachType = 2;
      w.Graphs[0].NumSparks = kUnset;
      break;
    case 6: {
      w.Graphs[0].NumSparks = Description().DefaultNumSparks;
      const int sparks = w.Graphs[0].NumSparks;
      chosen_.numSparks = sparks == 1 || sparks == 2 ? sparks : 3;
      w.CurveFallback = kUnset;
      break;
    }
    case 7:
      w.CurveFallback = Description().DefaultCurveFallback;
      chosen_.curveFallback = w.CurveFallback;
      w.Sensor1Type = w.Sensor2Type = kUnset;
      break;
    case 8: {
      const IgnitionDescription& d = Description();
      chosen_.sensorOffered = {d.Sensor1Allowed, d.Sensor2Allowed};
      w.Sensor1Type = w.Sensor2Type = kSensorNone;
      ChooseSensorType(0, kSensorNone);
      ChooseSensorType(1, kSensorNone);
      break;
    }
    default:
      break;
  }
}

void CurveWizard::RebuildCustomLayouts() {
  customLayouts_ = CustomLayoutsFor(working_.Name, working_.RotorPos, context_.edition);
  curve_.CustType = context_.CustName;
}

void CurveWizard::Finish() {
  if (page_ != kLastPage) return;
  RebuildCustomLayouts();
  CurveData& curve = curve_;
  curve = working_;
  for (std::size_t graph = 1; graph < curve.Graphs.size(); ++graph) curve.Graphs[graph] = curve.Graphs[0];
  const auto& types = chosen_.sensorType;
  curve.NumSensorStates = static_cast<std::int16_t>(SensorStatesFor(types[0] != kSensorNone, types[1] != kSensorNone));
  curve.Sensor1Type = types[0];
  curve.Sensor1Volt = types[0] == kSensorAnalog ? chosen_.threshold[0] : Currency{};
  curve.Sensor2Type = types[1];
  curve.Sensor2Volt = types[1] == kSensorAnalog ? chosen_.threshold[1] : Currency{};
  curve.CustType = context_.CustName;
}

}  // namespace curvedesk
