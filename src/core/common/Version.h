#pragma once

namespace curvedesk {

inline constexpr const char* kProgramVersion = CURVEDESK_VERSION;
inline constexpr const char* kApplicationTitle = "CurveDesk";

}  // namespace curvedesk
