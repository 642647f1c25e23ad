#include "ExampleCurves.h"

#include <algorithm>
#include <optional>

#include "core/common/AppError.h"
#include "core/document/CurveDocument.h"
#include "core/wizard/CurveWizard.h"

namespace curvedesk {

namespace {

// What the wizard's pages are answered with; -1 keeps the page's preselection.
struct WizardAnswers {
  const char* ignition;
  int sparkDist = -1;
  int numCylinders = -1;
  int numSparks = -1;
  int curveFallback = -1;
  int sensor1 = kSensorNone;
};

// One node of every plot in use: the RPM, the coil-on angle and the primary spark; a second and
// third spark follow the primary 5 and 10 degrees later.
struct Node {
  int rpm;
  int coilOn;
  int primary;
};

struct Shape {
  std::vector<Node> nodes;
  int revLimit;
  std::string note;
};

CurveData RunWizard(AppContext& context, const WizardAnswers& answers) {
  CurveData curve;
  ClearCurve(curve, context.defaultGraph);
  CurveWizard wizard(context, curve);
  const auto& ignitions = wizard.Ignitions();
  const auto ignition = std::find_if(ignitions.begin(), ignitions.end(),
                                     [&](const auto& entry) { return entry.name == answers.ignition; });
  if (ignition == ignitions.end()) RaiseError(ErrIgnNameNotFound, answers.ignition);
  wizard.ChooseIgnition(ignition->slotNumber);
  const auto answer = [&wizard](int page, int value, void (CurveWizard::*choose)(int)) {
    while (wizard.Page() < page) wizard.Next();
    if (value >= 0) (wizard.*choose)(value);
  };
  answer(2, answers.sparkDist, &CurveWizard::ChooseSparkDist);
  answer(4, answers.numCylinders, &CurveWizard::ChooseCylinders);
  answer(6, answers.numSparks, &CurveWizard::ChooseNumSparks);
  answer(7, answers.curveFallback, &CurveWizard::ChooseCurveFallback);
  while (wizard.Page() < CurveWizard::kLastPage) wizard.Next();
  wizard.ChooseSensorType(0, answers.sensor1);
  wizard.Finish();
  return curve;
}

// Moves the angles of one node to the target as a user would, a plot at a time: where a plot cannot
// go all the way yet (its neighbour is in the way, or the coil-on span would pass the coil limit
// until the other end moved), it goes one step (10 degrees for coil on, 5 for a spark) and the
// other plots follow, until every plot is in place. A target no sequence of edits reaches raises
// the rule's error.
void PlaceAngles(CurveDocument& document, int node, const Node& target) {
  const int sparks = document.ShownGraph().NumSparks;
  const auto targetOf = [&](int plot) { return plot == 0 ? target.coilOn : target.primary - 5 * (plot - 1); };
  const auto angleOf = [&](int plot) {
    return static_cast<int>(PlotAngle(document.ShownGraph().Nodes[static_cast<std::size_t>(node)], plot));
  };
  for (int round = 0; round < 100; ++round) {
    bool placed = true;
    bool moved = false;
    std::optional<AppError> refused;
    for (int plot = 0; plot <= sparks; ++plot) {
      const int now = angleOf(plot);
      const int wanted = targetOf(plot);
      if (now == wanted) continue;
      placed = false;
      const int step = plot == 0 ? 10 : 5;
      for (const int angle : {wanted, now + std::clamp(wanted - now, -step, step)}) {
        try {
          document.SetNodeValue(plot, node, target.rpm, angle);
          moved = true;
          break;
        } catch (const AppError& error) {
          refused = error;
        }
      }
    }
    if (placed) return;
    if (!moved) throw *refused;
  }
}

// Edits the shown graph into the shape, as a user typing node values would: nodes that move right
// are placed from the last one down, nodes that move left from the first one up, so that every step
// keeps the nodes in order.
void ShapeShownGraph(CurveDocument& document, const Shape& shape) {
  document.SetRevLimit(kNotSet);
  document.SetNumTransitions(static_cast<int>(shape.nodes.size()));
  const int count = static_cast<int>(shape.nodes.size());
  const auto rpmOf = [&](int node) { return document.ShownGraph().RPM[static_cast<std::size_t>(node)]; };
  for (int node = count - 1; node >= 0; --node) {
    const Node& target = shape.nodes[static_cast<std::size_t>(node)];
    if (target.rpm > rpmOf(node))
      document.SetNodeValue(0, node, target.rpm, document.ShownGraph().Nodes[static_cast<std::size_t>(node)].CO);
  }
  for (int node = 0; node < count; ++node) {
    const Node& target = shape.nodes[static_cast<std::size_t>(node)];
    if (target.rpm != rpmOf(node))
      document.SetNodeValue(0, node, target.rpm, document.ShownGraph().Nodes[static_cast<std::size_t>(node)].CO);
    PlaceAngles(document, node, target);
  }
  document.SetRevLimit(shape.revLimit);
  document.SetNote(shape.note, document.BeginGesture());
}

ExampleCurve MakeOne(const AppContext& shared, const std::string& fileName, const WizardAnswers& answers,
                     const std::string& coil, const std::vector<Shape>& shapes);

ExampleCurve Make(const AppContext& shared, const std::string& fileName, const WizardAnswers& answers,
                  const std::string& coil, const std::vector<Shape>& shapes) {
  try {
    return MakeOne(shared, fileName, answers, coil, shapes);
  } catch (const AppError& error) {
    RaiseError(error.Number(), fileName + ": " + error.Description());
  }
}

ExampleCurve MakeOne(const AppContext& shared, const std::string& fileName, const WizardAnswers& answers,
                     const std::string& coil, const std::vector<Shape>& shapes) {
  AppContext context = shared;
  CurveData made = RunWizard(context, answers);
  CurveDocument document(context.defaultGraph, {LimitsFilePath(context.folders), context.edition});
  document.Open(made, "", true);
  document.ChooseCoil(coil);
  if (document.CoilLimitsError()) throw *document.CoilLimitsError();
  for (std::size_t state = 0; state < shapes.size(); ++state) {
    document.ShowState(static_cast<int>(state));
    ShapeShownGraph(document, shapes[state]);
  }
  return {fileName, document.Curve(), context.CustName};
}

}  // namespace

std::vector<ExampleCurve> MakeExampleCurves(const AppContext& context) {
  // A big V-twin on its stock curve, and the same engine after a season of tuning: the pair to try
  // comparing with.
  const WizardAnswers vTwin{"Korvane Tarvo GT-1", -1, -1, 1};
  const Shape stock{{{0, 30, 10},
                     {1000, 40, 12},
                     {1500, 50, 18},
                     {2000, 60, 24},
                     {2500, 70, 28},
                     {3000, 80, 32},
                     {3500, 90, 34},
                     {4000, 90, 35},
                     {5000, 100, 35}},
                    5500,
                    "Stock: as delivered"};
  const Shape stage2{{{0, 30, 10},
                      {1000, 40, 12},
                      {1500, 60, 22},
                      {2000, 60, 28},
                      {2500, 70, 32},
                      {3000, 80, 35},
                      {3500, 90, 36},
                      {4000, 90, 36},
                      {5000, 100, 34}},
                     6000,
                     "Stage 2: cams and exhaust, 98 octane"};
  // A two-stroke single with two sparks: much advance low down, pulled back at the top for the pipe.
  const WizardAnswers single{"Korvane Tarvo SX-1", -1, -1, 2};
  const Shape twoStroke{{{0, 40, 12}, {2000, 60, 20}, {4000, 70, 24}, {6000, 70, 18}, {8000, 60, 10}, {9000, 60, 8}},
                        10000,
                        "Pulled back above 6000 for the pipe"};
  // A six-cylinder with a distributor and a switch on sensor 1: street and race.
  const WizardAnswers six{"Korvane Tarvo GT-2", kSparkDistDistributor, 6, 1, 300, kSensorDigital};
  const Shape street{{{0, 30, 8}, {1000, 30, 10}, {2000, 40, 20}, {3000, 50, 28}, {4000, 60, 32}, {5000, 60, 32}},
                     5500,
                     "Street: 95 octane"};
  const Shape race{{{0, 30, 8}, {1000, 30, 12}, {2000, 40, 24}, {3000, 50, 32}, {4000, 60, 36}, {6000, 60, 36}},
                   6500,
                   "Race: 102 octane, switch grounded"};
  return {
      Make(context, "v-twin-stock.crv", vTwin, "3 Ohm Primary Coil", {stock}),
      Make(context, "v-twin-stage2.crv", vTwin, "3 Ohm Primary Coil", {stage2}),
      Make(context, "two-stroke-single.crv", single, "KX-1", {twoStroke}),
      Make(context, "six-cylinder-street-race.crv", six, "3 Ohm Primary Coil", {street, race}),
  };
}

}  // namespace curvedesk
