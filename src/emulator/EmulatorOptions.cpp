#include "emulator/EmulatorOptions.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

namespace curvedesk::board {

const char* const kEmulatorUsage =
    "usage: curvedesk-emulator [options]\n"
    "Runs a software ignition board on a pseudo-terminal and prints the terminal's path.\n"
    "  --baud N              characters cross at N baud, 10 bits each (default 19200; 0: no pacing)\n"
    "  --memory FILE         board memory file: loaded at start, saved after each job and at exit\n"
    "  --identify TEXT       identify answer: \"?\" or \"V\" + 4 characters + \"?\" (default V2.10?)\n"
    "  --storing-delay MS    time the board takes to store each record\n"
    "faults:\n"
    "  --silent              answer nothing\n"
    "  --reject K[:C]        reject record K of each write transfer with C (\"-\" or \"%\", default \"-\")\n"
    "  --garbage KINDS[:TEXT]  put TEXT (default ~#) before these answers: identify,ready,word,end\n"
    "  --no-end-answer       never answer the end record with \"@\"\n"
    "  --drop-after K        after storing record K of a write transfer the terminal goes away, as a\n"
    "                        USB adapter pulled out; the board comes back at once on a new terminal\n"
    "                        and its path is printed (the drop happens once)\n"
    "  --slow-ready MS       send every \"+\" MS milliseconds late\n"
    "  --corrupt-at ADDR     store the byte at plain address ADDR (hex, e.g. 0611) with its lowest bit flipped\n"
    "  --silent-after-words K  answer only the first K word reads of each read transfer\n";

namespace {

int ParseCount(const std::string& option, const std::string& text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
    throw std::runtime_error(option + " needs a whole number, not \"" + text + "\"");
  return value;
}

std::uint16_t ParseAddress(const std::string& option, const std::string& text) {
  std::string_view digits(text);
  if (digits.starts_with("0x") || digits.starts_with("0X")) digits.remove_prefix(2);
  unsigned value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value > 0xFFFF)
    throw std::runtime_error(option + " needs a hexadecimal address from 0 to FFFF, not \"" + text + "\"");
  return static_cast<std::uint16_t>(value);
}

unsigned ParseKinds(const std::string& kinds) {
  unsigned bits = 0;
  std::size_t start = 0;
  while (start <= kinds.size()) {
    const std::size_t comma = std::min(kinds.find(',', start), kinds.size());
    const std::string kind = kinds.substr(start, comma - start);
    if (kind == "identify")
      bits |= kIdentifyAnswer;
    else if (kind == "ready")
      bits |= kReadyAnswer;
    else if (kind == "word")
      bits |= kWordAnswer;
    else if (kind == "end")
      bits |= kEndAnswer;
    else
      throw std::runtime_error("--garbage: unknown answer kind \"" + kind + "\"");
    start = comma + 1;
  }
  return bits;
}

bool IsIdentifyAnswer(const std::string& text) {
  return text == "?" || (text.size() == 6 && text.front() == 'V' && text.back() == '?');
}

}  // namespace

EmulatorOptions ParseEmulatorOptions(const std::vector<std::string>& arguments) {
  EmulatorOptions options;
  BoardFaults& faults = options.board.faults;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= arguments.size()) throw std::runtime_error(option + " needs a value");
      return arguments[++i];
    };
    if (option == "--help" || option == "-h") {
      options.help = true;
    } else if (option == "--baud") {
      options.baud = ParseCount(option, value());
    } else if (option == "--memory") {
      options.memoryFile = value();
    } else if (option == "--identify") {
      options.board.identifyAnswer = value();
      if (!IsIdentifyAnswer(options.board.identifyAnswer))
        throw std::runtime_error("--identify must be \"?\" or \"V\" + 4 characters + \"?\"");
    } else if (option == "--storing-delay") {
      options.board.storingDelay = std::chrono::milliseconds(ParseCount(option, value()));
    } else if (option == "--silent") {
      faults.silent = true;
    } else if (option == "--reject") {
      const std::string& text = value();
      const std::size_t colon = text.find(':');
      faults.rejectRecord = ParseCount(option, text.substr(0, colon));
      if (colon != std::string::npos) {
        const std::string with = text.substr(colon + 1);
        if (with != "-" && with != "%") throw std::runtime_error("--reject: the answer must be \"-\" or \"%\"");
        faults.rejectWith = with.front();
      }
    } else if (option == "--garbage") {
      const std::string& text = value();
      const std::size_t colon = text.find(':');
      faults.garbageBefore = ParseKinds(text.substr(0, colon));
      if (colon != std::string::npos) faults.garbage = text.substr(colon + 1);
    } else if (option == "--no-end-answer") {
      faults.noEndAnswer = true;
    } else if (option == "--drop-after") {
      faults.dropAfterRecord = ParseCount(option, value());
    } else if (option == "--slow-ready") {
      faults.slowReady = std::chrono::milliseconds(ParseCount(option, value()));
    } else if (option == "--corrupt-at") {
      faults.corruptAt = ParseAddress(option, value());
    } else if (option == "--silent-after-words") {
      faults.silentAfterWords = ParseCount(option, value());
    } else {
      throw std::runtime_error("unknown option \"" + option + "\"");
    }
  }
  return options;
}

}  // namespace curvedesk::board
