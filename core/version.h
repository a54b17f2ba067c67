#pragma once

#include <QString>

// The version text: major, ".", then minor and revision each as a plain
// number (10, 9, 0 gives "10.90").
QString versionText(int major, int minor, int revision);

// This build's version text and the caption "璇音坊 " + version text.
QString appVersionText();
QString appCaption();
