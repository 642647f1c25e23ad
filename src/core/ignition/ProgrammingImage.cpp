#include "core/ignition/ProgrammingImage.h"

#include <string>

#include "core/common/AppError.h"
#include "core/ignition/CurveBytes.h"

namespace curvedesk {

namespace {

template <std::size_t N>
ImageBlock LayoutBlock(std::uint16_t address, BlockPlace place, const std::array<std::string_view, N>& symbols) {
  return {address, place, std::vector<std::string_view>(symbols.begin(), symbols.end()), {}};
}

}  // namespace

std::size_t ProgrammingImage::ByteCount() const {
  std::size_t count = 0;
  for (const ImageBlock& block : blocks) count += block.symbols.size();
  return count;
}

ProgrammingImage CurveImageLayout(const IgnitionConfig& config) {
  ProgrammingImage image;
  image.blocks.push_back(LayoutBlock(kCommonBlockAddress, {}, kCommonSymbols));
  const std::string order = SlotOrder(config);
  auto address = kFirstSlotAddress;
  for (int slot = 1; slot <= kIgnitionSlotCount; ++slot) {
    const int graph = order[static_cast<std::size_t>(slot - 1)] - '0';
    const bool unused = graph >= config.NumSensorStates;
    BlockPlace place{.slot = slot, .node = -1, .sensorState = unused ? -1 : graph, .unusedSlot = unused};
    image.blocks.push_back(LayoutBlock(address, place, kSlotHeadSymbols));
    address = static_cast<std::uint16_t>(address + kSlotHeadSymbols.size());
    for (int node = 0; node < kMaxNodes; ++node) {
      place.node = node;
      image.blocks.push_back(LayoutBlock(address, place, kNodeSymbols));
      address = static_cast<std::uint16_t>(address + kNodeSymbols.size());
    }
  }
  return image;
}

ProgrammingImage BuildCurveImage(const CurveData& curve, const TimingTable& table, Edition edition) {
  ImageObserver unwatched;
  return BuildCurveImage(curve, table, edition, unwatched);
}

ProgrammingImage BuildCurveImage(const CurveData& curve, const TimingTable& table, Edition edition,
                                 ImageObserver& observer) {
  const CurveBytes bytes(curve, table, edition);
  const std::string order = SlotOrder(curve);
  ProgrammingImage image = CurveImageLayout(curve);
  for (ImageBlock& block : image.blocks) {
    observer.BlockStarted(block);
    const BlockPlace& place = block.place;
    // The slot's graph, also for an unused slot: CurveBytes answers 128 for a graph the curve lacks.
    const int graph = place.slot > 0 ? order[static_cast<std::size_t>(place.slot - 1)] - '0' : -1;
    for (std::string_view symbol : block.symbols) {
      if (place.slot == 0)
        block.bytes.push_back(bytes.CommonDataByte(symbol));
      else if (place.node < 0)
        block.bytes.push_back(bytes.SensorStateByte(symbol, graph));
      else
        block.bytes.push_back(bytes.NodeByte(symbol, graph, place.node));
      observer.ByteComputed(block);
    }
    observer.BlockFinished(block);
  }
  return image;
}

ProgrammingImage RevLimitImage(std::int32_t rpm) {
  if (rpm < 0 || rpm > 12500) RaiseError(ErrOverflow, "Overflow: rev limit " + std::to_string(rpm) + " RPM");
  const auto code = static_cast<std::uint8_t>(rpm / 50 + 1);
  ProgrammingImage image;
  for (int slot = 1; slot <= kIgnitionSlotCount; ++slot) {
    const auto address = static_cast<std::uint16_t>(kFirstSlotAddress + kSlotSize * (slot - 1) + kRevByteOffset);
    image.blocks.push_back({address, {.slot = slot}, {kSlotHeadSymbols[kRevByteOffset]}, {code}});
  }
  return image;
}

std::string SymbolText(const BlockPlace& place, std::string_view symbol) {
  if (place.slot == 0) return std::string(symbol);
  std::string text = "slot " + std::to_string(place.slot);
  if (place.unusedSlot)
    text += " (unused)";
  else if (place.sensorState >= 0)
    text += " (sensor state " + std::to_string(place.sensorState + 1) + ")";
  if (place.node >= 0) text += " node " + std::to_string(place.node);
  return text + " " + std::string(symbol);
}

}  // namespace curvedesk
