#include "doubles/plain_controls.h"
#include "chrome/form_resize.h"

#include <gtest/gtest.h>

namespace {

// Records what the resize step asks of the other features.
class ResizeForm : public Form1 {
public:
    explicit ResizeForm(const Form1Controls& controls) : Form1(controls)
    {
        hoverReset = [this] { calls << "hover"; };
        showFloatingToolbar = [this] { calls << "toolbar"; };
        chengxutuxiang = [this](const QString& text) { calls << "paint:" + text; };
    }
    QStringList calls;
};

struct ResizeFixture : PlainControls<> {
    ResizeForm resizing{controls()};
};

TEST(FormResize, StepsByWindowState)
{
    struct Case { WindowFrame::State state; QStringList calls; int saved; QString toolbarCaption; };
    const Case cases[] = {
        {WindowFrame::Normal, {"hover", "paint:"}, 0, "打开浮动工具条(&F)"},
        {WindowFrame::Maximized, {"hover", "paint:"}, 2, "打开浮动工具条(&F)"},
        // Minimizing keeps the state the tray restores to.
        {WindowFrame::Minimized, {"hover", "toolbar", "paint:"}, 2, "关闭浮动工具条(&F)"},
    };
    for (const Case& c : cases) {
        ResizeFixture f;
        f.window.state = c.state;
        f.resizing.state.saved_window_state = WindowFrame::Maximized;
        formResize(f.resizing);
        EXPECT_EQ(f.resizing.calls, c.calls) << c.state;
        EXPECT_EQ(f.resizing.state.saved_window_state, c.saved) << c.state;
        EXPECT_EQ(f.resizing.xuanxiang1.at(10).caption, c.toolbarCaption) << c.state;
    }
}

} // namespace
