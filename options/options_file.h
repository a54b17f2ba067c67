#pragma once

#include <QString>

class Form1;

// The options file 数据库/选项.bfq: eight lines written at shutdown
// (followed by the current list) and applied at start-up.
class OptionsFile {
public:
    static inline const QString kPath = QStringLiteral("数据库/选项.bfq");

    explicit OptionsFile(Form1& form) : form_(form) {}

    // Writes the options file, then the current list file.
    void cunchuxuanxiang();
    // Reads the options file and applies its lines in order.
    void readAtStartup();

private:
    QStringList lines() const;

    Form1& form_;
};
