#include "cli/TerminalJob.h"

#include <gtest/gtest.h>

#include <sstream>

namespace curvedesk::cli {
namespace {

TEST(TerminalProgress, DrawsOnlyOnATerminalAndStepsAsideForLogLines) {
  for (bool terminal : {true, false}) {
    std::ostringstream out;
    std::ostringstream err;
    {
      TerminalProgress progress(err, terminal);
      StreamLog log(out, progress);
      log.AddTextLine("before any progress");
      progress.SetProgress(50);
      log.AddTextLine("line\r\nwith a break");
      progress.SetProgress(100);
    }
    EXPECT_EQ(out.str(), "before any progress\nline\nwith a break\n");
    if (!terminal) {
      EXPECT_EQ(err.str(), "");
      continue;
    }
    const std::string half = "\r[" + std::string(20, '#') + std::string(20, ' ') + "] 50%";
    const std::string blank = "\r" + std::string(48, ' ') + "\r";
    const std::string full = "\r[" + std::string(40, '#') + "] 100%";
    EXPECT_EQ(err.str(), half + blank + half + full + "\n");
  }
}

TEST(CliPrompter, ErrorsToTheErrorStreamAndConfirmationsTakenAsOk) {
  std::ostringstream out;
  std::ostringstream err;
  CliPrompter prompter(out, err);
  EXPECT_EQ(prompter.Ask("Program Ignition", "This will program ...", Prompter::Icon::Warning,
                         Prompter::Buttons::OkCancel),
            Prompter::Answer::Ok);
  prompter.Tell("", "Ignition programmed successfully", Prompter::Icon::None);
  EXPECT_FALSE(prompter.ErrorShown());
  prompter.Tell("Error", "Incorrect Password", Prompter::Icon::Warning);
  EXPECT_TRUE(prompter.ErrorShown());
  EXPECT_EQ(out.str(), "Ignition programmed successfully\n");
  EXPECT_EQ(err.str(), "curvedesk-cli: Incorrect Password\n");
}

}  // namespace
}  // namespace curvedesk::cli
