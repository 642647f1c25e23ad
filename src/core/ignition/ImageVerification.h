#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/AppError.h"
#include "core/ignition/LogSink.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/ProgrammingImage.h"
#include "core/ignition/ProgressSink.h"

namespace curvedesk {

// Whether a programming job reads back what it wrote and compares.
enum class Verification { On, Off };

// A byte that the ignition holds differently from an image.
struct ByteDifference {
  std::uint16_t address = 0;
  BlockPlace place;
  std::string_view symbol;
  std::uint8_t expected = 0;  // written, or what programming would write
  std::uint8_t actual = 0;    // read from the ignition

  bool operator==(const ByteDifference&) const = default;
};

// The word reads that ReadImageBack makes: a word read gives the byte at its address and the one
// after it, so a run of bytes takes one read per two bytes.
int WordReadCount(const ProgrammingImage& image);

// The bytes at the image's addresses as the board's plain space holds them, in the image's layout,
// read in the read transfer the caller has opened. wordRead(done, total) follows every read.
ProgrammingImage ReadImageBack(Programmer& programmer, const ProgrammingImage& image,
                               const std::function<void(int done, int total)>& wordRead = {});

// The bytes of `actual` that differ from `expected`, which has the same layout, in image order.
std::vector<ByteDifference> CompareImages(const ProgrammingImage& expected, const ProgrammingImage& actual);

// Opens a read transfer, reads the image's bytes back, ends the transfer and compares. The
// progress runs from fromPercent to 100 as the words come in.
std::vector<ByteDifference> ReadBackAndCompare(Programmer& programmer, const ProgrammingImage& image,
                                               ProgressSink& progress, int fromPercent);

// Verification after a write transfer, for a run with a log: logs "Verifying ...", reads back and
// compares, then logs "... 388 bytes verified.", or every differing byte and raises ErrVerify.
void VerifyWrittenImage(Programmer& programmer, const ProgrammingImage& image, LogSink& log, ProgressSink& progress,
                        int fromPercent);

// "    $0611 slot 2 (sensor state 1) REV: written $79, read $7A"
std::string DifferenceLine(const ByteDifference& difference);

// "1 of 388 bytes differs", "3 of 388 bytes differ".
std::string DifferenceCount(std::size_t differing, std::size_t compared);

// Raises ErrVerify; its description lists the differing bytes, one DifferenceLine each.
[[noreturn]] void RaiseVerifyFailure(const std::vector<ByteDifference>& differences);

// What a window without a log shows for an error: its message, and for a failed verification the
// differing bytes below it.
std::string ErrorTextWithDifferences(const AppError& error);

// The percent of a verified job's progress bar that writing fills, the read-back filling the rest:
// the characters of the write transfer against those of the read transfer, both ways, so that the
// bar moves at one pace through both.
int WritingShare(const ProgrammingImage& image);

// The progress of a verified job's writing part: 0..100 becomes 0..share of the whole bar.
class ScaledProgress final : public ProgressSink {
 public:
  ScaledProgress(ProgressSink& whole, int share) : whole_(whole), share_(share) {}
  void SetProgress(int percent) override { whole_.SetProgress(percent * share_ / 100); }

 private:
  ProgressSink& whole_;
  int share_;
};

}  // namespace curvedesk
