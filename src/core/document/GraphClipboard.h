#pragma once

#include "core/model/CurveData.h"

namespace curvedesk {

// The main window's copy of one sensor state's graph.
struct GraphClipboard {
  SensorStateGraph graph;
  bool copied = false;
};

// The target takes every value of the copy except its own note.
void PasteGraph(SensorStateGraph& target, const SensorStateGraph& copy);

}  // namespace curvedesk
