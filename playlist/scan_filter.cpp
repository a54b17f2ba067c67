#include "playlist/scan_filter.h"

#include "core/form1_state.h"
#include "core/menu_array.h"
#include "platform/dialogs.h"
#include "playlist/media_types.h"

namespace ScanFilter {

QString askCustomSuffix(Form1State& state, Dialogs* dialogs, const QString& xiang)
{
    QString& suffix = state.custom_suffix;
    if (suffix.isEmpty())
        suffix = QStringLiteral("*.");
    suffix = dialogs ? dialogs->inputBox(kPrompt, xiang + QStringLiteral("--自定义后缀"), suffix)
                          : QString();
    return suffix;
}

QString folderDialogTitle(const Form1State& state, const MenuArray& bofangmulu, int filter,
                          const QString& xiang)
{
    QString title = xiang + QStringLiteral("--");
    if (bofangmulu.contains(filter))
        title += bofangmulu.at(filter).caption;
    if (filter == MediaTypes::Custom)
        title += QLatin1Char('(') + state.custom_suffix + QLatin1Char(')');
    return title;
}

} // namespace ScanFilter
