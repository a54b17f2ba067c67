#pragma once

#include "platform/mci.h"

// The command device of a machine without an optical drive: every command
// fails and every reply is empty.
class NoDriveMci : public Mci {
public:
    bool send(const QString& command, QString* reply = nullptr) override;
    QString lastError() const override;
};
