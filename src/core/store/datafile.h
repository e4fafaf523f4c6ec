#pragma once
// Creating a new data file: the schema, the preset catalogue and the options row.
#include <QString>

namespace pk {

// Writes a new data file at path; refuses (returns false, with the reason) when a
// file is already there, so a user's data is never written over.
bool CreateDataFile(const QString& path, QString* error = nullptr);

}  // namespace pk
