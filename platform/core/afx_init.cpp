#include "platform/core/afx_init.h"

namespace {
bool socketInitFails = false;
}

bool AfxSocketInit() { return !socketInitFails; }

void SetSocketInitFailsForTesting(bool fails) { socketInitFails = fails; }

void AfxEnableControlContainer() {}
