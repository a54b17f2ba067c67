#pragma once

#include "doubles/plain_controls.h"

// The main window's model on plain controls, for the chrome's parts.
struct ChromeFixture : PlainControls<> {
    Form1 form{controls()};
};
