#include "core/model/IgnitionDescriptionReader.h"

#include <array>
#include <string>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/common/FileRoutines.h"
#include "core/common/IniFile.h"
#include "core/model/CurveData.h"

namespace curvedesk {

namespace {

// The engine type, spark distribution and rotor position a cylinder section describes.
struct CylinderSection {
  const char* name;
  int engine;
  int sparkDist;
  int rotorPos;
};

constexpr std::array<CylinderSection, 5> kCylinderSections{{
    {"Number_Cyl_2_Cycle_Coil_Crank", kEngineTwoStroke, kSparkDistCoil, kRotorCrank},
    {"Number_Cyl_4_Cycle_Coil_Cam", kEngineFourStroke, kSparkDistCoil, kRotorCam},
    {"Number_Cyl_4_Cycle_Coil_Crank", kEngineFourStroke, kSparkDistCoil, kRotorCrank},
    {"Number_Cyl_4_Cycle_Dist_Cam", kEngineFourStroke, kSparkDistDistributor, kRotorCam},
    {"Number_Cyl_4_Cycle_Dist_Crank", kEngineFourStroke, kSparkDistDistributor, kRotorCrank},
}};

struct CylinderKey {
  const char* key;
  int cylinders;
};

constexpr std::array<CylinderKey, 7> kCylinderKeys{{
    {"CYLCUSTOM", kCustomCylinders},
    {"CYL1", 1},
    {"CYL2", 2},
    {"CYL3", 3},
    {"CYL4", 4},
    {"CYL6", 6},
    {"CYL8", 8},
}};

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// The number the text names exactly, or fallback for any other text.
template <std::size_t N>
int ExactNumberOr(const std::string& text, const std::array<int, N>& accepted, int fallback) {
  for (int value : accepted)
    if (text == std::to_string(value)) return value;
  return fallback;
}

void ReadDescription(IgnitionDescription& slot, const IniDocument& file) {
  slot.Name = IniReadString(file, "Ign_Name", "NAME");
  slot.DefaultNumSparks = 3;

  slot.DefaultCurveFallback = static_cast<std::int16_t>(ExactNumberOr(
      IniReadString(file, "Curve_Fallback", "DEFAULT"), std::array{100, 200, 300, 400, 500, 600, 700, 800}, 200));

  slot.EngineAllowed[kEngineTwoStroke] = IsChoiceAllowed(file, "Engine_Type", "2_CYCLE");
  slot.EngineAllowed[kEngineFourStroke] = IsChoiceAllowed(file, "Engine_Type", "4_CYCLE");

  const std::array<std::pair<int, std::string>, 2> engines{
      {{kEngineTwoStroke, "2_Cycle"}, {kEngineFourStroke, "4_Cycle"}}};
  for (const auto& [engine, suffix] : engines) {
    const std::string section = "Spark_Dist_" + suffix;
    slot.SparkDistAllowed[At(engine)][kSparkDistCoil] = IsChoiceAllowed(file, section, "COIL");
    slot.SparkDistAllowed[At(engine)][kSparkDistDistributor] = IsChoiceAllowed(file, section, "DISTRIBUTOR");
  }
  for (const auto& [engine, suffix] : engines) {
    const std::string section = "Rotor_Mount_Pos_" + suffix;
    slot.RotorPosAllowed[At(engine)][kRotorCam] = IsChoiceAllowed(file, section, "CAM");
    slot.RotorPosAllowed[At(engine)][kRotorCrank] = IsChoiceAllowed(file, section, "CRANK");
  }
  for (const CylinderSection& section : kCylinderSections) {
    auto& allowed = slot.NumCylAllowed[At(section.engine)][At(section.sparkDist)][At(section.rotorPos)];
    for (const CylinderKey& key : kCylinderKeys)
      allowed[At(key.cylinders)] = IsChoiceAllowed(file, section.name, key.key);
  }

  // Defaults: only the exact texts select the first choice; anything else gives the fallback.
  slot.DefaultEngineType =
      IniReadString(file, "Engine_Type", "DEFAULT") == "2_Cycle" ? kEngineTwoStroke : kEngineFourStroke;
  for (const auto& [engine, suffix] : engines)
    slot.DefaultSparkDist[At(engine)] =
        IniReadString(file, "Spark_Dist_" + suffix, "DEFAULT") == "Coil" ? kSparkDistCoil : kSparkDistDistributor;
  for (const auto& [engine, suffix] : engines)
    slot.DefaultRotorPos[At(engine)] =
        IniReadString(file, "Rotor_Mount_Pos_" + suffix, "DEFAULT") == "Cam" ? kRotorCam : kRotorCrank;
  for (const CylinderSection& section : kCylinderSections)
    slot.DefaultNumCyl[At(section.engine)][At(section.sparkDist)][At(section.rotorPos)] =
        ExactNumberOr(IniReadString(file, section.name, "DEFAULT"), std::array{1, 2, 3, 4, 6, 8}, kCustomCylinders);

  slot.Sensor1Allowed = IsChoiceAllowed(file, "Sensors", "SENSOR1");
  slot.Sensor2Allowed = IsChoiceAllowed(file, "Sensors", "SENSOR2");
  slot.RpmSwitch1Allowed = IsChoiceAllowed(file, "RPM_Switches", "RPMSWITCH1");
  slot.RpmSwitch2Allowed = IsChoiceAllowed(file, "RPM_Switches", "RPMSWITCH2");
}

}  // namespace

bool IsChoiceAllowed(const IniDocument& description, std::string_view section, std::string_view key) {
  return IniReadString(description, section, key) != "D";
}

void ReadIgnitionDescription(IgnitionDescription& slot, const AppFolders& folders, int fileNumber) {
  std::optional<std::string> bytes;
  try {
    bytes = ReadFileBytes(IgnitionDescriptionPath(folders, fileNumber));
  } catch (const AppError&) {
    slot.Valid = false;
    RaiseError(ErrIgnDescCorrupt, GetErrorMessage(ErrIgnDescCorrupt));
  }
  if (!bytes || bytes->empty()) {
    slot.Valid = false;
    return;
  }
  ReadDescription(slot, IniDocument::Parse(*bytes));
  slot.Valid = true;
}

void ReadIgnitionDescriptions(IgnitionDescriptionTable& table, const AppFolders& folders) {
  for (int number = 1; number <= kIgnitionSlots; ++number)
    ReadIgnitionDescription(table[At(number - 1)], folders, number);
}

}  // namespace curvedesk
