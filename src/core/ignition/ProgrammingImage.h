#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ignition/TimingTable.h"
#include "core/model/AppContext.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// The ignition's memory that a curve fills: the common block and the four slots, one run of bytes.
inline constexpr std::uint16_t kCurveAreaAddress = 0x05FC;
inline constexpr std::size_t kCurveAreaSize = 12 + 4 * 94;

// Where a block of an image sits in the ignition's curve layout.
struct BlockPlace {
  int slot = 0;             // 1..4: an ignition sensor-state slot; 0: the common block
  int node = -1;            // 0..9: one of the slot's node blocks; -1: the slot's head, or the common block
  int sensorState = -1;     // the curve's sensor state (graph index) the slot holds; -1: none, or not known
  bool unusedSlot = false;  // the slot holds no sensor state of the curve, so every byte is 128

  bool operator==(const BlockPlace&) const = default;
};

// One record's worth of an image: where its bytes go, and the symbol of each byte.
struct ImageBlock {
  std::uint16_t address = 0;
  BlockPlace place;
  std::vector<std::string_view> symbols;  // one per byte: "TachStart", "REV", "InitialSpark"
  std::vector<std::uint8_t> bytes;

  bool operator==(const ImageBlock&) const = default;
};

// The bytes a job writes into the ignition, in blocks in send order, each byte with its symbol.
// Writing, the programming log, the image command, verification after writing and comparing a
// curve with an ignition all work from this one value.
struct ProgrammingImage {
  std::vector<ImageBlock> blocks;

  std::size_t ByteCount() const;
  bool operator==(const ProgrammingImage&) const = default;
};

// Follows an image while it is computed, so that a run can log every byte and send every block
// the moment it is known: a byte that cannot be computed then stops the run after the blocks
// before it have gone out.
class ImageObserver {
 public:
  virtual ~ImageObserver() = default;
  // Before the block's first byte; its bytes are still empty.
  virtual void BlockStarted(const ImageBlock&) {}
  // The byte just appended to the block's bytes.
  virtual void ByteComputed(const ImageBlock&) {}
  virtual void BlockFinished(const ImageBlock&) {}
};

// The blocks of a curve's image with their addresses, places and symbols but no bytes: the common
// block, then the ignition's slots 1..4 with the graphs SlotOrder gives, each a head and ten node
// blocks.
ProgrammingImage CurveImageLayout(const IgnitionConfig& config);

// The curve's image, computed with CurveBytes from the curve and the timing table; raises at the
// first byte that cannot be computed (ErrIniRead, ErrOverflow). The bytes are the given edition's.
ProgrammingImage BuildCurveImage(const CurveData& curve, const TimingTable& table, Edition edition = Edition::Full);
ProgrammingImage BuildCurveImage(const CurveData& curve, const TimingTable& table, Edition edition,
                                 ImageObserver& observer);

// The rev limit job's image: the "REV" byte, RPM div 50 + 1, in each of the four slots. A value
// outside 0..12500 raises ErrOverflow.
ProgrammingImage RevLimitImage(std::int32_t rpm);

// The symbol of a byte with its place: "TachStart", "slot 2 (sensor state 1) REV",
// "slot 1 (unused) node 3 InitialSpark", "slot 4 REV" when the slot's sensor state is not known.
std::string SymbolText(const BlockPlace& place, std::string_view symbol);

}  // namespace curvedesk
