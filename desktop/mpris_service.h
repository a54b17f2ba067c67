#pragma once

#include "desktop/mpris_state.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class Form1;
class MprisPlayerAdaptor;

// Puts the player on the session bus as a media player the desktop's media
// keys, panels and `playerctl` control (org.mpris.MediaPlayer2.xuanyinfang).
// It reads the window's model a few times a second and announces what
// changed; commands go through the window's handlers.
class MprisService : public QObject {
    Q_OBJECT
public:
    // raise brings the main window to the front.
    MprisService(Form1& form, std::function<void()> raise, QObject* parent = nullptr);
    ~MprisService() override;

    // Registers on the session bus; false without a bus (the player runs
    // on without it). The bus name, once registered.
    bool start();
    QString busName() const { return busName_; }

    Form1& form() { return form_; }
    const MprisState& state() const { return state_; }
    void raise() { raise_(); }
    // Reads the model now: announces changed properties and jumps.
    void refresh();
    // After a jump the desktop asked for: one Seeked, none from the next reading.
    void announceSeek();

    static constexpr int kPollMs = 250;

private:
    void announce(const QStringList& properties);

    Form1& form_;
    std::function<void()> raise_;
    MprisPlayerAdaptor* player_ = nullptr;
    MprisState state_;
    QElapsedTimer sinceRead_;
    QTimer poll_;
    QString busName_;
};
