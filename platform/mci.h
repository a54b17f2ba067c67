#pragma once

#include <QString>

// The multimedia command device: takes command strings of the CD
// vocabulary ("open  <drive> type cdaudio alias cd wait shareable",
// "status cd position", "play cd from <ms>", ...) and answers in its text
// formats (tmsf "tt:mm:ss:ff", milliseconds, "playing").
class Mci {
public:
    virtual ~Mci() = default;

    // Sends one command. Returns true on success; reply (when given) gets
    // the answer text, empty on failure.
    virtual bool send(const QString& command, QString* reply = nullptr) = 0;
    // The text describing the last failure, empty when none.
    virtual QString lastError() const = 0;
};
