#pragma once

#include <QString>

class DiscMounter;
class Form1;
class MenuArray;
class MountTable;
class OpticalDrives;

// The optical drives: the three drive submenus of the File menu, playing
// the disc in a drive, and opening and closing its tray.
//
// A drive's caption is its device path (/dev/sr0), used as it stands:
// device paths are case-sensitive, so the capitals a drive root is given
// elsewhere would name another file. It is also the drive of the CD
// command device and the folder part of the disc's track entries
// (/dev/sr0/Track01.cda).
class Discs {
public:
    Discs(Form1& form, OpticalDrives& drives, const MountTable& mounts, DiscMounter& mounter);

    // Fills the drive submenus, one item per drive at the same index.
    void dedaoguangqu();
    // Plays the disc in drive Index: a video CD, a DVD or an audio CD.
    void bofangguangpan1_Click(int Index);
    // Opens or closes the tray of drive Index.
    void tankai1_Click(int Index);
    void guanshang1_Click(int Index);

    static inline const QString NotADisc = QStringLiteral("  不是CD、VCD或DVD格式光盘,或光驱无光盘!");

private:
    // The caption of item index; empty when the menu has no such item.
    static QString captionOf(const MenuArray& menu, int index);
    void addDrive(const QString& caption);
    QString discListText(const QString& device);
    QString mountPoint(const QString& device);
    QString audioTrackListText(const QString& device);
    void stopWhenPlayingFrom(const QString& device);
    void releaseDevice();
    void openDevice();

    Form1& form_;
    OpticalDrives& drives_;
    const MountTable& mounts_;
    DiscMounter& mounter_;
    int driveCounter_ = 0;
    bool readingDisc_ = false;
};
