#pragma once

#include <QLabel>
#include <QList>
#include <QObject>

class Form1;
class PanelCard;
class PanelPiece;
class SliderPanel;

// The slider panel on screen: a widget for each of its controls in the
// main window, kept in step with the window's model, and the mouse handed
// to the panel's handlers.
class SliderPanelView : public QObject {
    Q_OBJECT
public:
    SliderPanelView(Form1& form, SliderPanel& panel, QWidget* window);

    PanelPiece* track(int i) const { return tracks_.value(i); }
    PanelPiece* knob(int i) const { return knobs_.value(i); }
    PanelPiece* toggle(int i) const { return toggles_.value(i); }
    PanelPiece* stepButton(int i) const { return stepButtons_.value(i); }
    QLabel* tip() const { return tip_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTracks(QWidget* window);
    void createToggles(QWidget* window);
    void createStepButtons(QWidget* window);
    void createCaptions(QWidget* window);
    void createKnobs(QWidget* window);
    void createTip(QWidget* window);

    Form1& form_;
    SliderPanel& panel_;
    QList<PanelPiece*> tracks_, knobs_, toggles_, stepButtons_;
    PanelCard* card_ = nullptr;
    QLabel* caption_ = nullptr; // Lab_biaoji
    QLabel* label3_ = nullptr;
    QLabel* tip_ = nullptr;
};
