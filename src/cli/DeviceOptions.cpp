#include "cli/DeviceOptions.h"

#include <algorithm>
#include <ostream>

namespace curvedesk::cli {

std::optional<std::string> DeviceOptions::Value(const std::string& name) const {
  auto found = values.find(name);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

bool DeviceOptions::Flag(const std::string& name) const { return flags.contains(name); }

std::optional<DeviceOptions> ParseDeviceOptions(CliContext& context, const std::vector<std::string>& valueOptions,
                                                const std::vector<std::string>& flagOptions, std::size_t positional,
                                                const char* usage) {
  DeviceOptions options;
  const auto& args = context.args;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end()) {
      if (i + 1 >= args.size()) {
        context.err << "curvedesk-cli: " << arg << " needs a value\nusage: curvedesk-cli " << usage << "\n";
        return std::nullopt;
      }
      options.values[arg] = args[++i];
    } else if (std::find(flagOptions.begin(), flagOptions.end(), arg) != flagOptions.end()) {
      options.flags[arg] = true;
    } else if (arg.starts_with("--")) {
      context.err << "curvedesk-cli: unknown option " << arg << "\nusage: curvedesk-cli " << usage << "\n";
      return std::nullopt;
    } else {
      options.positional.push_back(arg);
    }
  }
  for (const std::string& name : valueOptions) {
    if (!options.values.contains(name)) {
      context.err << "curvedesk-cli: " << name << " is required\nusage: curvedesk-cli " << usage << "\n";
      return std::nullopt;
    }
  }
  if (options.positional.size() != positional) {
    context.err << "usage: curvedesk-cli " << usage << "\n";
    return std::nullopt;
  }
  return options;
}

}  // namespace curvedesk::cli
