#pragma once

#include <QString>

class Form1;

// The status refresh (shijian3): rebuilds the status line ditiao from the
// display mode, the player or the CD device and the playlist, and brings
// the seek values position_ms and length_ms up to date.
class StatusLine {
public:
    explicit StatusLine(Form1& form) : form_(form) {}

    void shijian3();

private:
    struct Times {
        QString position;
        QString length;
    };

    Times cdTimes();
    Times playerTimes() const;
    QString stateText(const Times& times);
    void updateCdSeekValues(const Times& times);
    void updatePlayerSeekValues(const Times& times);

    Form1& form_;
};
