#include "platform/shell/command_line_info.h"

void CCommandLineInfo::ParseParam(const char* param, bool flag, bool) {
  if (flag) return;  // no flags of the framework's own are used here
  if (m_strFileName.empty()) {
    m_strFileName = param;
    m_nShellCommand = FileOpen;
  }
}
