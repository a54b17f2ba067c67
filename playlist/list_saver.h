#pragma once

#include "platform/dialogs.h"

class Form1;

// File ▸ "保存播放列表(&B)": asks for a name and saves the list there. The
// dialog opens in the current entry's folder and proposes "列表 " and that
// folder's name; with no current entry it keeps what it had last time.
class ListSaver {
public:
    static inline const QString Title = QStringLiteral("列表文件 另存为");

    explicit ListSaver(Form1& form);

    void run();

private:
    QString askName(Dialogs& dialogs);

    Form1& form_;
    Dialogs::FileRequest request_;
};

// The folder the save dialog starts in for an entry: the path before its
// last "/" ("/" for a file in the root); empty when the path has no "/".
QString listStartFolder(const QString& path);
// The proposed name: "列表 " and the name of the entry's folder; "列表"
// alone for a file in the root; empty when the path has no "/".
QString proposedListName(const QString& path);
