#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Turns what the program was started with into a list text: paths, each
// followed by a CR. A path ending in ".qmx" (exact case) is a list file
// whose lines (empty ones too) are taken instead.
using ListFileText = std::function<QString(const QString& path)>;

// A Windows-style command line as one string: absolute paths with drive
// letters separated by single blanks, the whole optionally in one pair of
// double quotes; a path may contain blanks.
QString commandLineToListText(const QString& commandLine, const ListFileText& readList);

// The program's arguments as Linux hands them over: each one a path,
// relative ones taken from the working folder. A name holding a line end
// is left out.
QString argumentsToListText(const QStringList& arguments, const QString& workingDir,
                            const ListFileText& readList);
