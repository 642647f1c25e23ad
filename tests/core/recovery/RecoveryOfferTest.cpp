#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "RecoveryFixture.h"
#include "core/recovery/RecoveryOffer.h"

namespace curvedesk {
namespace {

using Answer = Prompter::Answer;

// Answers from a script (OK for plain messages) and keeps what was asked.
class ScriptedAnswers : public Prompter {
 public:
  Answer Ask(const std::string& title, const std::string& text, Icon, Buttons buttons) override {
    asked.push_back({title, text, buttons});
    if (buttons == Buttons::Ok) return Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  struct Question {
    std::string title;
    std::string text;
    Buttons buttons;
  };
  std::deque<Answer> answers;
  std::vector<Question> asked;
};

class RecoveryOfferTest : public ::testing::Test {
 protected:
  // A copy with the curve's note naming it, written at the given time.
  std::string WriteCopy(const std::string& id, std::int64_t savedAt, const std::string& fileName) {
    const std::string stem = "curvedesk-" + id;
    CurveData curve = testing::TwoStateCurve();
    curve.Graphs[0].GraphInfo = stem;
    WriteRecoveryCopy(RecoveryFilesOf(dir.File(""), stem), curve, {fileName, 0, savedAt});
    return stem;
  }
  std::vector<LeftCopy> Read(const std::vector<std::string>& stems) {
    return ReadLeftCopies(dir.File(""), stems, testing::InstalledIgnitions(), MakeDefaultGraph(), prompter);
  }

  testing::TempDir dir;
  ScriptedAnswers prompter;
};

TEST_F(RecoveryOfferTest, CopiesAreReadNewestFirstAndADamagedOneIsToldOnceAndSetAside) {
  const std::string older = WriteCopy("20250130-090000-11", 1738227600, "/curves/a.crv");
  const std::string newest = WriteCopy("20250131-090000-12", 1738314000, "");
  const std::string middle = WriteCopy("20250130-190000-13", 1738263600, "/curves/b.crv");
  const std::string damaged = WriteCopy("20250129-090000-14", 1738141200, "/curves/c.crv");
  dir.Write(damaged + ".ini", "[RECOVERY]\r\nShownState=0\r\n");
  const std::string lockOnly = "curvedesk-20250128-090000-15";
  dir.Write(lockOnly + ".lock", "15");

  const std::vector<LeftCopy> copies = Read({older, newest, middle, damaged, lockOnly});
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_EQ(copies[0].recovered.curve.Graphs[0].GraphInfo, newest);
  EXPECT_EQ(copies[1].recovered.curve.Graphs[0].GraphInfo, middle);
  EXPECT_EQ(copies[2].recovered.curve.Graphs[0].GraphInfo, older);
  EXPECT_EQ(copies[1].files.curve, dir.File(middle + ".crv"));

  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, kRecoveryTitle);
  const std::string& told = prompter.asked[0].text;
  EXPECT_NE(told.find(dir.File(damaged + "-damaged.crv")), std::string::npos) << told;
  EXPECT_NE(told.find("File Error"), std::string::npos) << "says why: " << told;
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / (damaged + ".ini")));

  prompter.asked.clear();
  EXPECT_EQ(Read({older, newest, middle, damaged, lockOnly}).size(), 3u);
  EXPECT_TRUE(prompter.asked.empty()) << "told once";
}

// The answers given, which copy is restored and which are discarded.
TEST_F(RecoveryOfferTest, CopiesAreOfferedOneByOneUntilOneIsRestored) {
  const struct {
    std::deque<Answer> answers;
    std::optional<std::size_t> restored;
    std::vector<std::size_t> discarded;
  } cases[] = {
      {{Answer::Yes}, 0, {}},
      {{Answer::No, Answer::Yes}, 1, {0}},
      {{Answer::No, Answer::No, Answer::No}, std::nullopt, {0, 1, 2}},
      {{Answer::No, Answer::Cancel}, std::nullopt, {0}},
  };
  const std::vector<LeftCopy> copies = Read({WriteCopy("20250131-090000-1", 1738314000, "/curves/race.crv"),
                                             WriteCopy("20250130-090000-2", 1738227600, ""),
                                             WriteCopy("20250129-090000-3", 1738141200, "/curves/old.crv")});
  for (const auto& c : cases) {
    prompter.asked.clear();
    prompter.answers = c.answers;
    std::vector<std::size_t> discarded;
    const auto restored = OfferLeftCopies(prompter, copies, [&](const LeftCopy& copy) {
      discarded.push_back(static_cast<std::size_t>(&copy - copies.data()));
    });
    EXPECT_EQ(restored, c.restored);
    EXPECT_EQ(discarded, c.discarded);
    ASSERT_EQ(prompter.asked.size(), c.answers.size());
    for (std::size_t i = 0; i < prompter.asked.size(); ++i) {
      EXPECT_EQ(prompter.asked[i].title, kRestoreTitle);
      EXPECT_EQ(prompter.asked[i].text, RestoreQuestion(copies[i].recovered.info));
      EXPECT_EQ(prompter.asked[i].buttons, Prompter::Buttons::YesNo);
    }
  }
}

}  // namespace
}  // namespace curvedesk
