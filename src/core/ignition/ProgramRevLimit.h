#pragma once

#include <cstdint>

#include "core/ignition/ImageVerification.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/ProgressSink.h"

namespace curvedesk {

// Writes the rev limit into all four sensor-state slots; progress 5, 10, 30, 50, 70, 90, 100.
// With verification on, those values fill the writing part of the bar; after the end record the
// four bytes are read back, and one that differs raises ErrVerify naming it. The caller then closes
// its progress window and shows kIgnitionProgrammedMessage.
void ProgramRevLimit(Programmer& programmer, std::int32_t rpm, ProgressSink& progress,
                     Verification verification = Verification::On);

inline constexpr const char* kProgramRevLimitCaption = "Programming Rev. Limit ...";
inline constexpr const char* kIgnitionProgrammedMessage = "Ignition programmed successfully";

}  // namespace curvedesk
