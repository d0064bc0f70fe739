#pragma once
// The program's own command line, read before the window system starts so
// that --help and --version answer without a display. The toolkit's options
// (-platform, -geometry, -display, ...) are recognised and left to it.

#include <string>
#include <vector>

struct ShellOptions {
  enum class Action { run, help, version, error };
  Action action = Action::run;
  // The arguments the document commands read: at most one file name, and
  // a "--" before it when it starts with a dash.
  std::vector<std::string> programArgs;
  std::string error;  // one line, without the program's name
};

// args: the command line without the program's own name.
ShellOptions ParseShellOptions(const std::vector<std::string>& args);

// What --help and --version print; program is the name the user typed.
std::string ShellHelpText(const std::string& program);
std::string ShellVersionText();

// Exit status for a command line that cannot be used.
inline constexpr int kShellUsageStatus = 2;
