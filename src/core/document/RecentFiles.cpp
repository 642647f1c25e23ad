#include "core/document/RecentFiles.h"

#include "core/common/IniDocument.h"
#include "core/common/Utils.h"

namespace curvedesk {

namespace {

constexpr std::size_t kSlots = 4;

char LetterOf(std::size_t slot) { return static_cast<char>('A' + slot); }

std::optional<std::size_t> SlotOf(char letter) {
  if (letter < 'A' || letter >= 'A' + static_cast<char>(kSlots)) return std::nullopt;
  return static_cast<std::size_t>(letter - 'A');
}

}  // namespace

void AddRecentFile(AppSettings& settings, const std::string& path) {
  std::string& order = settings.LastFileOrder;
  std::size_t slot = kSlots;
  for (std::size_t i = 0; i < kSlots; ++i) {
    if (EqualsIgnoreCase(settings.LastFiles[i], path)) {
      slot = i;
      break;
    }
  }

  if (slot < order.size()) {
    if (const auto at = order.find(LetterOf(slot)); at != std::string::npos) order.erase(at, 1);
  } else if (order.empty()) {
    slot = 0;
  } else if (order.size() >= kSlots) {
    slot = SlotOf(order[kSlots - 1]).value_or(kSlots - 1);
  } else {
    slot = 0;
    for (std::size_t i = 0; i < kSlots; ++i) {
      if (order.find(LetterOf(i)) == std::string::npos) {
        slot = i;
        break;
      }
    }
  }

  order = (LetterOf(slot) + order).substr(0, kSlots);
  settings.LastFiles[slot] = path;
}

std::optional<std::size_t> RecentFileSlot(const AppSettings& settings, std::size_t position) {
  if (position >= settings.LastFileOrder.size() || position >= kSlots) return std::nullopt;
  return SlotOf(settings.LastFileOrder[position]);
}

std::vector<std::string> RecentMenuCaptions(const AppSettings& settings) {
  std::vector<std::string> captions;
  for (std::size_t position = 0; position < settings.LastFileOrder.size() && position < kSlots; ++position) {
    const auto slot = RecentFileSlot(settings, position);
    captions.push_back(slot ? AbbreviatePath(settings.LastFiles[*slot], kRecentCaptionLength) : std::string());
  }
  return captions;
}

}  // namespace curvedesk
