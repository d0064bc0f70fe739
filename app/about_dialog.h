#pragma once
// The About box, laid out by dialog template 100.

#include "platform/window/dialog.h"

class CAboutDialog : public CDialog {
 public:
  CAboutDialog();
};
