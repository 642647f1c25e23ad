#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RecoveryFixture.h"
#include "core/recovery/RecoveryKeeper.h"
#include "support/graph/RecordingPrompter.h"

namespace curvedesk {
namespace {

using namespace std::chrono_literals;

// The timer as the keeper sees it; the test says when it runs out.
class ManualTimer : public RecoveryTimer {
 public:
  void Start(std::chrono::milliseconds delay) override {
    running = true;
    lastDelay = delay;
    ++starts;
  }
  void Stop() override { running = false; }

  bool running = false;
  std::chrono::milliseconds lastDelay{0};
  int starts = 0;
};

class RecoveryKeeperTest : public ::testing::Test {
 protected:
  RecoveryKeeperTest() { document.Open(testing::TwoStateCurve(), "/curves/race.crv"); }

  // The timer runs out, as the event loop would make it.
  void RunOut() {
    ASSERT_TRUE(timer.running);
    timer.running = false;
    keeper.TimerFired();
  }
  bool CopyExists() const {
    return std::filesystem::exists(PathFromUtf8(files.curve)) || std::filesystem::exists(PathFromUtf8(files.info));
  }
  RecoveredCurve Copy() const { return ReadRecoveryCopy(files, testing::InstalledIgnitions(), MakeDefaultGraph()); }

  testing::TempDir dir;
  CurveDocument document{MakeDefaultGraph(), {testing::WriteLimits(dir), Edition::Full}};
  ManualTimer timer;
  testing::RecordingPrompter prompter;
  RecoveryCopyFiles files = RecoveryFilesOf(dir.File("recovery"), "curvedesk-20250131-130509-4242");
  std::int64_t now = 1738328709;
  RecoveryKeeper keeper{document, timer, files, prompter, [this] { return now; }};
};

TEST_F(RecoveryKeeperTest, ABurstOfChangesIsWrittenOnceWhenTheTimerRunsOut) {
  std::filesystem::create_directories(dir.Path() / "recovery");
  EXPECT_FALSE(timer.running) << "an opened file has nothing unsaved";

  const auto drag = document.BeginGesture();
  for (int angle = 20; angle <= 30; ++angle) document.MoveNode(1, 4, 2100, angle, drag);
  document.ShowState(1);
  document.SetNote("rain", document.BeginGesture());
  EXPECT_EQ(timer.starts, 13) << "every change starts the timer again";
  EXPECT_LE(timer.lastDelay, 2000ms);
  EXPECT_FALSE(CopyExists()) << "nothing is written before the changes pause";

  now += 5;
  RunOut();
  const RecoveredCurve copy = Copy();
  EXPECT_TRUE(copy.curve == document.Curve());
  EXPECT_EQ(copy.info.fileName, "/curves/race.crv");
  EXPECT_EQ(copy.info.shownState, 1);
  EXPECT_EQ(copy.info.savedAt, now);
  EXPECT_TRUE(prompter.messages.empty());

  // Nothing that the copy holds changes: nothing is written.
  const int starts = timer.starts;
  { CurveDocument::Job job(document); }
  document.ShowState(1);
  EXPECT_EQ(timer.starts, starts);
  EXPECT_FALSE(timer.running);

  // The sensor state shown alone is worth a new copy.
  document.ShowState(0);
  RunOut();
  EXPECT_EQ(Copy().info.shownState, 0);
}

TEST_F(RecoveryKeeperTest, ANewCurveIsKeptWithoutAFileName) {
  std::filesystem::create_directories(dir.Path() / "recovery");
  document.Open(testing::TwoStateCurve(), "", true);
  RunOut();
  EXPECT_EQ(Copy().info.fileName, "");
}

// Each way the unsaved changes end, and the copy with them.
TEST_F(RecoveryKeeperTest, TheCopyGoesWhenNoUnsavedChangesRemain) {
  std::filesystem::create_directories(dir.Path() / "recovery");
  const struct {
    const char* how;
    std::function<void()> end;
  } cases[] = {
      {"saved", [&] { document.MarkSaved("/curves/other.crv"); }},
      {"closed without saving", [&] { document.Close(); }},
      {"another file opened without saving", [&] { document.Open(testing::TwoStateCurve(), "/curves/b.crv"); }},
      {"undone to the saved point",
       [&] {
         document.Undo();
         document.Undo();
       }},
      {"the program ended normally", [&] { keeper.Discard(); }},
  };
  for (const auto& c : cases) {
    document.Open(testing::TwoStateCurve(), "/curves/race.crv");
    document.SetRevLimit(8000);
    RunOut();
    ASSERT_TRUE(CopyExists()) << c.how;
    document.SetRevLimit(8500);
    c.end();
    EXPECT_FALSE(CopyExists()) << c.how;
    EXPECT_FALSE(timer.running) << c.how << ": the change waiting to be written is not";
  }

  // After a normal end nothing is written again.
  document.Open(testing::TwoStateCurve(), "/curves/race.crv");
  document.SetRevLimit(8000);
  EXPECT_FALSE(timer.running);
  EXPECT_TRUE(keeper.WriteNow());
  EXPECT_FALSE(CopyExists());
}

TEST_F(RecoveryKeeperTest, ACopyThatCannotBeWrittenIsToldOnce) {
  dir.Write("recovery", "a file where the folder should be");
  document.SetRevLimit(8000);
  RunOut();
  document.SetRevLimit(8500);
  EXPECT_FALSE(keeper.WriteNow());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].title, kRecoveryTitle);
  EXPECT_NE(prompter.messages[0].text.find(files.curve), std::string::npos) << prompter.messages[0].text;
  EXPECT_NE(prompter.messages[0].text.find("Save your curve"), std::string::npos);
}

}  // namespace
}  // namespace curvedesk
