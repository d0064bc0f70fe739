#pragma once
// User input named in a one-line message.

#include <string>
#include <string_view>

// The text in single quotes, every control character (0x00 to 0x1f and 0x7f)
// shown as '?', so that the message stays on one line and moves no cursor.
// Other bytes, UTF-8 among them, are kept.
std::string Quoted(std::string_view text);
