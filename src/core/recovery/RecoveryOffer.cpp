#include "core/recovery/RecoveryOffer.h"

#include <algorithm>
#include <filesystem>

#include "core/common/ErrorMessages.h"
#include "core/common/PathText.h"

namespace curvedesk {

std::vector<LeftCopy> ReadLeftCopies(const std::string& folder, const std::vector<std::string>& stems,
                                     const IgnitionDescriptionTable& descriptions, const SensorStateGraph& defaultGraph,
                                     Prompter& prompter) {
  std::vector<LeftCopy> copies;
  for (const std::string& stem : stems) {
    const RecoveryCopyFiles files = RecoveryFilesOf(folder, stem);
    // A lock file alone is no copy: its program ended with nothing unsaved.
    std::error_code unreadable;
    if (!std::filesystem::exists(PathFromUtf8(files.curve), unreadable) &&
        !std::filesystem::exists(PathFromUtf8(files.info), unreadable))
      continue;
    try {
      copies.push_back({files, ReadRecoveryCopy(files, descriptions, defaultGraph)});
    } catch (const AppError& error) {
      const std::string reason = GetErrorMessage(error.Number(), error.Description());
      prompter.Tell(kRecoveryTitle, DamagedCopyMessage(SetAsideDamagedCopy(files), reason), Prompter::Icon::Warning);
    }
  }
  std::stable_sort(copies.begin(), copies.end(), [](const LeftCopy& a, const LeftCopy& b) {
    return a.recovered.info.savedAt > b.recovered.info.savedAt;
  });
  return copies;
}

std::optional<std::size_t> OfferLeftCopies(Prompter& prompter, const std::vector<LeftCopy>& copies,
                                           const std::function<void(const LeftCopy&)>& discard) {
  for (std::size_t i = 0; i < copies.size(); ++i) {
    const auto answer = prompter.Ask(kRestoreTitle, RestoreQuestion(copies[i].recovered.info), Prompter::Icon::Question,
                                     Prompter::Buttons::YesNo);
    if (answer == Prompter::Answer::Yes) return i;
    if (answer != Prompter::Answer::No) return std::nullopt;
    discard(copies[i]);
  }
  return std::nullopt;
}

}  // namespace curvedesk
