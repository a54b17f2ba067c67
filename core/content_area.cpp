#include "core/content_area.h"

ContentArea contentArea(double scaleWidth, double scaleHeight, double topOffset)
{
    return {180, scaleWidth - 1720, 850 - topOffset, scaleHeight - 350};
}
