#pragma once

#include <string>
#include <string_view>

#include "core/model/Edition.h"
#include "core/model/CoilLimitTable.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// Coil saturation limits: the limits file holds, per coil type and per distributor cylinder count,
// the percentage of the firing span the coil may be charged in each RPM range of CoilLimitTable.

// The limits key of a coil type as the coil list shows it; unknown types fall back to "CUST_KX1".
// Each edition recognises only the coils it offers.
std::string CoilLimitKey(std::string_view shownCoilType, Edition edition);

// "DIST_" + NumCylinders when the spark distribution is shown as "Distrib.", else "COIL_" + the
// key of the shown coil type.
std::string CoilLimitSection(std::string_view shownSparkDist, std::string_view shownCoilType, int numCylinders,
                             Edition edition);

// Reads "Range0" .. "Range9" of the chosen section into the table's percentages, row by row. Any
// failure raises ErrLimitsCorrupt; rows read before it keep their new values.
void LoadCoilLimits(const std::string& limitsPath, std::string_view shownSparkDist, std::string_view shownCoilType,
                    int numCylinders, Edition edition, CoilLimitTable& table);

// Crank degrees between two sparks of one coil: 360 per coil; with a distributor 720 shared by the
// cylinders (1 and 2 cylinders fire once per turn), 0 for counts it cannot serve.
int FiringSpan(int sparkDist, int numCylinders);

// The largest coil-on span allowed at rpm: the firing span times the percentage of rpm's row (0 in
// no row), rounded half to even, and never more than the span minus 10. A firing span of 0 gives
// -10, which every span exceeds.
int CoilOnLimit(const CoilLimitTable& table, int rpm, int sparkDist, int numCylinders);

// Whether the curve may switch to newSparkDist, and the message to show (title "Error", warning
// icon) when it may not. The limits are loaded for what the main window still shows (the
// distribution before the change); a limits file that cannot be read refuses the change.
struct SparkDistChangeCheck {
  bool allowed = true;
  std::string message;
};
SparkDistChangeCheck CheckSparkDistChange(const std::string& limitsPath, std::string_view shownSparkDist,
                                          std::string_view shownCoilType, Edition edition, const CurveData& curve,
                                          int newSparkDist, CoilLimitTable& table);

}  // namespace curvedesk
