#include "pictures/image_menu.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "platform/placed_control.h"
#include "pictures/percent_input.h"

#include <optional>

namespace {

// The factor of a percentage item; the custom item (11) asks for it.
std::optional<double> percentFactor(int index, Dialogs* dialogs)
{
    if (index >= 0 && index <= 7)
        return (index + 1) * 0.25;
    if (index == 8)
        return 2.5;
    if (index == 9 || index == 10)
        return index - 6;
    if (index == PercentItem::Custom)
        return PercentInput::ask(dialogs);
    return std::nullopt;
}

} // namespace

void ImageMenu::tuxiang1_Click(int Index)
{
    switch (Index) {
    case ImageItem::ZoomIn: zoom_.step(2); break;
    case ImageItem::ZoomOut: zoom_.step(0.5); break;
    case ImageItem::ActualSize: zoom_.actualSize(); break;
    // The window follows on the next tick of the dispatcher.
    case ImageItem::Normal: parts_.state.display_mode = DisplayMode::Picture; break;
    case ImageItem::CloseAll: parts_.kongzhi1_Click(ControlItem::Stop); break;
    case ImageItem::PrintPreview: parts_.showPrintPreview(); break;
    default: reportUnhandledItem("tuxiang1", Index); break;
    }
    parts_.state.popup_origin.clear();
}

// A percentage zoom leaves popup_origin as it is: a zoom step chosen next
// from the menu bar still centres.
void ImageMenu::bili1_Click(int Index)
{
    if (const std::optional<double> p = percentFactor(Index, parts_.dialogs))
        zoom_.percent(*p);
}

void ImageMenu::refreshStates()
{
    const QString& mode = parts_.state.display_mode;
    const bool picture = mode == DisplayMode::Picture || mode == DisplayMode::Zoom;
    for (const int index : {ImageItem::ZoomIn, ImageItem::ZoomOut, ImageItem::ActualSize,
                            ImageItem::Percent, ImageItem::CloseAll})
        parts_.tuxiang1[index].enabled = picture;
    parts_.tuxiang1[ImageItem::Normal].enabled = mode == DisplayMode::Zoom;
    // The print preview shows the picture that the layout gives Image1.
    parts_.tuxiang1[ImageItem::PrintPreview].enabled = !parts_.Image1.picture().isNull();
}
