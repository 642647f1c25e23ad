#pragma once

#include <string>
#include <vector>

#include "core/model/AppContext.h"

namespace curvedesk {

// An example curve shipped with the program, and the file it is shipped as.
struct ExampleCurve {
  std::string fileName;
  CurveData curve;
  std::string custName;  // the custom cylinder layout's name, written as its cylinder text
};

// The example curves, made as a user makes a curve: the new-curve wizard on the ignition
// descriptions of context, the coil chosen, then edits of the curve document, each checked by the
// curve rules (the coil limits come from the limits file of context's data folder). A rule that
// refuses an edit raises its error: the examples are only ever what the program itself allows.
std::vector<ExampleCurve> MakeExampleCurves(const AppContext& context);

}  // namespace curvedesk
