#pragma once
// What the layers below the application object need of it: its title, and
// the command target that ends every command route.

class CCmdTarget;

// The name the application object was made with, or else the string table's title.
const char* AfxGetAppName();
// The application object names itself; null or empty falls back to the string table.
void SetAppName(const char* name);

// The application object as a command target, or null.
CCmdTarget* AppCommandTarget();
void SetAppCommandTarget(CCmdTarget* app);
