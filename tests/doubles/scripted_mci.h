#pragma once

#include "platform/mci.h"

#include <QMap>
#include <QStringList>

// A CD command device that records every command and answers from a table
// of replies. Commands without a scripted reply succeed with an empty reply,
// unless the device is set to fail everything (no drive, no disc).
class ScriptedMci : public Mci {
public:
    bool send(const QString& command, QString* reply = nullptr) override;
    QString lastError() const override { return lastError_; }

    // The commands in the order they were sent.
    QStringList sent;
    // Reply text by exact command.
    QMap<QString, QString> replies;
    bool failAll = false;

private:
    QString lastError_;
};
