#pragma once

// On a Wayland session with XWayland, the program runs as an X11 client:
// the floating toolbar must place itself at the top edge of the screen,
// keep above other windows and see the pointer reach the top rows, none
// of which a Wayland client may do. A platform the user chose
// (QT_QPA_PLATFORM) is kept; without XWayland Qt's own choice stands.
// Call before the application object is made.
void preferXWaylandOnWayland();
