#include "core/designed_menus.h"

MenuArray designedShortcutMenu()
{
    MenuArray menu;
    const QList<QPair<int, QString>> captions = {
        {0, "播  放(&O)"},   {1, "暂  停(&P)"},      {2, "停  止(&S)"},
        {3, "-"},            {4, "前  进(&J)"},      {5, "后  退(&G)"},
        {6, "-"},            {7, "上一首(&U)"},      {8, "下一首(&D)"},
        {9, "重  播(&C)"},   {10, "-"},              {11, "播放文件(&W)"},
        {12, "播放目录(&M)"}, {13, "-"},             {14, "全屏幕(&Q)"},
        {15, "图象另存为(&L)..."}, {16, "-"},        {18, "退  出(&X)"},
    };
    for (const auto& [index, caption] : captions)
        menu[index].caption = caption;
    menu[9].checked = true;
    menu[ShortcutItem::FullScreen].enabled = false;
    return menu;
}
