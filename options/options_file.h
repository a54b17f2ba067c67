#pragma once

#include "core/folder_path.h"

#include <QString>
#include <functional>
#include <utility>

class MenuArray;
struct Form1State;
template <typename Signature>
class Operation;

// The parts of the window the options file is made from and applied to;
// userPath gives the place of a file the program writes.
struct OptionsFileParts {
    Form1State& state;
    ProgramPathOf userPath;
    const MenuArray& liebiao;
    MenuArray& xuanxiang1;
    const MenuArray& xunhuan1;
    MenuArray& huamian;
    MenuArray& beijing1;
    Operation<void(int Index)>& xunhuan1_Click;
    Operation<void(int Index)>& beijing1_Click;
};

// The options file 数据库/选项.bfq: eight lines written at shutdown
// (followed by the current list) and applied at start-up.
class OptionsFile {
public:
    static inline const QString kPath = QStringLiteral("数据库/选项.bfq");

    explicit OptionsFile(OptionsFileParts parts) : parts_(std::move(parts)) {}

    // Writes the options file, then the current list file.
    void cunchuxuanxiang();
    // Reads the options file and applies its lines in order.
    void readAtStartup();

private:
    QStringList lines() const;

    OptionsFileParts parts_;
};
