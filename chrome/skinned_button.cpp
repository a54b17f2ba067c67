#include "chrome/skinned_button.h"

QString SkinnedButtons::faceFile(Face face)
{
    switch (face) {
    case Face::Hover:
        return QStringLiteral("tubiao/按钮_移上.jpg");
    case Face::Pressed:
        return QStringLiteral("tubiao/按钮_按下.jpg");
    case Face::Away:
        break;
    }
    return QStringLiteral("tubiao/按钮_移走.jpg");
}

SkinnedButtons::SkinnedButtons(const QStringList& captions)
{
    for (const QString& caption : captions)
        buttons_.append(Button{caption});
}

void SkinnedButtons::pointerOverButton(int i)
{
    if (i < 0 || i >= count() || hover_button == i)
        return;
    show(i, Face::Hover, true);
    hover_button = i;
}

void SkinnedButtons::pressed(int i)
{
    if (i >= 0 && i < count())
        show(i, Face::Pressed, true);
}

void SkinnedButtons::released(int i)
{
    if (i >= 0 && i < count())
        show(i, Face::Hover, true);
}

void SkinnedButtons::pointerOverBackground()
{
    if (hover_button == -1)
        return;
    for (int i = 0; i < count(); ++i)
        show(i, Face::Away, false);
    hover_button = -1;
}

void SkinnedButtons::show(int i, Face face, bool blue)
{
    Button& b = buttons_[i];
    b.face = face;
    b.blue = blue;
    changed(i);
}
