#include "core/ignition/ProgramRevLimit.h"

#include "core/ignition/ProgrammingImage.h"

namespace curvedesk {

void ProgramRevLimit(Programmer& programmer, std::int32_t rpm, ProgressSink& progress, Verification verification) {
  const ProgrammingImage image = RevLimitImage(rpm);
  const bool verify = verification == Verification::On;
  const int writingShare = verify ? WritingShare(image) : 100;
  ScaledProgress writing(progress, writingShare);
  writing.SetProgress(5);
  programmer.EstablishComms(Programmer::kWriteTransfer);
  writing.SetProgress(10);
  int percent = 10;
  for (const ImageBlock& block : image.blocks) {
    programmer.WriteRecord(0, block.address, block.bytes);
    writing.SetProgress(percent += 20);
  }
  writing.SetProgress(100);
  programmer.EndTransfer();
  if (!verify) return;
  const std::vector<ByteDifference> differences = ReadBackAndCompare(programmer, image, progress, writingShare);
  if (!differences.empty()) RaiseVerifyFailure(differences);
}

}  // namespace curvedesk
