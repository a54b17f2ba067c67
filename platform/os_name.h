#pragma once

#include "platform/os_version.h"

#include <QString>

// The name of the system a version record describes, from the program's
// table of names; "" for a version the table does not know.
QString get_os_name(const OsVersionRecord& record);

// The version record by which the volume back-end is chosen. The table
// names the systems of the endpoint back-end and of the mixer back-end;
// here that is a sound server answering or not: with one the record names
// a system of the endpoint back-end, without one a system of the mixer.
OsVersionRecord soundVersionRecord(bool soundServerAnswers);
