#include "core/model/CoilLimits.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/common/IniFile.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

namespace {

struct CoilKey {
  std::string_view shown;
  std::string_view key;
};

constexpr std::array<CoilKey, 6> kFullEditionCoils{{
    {"KX-1", "CUST_KX1"},
    {"RW-1", "CUST_RW1"},
    {"KX-2", "CUST_KX2"},
    {"3 Ohm Primary Coil", "CUST_3OHM"},
    {"ZNQ", "CUST_ZN"},
    {"Hex Stack", "CUST_HS"},
}};

// The compact edition offers no "RW-1" or "Hex Stack" and has the "Quad Stack" instead.
constexpr std::array<CoilKey, 5> kCompactEditionCoils{{
    {"KX-1", "CUST_KX1"},
    {"KX-2", "CUST_KX2"},
    {"3 Ohm Primary Coil", "CUST_3OHM"},
    {"ZNQ", "CUST_ZN"},
    {"Quad Stack", "CUST_QS"},
}};

constexpr std::string_view kFallbackCoilKey = "CUST_KX1";
constexpr std::string_view kDistributorShown = "Distrib.";

// n / 100 rounded to the nearest integer, halves to the even neighbour.
std::int64_t PercentRoundedHalfEven(std::int64_t n) {
  std::int64_t quotient = n / 100;
  std::int64_t remainder = n % 100;
  if (remainder < 0) {
    remainder += 100;
    --quotient;
  }
  if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) ++quotient;
  return quotient;
}

}  // namespace

std::string CoilLimitKey(std::string_view shownCoilType, Edition edition) {
  const std::span<const CoilKey> coils =
      edition == Edition::Compact ? std::span<const CoilKey>(kCompactEditionCoils) : kFullEditionCoils;
  for (const CoilKey& coil : coils)
    if (coil.shown == shownCoilType) return std::string(coil.key);
  return std::string(kFallbackCoilKey);
}

std::string CoilLimitSection(std::string_view shownSparkDist, std::string_view shownCoilType, int numCylinders,
                             Edition edition) {
  if (shownSparkDist == kDistributorShown) return "DIST_" + std::to_string(numCylinders);
  return "COIL_" + CoilLimitKey(shownCoilType, edition);
}

void LoadCoilLimits(const std::string& limitsPath, std::string_view shownSparkDist, std::string_view shownCoilType,
                    int numCylinders, Edition edition, CoilLimitTable& table) {
  const std::string section = CoilLimitSection(shownSparkDist, shownCoilType, numCylinders, edition);
  try {
    const IniDocument limits = LoadIniDocument(limitsPath);
    for (std::size_t row = 0; row < table.Rows.size(); ++row)
      table.Rows[row].Percent = IniReadInt(limits, section, "Range" + std::to_string(row));
  } catch (const AppError&) {
    RaiseError(ErrLimitsCorrupt);
  }
}

int FiringSpan(int sparkDist, int numCylinders) {
  if (sparkDist == kSparkDistCoil) return 360;
  switch (numCylinders) {
    case 1:
    case 2:
      return 360;
    case 3:
      return 240;
    case 4:
      return 180;
    case 6:
      return 120;
    case 8:
      return 90;
    default:
      return 0;
  }
}

int CoilOnLimit(const CoilLimitTable& table, int rpm, int sparkDist, int numCylinders) {
  std::int64_t percent = 0;
  for (const CoilLimitRow& row : table.Rows) {
    if (row.LowRpm <= rpm && rpm <= row.HighRpm) {
      percent = row.Percent;
      break;
    }
  }
  const int span = FiringSpan(sparkDist, numCylinders);
  // A damaged limits file may hold any percentage; keep the product and the result in range.
  const std::int64_t limit = std::min<std::int64_t>(PercentRoundedHalfEven(span * percent), span - 10);
  return static_cast<int>(std::max<std::int64_t>(limit, std::numeric_limits<int>::min()));
}

SparkDistChangeCheck CheckSparkDistChange(const std::string& limitsPath, std::string_view shownSparkDist,
                                          std::string_view shownCoilType, Edition edition, const CurveData& curve,
                                          int newSparkDist, CoilLimitTable& table) {
  SparkDistChangeCheck check;
  int graphsToCheck = curve.NumSensorStates;
  try {
    LoadCoilLimits(limitsPath, shownSparkDist, shownCoilType, curve.NumCylinders, edition, table);
  } catch (const AppError& error) {
    // The change is refused; graph 0 is still checked with what was read, so that a saturation
    // problem is reported in place of the file problem.
    check.allowed = false;
    check.message = GetErrorMessage(error.Number());
    graphsToCheck = 1;
  }
  graphsToCheck = std::clamp(graphsToCheck, 0, kMaxSensorStates);
  for (int g = 0; g < graphsToCheck; ++g) {
    const SensorStateGraph& graph = curve.Graphs[static_cast<std::size_t>(g)];
    const int nodes = std::clamp<int>(graph.NumTransitions, 0, kMaxNodes);
    for (int n = 0; n < nodes; ++n) {
      const auto node = static_cast<std::size_t>(n);
      const int span = graph.Nodes[node].CO - PlotAngle(graph.Nodes[node], graph.NumSparks);
      if (CoilOnLimit(table, graph.RPM[node], newSparkDist, curve.NumCylinders) < span) {
        check.allowed = false;
        check.message =
            "Changing to this Spark Distribution type would violate\r\n"
            "the Maximum Coil On Saturation limits of the ignition.";
        return check;
      }
    }
  }
  return check;
}

}  // namespace curvedesk
