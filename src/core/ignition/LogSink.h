#pragma once

#include <string>

namespace curvedesk {

// The programming log: the log window that lists every byte by its symbol, the CLI's output, or a
// test's list of lines. Windows let pending events run here.
class LogSink {
 public:
  virtual ~LogSink() = default;
  virtual void AddTextLine(const std::string& line) = 0;
  // A line that speaks to the user of a log window ("press this window's Close button"); a log
  // without a window leaves it out.
  virtual void AddWindowLine(const std::string& line) { AddTextLine(line); }
};

}  // namespace curvedesk
