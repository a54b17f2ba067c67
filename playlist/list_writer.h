#pragma once

#include "core/flags.h"

#include <QString>

class Form1;

// Every change of the playlist's content: rebuilds the List menu from a
// list text, replacing ("替换写入") or extending ("增加写入") the list.
class ListWriter {
public:
    static inline const QString& Replace = ListWrite::Replace;
    static inline const QString& Append = ListWrite::Append;
    static inline const QString Status = QStringLiteral("正在写入列表菜单数据库，请稍候...");

    explicit ListWriter(Form1& form) : form_(form) {}

    void write_liebiao(const QString& xiang, const QString& aa);

private:
    void rebuild(const QStringList& paths);

    Form1& form_;
};
