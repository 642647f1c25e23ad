#include "gui/platform/SerialPortProbe.h"

#ifndef _WIN32
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#endif

namespace curvedesk {

#ifdef _WIN32

SerialPortFacts ProbeSerialPort(const std::string&) { return {}; }

std::vector<std::string> SerialLockFileCandidates(const std::string&) { return {}; }

#else

namespace {

namespace fs = std::filesystem;

// Where serial programs keep their lock files, in the serial component's order of search.
constexpr const char* kLockDirectories[] = {"/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
                                            "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};

// "ttyUSB0" for /dev/ttyUSB0, "pts_3" for /dev/pts/3: the name under /dev, slashes made "_".
std::string LockName(std::string path) {
  if (path.starts_with("/dev/")) path.erase(0, 5);
  for (char& c : path)
    if (c == '/') c = '_';
  return path;
}

std::string FirstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

std::optional<int> LeadingNumber(const std::string& text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string::npos) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error != std::errc() || value <= 0) return std::nullopt;
  return value;
}

bool IsRunning(int pid) { return kill(pid, 0) == 0 || errno == EPERM; }

// The program a process runs: the file name of its first argument, else its short name.
std::string ProgramOf(int pid) {
  const fs::path proc = fs::path("/proc") / std::to_string(pid);
  std::ifstream cmdline(proc / "cmdline", std::ios::binary);
  std::string first;
  std::getline(cmdline, first, '\0');
  if (!first.empty()) return fs::path(first).filename().string();
  return FirstLine(proc / "comm");
}

std::string GroupName(gid_t gid) {
  std::vector<char> buffer(4096);
  group entry{};
  group* found = nullptr;
  if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
  return found->gr_name;
}

std::optional<PortProcess> LockHolder(const std::string& port) {
  for (const std::string& candidate : SerialLockFileCandidates(port)) {
    std::error_code error;
    if (!fs::is_regular_file(candidate, error)) continue;
    const auto pid = LeadingNumber(FirstLine(candidate));
    // A lock whose process has ended is stale: the serial component takes it over.
    if (!pid || !IsRunning(*pid)) continue;
    return PortProcess{*pid, ProgramOf(*pid)};
  }
  return std::nullopt;
}

// The processes with an open file on the device, as far as this user may look into them.
std::vector<PortProcess> UsersOf(const fs::path& device) {
  std::vector<PortProcess> users;
  std::error_code error;
  for (const fs::directory_entry& process : fs::directory_iterator("/proc", error)) {
    const auto pid = LeadingNumber(process.path().filename().string());
    if (!pid) continue;
    std::error_code fdError;
    for (const fs::directory_entry& fd : fs::directory_iterator(process.path() / "fd", fdError)) {
      std::error_code linkError;
      if (fs::read_symlink(fd.path(), linkError) == device) {
        users.push_back({*pid, ProgramOf(*pid)});
        break;
      }
    }
  }
  return users;
}

}  // namespace

std::vector<std::string> SerialLockFileCandidates(const std::string& port) {
  std::vector<std::string> names{LockName(port)};
  std::error_code error;
  const fs::path device = fs::canonical(port, error);
  if (!error && LockName(device.string()) != names.front()) names.push_back(LockName(device.string()));
  std::vector<std::string> candidates;
  for (const std::string& name : names)
    for (const char* directory : kLockDirectories) candidates.push_back(std::string(directory) + "/LCK.." + name);
  return candidates;
}

SerialPortFacts ProbeSerialPort(const std::string& port) {
  SerialPortFacts facts;
  facts.examined = true;
  struct stat status {};
  if (stat(port.c_str(), &status) != 0) {
    facts.exists = errno != ENOENT && errno != ENOTDIR;
    return facts;
  }
  facts.group = GroupName(status.st_gid);
  facts.readWriteAllowed = access(port.c_str(), R_OK | W_OK) == 0;
  if (!facts.readWriteAllowed) return facts;
  facts.lockHolder = LockHolder(port);
  // A device another program has made exclusive refuses every other opener but root.
  const int probe = open(port.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (probe >= 0) {
    close(probe);
  } else {
    facts.heldExclusively = errno == EBUSY;
  }
  std::error_code error;
  const fs::path device = fs::canonical(port, error);
  if (!error) facts.users = UsersOf(device);
  return facts;
}

#endif

}  // namespace curvedesk
