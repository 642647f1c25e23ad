#include "core/print/WrapText.h"

#include <cstddef>

namespace curvedesk {

namespace {

std::string ExpandTabs(const std::string& text) {
  std::string expanded;
  for (char c : text) {
    if (c == '\t')
      expanded += "    ";
    else if (c != '\r')
      expanded += c;
  }
  return expanded;
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end = text.find(separator); end != std::string::npos; end = text.find(separator, start)) {
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

class LineCollector {
 public:
  LineCollector(double maxWidth, int maxLines, const std::function<double(const std::string&)>& width)
      : maxWidth_(maxWidth), maxLines_(maxLines), width_(width) {}

  bool Full() const { return static_cast<int>(lines_.size()) >= maxLines_; }

  void AddParagraph(const std::string& paragraph) {
    std::string line;
    bool started = false;  // the line holds text, so the next word needs its separating blank
    for (const std::string& word : SplitAt(paragraph, ' ')) {
      // Blanks are kept as written inside a line; a wrapped line does not start with them.
      if (word.empty() && !started && wrapped_) continue;
      const std::string candidate = started ? line + " " + word : word;
      if (width_(candidate) <= maxWidth_) {
        line = candidate;
        started = true;
        continue;
      }
      // The blanks at a wrap end the line unseen.
      if (started) Emit(line.substr(0, line.find_last_not_of(' ') + 1));
      wrapped_ = true;
      line = BreakLongWord(word);
      started = !line.empty();
    }
    Emit(line);
    wrapped_ = false;
  }

  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  // Emits the leading pieces of a word wider than a line and returns the rest.
  std::string BreakLongWord(std::string word) {
    while (width_(word) > maxWidth_ && word.size() > 1) {
      std::size_t fits = 1;
      while (fits < word.size() && width_(word.substr(0, fits + 1)) <= maxWidth_) ++fits;
      Emit(word.substr(0, fits));
      word.erase(0, fits);
    }
    return word;
  }

  void Emit(const std::string& line) {
    if (!Full()) lines_.push_back(line);
  }

  double maxWidth_;
  int maxLines_;
  const std::function<double(const std::string&)>& width_;
  std::vector<std::string> lines_;
  bool wrapped_ = false;
};

}  // namespace

std::vector<std::string> WrapText(const std::string& text, double maxWidth, int maxLines,
                                  const std::function<double(const std::string&)>& width) {
  LineCollector collector(maxWidth, maxLines, width);
  for (const std::string& paragraph : SplitAt(ExpandTabs(text), '\n')) {
    if (collector.Full()) break;
    collector.AddParagraph(paragraph);
  }
  return collector.Take();
}

}  // namespace curvedesk
