#pragma once

#include <QStringList>

// The computer's optical drives, by device path (/dev/sr0).
class OpticalDrives {
public:
    virtual ~OpticalDrives() = default;
    // Every drive the system knows, in its order; empty when there is none.
    virtual QStringList devices() = 0;
};

// The drives as libcdio finds them. The search opens each candidate
// device, which may block, so it runs off the window's thread.
class CdioOpticalDrives : public OpticalDrives {
public:
    QStringList devices() override;
};
