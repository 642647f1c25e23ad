#include <gtest/gtest.h>

#include <filesystem>

#include "ExampleCurves.h"
#include "core/curvefile/CurveFile.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::ReadAll;
using testing::TempDir;

const std::string kExamples = std::string(CURVEDESK_SOURCE_DATA_DIR) + "/examples/";

// The shipped examples are what the wizard and the rules make today, and open as any curve does.
TEST(ExampleCurves, TheShippedFilesAreWhatTheProgramMakes) {
  AppContext context;
  context.folders = {CURVEDESK_SOURCE_DATA_DIR, CURVEDESK_SOURCE_DATA_DIR};
  ReadIgnitionDescriptions(context.ignitionDescriptions, context.folders);
  const std::vector<ExampleCurve> examples = MakeExampleCurves(context);
  ASSERT_FALSE(examples.empty());
  TempDir dir;
  for (const ExampleCurve& example : examples) {
    SCOPED_TRACE(example.fileName);
    SaveCurveFile(example.curve, example.custName, dir.File(example.fileName));
    EXPECT_EQ(ReadAll(dir.File(example.fileName)), ReadAll(kExamples + example.fileName))
        << "run scripts/generate-example-curves.sh";
    CurveData opened;
    ClearCurve(opened, context.defaultGraph);
    LoadCurveFile(opened, kExamples + example.fileName, context.ignitionDescriptions, context.defaultGraph);
    EXPECT_EQ(opened.Graphs[0].NumTransitions, example.curve.Graphs[0].NumTransitions);
    EXPECT_FALSE(example.curve.CoilType.empty());
  }
  std::size_t shipped = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kExamples))
    shipped += entry.path().extension() == ".crv";
  EXPECT_EQ(shipped, examples.size()) << "a shipped example the generator does not make";
}

}  // namespace
}  // namespace curvedesk
