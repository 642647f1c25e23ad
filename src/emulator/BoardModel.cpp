#include "emulator/BoardModel.h"

#include <cctype>
#include <utility>

#include "core/common/Utils.h"

namespace curvedesk::board {

namespace {

constexpr std::string_view kWakeUp = "@&$";
constexpr int kDataRecord = 0x00;
constexpr int kEndOfFileRecord = 0x01;

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

unsigned HexAt(std::string_view text, std::size_t position, std::size_t digits) {
  return static_cast<unsigned>(std::stoul(std::string(text.substr(position, digits)), nullptr, 16));
}

}  // namespace

BoardModel::BoardModel(BoardOptions options, BoardMemory memory)
    : options_(std::move(options)), memory_(std::move(memory)) {}

void BoardModel::Answer(AnswerKind kind, std::string text, std::chrono::milliseconds delay,
                        std::vector<BoardAnswer>& answers) const {
  if ((options_.faults.garbageBefore & kind) != 0) text.insert(0, options_.faults.garbage);
  answers.push_back({delay, std::move(text)});
}

void BoardModel::Receive(char c, std::vector<BoardAnswer>& answers) {
  if (linkDropped_ || options_.faults.silent) return;

  lastThree_ += c;
  if (lastThree_.size() > kWakeUp.size()) lastThree_.erase(0, 1);
  if (lastThree_ == kWakeUp) {
    state_ = State::Identified;
    request_.clear();
    starPrefix_ = false;
    Answer(kIdentifyAnswer, options_.identifyAnswer, {}, answers);
    return;
  }

  switch (state_) {
    case State::Idle:
      return;
    case State::Identified:
      if (c == '>') {
        state_ = State::Write;
        recordInTransfer_ = 0;
        Answer(kReadyAnswer, "+", options_.faults.slowReady, answers);
      } else if (c == '<') {
        state_ = State::Read;
        wordsInTransfer_ = 0;
      }
      return;
    case State::Write:
      ReceiveInWrite(c, answers);
      return;
    case State::Read:
      ReceiveInRead(c, answers);
      return;
  }
}

void BoardModel::ReceiveInWrite(char c, std::vector<BoardAnswer>& answers) {
  if (c == '@') {  // never part of a record: the host is starting over with a wake-up
    state_ = State::Idle;
    request_.clear();
    return;
  }
  if (request_.empty()) {
    if (c == '*') starPrefix_ = true;
    if (c == ':') request_ = ":";
    return;  // line ends and other characters between records carry nothing
  }
  if (!IsHexDigit(c)) {
    request_.clear();
    starPrefix_ = false;
    answers.push_back({{}, "-"});
    return;
  }
  request_ += c;
  if (request_.size() < 3) return;
  const std::size_t length = 11 + 2 * HexAt(request_, 1, 2);
  if (request_.size() == length) FinishRecord(answers);
}

void BoardModel::FinishRecord(std::vector<BoardAnswer>& answers) {
  const std::string record = std::exchange(request_, {});
  const BoardMemory::Space space = CurrentSpace();
  starPrefix_ = false;
  ++recordInTransfer_;

  unsigned sum = 0;
  std::vector<std::uint8_t> bytes;
  for (std::size_t position = 1; position < record.size(); position += 2) {
    bytes.push_back(static_cast<std::uint8_t>(HexAt(record, position, 2)));
    sum += bytes.back();
  }
  if (sum % 256 != 0 || options_.faults.rejectRecord == recordInTransfer_) {
    answers.push_back({{}, std::string(1, sum % 256 != 0 ? '-' : options_.faults.rejectWith)});
    return;
  }

  const int type = bytes[3];
  if (type == kEndOfFileRecord) {
    state_ = State::Idle;
    if (!options_.faults.noEndAnswer) Answer(kEndAnswer, "@", options_.storingDelay, answers);
    return;
  }
  if (type == kDataRecord) {
    const auto address = static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
    memory_.Store(space, address, std::span(bytes).subspan(4, bytes[0]));
    StoreWronglyIfAsked(space, address, bytes[0]);
    ++recordsStored_;
    if (options_.faults.dropAfterRecord == recordInTransfer_) {
      linkDropped_ = true;
      return;
    }
  }
  Answer(kReadyAnswer, "+", options_.storingDelay + options_.faults.slowReady, answers);
}

void BoardModel::Replug() {
  linkDropped_ = false;
  options_.faults.dropAfterRecord = 0;
  state_ = State::Idle;
  lastThree_.clear();
  request_.clear();
  starPrefix_ = false;
}

void BoardModel::ReceiveInRead(char c, std::vector<BoardAnswer>& answers) {
  if (c == '@') {
    state_ = State::Idle;
    request_.clear();
    return;
  }
  if (request_.empty()) {
    if (c == '*') starPrefix_ = true;
    if (c == ':') request_ = ":";
    return;
  }
  if (!IsHexDigit(c)) {
    request_.clear();
    starPrefix_ = false;
    return;
  }
  request_ += c;
  if (request_.size() < 5) return;

  const auto address = static_cast<std::uint16_t>(HexAt(request_, 1, 4));
  const BoardMemory::Space space = CurrentSpace();
  const std::uint8_t at = memory_.Get(space, address);
  const std::uint8_t after = memory_.Get(space, static_cast<std::uint16_t>(address + 1));
  // The plain space answers the byte at the address first, the "*" space the byte after it.
  const std::uint8_t first = space == BoardMemory::kPlain ? at : after;
  const std::uint8_t second = space == BoardMemory::kPlain ? after : at;
  request_.clear();
  starPrefix_ = false;
  const int silentAfter = options_.faults.silentAfterWords;
  if (silentAfter > 0 && ++wordsInTransfer_ > silentAfter) return;
  Answer(kWordAnswer, HexPadded(first, 2) + HexPadded(second, 2), {}, answers);
}

void BoardModel::StoreWronglyIfAsked(BoardMemory::Space space, std::uint16_t address, std::size_t count) {
  const auto& corrupt = options_.faults.corruptAt;
  if (space != BoardMemory::kPlain || !corrupt || static_cast<std::uint16_t>(*corrupt - address) >= count) return;
  memory_.Set(space, *corrupt, static_cast<std::uint8_t>(memory_.Get(space, *corrupt) ^ 0x01));
}

}  // namespace curvedesk::board
