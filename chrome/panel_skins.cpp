#include "chrome/panel_skins.h"

#include "core/form1.h"

#include <QImage>

namespace PanelSkins {

void show(const ProgramPathOf& programPath, ImageControl& control, const QString& fileName)
{
    const QImage picture(programPath(QStringLiteral("tubiao/skin/") + fileName));
    // The same picture again would only repaint the control.
    if (!picture.isNull() && picture != control.picture())
        control.setPicture(picture);
}

void showKnob(const ProgramPathOf& programPath, std::array<PanelImage, 4>& huakuai, int i, bool lit)
{
    const QString shape = i == 3 ? QStringLiteral("竖") : QStringLiteral("横");
    const QString light = lit ? QStringLiteral("亮") : QStringLiteral("暗");
    show(programPath, huakuai[i], QStringLiteral("进度条_滑块%1_%2.jpg").arg(shape, light));
}

void showTracks(const ProgramPathOf& programPath, std::array<PanelImage, 10>& jingdutiao)
{
    show(programPath, jingdutiao[0], QStringLiteral("进度条_横.jpg"));
    for (int c = 0; c < 3; ++c) {
        show(programPath, jingdutiao[1 + c], QStringLiteral("进度条_上.jpg"));
        show(programPath, jingdutiao[4 + c], QStringLiteral("进度条_中.jpg"));
        show(programPath, jingdutiao[7 + c], QStringLiteral("进度条_下.jpg"));
    }
}

void showStepButton(const ProgramPathOf& programPath, std::array<PanelImage, 2>& shang_xia, int i,
                    bool pressed)
{
    const QString way = i == 0 ? QStringLiteral("向上") : QStringLiteral("向下");
    const QString state = pressed ? QStringLiteral("按下") : QStringLiteral("抬起");
    show(programPath, shang_xia[i], QStringLiteral("%1_%2.bmp").arg(way, state));
}

} // namespace PanelSkins
