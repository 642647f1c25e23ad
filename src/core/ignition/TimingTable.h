#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/common/IniDocument.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// Parts of the timing table keys, joined by "_": rotor part, cylinder part, tach part and angle.
// "CRANK" for a crank-mounted rotor, "CAM" for a cam-mounted one.
std::string RotorPart(const IgnitionConfig& config);
// The cylinder count, "CUST" for the custom layout; a two-stroke engine fires twice as often, so
// its 2 and 4 cylinders use the keys of 4 and 8.
std::string CylinderPart(const IgnitionConfig& config);
// The tach type, "CUST" for the custom layout.
std::string TachPart(const IgnitionConfig& config);

// The timing table: engine-dependent byte values by symbol (the section) and configuration (the
// key). Read once and indexed, with the profile file's matching: names without regard to case,
// blanks trimmed, the first of duplicates wins.
class TimingTable {
 public:
  explicit TimingTable(const IniDocument& document);

  // A missing file reads as an empty table; an unreadable one raises ErrIniRead.
  static TimingTable Load(const std::string& path);

  // Raises ErrIniRead when the key is missing or its value is not a whole number, and ErrOverflow
  // when the value does not fit a byte.
  std::uint8_t Lookup(std::string_view section, std::string_view key) const;

 private:
  std::map<std::string, std::string, std::less<>> values_;  // lower-case "section]key" -> value
};

}  // namespace curvedesk
