#include "browse/form5.h"

#include "browse/form5_design.h"
#include "core/flags.h"
#include "core/form1.h"

#include <cmath>

namespace {

// A saved check value: "1" checks the box; anything else, including an
// empty or unreadable value, leaves it unchecked.
int savedCheckValue(const QString& saved)
{
    bool ok = false;
    const double value = saved.trimmed().toDouble(&ok);
    return ok && value == 1 ? 1 : 0;
}

} // namespace

Form5::Form5(Form1& form, const Form5Controls& controls)
    : Image1(controls.Image1),
      Shape1(controls.Shape1),
      placeholder(controls.placeholder),
      WindowsMediaPlayer1(controls.WindowsMediaPlayer1),
      Check2{&controls.pictureCheck, &controls.mediaCheck},
      huakuai{&controls.volumeKnob, &controls.progressKnob},
      form_(form)
{
    Image1.setPlace(Form5Design::Box);
    Shape1.setPlace(Form5Design::Box);
    placeholder.setPlace(Form5Design::Placeholder);
    placeholder.setCaption(QStringLiteral("预览区"));
    Check2[0]->setPlace(Form5Design::PictureCheck);
    Check2[0]->setCaption(QStringLiteral("预览图片"));
    Check2[1]->setPlace(Form5Design::MediaCheck);
    Check2[1]->setCaption(QStringLiteral("预览音频视频"));
    huakuai[0]->setPlace(Form5Design::VolumeKnob);
    huakuai[1]->setPlace(Form5Design::ProgressKnob);
    WindowsMediaPlayer1.setPlace(
        {Form5Design::PlayerIdleLeft, Form5Design::Box.top, Form5Design::Box.width,
         Form5Design::Box.height});
    WindowsMediaPlayer1.setVisible(false);
    WindowsMediaPlayer1.setEnableContextMenu(false);

    Timer1.setInterval(100);
    // Held with the main window's timers while an entry opens; the list
    // forgets the timers of previews that are gone.
    form_.timersHeldWhileOpening.removeAll(QPointer<QTimer>());
    form_.timersHeldWhileOpening << &Timer1;
    QObject::connect(&Timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
    QObject::connect(&WindowsMediaPlayer1, &MediaPlayer::Click, &Timer1,
                     [this](int button) { WindowsMediaPlayer1_Click(button); });
}

void Form5::Form_Load()
{
    huakuai[0]->setLeft(Form5Design::KnobMin +
                        Form5Design::KnobRange * form_.state.shengyin_shu / 32767);
    huakuai[1]->setLeft(Form5Design::KnobMin);
    showKnobSkin(0, false);
    showKnobSkin(1, false);
    Check2[0]->setValue(savedCheckValue(form_.state.form5_yunantupian));
    Check2[1]->setValue(savedCheckValue(form_.state.form5_yunanyinshipin));
    emptyPreview();
    showEmptyBox();
    Timer1.start();
}

void Form5::Form_Unload()
{
    Timer1.stop();
    form_.state.form5_yunantupian = QString::number(Check2[0]->value());
    form_.state.form5_yunanyinshipin = QString::number(Check2[1]->value());
    emptyPreview();
}

// No picture in either image, and the player empty and out of sight.
void Form5::emptyPreview()
{
    Image1.setPicture({});
    Image2.setPicture({});
    WindowsMediaPlayer1.setVisible(false);
    WindowsMediaPlayer1.setLeft(Form5Design::PlayerIdleLeft);
    WindowsMediaPlayer1.setUrl(QString());
}

void Form5::xianshi_guanbi()
{
    const bool showing = !Image1.picture().isNull() ||
                         WindowsMediaPlayer1.imageSourceHeight().value_or(0) > 0;
    placeholder.setVisible(!showing);
    Shape1.setVisible(!showing);
}

void Form5::Check2_Click(int Index)
{
    if (Index == 0 && WindowsMediaPlayer1.duration().value_or(0) > 0)
        return;
    if (Index == 1 && !Image1.picture().isNull())
        return;
    ccrpFileDialogs1_FileBrowse(form_.state.ccrpFileDialogs1_mingcheng);
    xianshi_guanbi();
}

void Form5::Timer1_Timer()
{
    const double d = WindowsMediaPlayer1.duration().value_or(0);
    if (d > 0) {
        const double position = WindowsMediaPlayer1.currentPosition().value_or(0);
        // rint rounds halves to the even neighbour.
        const double target =
            std::rint(Form5Design::KnobMin + Form5Design::KnobRange * position / d);
        if (huakuai[1]->left() != target)
            huakuai[1]->setLeft(target);
    } else {
        huakuai[1]->setLeft(Form5Design::KnobMin);
    }
    xianshi_guanbi();
}

void Form5::WindowsMediaPlayer1_Click(int Button)
{
    if (Button != MouseButton::Left)
        return;
    const MediaPlayer::PlayState state = WindowsMediaPlayer1.playState();
    if (state == MediaPlayer::Playing)
        WindowsMediaPlayer1.pause();
    else if (state == MediaPlayer::Paused || state == MediaPlayer::Stopped)
        WindowsMediaPlayer1.play();
}
