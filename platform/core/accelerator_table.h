#pragma once
// The accelerator-table format: keyboard accelerators as data. Keys are
// virtual-key codes: letters and digits are their upper-case character codes,
// the rest are named below.

#include <cstdint>
#include <span>

enum class VirtualKey : std::uint16_t {
  Back = 0x08,
  Insert = 0x2D,
  Delete = 0x2E,
  F6 = 0x75,
};

// The virtual-key code of a letter or digit key.
constexpr VirtualKey KeyOf(char upperCaseLetterOrDigit) {
  return VirtualKey(static_cast<std::uint16_t>(upperCaseLetterOrDigit));
}

struct Accelerator {
  VirtualKey key{};
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  unsigned command = 0;
};

struct AcceleratorTable {
  unsigned id = 0;
  std::span<const Accelerator> entries;
};
