#pragma once

#include <QString>

class MenuArray;
struct Form1State;

// The sort menu paixu1: reorders the playlist by folder and name (0), by
// file name (1) or by suffix (2). The current entry keeps its check mark
// and the chosen sort item is checked until the list is written again.
class PlaylistSorter {
public:
    PlaylistSorter(MenuArray& liebiao, Form1State& state, const MenuArray& xuanxiang1, MenuArray& paixu1)
        : liebiao_(liebiao), state_(state), xuanxiang1_(xuanxiang1), paixu1_(paixu1)
    {
    }

    void paixu1_Click(int Index);

private:
    MenuArray& liebiao_;
    Form1State& state_;
    const MenuArray& xuanxiang1_;
    MenuArray& paixu1_;
};

// The sort key of a full path for sort item 0, 1 or 2.
QString sortKey(const QString& path, int index);
