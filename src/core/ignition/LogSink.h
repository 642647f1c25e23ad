#pragma once

#include <string>

namespace curvedesk {

// The programming log: the log window that lists every byte by its symbol, the CLI's output, or a
// test's list of lines. Windows let pending events run here.
class LogSink {
 public:
  virtual ~LogSink() = default;
  virtual void AddTextLine(const std::string& line) = 0;
};

}  // namespace curvedesk
