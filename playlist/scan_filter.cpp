#include "playlist/scan_filter.h"

#include "core/form1.h"
#include "playlist/media_types.h"

namespace ScanFilter {

QString askCustomSuffix(Form1& form, const QString& xiang)
{
    QString& suffix = form.state.custom_suffix;
    if (suffix.isEmpty())
        suffix = QStringLiteral("*.");
    suffix = form.dialogs ? form.dialogs->inputBox(kPrompt, xiang + QStringLiteral("--自定义后缀"), suffix)
                          : QString();
    return suffix;
}

QString folderDialogTitle(const Form1& form, int filter, const QString& xiang)
{
    QString title = xiang + QStringLiteral("--");
    if (form.bofangmulu.contains(filter))
        title += form.bofangmulu.at(filter).caption;
    if (filter == MediaTypes::Custom)
        title += QLatin1Char('(') + form.state.custom_suffix + QLatin1Char(')');
    return title;
}

} // namespace ScanFilter
