#pragma once

#include "core/graph/TextMeasure.h"

namespace curvedesk::testing {

// Every character 100 twips wide (bold ones 120), every line 200 twips high: easy sums in tests.
class FixedTextMeasure : public TextMeasure {
 public:
  double Width(const std::string& text, const TextStyle& style) const override {
    return static_cast<double>(text.size()) * (style.bold ? 120 : 100);
  }
  double Height(const TextStyle&) const override { return 200; }
};

}  // namespace curvedesk::testing
