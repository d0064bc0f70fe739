#pragma once
// The menu format: menu bars as data, drop-down menus of items. The text after
// a tab in an item is the accelerator hint shown right-aligned; "&" marks the
// mnemonic.

#include <span>

struct MenuItem {
  const char* text = nullptr;  // nullptr marks a separator
  unsigned command = 0;

  constexpr bool IsSeparator() const { return text == nullptr; }
};

struct MenuPopup {
  const char* text = nullptr;
  std::span<const MenuItem> items;
};

struct MenuResource {
  unsigned id = 0;
  std::span<const MenuPopup> popups;
};
