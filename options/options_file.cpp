#include "options/options_file.h"

#include "core/designed_menus.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "core/operation.h"
#include "options/option_values.h"
#include "playlist/gb_text.h"
#include "playlist/list_file.h"
#include "playlist/playlist_entries.h"

#include <QRegularExpression>

namespace {

// The first checked item of a menu, 0 when none is.
int firstChecked(const MenuArray& menu)
{
    for (auto it = menu.items().cbegin(); it != menu.items().cend(); ++it) {
        if (it.value().checked)
            return it.key();
    }
    return 0;
}

// A value that somehow holds a line break must not shift the later lines.
QString oneLine(const QString& value)
{
    const qsizetype end = value.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? value : value.left(end);
}

void checkOnly(MenuArray& menu, int index)
{
    const QList<int> keys = menu.items().keys();
    for (const int key : keys)
        menu[key].checked = (key == index);
}

} // namespace

void OptionsFile::cunchuxuanxiang()
{
    // Until the load has read them back, the menus hold their design items:
    // storing those would replace the user's options and list.
    if (parts_.state.start_up_running)
        return;
    GbText::writeFile(parts_.userPath(kPath), lines());
    ListFile::write(parts_.userPath(ListFile::kCurrentList),
                    PlaylistEntries::fullPaths(parts_.liebiao, parts_.state.entry_dirs));
}

QStringList OptionsFile::lines() const
{
    const MenuArray& options = parts_.xuanxiang1;
    const auto checked = [&options](int index) {
        return options.contains(index) && options.at(index).checked;
    };
    const Form1State& s = parts_.state;
    return {
        QString::number(firstChecked(parts_.xunhuan1)),
        QString::number(firstChecked(parts_.huamian)),
        OptionValues::booleanText(checked(OptionsItem::RandomStartPicture)),
        OptionValues::booleanText(checked(OptionsItem::ShowDirectories)),
        oneLine(s.form5_yunantupian),
        oneLine(s.form5_yunanyinshipin),
        oneLine(s.form5_yunanflash),
        QString::number(firstChecked(parts_.beijing1)),
    };
}

void OptionsFile::readAtStartup()
{
    const QStringList read = GbText::readFileLines(parts_.userPath(kPath), OptionValues::kLineCount);
    const OptionValues::Plan plan = OptionValues::plan(
        read, int(parts_.huamian.items().size()), int(parts_.beijing1.items().size()));

    if (plan.loopMode)
        parts_.xunhuan1_Click(*plan.loopMode);
    checkOnly(parts_.huamian, plan.startPicture);
    parts_.xuanxiang1[OptionsItem::RandomStartPicture].checked = plan.randomStartPicture;
    parts_.xuanxiang1[OptionsItem::ShowDirectories].checked = plan.showDirectories;
    parts_.state.form5_yunantupian = plan.picturePreview;
    parts_.state.form5_yunanyinshipin = plan.mediaPreview;
    parts_.state.form5_yunanflash = plan.flashPreview;
    checkOnly(parts_.beijing1, plan.background);
    parts_.beijing1_Click(plan.background);
}
