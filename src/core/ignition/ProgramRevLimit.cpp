#include "core/ignition/ProgramRevLimit.h"

#include <array>
#include <string>

#include "core/common/AppError.h"
#include "core/ignition/CurveBytes.h"

namespace curvedesk {

void ProgramRevLimit(Programmer& programmer, std::int32_t rpm, ProgressSink& progress) {
  if (rpm < 0 || rpm > 12500) RaiseError(ErrOverflow, "Overflow: rev limit " + std::to_string(rpm) + " RPM");
  progress.SetProgress(5);
  programmer.EstablishComms(Programmer::kWriteTransfer);
  progress.SetProgress(10);
  const std::array<std::uint8_t, 1> code{static_cast<std::uint8_t>(rpm / 50 + 1)};
  int percent = 10;
  for (int slot = 0; slot < kIgnitionSlotCount; ++slot) {
    programmer.WriteRecord(0, static_cast<std::uint16_t>(kFirstSlotAddress + kRevByteOffset + kSlotSize * slot), code);
    progress.SetProgress(percent += 20);
  }
  progress.SetProgress(100);
  programmer.EndTransfer();
}

}  // namespace curvedesk
