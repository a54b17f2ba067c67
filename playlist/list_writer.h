#pragma once

#include <QString>

class Form1;

// Every change of the playlist's content: rebuilds the List menu from a
// list text, replacing ("替换写入") or extending ("增加写入") the list.
class ListWriter {
public:
    static inline const QString Replace = QStringLiteral("替换写入");
    static inline const QString Append = QStringLiteral("增加写入");
    static inline const QString Status = QStringLiteral("正在写入列表菜单数据库，请稍候...");

    explicit ListWriter(Form1& form) : form_(form) {}

    void write_liebiao(const QString& xiang, const QString& aa);

private:
    void rebuild(const QStringList& paths);

    Form1& form_;
};
