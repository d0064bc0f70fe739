#pragma once
// Start-up services of the framework that this platform needs no work for.

// The sockets layer: nothing to set up here, so it succeeds unless a test
// asks it to fail.
bool AfxSocketInit();
void SetSocketInitFailsForTesting(bool fails);

// Controls hosting other components: nothing to enable here.
void AfxEnableControlContainer();
