#pragma once
// Platform-internal: once an X11 window that held ours is destroyed, the
// toolkit's last requests about our window fail as it ends. Those failures
// are expected and not worth a line on stderr; other messages still pass.

void ExpectErrorsAboutGoneWindows();
