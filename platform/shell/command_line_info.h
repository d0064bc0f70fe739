#pragma once
// What the command line asks for, filled one argument at a time.

#include <string>

class CCommandLineInfo {
 public:
  enum ShellCommand { FileNew, FileOpen, FileNothing };

  virtual ~CCommandLineInfo() = default;
  // param without its leading '-' when flag is true.
  virtual void ParseParam(const char* param, bool flag, bool last);

  ShellCommand m_nShellCommand = FileNew;
  std::string m_strFileName;
};
