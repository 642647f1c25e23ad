#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/ignition/LogSink.h"
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

// Computes the curve's common block and the four slots in send order, logging every byte by its
// symbol ("    CurveFallback = $04") with the headings of the programming log, and hands each
// record to the writer as soon as it is computed. Progress advances by 10 after the common block
// and by 15 at the start of each slot, from `progress` on; returns the last value set. The bytes
// are the given edition's.
int WriteCurveRecords(const CurveData& curve, const TimingTable& table, CurveRecordWriter& writer, LogSink& log,
                      ProgressSink& progress, int startProgress, Edition edition = Edition::Full);

// The programming image without a board: the log's heading and byte lines, or the records as the
// board receives them, one per line, ending with the end record ":00000001FF".
std::vector<std::string> CurveImageLog(const CurveData& curve, const TimingTable& table,
                                       Edition edition = Edition::Full);
std::vector<std::string> CurveImageRecords(const CurveData& curve, const TimingTable& table,
                                           Edition edition = Edition::Full);

}  // namespace curvedesk
