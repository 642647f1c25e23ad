#pragma once

#include <string>
#include <vector>

#include "core/model/CurveData.h"

namespace curvedesk {

// One line of the window's difference list: a configuration field or a value of one sensor state,
// named by the caption the window shows it under, with its text in the curve being edited and in
// the comparison curve, and how far apart two numbers are.
struct DifferenceRow {
  int state = -1;          // 0-based sensor state; -1 for a configuration field
  int node = -1;           // 0-based node of a node row; -1 otherwise
  int plot = -1;           // the plot of a node angle row; -1 for the node's RPM and every other row
  std::string caption;     // "Fallback RPM", "Rev Limit @ RPM", "Node 4 1st Spark"
  std::string edited;      // "-" where the edited curve has no such value
  std::string comparison;  // "-" where the comparison curve has none
  std::string difference;  // edited minus comparison, signed ("+3", "-50"); empty unless both are numbers

  friend bool operator==(const DifferenceRow&, const DifferenceRow&) = default;
};

// What differs between the edited curve and the comparison curve (as CurveDifferences counts it),
// as the window lists it: the configuration fields in the order of the window's fields with their
// texts there, then each sensor state: rev limit, RPM switches, number of transitions and sparks,
// note, then node by node the RPM and the angles of the plots. A sensor state that only one curve has
// is one row, "Graph", "in use" beside "-". custName names the custom cylinder layout.
std::vector<DifferenceRow> DifferenceRows(const CurveData& edited, const CurveData& comparison,
                                          const std::string& custName);

}  // namespace curvedesk
