#include "wiring/main_form.h"

// The skin, the label menu bar and the slider panel.
void MainForm::wireChrome()
{
    chengxutuxiang = [this](const QString& text) { skinPainter.chengxutuxiang(text); };
    loadTrackSkins = [this] { sliderPanel.loadTrackSkins(); };
    hoverReset = [this] {
        menuBar.hideHighlight();
        sliderPanel.hoverReset();
    };
}
