#include "cli/CliCommand.h"

namespace curvedesk::cli {

// The curve file commands (check, dump, convert) come here.
std::span<const CliCommand> FileCommands() { return {}; }

}  // namespace curvedesk::cli
