#pragma once
// The program's clock: milliseconds since system start, cut to 32 bits so
// that it wraps after about 49.7 days.

#include <cstdint>
#include <functional>

std::uint32_t GetTickCount();

// The system clock itself, whatever source GetTickCount has been given.
std::uint32_t SystemTickCount();

// Replaces the clock, for tests; an empty function puts the system clock back.
void SetTickCountSource(std::function<std::uint32_t()> source);
