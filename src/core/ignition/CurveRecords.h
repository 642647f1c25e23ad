#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/ignition/LogSink.h"
#include "core/ignition/ProgrammingImage.h"
#include "core/ignition/ProgressSink.h"
#include "core/ignition/TimingTable.h"
#include "core/model/Edition.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// Receives the records of a curve in the order they are sent to the board.
class CurveRecordWriter {
 public:
  virtual ~CurveRecordWriter() = default;
  virtual void WriteRecord(std::uint16_t address, std::span<const std::uint8_t> bytes) = 0;
};

// The programming run's side of a curve image being computed: logs every byte by its symbol
// ("    CurveFallback = $04") under the headings of the programming log, and hands each block to
// the writer as soon as its last byte is known. Progress advances by 10 after the common block and
// by 15 at the start of each slot, from startProgress on.
class CurveRecordLog final : public ImageObserver {
 public:
  CurveRecordLog(CurveRecordWriter& writer, LogSink& log, ProgressSink& progress, int startProgress)
      : writer_(writer), log_(log), progress_(progress), percent_(startProgress) {}

  void BlockStarted(const ImageBlock& block) override;
  void ByteComputed(const ImageBlock& block) override;
  void BlockFinished(const ImageBlock& block) override;
  // The last progress value set.
  int Progress() const { return percent_; }

 private:
  CurveRecordWriter& writer_;
  LogSink& log_;
  ProgressSink& progress_;
  int percent_;
};

// Computes the curve's image and writes it through CurveRecordLog; returns the last progress value
// set. The bytes are the given edition's.
int WriteCurveRecords(const CurveData& curve, const TimingTable& table, CurveRecordWriter& writer, LogSink& log,
                      ProgressSink& progress, int startProgress, Edition edition = Edition::Full);

// An image as the programming log shows it: the headings and byte lines.
std::vector<std::string> ImageLogLines(const ProgrammingImage& image);
// An image's records as the board receives them, one per line, ending with the end record.
std::vector<std::string> ImageRecords(const ProgrammingImage& image);

// The programming image without a board: the log's heading and byte lines, or the records as the
// board receives them, one per line, ending with the end record ":00000001FF".
std::vector<std::string> CurveImageLog(const CurveData& curve, const TimingTable& table,
                                       Edition edition = Edition::Full);
std::vector<std::string> CurveImageRecords(const CurveData& curve, const TimingTable& table,
                                           Edition edition = Edition::Full);

}  // namespace curvedesk
