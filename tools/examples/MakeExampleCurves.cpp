// curvedesk-make-examples DATA_DIR OUT_DIR: writes the example curves made from the ignition
// descriptions and limits in DATA_DIR into OUT_DIR (scripts/generate-example-curves.sh runs it for
// data/examples).
#include <iostream>

#include "ExampleCurves.h"
#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/curvefile/CurveFile.h"
#include "core/model/IgnitionDescriptionReader.h"

int main(int argc, char* argv[]) {
  using namespace curvedesk;
  if (argc != 3) {
    std::cerr << "usage: curvedesk-make-examples DATA_DIR OUT_DIR\n";
    return 2;
  }
  const std::string out = argv[2];
  try {
    AppContext context;
    context.folders = {argv[1], argv[1]};
    ReadIgnitionDescriptions(context.ignitionDescriptions, context.folders);
    for (const ExampleCurve& example : MakeExampleCurves(context)) {
      SaveCurveFile(example.curve, example.custName, out + "/" + example.fileName);
      std::cout << out << "/" << example.fileName << "\n";
    }
  } catch (const AppError& error) {
    std::cerr << "curvedesk-make-examples: " << GetErrorMessage(error.Number(), error.Description()) << " "
              << error.Description() << "\n";
    return 1;
  }
  return 0;
}
