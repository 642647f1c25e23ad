#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/AppSettings.h"

namespace curvedesk {

// The recently used curve files: four slots (LastFiles 0..3, named by the letters "A".."D") and
// LastFileOrder, the letters of the used slots with the most recent first.

inline constexpr std::size_t kRecentCaptionLength = 30;

// Puts the path at the front of the order. A path already held (letters compared without regard to
// case) keeps its slot; a new one takes the first free slot, or the least recent one when all four
// are used.
void AddRecentFile(AppSettings& settings, const std::string& path);

// The slot named by the letter at this position of the order, or nothing when the position is past
// the order's end or its letter names no slot.
std::optional<std::size_t> RecentFileSlot(const AppSettings& settings, std::size_t position);

// One menu entry per letter of the order, most recent first: the slot's path shortened to 30
// characters. Letters that name no slot give an empty caption.
std::vector<std::string> RecentMenuCaptions(const AppSettings& settings);

}  // namespace curvedesk
