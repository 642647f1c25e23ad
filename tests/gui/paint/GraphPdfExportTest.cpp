#include <gtest/gtest.h>

#include <QPainter>
#include <string>

#include "core/common/AppError.h"
#include "core/model/CurveData.h"
#include "gui/paint/GraphPdfExport.h"
#include "support/TempDir.h"
#include "support/print/PdfFile.h"

namespace curvedesk {
namespace {

using testing::LooksLikePdf;
using testing::PdfPageCount;
using testing::ReadAll;
using testing::TempDir;

CurveData CurveWithStates(int states) {
  CurveData curve;
  curve.Name = "Test Ignition";
  curve.NumSensorStates = static_cast<std::int16_t>(states);
  curve.Sensor1Type = states > 1 ? kSensorDigital : kSensorNone;
  curve.Sensor2Type = states > 2 ? kSensorDigital : kSensorNone;
  for (SensorStateGraph& graph : curve.Graphs) graph = MakeDefaultGraph();
  return curve;
}

void PaintNoLogo(QPainter&, const QRectF&) {}

TEST(GraphPdfExport, OnePagePerSensorState) {
  std::string longNote;
  for (int i = 0; i < 200; ++i) longNote += "a long note that runs far past its box ";
  const struct {
    const char* name;
    int states;
    std::string note;
    std::int16_t revLimit;
  } cases[] = {
      {"one state", 1, "street", 6000},
      {"four states", 4, "race", 7000},
      {"a note longer than its box", 1, longNote, 6000},
      {"an empty rev limit", 2, "", kNotSet},
  };
  for (const auto& c : cases) {
    TempDir dir;
    CurveData curve = CurveWithStates(c.states);
    for (SensorStateGraph& graph : curve.Graphs) {
      graph.GraphInfo = c.note;
      graph.RevLimit = c.revLimit;
    }
    const auto path = dir.Path() / "curve.pdf";
    ExportGraphPdf(curve, "", QString::fromStdString(path.string()), PaintNoLogo);
    const std::string bytes = ReadAll(path.string());
    EXPECT_TRUE(LooksLikePdf(bytes)) << c.name;
    EXPECT_EQ(PdfPageCount(bytes), c.states) << c.name;
  }
}

TEST(GraphPdfExport, UnwritablePathRaisesAndKeepsNothingHalfWritten) {
  TempDir dir;
  const auto missingFolder = dir.Path() / "missing" / "curve.pdf";
  try {
    ExportGraphPdf(CurveWithStates(1), "", QString::fromStdString(missingFolder.string()), PaintNoLogo);
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrPathFileAccess);
  }
  EXPECT_FALSE(std::filesystem::exists(missingFolder));
}

}  // namespace
}  // namespace curvedesk
