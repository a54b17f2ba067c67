#include "chrome/menu_refresh.h"

#include "chrome/floating_toolbar.h"
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/form1_state.h"
#include "core/menu_array.h"

MenuRefresh::MenuRefresh(const MenuRefreshParts& parts, const Form4& toolbar)
    : parts_(parts), toolbar_(toolbar)
{
    Timer2.setInterval(200);
    QObject::connect(&Timer2, &QTimer::timeout, &Timer2, [this] { Timer2_Timer(); });
}

void MenuRefresh::Timer2_Timer()
{
    QString& caption = parts_.xuanxiang1[OptionsItem::Toolbar].caption;
    caption = toolbar_.isVisible() ? QStringLiteral("关闭浮动工具条(&F)")
                                   : QStringLiteral("打开浮动工具条(&F)");

    const QString& mode = parts_.state.display_mode;
    const bool picture = mode == DisplayMode::Picture || mode == DisplayMode::Zoom;
    for (const int index : {ImageItem::ZoomIn, ImageItem::ZoomOut, ImageItem::ActualSize,
                            ImageItem::Percent, ImageItem::CloseAll})
        parts_.tuxiang1[index].enabled = picture;

    const bool previewHoldsPicture = parts_.printPreviewHoldsPicture();
    if (!previewHoldsPicture)
        parts_.hidePrintPreview();
    parts_.tuxiang1[ImageItem::PrintPreview].enabled = previewHoldsPicture;

    parts_.tuxiang1[ImageItem::Normal].enabled = mode == DisplayMode::Zoom;
}
