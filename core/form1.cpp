#include "core/form1.h"

#include "core/designed_menus.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Form1::Form1(const Form1Controls& controls)
    : kuaijiecaidan1(designedShortcutMenu()),
      WindowsMediaPlayer1(controls.WindowsMediaPlayer1),
      WindowsMediaPlayer2(controls.WindowsMediaPlayer2),
      Picture1(controls.Picture1),
      Image1(controls.Image1),
      Image2(controls.Image2),
      ditiao(controls.ditiao),
      window(controls.window),
      mci(controls.mci)
{
    Timer1.setInterval(200);
    Timer_end.setInterval(100);
    Timer3.setInterval(200);
    Timer_tan.setInterval(1000);
}

QString Form1::userPath(const QString& relative) const
{
    if (!QFileInfo::exists(programPath(QString::fromLatin1(kInstalledMark))))
        return programPath(relative);
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/xuanyinfang/");
    QDir().mkpath(base + QStringLiteral("数据库"));
    return base + relative;
}
