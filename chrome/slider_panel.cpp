#include "chrome/slider_panel.h"

#include "audio/toggles.h"
#include "chrome/knob_values.h"
#include "chrome/panel_layout.h"
#include "chrome/panel_skins.h"
#include "core/form1.h"
#include "playback/step_repeat.h"

SliderPanel::SliderPanel(Form1& form)
    : knobs({.state = form.state,
             .huakuai = form.huakuai,
             .xuan = form.xuan,
             .xianshi_wenben = form.xianshi_wenben,
             .Timer1 = form.Timer1,
             .programPath = [&form](const QString& relative) { return form.programPath(relative); },
             .rengong_kongzhi = form.rengong_kongzhi}),
      form_(form),
      programPath_([&form](const QString& relative) { return form.programPath(relative); })
{
    form_.Lab_biaoji.setCaption(QStringLiteral("声音 速度 进度"));
    form_.Label3.setCaption(QStringLiteral("静音 ×10"));
    form_.xianshi_wenben.setVisible(false);
}

void SliderPanel::knobMouse(int i, QEvent::Type type, Qt::MouseButton button,
                            Qt::MouseButtons buttons, QPointF at)
{
    if (i < 0 || i >= int(knobMouse_.size()))
        return;
    for (ControlMouse::Event event : knobMouse_[i].events(type, button)) {
        switch (event) {
        case ControlMouse::MouseDown: knobs.huakuai_MouseDown(i, button, at.x(), at.y()); break;
        case ControlMouse::MouseMove: knobs.huakuai_MouseMove(i, buttons, at.x(), at.y()); break;
        case ControlMouse::MouseUp: knobs.huakuai_MouseUp(i, button); break;
        case ControlMouse::DblClick: knobs.huakuai_DblClick(i); break;
        case ControlMouse::Click: break;
        }
    }
}

void SliderPanel::toggleMouse(int i, QEvent::Type type, Qt::MouseButton button, bool inside)
{
    if (i < 0 || i >= int(toggleMouse_.size()))
        return;
    if (toggleMouse_[i].events(type, button, inside).contains(ControlMouse::Click))
        form_.xuan_Click(i);
}

void SliderPanel::stepButtonMouse(int i, QEvent::Type type, Qt::MouseButton button)
{
    if (i < 0 || i >= int(stepButtonMouse_.size()))
        return;
    for (ControlMouse::Event event : stepButtonMouse_[i].events(type, button)) {
        if (event == ControlMouse::MouseDown)
            shang_xia_MouseDown(i, button);
        else if (event == ControlMouse::MouseUp)
            shang_xia_MouseUp(i, button);
    }
}

void SliderPanel::shang_xia_MouseDown(int i, Qt::MouseButton button)
{
    if (i < 0 || i > 1 || button != Qt::LeftButton)
        return;
    PanelSkins::showStepButton(programPath_, form_.shang_xia, i, true);
    form_.state.step_direction = QString::number(i);
    // One step now, and one every 200 ms while the button is held.
    StepRepeat(form_.state, form_.rengong_kongzhi).tick();
    form_.Timer3.start();
}

void SliderPanel::shang_xia_MouseUp(int i, Qt::MouseButton button)
{
    if (i < 0 || i > 1 || button != Qt::LeftButton)
        return;
    PanelSkins::showStepButton(programPath_, form_.shang_xia, i, false);
    form_.state.step_direction.clear();
    form_.Timer3.stop();
}

void SliderPanel::jingdutiao_MouseMove(int)
{
    form_.hoverReset();
}

void SliderPanel::jingdutiao_MouseUp(int, Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        form_.popupShortcutMenu();
}

void SliderPanel::Lab_biaoji_MouseUp(Qt::MouseButton button)
{
    jingdutiao_MouseUp(0, button);
}

void SliderPanel::Label3_MouseUp(Qt::MouseButton button)
{
    jingdutiao_MouseUp(0, button);
}

void SliderPanel::hoverReset()
{
    form_.xianshi_wenben.setVisible(false);
    for (int i = 0; i < KnobValues::kKnobs; ++i)
        PanelSkins::showKnob(programPath_, form_.huakuai, i, false);
}

void SliderPanel::loadTrackSkins()
{
    PanelSkins::showTracks(programPath_, form_.jingdutiao);
}

void SliderPanel::showDesignedPictures()
{
    PanelSkins::showTracks(programPath_, form_.jingdutiao);
    for (int i = 0; i < KnobValues::kKnobs; ++i)
        PanelSkins::showKnob(programPath_, form_.huakuai, i, false);
    for (int i = 0; i < int(form_.xuan.size()); ++i)
        Toggles::showPicture(form_.state, form_.xuan, programPath_, i);
    PanelSkins::showStepButton(programPath_, form_.shang_xia, kStepBack, false);
    PanelSkins::showStepButton(programPath_, form_.shang_xia, kStepForward, false);
}

void SliderPanel::setKnobFraction(int i, double r)
{
    if (i < 0 || i >= KnobValues::kKnobs || !(r >= 0 && r <= 1))
        return;
    KnobValues::setFraction(form_.state, i, r);
    // The speed is read back from its knob.
    if (i == 1)
        PanelLayout::placeKnobs(form_.state, form_.huakuai, form_.xuan);
    form_.rengong_kongzhi(i);
}
