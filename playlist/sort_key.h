#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// Sort keys of playlist entries, and the order they give.
namespace SortKeys {

// Appends the key of the path dir + caption for sort item 0 (the path),
// 1 (the file name, a blank, the folder with its "/") or 2 (the suffix,
// a blank, the rest with its "."); a path without the separator gives
// itself and a blank.
void append(QString& out, QStringView dir, QStringView caption, int index);

// The entries' positions in key order: keys compare by UTF-16 code unit,
// equal keys keep their order.
struct Path {
    QStringView dir;
    QStringView caption;
};
std::vector<int> order(const std::vector<Path>& paths, int index);

} // namespace SortKeys
