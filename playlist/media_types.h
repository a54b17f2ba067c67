#pragma once

#include <QString>
#include <QStringList>

// The kinds of files a folder scan takes, judged by the end of the name.
namespace MediaTypes {

// The 29 suffixes of the scan table; entry No. n is suffixes().at(n - 1).
const QStringList& suffixes();

// The type filters, by the index of the filter menu item.
enum Filter {
    AllMedia = 0,
    Disc = 1,
    Audio = 2,
    Video = 3,
    Picture = 4,
    FlashAndLists = 5,
    AllFiles = 6,
    Separator = 7,
    Custom = 8,
};

// Table entries first ... last (numbered from 1) of a filter 0 to 6;
// {1, 0} (none) for the separator and anything else.
struct Range {
    int first;
    int last;
};
Range range(int filter);

// The suffixes a custom answer names, at most this many.
inline constexpr int kMaxCustomSuffixes = 300;
QStringList customSuffixes(const QString& answer);

// The open-file dialog's filter (filter 1 chosen at opening) and the save
// dialog's filter for list files.
extern const QString kOpenFilter;
extern const QString kListFilter;

} // namespace MediaTypes

// A type filter ready to test file names.
class TypeFilter {
public:
    // One of the filters 0 to 6 of the table.
    static TypeFilter standard(int filter);
    // The custom filter: the suffixes of the user's answer.
    static TypeFilter custom(const QString& answer);

    // Whether the scan takes a file of this name.
    bool matches(const QString& fileName) const;

private:
    QStringList suffixes_;
    bool everything_ = false;
};
