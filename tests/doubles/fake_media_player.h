#pragma once

#include "platform/media_player.h"

#include <QStringList>
#include <optional>

// A media player that plays nothing: tests load a "medium" by giving its
// picture size and length, and read back what the program set. Its states
// follow the diagram of MediaPlayer, as the real player's do.
class FakeMediaPlayer : public MediaPlayer {
public:
    // Puts a medium into the player as if it had opened: url, picture size
    // (0 x 0 for sound only) and length in seconds.
    void load(const QString& path, int width, int height, double seconds = 60);
    // Reports a new play state with its StatusChange event.
    void report(PlayState state);
    // Plays the medium to its end: MediaEnded, then Stopped with the
    // medium kept at position 0.
    void endMedium();

    QString url() const override { return url_; }
    void setUrl(const QString& path) override;
    void play() override;
    void pause() override;
    std::optional<double> currentPosition() const override;
    bool setCurrentPosition(double seconds) override;
    std::optional<double> duration() const override;
    std::optional<int> imageSourceWidth() const override;
    std::optional<int> imageSourceHeight() const override;
    PlayState playState() const override { return state_; }
    bool setRate(double rate) override;
    bool setBalance(int balance) override;
    bool fullScreen() const override { return fullScreen_; }
    bool setFullScreen(bool on) override;
    void setEnableContextMenu(bool on) override { contextMenu_ = on; }

    bool hasMedium() const { return !url_.isEmpty(); }

    // What the program did to the player.
    QList<int> balances;
    QList<double> rates;
    QStringList urlsSet;
    bool contextMenu_ = true;

private:
    QString url_;
    int width_ = 0;
    int height_ = 0;
    double duration_ = 0;
    double position_ = 0;
    PlayState state_ = Undefined;
    bool fullScreen_ = false;
};
