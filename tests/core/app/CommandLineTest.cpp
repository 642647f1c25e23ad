#include <gtest/gtest.h>

#include "core/app/CommandLine.h"

namespace curvedesk {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, RegistrationSwitchesTakeTheControlFilesInAnyLetterCase) {
  struct Case {
    std::vector<std::string> words;
    Action action;
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {{"/reg", "a.ocx", "b.ocx"}, Action::RegisterControls, {"a.ocx", "b.ocx"}},
      {{"/REG"}, Action::RegisterControls, {}},
      {{"/UnReg", "c.ocx"}, Action::UnregisterControls, {"c.ocx"}},
  };
  for (const Case& c : cases) {
    const CommandLine parsed = ParseCommandLine(c.words);
    EXPECT_EQ(parsed.action, c.action) << c.words.front();
    EXPECT_EQ(parsed.controlFiles, c.files) << c.words.front();
    EXPECT_EQ(parsed.startupFile, "") << c.words.front();
  }
}

TEST(CommandLineTest, AnythingElseIsOneCurveFileKeepingAllItsCharacters) {
  struct Case {
    std::vector<std::string> words;
    std::string startupFile;
  };
  const Case cases[] = {
      {{}, ""},
      {{"\"/home/me/My Curves/race.crv\""}, "/home/me/My Curves/race.crv"},
      // Unquoted paths keep their first and last characters.
      {{"/home/me/race.crv"}, "/home/me/race.crv"},
      // A path the shell split at its blanks is put back together.
      {{"/home/me/My", "Curves/race.crv"}, "/home/me/My Curves/race.crv"},
      {{"\"/tmp/a", "b.crv\""}, "/tmp/a b.crv"},
      // Only a matching pair of quotes is removed.
      {{"\"/tmp/odd.crv"}, "\"/tmp/odd.crv"},
      {{"/regional.crv"}, "/regional.crv"},
  };
  for (const Case& c : cases) {
    const CommandLine parsed = ParseCommandLine(c.words);
    EXPECT_EQ(parsed.action, Action::Run) << c.startupFile;
    EXPECT_EQ(parsed.startupFile, c.startupFile);
    EXPECT_EQ(parsed.compareFile, "") << c.startupFile;
  }
}

TEST(CommandLineTest, CompareIsAnOptionOnlyAsTheLastWordButOneAfterAFile) {
  struct Case {
    std::vector<std::string> words;
    std::string startupFile;
    std::string compareFile;
  };
  const Case cases[] = {
      {{"new.crv", "--compare", "old.crv"}, "new.crv", "old.crv"},
      {{"/home/me/My", "Curves/new.crv", "--compare", "\"/tmp/shipped.crv\""},
       "/home/me/My Curves/new.crv",
       "/tmp/shipped.crv"},
      // Any other command line is still one path.
      {{"--compare", "old.crv"}, "--compare old.crv", ""},
      {{"new.crv", "--compare"}, "new.crv --compare", ""},
      {{"new.crv", "--compare", "old.crv", "more"}, "new.crv --compare old.crv more", ""},
      {{"new.crv", "--COMPARE", "old.crv"}, "new.crv --COMPARE old.crv", ""},
  };
  for (const Case& c : cases) {
    const CommandLine parsed = ParseCommandLine(c.words);
    EXPECT_EQ(parsed.action, Action::Run) << c.startupFile;
    EXPECT_EQ(parsed.startupFile, c.startupFile);
    EXPECT_EQ(parsed.compareFile, c.compareFile) << c.startupFile;
  }
}

}  // namespace
}  // namespace curvedesk
