// The preview refresh: what the box shows for the dialog's selection.
#include "browse/form5.h"

#include "browse/form5_design.h"
#include "browse/preview_fit.h"
#include "core/form1.h"
#include "pictures/picture_file.h"

#include <cmath>

void Form5::ccrpFileDialogs1_FileBrowse(const QString& name)
{
    emptyPreview();
    QString& file = form_.state.ccrpFileDialogs1_mingcheng;
    file = name.endsWith(QLatin1String("\" ")) ? QString() : name;
    if ((Check2[0]->value() == 0 && Check2[1]->value() == 0) || file.isEmpty()) {
        showEmptyBox();
        return;
    }
    // Copied: the open wait delivers events, and a newer selection may
    // change the name meanwhile.
    const QString path = file;
    PictureFile::loadInto(Image2, path);
    if (Image2.picture().isNull() && Check2[1]->value() == 1) {
        form_.state.media_error.clear();
        WindowsMediaPlayer1.setUrl(path);
        WindowsMediaPlayer1.play();
        form_.yanshihuoqu(WindowsMediaPlayer1);
    }
    // The panel is read afresh after the wait: a newer refresh that ran
    // meanwhile decides what shows.
    if (!Image2.picture().isNull() && Check2[0]->value() == 1)
        showPicture();
    else if (showsVideo())
        showVideo();
    else
        showEmptyBox();
}

void Form5::showEmptyBox()
{
    Image1.setPicture({});
    Image1.setPlace(Form5Design::Box);
    xianshi_guanbi();
    Image1.setVisible(true);
    WindowsMediaPlayer1.setVisible(false);
}

void Form5::showPicture()
{
    const int w = int(std::lround(Image2.width() / kTwipsPerPixel));
    const int h = int(std::lround(Image2.height() / kTwipsPerPixel));
    Image1.setPlace(PreviewFit::picture(w, h));
    Image1.setPicture(Image2.picture());
    xianshi_guanbi();
    Image1.setVisible(true);
    WindowsMediaPlayer1.setVisible(false);
}

// A medium with a length and a picture. A picture height of 0 counts as
// none: it could not be fitted.
bool Form5::showsVideo() const
{
    return WindowsMediaPlayer1.duration().value_or(0) > 0 &&
           WindowsMediaPlayer1.imageSourceWidth().value_or(0) >= 1 &&
           WindowsMediaPlayer1.imageSourceHeight().value_or(0) >= 1;
}

void Form5::showVideo()
{
    WindowsMediaPlayer1.setPlace(PreviewFit::video(*WindowsMediaPlayer1.imageSourceWidth(),
                                                   *WindowsMediaPlayer1.imageSourceHeight()));
    xianshi_guanbi();
    Image1.setVisible(false);
    WindowsMediaPlayer1.setVisible(true);
}
