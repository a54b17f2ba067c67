#pragma once

#include "browse/form5.h"
#include "core/form1_fixture.h"

#include <QImage>
#include <QMap>
#include <QTemporaryDir>

// The main window for the panel: its open wait opens the preview player's
// medium at once when the catalogue knows it.
class PreviewHost : public RecordingForm {
public:
    explicit PreviewHost(const Form1Controls& controls) : RecordingForm(controls)
    {
        yanshihuoqu = [this](MediaPlayer& player) {
            calls << "yanshihuoqu";
            auto& fake = static_cast<FakeMediaPlayer&>(player);
            const auto medium = media.constFind(fake.url());
            if (medium != media.constEnd())
                fake.load(fake.url(), medium->width, medium->height, medium->seconds);
        };
    }

    struct Medium {
        int width = 0;
        int height = 0;
        double seconds = 60;
    };

    QMap<QString, Medium> media;
};

// Form5 on plain controls, loaded, with the shipped skins and a folder for
// the files it previews.
struct Form5Fixture : PlainControls<> {
    Form5Fixture()
    {
        form.programDir = SHIPPED_DATA_DIR;
        form5.Form_Load();
    }

    // A picture file of w x h pixels.
    QString picture(int w, int h)
    {
        const QString path = dir.filePath(QStringLiteral("%1x%2.png").arg(w).arg(h));
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        image.save(path);
        return path;
    }

    // A file the preview player knows: vw x vh pixels (0 x 0 for sound).
    QString medium(const QString& name, int vw, int vh, double seconds = 60)
    {
        const QString path = dir.filePath(name);
        form.media.insert(path, {vw, vh, seconds});
        return path;
    }

    void check(int picturePreview, int mediaPreview)
    {
        pictureCheck.setValue(picturePreview);
        mediaCheck.setValue(mediaPreview);
    }

    bool showsEmptyBox() const
    {
        return Image1.picture().isNull() && Image1.isVisible() &&
               Image1.place() == TwipsRect{135, 180, 2865, 1875} && placeholder.isVisible() &&
               Shape1.isVisible() && !preview.isVisible();
    }

    QTemporaryDir dir;
    PreviewHost form{controls()};

    ImageControl Image1;
    PlacedControl Shape1;
    LabelControl placeholder;
    FakeMediaPlayer preview;
    CheckBoxControl pictureCheck;
    CheckBoxControl mediaCheck;
    ImageControl volumeKnob;
    ImageControl progressKnob;
    Form5 form5{form, {Image1, Shape1, placeholder, preview, pictureCheck, mediaCheck, volumeKnob,
                       progressKnob}};
};
