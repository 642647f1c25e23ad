#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/common/Prompter.h"
#include "core/recovery/RecoveryCopy.h"

namespace curvedesk {

// At start-up: the recovery copies that programs which did not end normally left behind.

struct LeftCopy {
  RecoveryCopyFiles files;
  RecoveredCurve recovered;
};

// Reads the copies of the given stems in folder, newest first; a stem with neither a curve nor an
// INI file has none. A damaged copy is set aside and told
// through the prompter (DamagedCopyMessage) as it is found; it is not among those returned.
std::vector<LeftCopy> ReadLeftCopies(const std::string& folder, const std::vector<std::string>& stems,
                                     const IgnitionDescriptionTable& descriptions, const SensorStateGraph& defaultGraph,
                                     Prompter& prompter);

// Offers the copies one by one in their order with RestoreQuestion, Yes and No. Only one curve can
// be open: Yes restores that copy and asks no more, the ones not yet offered stay for the next
// start. No discards the copy (discard is called) and goes on with the next. Any other answer
// (the question closed another way) keeps this copy and the rest for the next start.
// Returns the position of the copy to restore.
std::optional<std::size_t> OfferLeftCopies(Prompter& prompter, const std::vector<LeftCopy>& copies,
                                           const std::function<void(const LeftCopy&)>& discard);

}  // namespace curvedesk
