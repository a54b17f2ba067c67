#pragma once

#include "disc_doubles.h"
#include "playback/playback_fixture.h"

#include "discs/discs.h"
#include "discs/mount_table.h"
#include "playlist/playlist_entries.h"

#include <QDir>
#include <QFile>

// The window's model with the optical drives on test doubles: a drive
// list, a mount table file in the temporary folder, a scripted mounter,
// and the scripted CD command device.
struct DiscFixture : PlaybackFixture {
    DiscFixture()
    {
        form.dedaoguangqu = [this] { discs.dedaoguangqu(); };
        form.bofangguangpan1_Click = [this](int Index) { discs.bofangguangpan1_Click(Index); };
        form.tankai1_Click = [this](int Index) { discs.tankai1_Click(Index); };
        form.guanshang1_Click = [this](int Index) { discs.guanshang1_Click(Index); };
        writeMountTable();
    }

    void setDrives(const QStringList& devices)
    {
        drives.listed = devices;
        form.dedaoguangqu();
    }
    // A disc's folder tree: files given by their paths under the disc's root.
    QString disc(const QString& name, const QStringList& files)
    {
        const QString root = dir.filePath(name);
        QDir().mkpath(root);
        for (const QString& file : files) {
            QDir().mkpath(QFileInfo(root + '/' + file).path());
            QFile out(root + '/' + file);
            if (out.open(QIODevice::WriteOnly))
                out.write("disc");
        }
        return root;
    }
    // Makes the mount table show the device mounted on root.
    void mountAt(const QString& device, const QString& root)
    {
        mounted << QStringLiteral("%1 1 11:0 / %2 ro,nosuid,nodev - iso9660 %3 ro")
                       .arg(mounted.size() + 40)
                       .arg(QString(root).replace(' ', "\\040"), device);
        writeMountTable();
    }
    void writeMountTable()
    {
        QFile table(mountTablePath);
        if (table.open(QIODevice::WriteOnly))
            table.write(("25 1 8:1 / / rw - ext4 /dev/sda1 rw\n" + mounted.join('\n') + '\n').toUtf8());
    }
    QStringList entries() const { return PlaylistEntries::fullPaths(form.liebiao, form.state.entry_dirs); }

    QString mountTablePath = dir.filePath("mountinfo");
    QStringList mounted;
    ListedDrives drives;
    MountTable mounts{mountTablePath};
    ScriptedMounter mounter;
    Discs discs{form, drives, mounts, mounter};
};
