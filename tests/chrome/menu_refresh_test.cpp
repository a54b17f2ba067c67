#include "chrome/menu_refresh.h"
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "toolbar_fixture.h"

#include <gtest/gtest.h>

namespace {

struct RefreshFixture : ToolbarFixture {
    RefreshFixture()
    {
        form.printPreviewHoldsPicture = [this] { return previewHoldsPicture; };
        form.hidePrintPreview = [this] { ++previewHides; };
    }
    bool previewHoldsPicture = false;
    int previewHides = 0;
    MenuRefresh refresh{{.state = form.state,
                         .xuanxiang1 = form.xuanxiang1,
                         .tuxiang1 = form.tuxiang1,
                         .printPreviewHoldsPicture = form.printPreviewHoldsPicture,
                         .hidePrintPreview = form.hidePrintPreview},
                        toolbar};
};

TEST(MenuRefresh, ToolbarItemFollowsTheToolbar)
{
    RefreshFixture f;
    EXPECT_EQ(f.refresh.Timer2.interval(), 200);
    QString& caption = f.form.xuanxiang1[OptionsItem::Toolbar].caption;
    f.toolbar.Show();
    f.refresh.Timer2_Timer();
    EXPECT_EQ(caption, "关闭浮动工具条(&F)");
    // Hidden by any means, the item reads "open" on the next tick.
    f.desktop.visible = false;
    f.refresh.Timer2_Timer();
    EXPECT_EQ(caption, "打开浮动工具条(&F)");
}

TEST(MenuRefresh, ImageMenuByDisplayModeAndPrintPreview)
{
    struct Case { QString mode; bool preview; bool pictureItems; bool normal; };
    const Case cases[] = {
        {DisplayMode::Idle, false, false, false},
        {DisplayMode::Video, true, false, false},
        {DisplayMode::Picture, false, true, false},
        {DisplayMode::Zoom, true, true, true},
    };
    for (const Case& c : cases) {
        RefreshFixture f;
        f.form.state.display_mode = c.mode;
        f.previewHoldsPicture = c.preview;
        f.refresh.Timer2_Timer();
        for (int i : {0, 1, 3, 5, 8})
            EXPECT_EQ(f.form.tuxiang1[i].enabled, c.pictureItems) << c.mode.toStdString() << i;
        EXPECT_EQ(f.form.tuxiang1[7].enabled, c.normal) << c.mode.toStdString();
        EXPECT_EQ(f.form.tuxiang1[10].enabled, c.preview) << c.mode.toStdString();
        EXPECT_EQ(f.previewHides, c.preview ? 0 : 1) << c.mode.toStdString();
    }
}

} // namespace
