#pragma once

#include <string>

namespace curvedesk {

// A font as the graph describes it; sizes in points.
struct TextStyle {
  int pointSize = 8;
  bool bold = false;

  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// Measures text in twips. The window layer measures with the real font; tests use fixed sizes.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual double Width(const std::string& text, const TextStyle& style) const = 0;
  virtual double Height(const TextStyle& style) const = 0;
};

}  // namespace curvedesk
