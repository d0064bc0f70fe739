// The command line as a Linux user writes it: help and version, the
// toolkit's options left to it, one file at most, and a clear refusal of
// anything else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/quoted_text.h"
#include "platform/shell/shell_options.h"

namespace {

using Action = ShellOptions::Action;
using Args = std::vector<std::string>;

TEST(ShellOptionsTest, HelpAndVersionWinWhereverTheyStand) {
  for (const Args& args : {Args{"--help"}, Args{"-h"}, Args{"file.kor", "--help"}, Args{"-geometry", "9x9", "-h"}}) {
    EXPECT_EQ(ParseShellOptions(args).action, Action::help) << args.back();
  }
  for (const Args& args : {Args{"--version"}, Args{"-v"}, Args{"a", "--version"}}) {
    EXPECT_EQ(ParseShellOptions(args).action, Action::version);
  }
  // After "--" they are file names.
  const ShellOptions named = ParseShellOptions({"--", "--help"});
  EXPECT_EQ(named.action, Action::run);
  EXPECT_EQ(named.programArgs, (Args{"--", "--help"}));
}

TEST(ShellOptionsTest, TheToolkitsOptionsAndTheirValuesAreNotFiles) {
  const ShellOptions options =
      ParseShellOptions({"-platform", "offscreen", "--geometry", "640x480+0+0", "-reverse", "-style=fusion",
                         "-display", ":1", "city.kor", "-qwindowtitle", "title.kor"});
  EXPECT_EQ(options.action, Action::run);
  EXPECT_EQ(options.programArgs, Args{"city.kor"});
  EXPECT_TRUE(ParseShellOptions({}).programArgs.empty());
}

TEST(ShellOptionsTest, FileNamesKeepTheirBytesAndADashIsProtected) {
  const std::string odd = "new\nline \xe9.kor";
  EXPECT_EQ(ParseShellOptions({odd}).programArgs, Args{odd});
  EXPECT_EQ(ParseShellOptions({"-"}).programArgs, Args{"-"});
  EXPECT_EQ(ParseShellOptions({"--", "-dash.kor"}).programArgs, (Args{"--", "-dash.kor"}));
}

TEST(ShellOptionsTest, RefusesWhatItCannotUseInOneLine) {
  struct Case {
    Args args;
    const char* error;
  };
  const std::vector<Case> cases = {
      {{"--bogus"}, "unknown option '--bogus' (try --help)"},
      {{"-x"}, "unknown option '-x' (try --help)"},
      {{"--help=yes"}, "unknown option '--help=yes' (try --help)"},
      {{"a.kor", "b.kor"}, "only one FILE may be given (try --help)"},
      {{"-geometry"}, "option '-geometry' needs a value"},
  };
  for (const Case& c : cases) {
    const ShellOptions options = ParseShellOptions(c.args);
    EXPECT_EQ(options.action, Action::error) << c.args.front();
    EXPECT_EQ(options.error, c.error);
    EXPECT_EQ(options.error.find('\n'), std::string::npos);
  }
}

TEST(QuotedTextTest, EveryControlCharacterShowsAsAQuestionMarkAndNothingElseChanges) {
  std::string controls;
  for (int c = 0x00; c < 0x20; ++c) controls += static_cast<char>(c);
  controls += '\x7f';
  EXPECT_EQ(Quoted(controls), "'" + std::string(33, '?') + "'");
  EXPECT_EQ(Quoted(""), "''");
  EXPECT_EQ(Quoted("a b~ 09 !/"), "'a b~ 09 !/'");
  const std::string utf8 = "Stra\xc3\x9f" "e \xe2\x82\xac \xf0\x9f\x8f\x99";  // Straße € and a city
  EXPECT_EQ(Quoted(utf8), "'" + utf8 + "'");
}

TEST(ShellOptionsTest, HelpAndVersionTexts) {
  const std::string help = ShellHelpText("kortalwind");
  EXPECT_EQ(help.rfind("Usage: kortalwind [OPTION]... [FILE]\n", 0), 0u);
  EXPECT_NE(help.find("--version"), std::string::npos);
  EXPECT_EQ(help.back(), '\n');
  EXPECT_EQ(ShellVersionText(), "korTalwind 1.0.0.1\n");
}

}  // namespace
