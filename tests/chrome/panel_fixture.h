#pragma once

#include "wiring/main_form.h"
#include "doubles/plain_controls.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

// Writes every skin picture of the panel into programDir/tubiao/skin,
// each filled with its own colour (PanelFixture::colourOf).
void writeFlatSkin(const QString& programDir);

// The hub on plain controls, with a skin folder whose pictures are each
// filled with a colour of their own, and the panel laid out in the
// designed client area (12000 x 8400) with top_offset 500.
struct PanelFixture : PlainControls<> {
    PanelFixture();

    // The colour of a skin picture this fixture wrote.
    static QColor colourOf(const QString& fileName);
    // Takes one skin picture away.
    void removeSkin(const QString& fileName) const;
    // A 100-second sound file playing in the main player.
    void playSound(double seconds = 100);

    // The vertical tracks and the balance range of this layout.
    static constexpr double kTrackTop = 1480;    // 1980 - 500
    static constexpr double kTrackBottom = 6970; // 8400 - 1080 - 350
    static constexpr double kBalanceLeft = 12000 - 990 - 490;
    static constexpr double kBalanceRight = 12000 - 990 - 355;

    QTemporaryDir dir;
    MainForm form{controls()};
};

// Whether a control shows the fixture's picture of that name (JPEG may
// shift a flat colour by a step or two).
inline bool shows(const ImageControl& c, const QString& fileName)
{
    if (c.picture().isNull())
        return false;
    const QColor seen = c.picture().pixelColor(8, 8), wanted = PanelFixture::colourOf(fileName);
    return qAbs(seen.red() - wanted.red()) < 8 && qAbs(seen.green() - wanted.green()) < 8
           && qAbs(seen.blue() - wanted.blue()) < 8;
}
