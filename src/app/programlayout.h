#pragma once
// Lays out a program folder: data file, pictures and manual. What is already
// there stays untouched, a user's data file above all.
#include <QString>

namespace pk {

bool LayOutProgramFolder(const QString& folder, QString* error);

}  // namespace pk
