#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace curvedesk::cli {

// A device command's arguments: positional ones, and options with a value ("--port DEV") or
// without one ("--hex"). Unknown options and missing values are refused with a message.
struct DeviceOptions {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::map<std::string, bool> flags;

  std::optional<std::string> Value(const std::string& name) const;
  bool Flag(const std::string& name) const;
};

std::optional<DeviceOptions> ParseDeviceOptions(CliContext& context, const std::vector<std::string>& valueOptions,
                                                const std::vector<std::string>& flagOptions, std::size_t positional,
                                                const char* usage);

}  // namespace curvedesk::cli
