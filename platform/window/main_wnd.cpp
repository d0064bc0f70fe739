#include "platform/window/main_wnd.h"

namespace {
CWnd** mainWndSlot = nullptr;
}

CWnd* AfxGetMainWnd() { return mainWndSlot ? *mainWndSlot : nullptr; }

void SetMainWnd(CWnd* wnd) {
  if (mainWndSlot != nullptr) *mainWndSlot = wnd;
}

void SetMainWndSlot(CWnd** slot) { mainWndSlot = slot; }

bool ForgetMainWnd(const CWnd* wnd) {
  if (mainWndSlot == nullptr || *mainWndSlot != wnd || wnd == nullptr) return false;
  *mainWndSlot = nullptr;
  return true;
}
