#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/Edition.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// True when a switch value may stand beside its partner of the same switch: start below stop, or
// either one not set (-1).
bool RpmSwitchOrderHolds(int start, int stop);

// The coils the coil selector offers for the spark distribution shown ("Coil" or "Distrib."). The
// compact edition offers the "Quad Stack" and no "RW-1" or "Hex Stack".
std::vector<std::string> CoilTypesOffered(const std::string& shownSparkDist, Edition edition);

// One of the named custom cylinder layouts (exact text).
bool IsCustomCylinderLayout(const std::string& name);

// The cylinders field: the cylinder text of the count, or the curve's own layout name (CustType)
// when that text is not a number (a custom layout).
std::string CylinderFieldText(const CurveData& curve, const std::string& custName);

// A custom-layout curve that names no layout (a file revision that did not store it): the layout
// must be chosen before the curve is shown.
bool NeedsCustomLayoutName(const CurveData& curve, const std::string& custName);

// Names the custom layout of a curve with the chosen text: a named layout becomes the program's
// custom layout name; the curve takes that name and a two-cylinder tach.
void NameCustomLayout(CurveData& curve, const std::string& chosen, std::string& custName);

// The RPM switch field's text checked as typed, beside its partner field of the same switch as
// shown: nothing when it may be stored, else the message to show.
std::optional<std::string> RpmSwitchRefusal(const std::string& text, bool isStart, const std::string& partnerText);

}  // namespace curvedesk
