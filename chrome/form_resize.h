#pragma once

class Form1;

// The main window's resize step, run on every change of its size or state:
// clears hover highlights, offers the floating toolbar when minimized,
// repaints the skin when the size changed and remembers the state to
// restore from the tray (the last one other than minimized).
void formResize(Form1& form);
