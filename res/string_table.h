#pragma once
// The string table: captions, the document template string, the status-bar
// indicators and the command prompts. A prompt holding a newline has the
// status-bar text before it and the tool-tip text after it.

// The string with this id, or nullptr when the table has none.
const char* LoadResourceString(unsigned id);
