#pragma once

#include "wiring/main_form.h"
#include "doubles/fake_media_player.h"
#include "doubles/plain_controls.h"
#include "doubles/fake_window_frame.h"
#include "doubles/scripted_dialogs.h"
#include "platform/no_drive_mci.h"
#include "playlist/list_text.h"
#include "playlist/playlist_entries.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <string>

// The hub over plain controls. It records the entries it is asked to play
// (and only moves the check mark, ending a drop as playing does) and the
// background choices.
class PlaylistForm : public MainForm {
public:
    explicit PlaylistForm(const Form1Controls& controls) : MainForm(controls)
    {
        liebiao_Click = [this](int Index) {
            clicks << Index;
            timerActiveAtClick = Timer1.isActive();
            busyAtClick = QGuiApplication::overrideCursor() != nullptr;
            if (liebiao.contains(Index))
                PlaylistEntries::checkOnly(liebiao, Index);
            state.tuofang.clear();
        };
        beijing1_Click = [this](int Index) { backgroundClicks << Index; };
    }

    QList<int> clicks;
    QList<int> backgroundClicks;
    bool timerActiveAtClick = true;
    bool busyAtClick = false;
};

struct PlaylistFixture : PlainControls<> {
    PlaylistFixture()
    {
        form.dialogs = &dialogs;
        form.programDir = dir.path();
    }

    // Shows file names (the option unchecked) or full paths (checked).
    void showDirectories(bool shown) { form.xuanxiang1[2].checked = shown; }
    void setList(const QStringList& paths) { form.write_liebiao("替换写入", joinListText(paths)); }
    QStringList captions() const
    {
        QStringList result;
        for (const MenuItem& item : form.liebiao.items())
            result << item.caption;
        return result;
    }
    QStringList paths() const { return PlaylistEntries::fullPaths(form.liebiao, form.state.entry_dirs); }
    int checked() const { return PlaylistEntries::current(form.liebiao); }

    QString path(const QString& relative) const { return dir.filePath(relative); }
    void makeDataFolder() const { QDir(dir.path()).mkdir("数据库"); }
    QByteArray bytes(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void putBytes(const QString& relative, const QByteArray& data) const
    {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(data);
    }

    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    PlaylistForm form{controls()};
};

// GB18030 bytes of a text.
QByteArray gb(const QString& text);

// A test name made of the ASCII letters and digits of a text.
std::string testName(const QString& text);
