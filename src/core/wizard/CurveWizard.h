#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/common/Currency.h"
#include "core/model/AppContext.h"

namespace curvedesk {

// The new-curve wizard without its window: nine pages that each offer only what the chosen
// ignition's description allows. It works on a copy of the curve and hands the program's curve the
// result only on Finish. The copy's configuration fields double as page marks: -1 means the page
// that chooses the field is initialised from the description the next time it is entered forwards,
// so a later page keeps the user's choice unless an earlier choice it depends on changed.
class CurveWizard {
 public:
  static constexpr int kPages = 9;
  static constexpr int kLastPage = kPages - 1;
  static constexpr std::array<int, 6> kCylinderCounts = {1, 2, 3, 4, 6, 8};
  static constexpr std::array<int, 6> kTachCounts = {1, 2, 3, 4, 6, 8};
  static constexpr std::array<int, 8> kFallbacks = {100, 200, 300, 400, 500, 600, 700, 800};

  struct IgnitionEntry {
    std::string name;
    int slotNumber = 0;  // 1-based
  };

  // What each page's controls show: the choice made there and which options are offered. The
  // window mirrors these; a choice reaches the copy of the curve only when the next page is entered.
  struct Choices {
    int ignitionSlot = 0;  // slot number of the selected list entry; 0 for none
    int engineType = 0;
    std::array<bool, 5> engineOffered{};  // by engine type 2 and 4
    int sparkDist = -1;
    std::array<bool, 2> sparkDistOffered{};
    int rotorPos = -1;
    std::array<bool, 2> rotorPosOffered{};
    int numCylinders = -1;                 // 0 = the custom option
    std::array<bool, 9> cylindersOffered{};  // by count; 0 = the custom option and its list
    int tachType = -1;
    int numSparks = 0;
    int curveFallback = 0;
    std::array<int, 2> sensorType{};  // list index per sensor: 0 none, 1 digital, 2 analog
    std::array<bool, 2> sensorOffered{};
    std::array<Currency, 2> threshold{};  // volts, per sensor
  };

  // Loads the wizard over the program's context and enters page 0. Finish writes into curve, the
  // program's curve as the wizard found it (a copy the caller shows once the wizard finished).
  CurveWizard(AppContext& context, CurveData& curve);

  int Page() const { return page_; }
  const CurveData& Working() const { return working_; }
  const std::vector<IgnitionEntry>& Ignitions() const { return ignitions_; }
  const Choices& Chosen() const { return chosen_; }

  // The page's controls report the user's choice.
  void ChooseIgnition(int slotNumber);
  void ChooseEngineType(int engineType);
  void ChooseSparkDist(int sparkDist);
  void ChooseRotorPos(int rotorPos);
  // Choosing the custom option (0) picks a layout from the custom list and names the layout.
  void ChooseCylinders(int numCylinders);
  void ChooseTachType(int tachType);
  void ChooseNumSparks(int numSparks);
  void ChooseCurveFallback(int rpm);
  // sensor is 0 or 1. Analog starts at 2.0 V unless a threshold is already set; the others clear it.
  void ChooseSensorType(int sensor, int type);
  // One step of the threshold's up/down control: 0.1 V, kept within 0.1 .. 4.0 V.
  void StepThreshold(int sensor, bool up);

  // The custom cylinder layout list of page 4, its selected entry and whether the user may change it.
  const std::vector<std::string>& CustomLayouts() const { return customLayouts_; }
  int CustomLayoutIndex() const;
  bool CustomLayoutLocked() const { return customLayoutLocked_; }
  // The custom list lost the focus showing this text: it names the layout.
  void CustomLayoutLeft(const std::string& text);

  // Page 0..7: enters the next page, initialising it first where needed. A failure leaves the
  // wizard on its page.
  void Next();
  // Page 1..8: returns to the previous page as the user left it.
  void Back();
  // Page 8: writes the finished curve into the curve given at construction.
  void Finish();

 private:
  void EnterPage(int page);
  void InitialisePage(int page);
  void RebuildCustomLayouts();
  const IgnitionDescription& Description() const;

  AppContext& context_;
  CurveData& curve_;
  CurveData working_;
  Choices chosen_;
  std::vector<IgnitionEntry> ignitions_;
  std::vector<std::string> customLayouts_;
  bool customLayoutLocked_ = true;
  int page_ = 0;
};

}  // namespace curvedesk
