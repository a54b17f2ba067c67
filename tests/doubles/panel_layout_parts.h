#pragma once

#include "chrome/panel_layout.h"
#include "core/form1.h"

// The slider panel's layout parts of a test's window.
inline PanelLayout::PanelLayoutParts panelLayoutParts(Form1& form)
{
    return {.state = form.state,
            .window = form.window,
            .jingdutiao = form.jingdutiao,
            .huakuai = form.huakuai,
            .xuan = form.xuan,
            .shang_xia = form.shang_xia,
            .Lab_biaoji = form.Lab_biaoji,
            .Label3 = form.Label3,
            .ditiao = form.ditiao};
}
