// The slider panel's widgets in the main window.
#include "window/main_window.h"

#include "chrome/window/slider_panel_view.h"

void MainWindow::createSliderPanel()
{
    new SliderPanelView(*form_, form_->sliderPanel, this);
    form_->sliderPanel.showDesignedPictures();
}
