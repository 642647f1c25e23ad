#pragma once

#include <functional>
#include <string>
#include <vector>

namespace curvedesk {

// Breaks text into lines no wider than maxWidth as measured by width: tabs become four blanks, a
// line break in the text ("\n" or "\r\n") starts a new line, words are added while the line still
// fits, and a word wider than a whole line is split between characters. At most maxLines lines are
// returned; the rest of the text is dropped.
std::vector<std::string> WrapText(const std::string& text, double maxWidth, int maxLines,
                                  const std::function<double(const std::string&)>& width);

}  // namespace curvedesk
