#include "picture_fixture.h"

#include "core/display_mode.h"
#include "platform/twips.h"

PictureFixture::PictureFixture()
{
    form.dialogs = &dialogs;
    form.programDir = dir.path();
    // The window as loaded: outer height 9000, standard height 8740.
    form.state.standard_height = window.height() - 260;
    form.state.display_mode = DisplayMode::Picture;
}

QStringList PictureFixture::callsOf(const QString& prefix) const
{
    QStringList found;
    for (const QString& call : form.calls) {
        if (call.startsWith(prefix))
            found << call;
    }
    return found;
}

void PictureFixture::setNaturalSize(double width, double height)
{
    QImage picture(twipsToPixels(width), twipsToPixels(height), QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    image2.setPicture(picture);
    image2.setWidth(width);
    image2.setHeight(height);
}
