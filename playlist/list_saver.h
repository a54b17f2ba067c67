#pragma once

#include "platform/dialogs.h"

class MenuArray;
struct Form1State;

// File ▸ "保存播放列表(&B)": asks for a name and saves the list there. The
// dialog opens in the current entry's folder and proposes "列表 " and that
// folder's name; with no current entry it keeps what it had last time.
class ListSaver {
public:
    static inline const QString Title = QStringLiteral("列表文件 另存为");

    ListSaver(Dialogs*& dialogs, const MenuArray& liebiao, const Form1State& state);

    void run();

private:
    QString askName(Dialogs& dialogs);

    Dialogs*& dialogs_;
    const MenuArray& liebiao_;
    const Form1State& state_;
    Dialogs::FileRequest request_;
};

// The folder the save dialog starts in for an entry: the path before its
// last "/" ("/" for a file in the root); empty when the path has no "/".
QString listStartFolder(const QString& path);
// The proposed name: "列表 " and the name of the entry's folder; "列表"
// alone for a file in the root; empty when the path has no "/".
QString proposedListName(const QString& path);
