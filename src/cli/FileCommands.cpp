#include <ostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliSupport.h"
#include "core/common/AppError.h"
#include "core/curvefile/CurveDifferences.h"
#include "core/curvefile/CurveFile.h"
#include "core/curvefile/CurveJson.h"
#include "core/document/FieldRules.h"
#include "core/model/AppContext.h"

namespace curvedesk::cli {

namespace {

int Check(CliContext& context) {
  if (!HasArgs(context, 1, SIZE_MAX, "check FILE...")) return 1;
  AppContext app;
  if (!StartUp(context, app)) return 1;
  bool allLoaded = true;
  for (const std::string& path : context.args) {
    CurveData curve;
    const auto problem = OpenProblem(app, path, curve);
    context.out << path << ": " << problem.value_or("OK") << "\n";
    allLoaded = allLoaded && !problem;
  }
  return allLoaded ? 0 : 1;
}

int Dump(CliContext& context) {
  if (!HasArgs(context, 1, 1, "dump FILE")) return 1;
  AppContext app;
  if (!StartUp(context, app)) return 1;
  CurveData curve;
  if (!OpenReporting(context, app, context.args[0], curve)) return 1;
  context.out << CurveToJson(curve, EditingState{context.args[0], false, 0});
  return 0;
}

int Convert(CliContext& context) {
  if (!HasArgs(context, 2, 2, "convert IN OUT")) return 1;
  AppContext app;
  if (!StartUp(context, app)) return 1;
  const std::string& in = context.args[0];
  const std::string& out = context.args[1];
  CurveData curve;
  if (!OpenReporting(context, app, in, curve)) return 1;
  try {
    // As Save does: a named layout is stored as the custom layout name of a custom-layout curve.
    if (IsCustomCylinderLayout(curve.CustType)) app.CustName = curve.CustType;
    SaveCurveFile(curve, app.CustName, out);
  } catch (const AppError& error) {
    ReportError(context, out, error);
    return 1;
  }
  return 0;
}

// Exit status of diff, as the usual difference tools have it.
constexpr int kCurvesEqual = 0;
constexpr int kCurvesDiffer = 1;
constexpr int kDiffTrouble = 2;

int Diff(CliContext& context) {
  std::vector<std::string> paths;
  bool json = false;
  for (const std::string& arg : context.args) {
    if (arg == "--json")
      json = true;
    else
      paths.push_back(arg);
  }
  if (paths.size() != 2) {
    context.err << "usage: curvedesk-cli diff A.crv B.crv [--json]\n";
    return kDiffTrouble;
  }
  AppContext app;
  if (!StartUp(context, app)) return kDiffTrouble;
  CurveData a;
  CurveData b;
  // Both files are tried, so one run names every file that cannot be compared.
  const bool loadedA = OpenReporting(context, app, paths[0], a);
  const bool loadedB = OpenReporting(context, app, paths[1], b);
  if (!loadedA || !loadedB) return kDiffTrouble;
  const std::vector<CurveDifference> differences = CurveDifferences(a, b);
  if (json) {
    context.out << DifferencesToJson(differences);
  } else {
    for (const CurveDifference& difference : differences) context.out << DifferenceLine(difference) << "\n";
  }
  return differences.empty() ? kCurvesEqual : kCurvesDiffer;
}

constexpr CliCommand kFileCommands[] = {
    {"check", "FILE...",
     "Loads each curve file as Open does and prints \"FILE: OK\", or \"FILE:\" with the error\n"
     "number and message, or the system's reason for a file that cannot be read.\n"
     "Exit status 0 when every file loads, 1 otherwise.",
     Check},
    {"dump", "FILE",
     "Prints the loaded curve as JSON: the curve's field names as keys, volts as numbers,\n"
     "the graphs in use with their nodes in use (SS and TS only where the file has them).",
     Dump},
    {"convert", "IN OUT",
     "Loads IN and saves it to OUT as the Save command does (curve file revision 3).\n"
     "OUT is replaced only once it was written completely.",
     Convert},
    {"diff", "A.crv B.crv [--json]",
     "Loads both curve files as Open does and prints where B differs from A in what the files\n"
     "store, one line a key: \"GENERAL CurveFallback: 200 -> 300\", \"state 2 node 4 PS: 32 -> 35\"\n"
     "(GRAPH_n and the _n node keys counted from 1; \"-\" for a key one file does not have).\n"
     "--json prints a JSON list of objects with section, state, node, field, a and b.\n"
     "Exit status 0 when the curves are equal, 1 when they differ, 2 when a file cannot be loaded.",
     Diff},
};

}  // namespace

std::span<const CliCommand> FileCommands() { return kFileCommands; }

}  // namespace curvedesk::cli
