// The programming image as a value: its layout, its symbols, and the rev limit job's image.
#include <gtest/gtest.h>

#include "core/common/AppError.h"
#include "core/ignition/CurveFixtures.h"
#include "core/ignition/CurveRecords.h"
#include "core/ignition/ImageVerification.h"
#include "core/ignition/ProgrammingImage.h"

namespace curvedesk {
namespace {

std::string ShippedTable() { return std::string(CURVEDESK_SOURCE_DATA_DIR) + "/tables.ini"; }

TEST(ProgrammingImage, CurveFillsTheCurveAreaWithSlotsInSlotOrder) {
  // Sensor 1 only: the slots get the graphs "2031", so slots 1 and 3 hold no sensor state.
  const ProgrammingImage image = BuildCurveImage(testing::TwoStateCurve(), TimingTable::Load(ShippedTable()));
  ASSERT_EQ(image.blocks.size(), 1u + 4u * 11u);
  EXPECT_EQ(image.ByteCount(), kCurveAreaSize);
  unsigned address = kCurveAreaAddress;
  for (const ImageBlock& block : image.blocks) {
    EXPECT_EQ(block.address, address);
    EXPECT_EQ(block.bytes.size(), block.symbols.size());
    address += static_cast<unsigned>(block.bytes.size());
  }
  EXPECT_EQ(address, kCurveAreaAddress + kCurveAreaSize);

  struct Expected {
    std::size_t block;
    BlockPlace place;
  };
  const Expected places[] = {
      {0, {}},
      {1, {.slot = 1, .node = -1, .sensorState = -1, .unusedSlot = true}},
      {12, {.slot = 2, .node = -1, .sensorState = 0}},
      {16, {.slot = 2, .node = 3, .sensorState = 0}},
      {34, {.slot = 4, .node = -1, .sensorState = 1}},
      {44, {.slot = 4, .node = 9, .sensorState = 1}},
  };
  for (const Expected& e : places) EXPECT_EQ(image.blocks[e.block].place, e.place) << "block " << e.block;
  EXPECT_EQ(image.blocks[16].symbols[4], "InitialSpark");
  EXPECT_EQ(image.blocks[1].bytes, std::vector<std::uint8_t>(14, 128)) << "an unused slot is all 128";
  EXPECT_EQ(CurveImageLayout(testing::TwoStateCurve()).blocks.size(), image.blocks.size());
}

TEST(ProgrammingImage, SymbolsNameTheSlotTheSensorStateAndTheNode) {
  struct Case {
    BlockPlace place;
    const char* symbol;
    const char* text;
  };
  const Case cases[] = {
      {{}, "TachStart", "TachStart"},
      {{.slot = 2, .node = -1, .sensorState = 0}, "REV", "slot 2 (sensor state 1) REV"},
      {{.slot = 4, .node = 3, .sensorState = 1}, "InitialSpark", "slot 4 (sensor state 2) node 3 InitialSpark"},
      {{.slot = 1, .node = 0, .sensorState = -1, .unusedSlot = true},
       "InitialSat",
       "slot 1 (unused) node 0 InitialSat"},
      {{.slot = 3}, "REV", "slot 3 REV"},  // the rev limit job does not know the sensor states
  };
  for (const Case& c : cases) EXPECT_EQ(SymbolText(c.place, c.symbol), c.text);
}

TEST(ProgrammingImage, RevLimitIsTheRevByteOfEverySlot) {
  const ProgrammingImage image = RevLimitImage(6000);
  ASSERT_EQ(image.blocks.size(), 4u);
  const std::uint16_t addresses[] = {0x0611, 0x066F, 0x06CD, 0x072B};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(image.blocks[i].address, addresses[i]);
    EXPECT_EQ(image.blocks[i].bytes, std::vector<std::uint8_t>{0x79});
    EXPECT_EQ(SymbolText(image.blocks[i].place, image.blocks[i].symbols[0]), "slot " + std::to_string(i + 1) + " REV");
  }
  EXPECT_THROW(RevLimitImage(12550), AppError);
  EXPECT_THROW(RevLimitImage(-50), AppError);
}

TEST(ProgrammingImage, ReadingBackTakesOneWordPerTwoBytes) {
  EXPECT_EQ(WordReadCount(CurveImageLayout(testing::TwoStateCurve())), 194);
  EXPECT_EQ(WordReadCount(RevLimitImage(6000)), 4) << "the four bytes lie apart";
  // Writing the curve takes 1339 characters both ways, reading it back 1757: 43 % of the bar.
  EXPECT_EQ(WritingShare(CurveImageLayout(testing::TwoStateCurve())), 43);
  // The rev limit: 79 characters written, 47 read.
  EXPECT_EQ(WritingShare(RevLimitImage(6000)), 63);
}

TEST(ProgrammingImage, ScaledProgressFitsTheWritingIntoItsShare) {
  class Recorder final : public ProgressSink {
   public:
    std::vector<int> values;
    void SetProgress(int percent) override { values.push_back(percent); }
  } whole;
  ScaledProgress writing(whole, 43);
  for (int percent : {0, 5, 10, 50, 95, 100}) writing.SetProgress(percent);
  EXPECT_EQ(whole.values, (std::vector<int>{0, 2, 4, 21, 40, 43}));
}

}  // namespace
}  // namespace curvedesk
