#pragma once

#include "core/flags.h"

#include <QString>

class LabelControl;
class MenuArray;
class QTimer;
struct Form1State;
template <typename Signature>
class Operation;

// The parts of the window a list write changes.
struct ListWriterParts {
    Form1State& state;
    MenuArray& liebiao;
    MenuArray& paixu1;
    const MenuArray& xuanxiang1;
    QTimer& Timer1;
    LabelControl& ditiao;
    Operation<void(int Index)>& liebiao_Click;
};

// Every change of the playlist's content: rebuilds the List menu from a
// list text, replacing ("替换写入") or extending ("增加写入") the list.
class ListWriter {
public:
    static inline const QString& Replace = ListWrite::Replace;
    static inline const QString& Append = ListWrite::Append;
    static inline const QString Status = QStringLiteral("正在写入列表菜单数据库，请稍候...");

    explicit ListWriter(const ListWriterParts& parts) : parts_(parts) {}

    void write_liebiao(const QString& xiang, const QString& aa);

private:
    void rebuild(const QStringList& paths);

    ListWriterParts parts_;
};
