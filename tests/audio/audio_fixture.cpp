#include "audio_fixture.h"

#include "audio/audio_values.h"

#include <QDir>
#include <QImage>

AudioFixture::AudioFixture()
{
    form.programDir = dir.path();
    form.systemVolume = &system;
    form.state.top_offset = 500;
    form.xuan[0].setTop(kTrackBottom + 350);
    picture1.setWidth(6000);
    picture1.setHeight(4500);
    form.Timer1.start(); // the dispatcher runs, as in the program
}

void AudioFixture::useEndpoint()
{
    form.state.volume_backend = VolumeBackend::Endpoint;
}

void AudioFixture::useMixer()
{
    form.state.volume_backend = VolumeBackend::Mixer;
}

void AudioFixture::makeTogglePictures() const
{
    QDir(dir.path()).mkpath("tubiao/skin");
    QImage picture(15, 15, QImage::Format_RGB32);
    picture.fill(kSelectedColour);
    picture.save(dir.filePath("tubiao/skin/已选框.bmp"));
    picture.fill(kUnselectedColour);
    picture.save(dir.filePath("tubiao/skin/未选框.bmp"));
}
