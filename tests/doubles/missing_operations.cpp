#include "doubles/missing_operations.h"

#include "core/operation.h"

#include <gtest/gtest.h>

RecordMissingOperations::RecordMissingOperations()
{
    names().clear();
    setMissingOperationHandler([](const char* name) { names() << QString::fromUtf8(name); });
}

RecordMissingOperations::~RecordMissingOperations()
{
    setMissingOperationHandler(&failOnMissingOperation);
}

QStringList& RecordMissingOperations::names()
{
    static QStringList recorded;
    return recorded;
}

void failOnMissingOperation(const char* name)
{
    ADD_FAILURE() << "no feature provides the window operation " << name;
}
