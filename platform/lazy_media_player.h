#pragma once

#include "platform/media_player.h"

#include <functional>
#include <memory>

// A media player made only when it is first given something to play: until
// then it answers as an empty player (Undefined, every read failing) and
// keeps its place, which the real player takes over when it is made. A
// player that may never be needed (the start picture's) then costs nothing
// at start-up.
class LazyMediaPlayer : public MediaPlayer {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<MediaPlayer>()>;
    explicit LazyMediaPlayer(Factory create, QObject* parent = nullptr);
    ~LazyMediaPlayer() override;

    bool created() const { return bool(real_); }

    QString url() const override;
    void setUrl(const QString& path) override;
    void play() override;
    void pause() override;
    std::optional<double> currentPosition() const override;
    bool setCurrentPosition(double seconds) override;
    std::optional<double> duration() const override;
    std::optional<int> imageSourceWidth() const override;
    std::optional<int> imageSourceHeight() const override;
    PlayState playState() const override;
    bool setRate(double rate) override;
    bool setBalance(int balance) override;
    bool fullScreen() const override;
    bool setFullScreen(bool on) override;
    void setEnableContextMenu(bool on) override;

protected:
    void placeChanged() override;

private:
    MediaPlayer& real();

    Factory create_;
    std::unique_ptr<MediaPlayer> real_;
    // Settings given before the player existed, handed on when it is made.
    double rate_ = 1;
    int balance_ = 0;
    bool contextMenu_ = true;
};
