#pragma once
// Platform-internal: an open menu and a toolbar being dragged each run a
// loop of their own, as a modal dialog does, so the application's loop and
// the animation it drives stand still until the menu closes or the mouse
// button is let go. Covers drop-downs of the menu bar opened by mouse or
// keyboard, their submenus and context menus (any open pop-up), and a press
// on a movable toolbar's handle, where a drag to another side or out to
// float starts. The menu bar merely highlighted from the keyboard, with no
// drop-down open, does not hold the loop. A posted quit message ends it.

// Starts watching the application object's menus and toolbars; more calls for
// the same application object change nothing.
void EnableTrackingLoops();
