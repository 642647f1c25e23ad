#include "core/ignition/ProgramCurve.h"

#include "core/common/ErrorMessages.h"
#include "core/ignition/CurveRecords.h"
#include "core/ignition/TimingTable.h"

namespace curvedesk {

namespace {

class BoardWriter final : public CurveRecordWriter {
 public:
  explicit BoardWriter(Programmer& programmer) : programmer_(programmer) {}
  void WriteRecord(std::uint16_t address, std::span<const std::uint8_t> bytes) override {
    programmer_.WriteRecord(0, address, bytes);
  }

 private:
  Programmer& programmer_;
};

}  // namespace

void ProgramCurve(const CurveData& curve, const std::string& tablePath, Programmer& programmer, LogSink& log,
                  ProgressSink& progress, Prompter& prompter, Edition edition, Verification verification) {
  const bool verify = verification == Verification::On;
  const int writingShare = verify ? WritingShare(CurveImageLayout(curve)) : 100;
  ScaledProgress writing(progress, writingShare);
  writing.SetProgress(0);
  try {
    log.AddTextLine("Establishing communications with ignition board ...");
    writing.SetProgress(5);
    programmer.EstablishComms(Programmer::kWriteTransfer);
    log.AddTextLine("... successful.");
    writing.SetProgress(10);

    const TimingTable table = TimingTable::Load(tablePath);
    BoardWriter writer(programmer);
    CurveRecordLog recordLog(writer, log, writing, 10);
    const ProgrammingImage image = BuildCurveImage(curve, table, edition, recordLog);

    log.AddTextLine("");
    log.AddTextLine("Writing end-of-file marker ...");
    programmer.EndTransfer();
    log.AddTextLine("... successful.");
    writing.SetProgress(95);
    if (verify) VerifyWrittenImage(programmer, image, log, progress, writingShare);
    log.AddTextLine("");
    log.AddTextLine("PROGRAMMING COMPLETED.");
    progress.SetProgress(100);
  } catch (const AppError& error) {
    log.AddTextLine("");
    log.AddTextLine("-------------------------- ERROR ---------------------------");
    log.AddTextLine(GetErrorMessage(error.Number(), error.Description()));
    throw;
  }

  prompter.Tell("", "Ignition programmed successfully", Prompter::Icon::None);
  const std::string rule(60, '=');
  log.AddWindowLine("");
  log.AddWindowLine(rule);
  log.AddWindowLine("    Please press this window's Close button to continue.");
  log.AddWindowLine(rule);
}

}  // namespace curvedesk
