#include "chrome/form_resize.h"

#include "core/designed_menus.h"
#include "core/form1.h"

void formResize(Form1& form)
{
    form.hoverReset();
    const WindowFrame::State state = form.window.windowState();
    if (state == WindowFrame::Minimized) {
        form.xuanxiang1[OptionsItem::Toolbar].caption = QStringLiteral("关闭浮动工具条(&F)");
        form.showFloatingToolbar();
    }
    form.chengxutuxiang(QString());
    // The state a restore from the tray returns to: the last one that was
    // not minimized, so a maximized window comes back maximized.
    if (state != WindowFrame::Minimized)
        form.state.saved_window_state = state;
}
