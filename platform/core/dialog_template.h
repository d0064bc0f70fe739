#pragma once
// The dialog-template format: dialog layouts as data, in dialog units: a
// horizontal unit is a quarter of the dialog font's average character width, a
// vertical unit an eighth of its height.

#include <span>

struct DluRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class DialogControlKind { icon, staticText, pushButton };

struct DialogControl {
  DialogControlKind kind = DialogControlKind::staticText;
  const char* text = nullptr;  // label of texts and buttons
  unsigned iconId = 0;         // icon shown by an icon control
  int id = -1;                 // -1 for controls nobody addresses
  DluRect rect;
  bool noPrefix = false;       // "&" is shown as is, not as a mnemonic
  bool defaultButton = false;  // Enter presses it
  bool group = false;          // starts a group for arrow-key navigation
};

struct DialogTemplate {
  unsigned id = 0;
  const char* caption = nullptr;
  DluRect rect;
  bool popup = false;
  bool modalFrame = false;
  bool hasCaption = false;
  bool systemMenu = false;
  const char* fontName = nullptr;
  int fontPointSize = 0;
  std::span<const DialogControl> controls;
};
