#pragma once

#include <bitset>

#include "core/model/CurveData.h"

namespace curvedesk {

// What changed in a curve document, as its views are told. One notification may carry several.
struct DocumentChange {
  enum Part : unsigned {
    kGraphs = 1u << 0,         // the graphs named in `graphs`
    kConfiguration = 1u << 1,  // configuration fields (number of sensor states, sensors, fallback ...)
    kShownState = 1u << 2,     // which sensor state is shown
    kFileState = 1u << 3,      // file name or modified
    kHistory = 1u << 4,        // what Undo and Redo would do
    kDocument = 1u << 5,       // a new, opened or closed curve: everything
    kCoil = 1u << 6,           // the coil type and its limits
    kJobs = 1u << 7,           // a job that works on the curve started or ended
  };

  DocumentChange() = default;
  explicit DocumentChange(unsigned changedParts) : parts(changedParts) {}

  unsigned parts = 0;
  std::bitset<kMaxSensorStates> graphs;

  bool Has(Part part) const { return (parts & part) != 0; }
  // Whether the graph of sensor state `state` changed (or the whole document did).
  bool TouchesGraph(int state) const {
    return Has(kDocument) ||
           (Has(kGraphs) && state >= 0 && state < kMaxSensorStates && graphs.test(static_cast<std::size_t>(state)));
  }
};

}  // namespace curvedesk
