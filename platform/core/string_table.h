#pragma once
// The string-table format: captions, the document template string, the
// status-bar indicators and the command prompts. A prompt holding a newline
// has the status-bar text before it and the tool-tip text after it.

// One text shared by the ids first..last (a range serves numbered slots,
// such as the recent-file commands).
struct StringEntry {
  unsigned first = 0;
  unsigned last = 0;
  const char* text = nullptr;
};
