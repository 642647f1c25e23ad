#include "core/ignition/CurveRecords.h"

#include "core/common/Utils.h"
#include "core/ignition/Programmer.h"

namespace curvedesk {

namespace {

std::string ByteLine(std::string_view symbol, std::uint8_t value) {
  return "    " + std::string(symbol) + " = $" + HexPadded(value, 2);
}

// The lines the programming log puts before a block of the curve.
std::vector<std::string> BlockHeading(const BlockPlace& place) {
  if (place.slot == 0) return {"Programming common data for all sensor states ..."};
  if (place.node < 0) return {"", "Programming sensor state data in slot " + std::to_string(place.slot) + " ..."};
  return {"", place.node == 0 ? "    STARTUP RPM ..." : "    RPM " + std::to_string(place.node) + " ...",
          "    -----------------------"};
}

}  // namespace

void CurveRecordLog::BlockStarted(const ImageBlock& block) {
  for (const std::string& line : BlockHeading(block.place)) log_.AddTextLine(line);
  if (block.place.slot > 0 && block.place.node < 0) progress_.SetProgress(percent_ += 15);
}

void CurveRecordLog::ByteComputed(const ImageBlock& block) {
  log_.AddTextLine(ByteLine(block.symbols[block.bytes.size() - 1], block.bytes.back()));
}

void CurveRecordLog::BlockFinished(const ImageBlock& block) {
  writer_.WriteRecord(block.address, block.bytes);
  if (block.place.slot == 0) progress_.SetProgress(percent_ += 10);
}

int WriteCurveRecords(const CurveData& curve, const TimingTable& table, CurveRecordWriter& writer, LogSink& log,
                      ProgressSink& progress, int startProgress, Edition edition) {
  CurveRecordLog recordLog(writer, log, progress, startProgress);
  BuildCurveImage(curve, table, edition, recordLog);
  return recordLog.Progress();
}

std::vector<std::string> ImageLogLines(const ProgrammingImage& image) {
  std::vector<std::string> lines;
  for (const ImageBlock& block : image.blocks) {
    for (std::string& line : BlockHeading(block.place)) lines.push_back(std::move(line));
    for (std::size_t i = 0; i < block.bytes.size(); ++i) lines.push_back(ByteLine(block.symbols[i], block.bytes[i]));
  }
  return lines;
}

std::vector<std::string> ImageRecords(const ProgrammingImage& image) {
  std::vector<std::string> records;
  for (const ImageBlock& block : image.blocks) records.push_back(BuildHexRecord(block.address, block.bytes));
  records.emplace_back(kEndOfFileRecord);
  return records;
}

std::vector<std::string> CurveImageLog(const CurveData& curve, const TimingTable& table, Edition edition) {
  return ImageLogLines(BuildCurveImage(curve, table, edition));
}

std::vector<std::string> CurveImageRecords(const CurveData& curve, const TimingTable& table, Edition edition) {
  return ImageRecords(BuildCurveImage(curve, table, edition));
}

}  // namespace curvedesk
