#pragma once

#include <QString>

class Form1;

// The sort menu paixu1: reorders the playlist by folder and name (0), by
// file name (1) or by suffix (2). The current entry keeps its check mark
// and the chosen sort item is checked until the list is written again.
class PlaylistSorter {
public:
    explicit PlaylistSorter(Form1& form) : form_(form) {}

    void paixu1_Click(int Index);

private:
    Form1& form_;
};

// The sort key of a full path for sort item 0, 1 or 2.
QString sortKey(const QString& path, int index);
