#include "chrome/menu_refresh.h"

#include "chrome/floating_toolbar.h"
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/form1.h"

MenuRefresh::MenuRefresh(Form1& form, const Form4& toolbar) : form_(form), toolbar_(toolbar)
{
    Timer2.setInterval(200);
    QObject::connect(&Timer2, &QTimer::timeout, &Timer2, [this] { Timer2_Timer(); });
}

void MenuRefresh::Timer2_Timer()
{
    QString& caption = form_.xuanxiang1[OptionsItem::Toolbar].caption;
    caption = toolbar_.isVisible() ? QStringLiteral("关闭浮动工具条(&F)")
                                   : QStringLiteral("打开浮动工具条(&F)");

    const QString& mode = form_.state.display_mode;
    const bool picture = mode == DisplayMode::Picture || mode == DisplayMode::Zoom;
    for (const int index : {ImageItem::ZoomIn, ImageItem::ZoomOut, ImageItem::ActualSize,
                            ImageItem::Percent, ImageItem::CloseAll})
        form_.tuxiang1[index].enabled = picture;

    const bool previewHoldsPicture = form_.printPreviewHoldsPicture();
    if (!previewHoldsPicture)
        form_.hidePrintPreview();
    form_.tuxiang1[ImageItem::PrintPreview].enabled = previewHoldsPicture;

    form_.tuxiang1[ImageItem::Normal].enabled = mode == DisplayMode::Zoom;
}
