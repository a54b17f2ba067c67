#pragma once

#include <QStringList>

// While one lives, operations that no feature provides (and menu items
// without a command) are recorded instead of failing the test.
class RecordMissingOperations {
public:
    RecordMissingOperations();
    ~RecordMissingOperations();
    RecordMissingOperations(const RecordMissingOperations&) = delete;
    RecordMissingOperations& operator=(const RecordMissingOperations&) = delete;

    static QStringList& names();
};

// What every test does otherwise: fails on the first one.
void failOnMissingOperation(const char* name);
