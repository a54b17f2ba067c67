#include "news/help_menu.h"

#include "core/designed_menus.h"
#include "core/menu_array.h"
#include "core/operation.h"
#include "core/replace_file.h"
#include "core/version.h"
#include "platform/dialogs.h"

#include <QDesktopServices>
#include <utility>

HelpMenu::HelpMenu(MenuArray& bangzhu1, Dialogs*& dialogs, ProgramPathOf programPath, ProgramPathOf userPath)
    : openUrl(&QDesktopServices::openUrl), bangzhu1_(bangzhu1), dialogs_(dialogs),
      programPath_(std::move(programPath)), userPath_(std::move(userPath))
{
}

QString HelpMenu::featuresPath() const
{
    return programPath_(QStringLiteral("璇音坊帮助/《璇音坊》功能介绍.txt"));
}

QString HelpMenu::aboutText()
{
    const QString lines[] = {
        QStringLiteral("  璇音坊"),
        QString(),
        QStringLiteral("  版本号: ") + appVersionText(),
        QStringLiteral("  版权所有 (C) 2026 璇音坊开发组。保留所有权利。"),
        QString(),
        QStringLiteral(" "),
        QStringLiteral(" "),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\r');
    return text;
}

void HelpMenu::bangzhu1_Click(int Index)
{
    switch (Index) {
    case HelpItem::Features: openUrl(QUrl::fromLocalFile(featuresPath())); break;
    case HelpItem::Upgrade: openUrl(QUrl(homePage())); break;
    case HelpItem::HomePage: openUrl(QUrl(homePage() + QLatin1Char('/'))); break;
    case HelpItem::NoNewsPopups: toggleNewsSwitch(); break;
    case HelpItem::News:
        if (showNews)
            showNews();
        break;
    case HelpItem::About:
        if (dialogs_)
            dialogs_->messageBox(aboutText(), QStringLiteral("关于璇音坊..."),
                                 Dialogs::Icon::Exclamation);
        break;
    default: reportUnhandledItem("bangzhu1", Index); break;
    }
}

// The new state is kept in "v.sz"; a failed write leaves the file as it
// was, so the old state returns at the next start.
void HelpMenu::toggleNewsSwitch()
{
    MenuItem& item = bangzhu1_[HelpItem::NoNewsPopups];
    item.checked = !item.checked;
    replaceFile(userPath_(QStringLiteral("v.sz")), item.checked ? "True\r\n" : "False\r\n");
}
