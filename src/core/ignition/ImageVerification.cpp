#include "core/ignition/ImageVerification.h"

#include <map>

#include "core/common/ErrorMessages.h"
#include "core/common/Utils.h"

namespace curvedesk {

namespace {

// Characters on the wire, both ways, for the share of the progress bar. A handshake is the wake-up
// "@&$", a versioned answer "V2.10?" and ">" or "<"; a record is ":", count, address, type and
// checksum around its data, answered by "+"; the end record is answered by "+" and "@"; a word
// read is ":" and four digits, answered by four digits; a read transfer ends with "@".
constexpr int kHandshakeCharacters = 3 + 6 + 1;
constexpr int kRecordFrameCharacters = 11 + 1;
constexpr int kEndRecordCharacters = 11 + 1 + 1;
constexpr int kWordReadCharacters = 5 + 4;
constexpr int kEndOfReadCharacters = 1;

// Where ReadImageBack reads a word, in image order: a byte that the word before already brought is
// not read again.
std::vector<std::uint16_t> WordAddresses(const ProgrammingImage& image) {
  std::vector<std::uint16_t> addresses;
  // The second byte of the last word read; none (-1) after a byte it brought.
  long brought = -1;
  for (const ImageBlock& block : image.blocks) {
    for (std::size_t i = 0; i < block.symbols.size(); ++i) {
      const auto address = static_cast<std::uint16_t>(block.address + i);
      if (brought == address) {
        brought = -1;
        continue;
      }
      addresses.push_back(address);
      brought = address + 1L;
    }
  }
  return addresses;
}

std::string ByteValue(std::uint8_t value) { return "$" + HexPadded(value, 2); }

}  // namespace

int WordReadCount(const ProgrammingImage& image) { return static_cast<int>(WordAddresses(image).size()); }

ProgrammingImage ReadImageBack(Programmer& programmer, const ProgrammingImage& image,
                               const std::function<void(int done, int total)>& wordRead) {
  const std::vector<std::uint16_t> addresses = WordAddresses(image);
  const int total = static_cast<int>(addresses.size());
  std::map<std::uint16_t, std::uint8_t> held;
  int done = 0;
  for (std::uint16_t address : addresses) {
    // The plain space answers the byte at the address first.
    const std::uint16_t word = programmer.ReadWord(0, address);
    held.try_emplace(address, static_cast<std::uint8_t>(word >> 8));
    held.try_emplace(static_cast<std::uint16_t>(address + 1), static_cast<std::uint8_t>(word & 0xFF));
    if (wordRead) wordRead(++done, total);
  }
  ProgrammingImage actual = image;
  for (ImageBlock& block : actual.blocks) {
    block.bytes.resize(block.symbols.size());
    for (std::size_t i = 0; i < block.bytes.size(); ++i)
      block.bytes[i] = held.at(static_cast<std::uint16_t>(block.address + i));
  }
  return actual;
}

std::vector<ByteDifference> CompareImages(const ProgrammingImage& expected, const ProgrammingImage& actual) {
  std::vector<ByteDifference> differences;
  for (std::size_t b = 0; b < expected.blocks.size() && b < actual.blocks.size(); ++b) {
    const ImageBlock& meant = expected.blocks[b];
    const ImageBlock& held = actual.blocks[b];
    for (std::size_t i = 0; i < meant.bytes.size() && i < held.bytes.size(); ++i) {
      if (meant.bytes[i] == held.bytes[i]) continue;
      differences.push_back({static_cast<std::uint16_t>(meant.address + i), meant.place, meant.symbols[i],
                             meant.bytes[i], held.bytes[i]});
    }
  }
  return differences;
}

std::vector<ByteDifference> ReadBackAndCompare(Programmer& programmer, const ProgrammingImage& image,
                                               ProgressSink& progress, int fromPercent) {
  programmer.EstablishComms(Programmer::kReadTransfer);
  int shown = fromPercent;
  progress.SetProgress(shown);
  const ProgrammingImage actual = ReadImageBack(programmer, image, [&](int done, int total) {
    const int percent = fromPercent + (100 - fromPercent) * done / total;
    // A bar that only moves when its value changes keeps the windows from redrawing for nothing.
    if (percent != shown) progress.SetProgress(shown = percent);
  });
  programmer.EndTransfer();
  return CompareImages(image, actual);
}

void VerifyWrittenImage(Programmer& programmer, const ProgrammingImage& image, LogSink& log, ProgressSink& progress,
                        int fromPercent) {
  log.AddTextLine("");
  log.AddTextLine("Verifying ...");
  const std::vector<ByteDifference> differences = ReadBackAndCompare(programmer, image, progress, fromPercent);
  if (differences.empty()) {
    log.AddTextLine("... " + std::to_string(image.ByteCount()) + " bytes verified.");
    return;
  }
  log.AddTextLine("... " + DifferenceCount(differences.size(), image.ByteCount()) + ":");
  for (const ByteDifference& difference : differences) log.AddTextLine("    " + DifferenceLine(difference));
  RaiseVerifyFailure(differences);
}

std::string DifferenceLine(const ByteDifference& difference) {
  return "$" + HexPadded(difference.address, 4) + " " + SymbolText(difference.place, difference.symbol) + ": written " +
         ByteValue(difference.expected) + ", read " + ByteValue(difference.actual);
}

std::string DifferenceCount(std::size_t differing, std::size_t compared) {
  return std::to_string(differing) + " of " + std::to_string(compared) +
         (differing == 1 ? " bytes differs" : " bytes differ");
}

void RaiseVerifyFailure(const std::vector<ByteDifference>& differences) {
  std::string lines;
  for (const ByteDifference& difference : differences) {
    if (!lines.empty()) lines += "\r\n";
    lines += DifferenceLine(difference);
  }
  RaiseError(ErrVerify, lines);
}

std::string ErrorTextWithDifferences(const AppError& error) {
  std::string text = GetErrorMessage(error.Number(), error.Description());
  if (error.Number() == ErrVerify && !error.Description().empty()) text += "\r\n\r\n" + error.Description();
  return text;
}

int WritingShare(const ProgrammingImage& image) {
  int writing = kHandshakeCharacters + kEndRecordCharacters;
  for (const ImageBlock& block : image.blocks)
    writing += kRecordFrameCharacters + 2 * static_cast<int>(block.symbols.size());
  const int reading = kHandshakeCharacters + kWordReadCharacters * WordReadCount(image) + kEndOfReadCharacters;
  return (200 * writing + writing + reading) / (2 * (writing + reading));  // rounded to the nearest percent
}

}  // namespace curvedesk
