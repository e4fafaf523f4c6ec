#pragma once
// Backing the data file up into an archive and restoring it from one: the names the
// backup dialog proposes, the checks on a typed archive name, and the two operations.
#include <QDate>
#include <QString>
#include <optional>

#include "core/backup/archive.h"

namespace pk {

class TdmData;

// The folder backup/ beside the data file, with a trailing "/".
QString DefaultBackupFolder(const QString& databasePath);
// "vorn-MM-DD-YYYY.zip" for the given day.
QString DefaultBackupName(const QDate& today);
// folder + name with exactly one "/" between them.
QString JoinBackupPath(const QString& folder, const QString& name);

enum class ArchiveNameProblem { None, Empty, NotZip };
// Checks a typed archive name; a name without an extension gets ".zip" added.
ArchiveNameProblem CheckArchiveName(QString& name);
// The message for a problem ("" for None).
QString ArchiveNameMessage(ArchiveNameProblem problem);

// The archive a restore proposes: of the files "vorn*" in the folder (no subfolders),
// the one modified last, the first in name order among equal times; the folder itself
// when there is none; nothing when the folder cannot be searched.
std::optional<QString> ProposeLatestBackup(const QString& backupFolder);

// Copies the open data file into a new archive. The copy is taken under a read lock
// with no write transaction of ours open, so it is a consistent database.
void BackupDatabase(TdmData& data, const QString& archive, const ArchiveProgress& progress = {});

// Replaces the data file at databasePath with the archive's copy: the entry is
// extracted to a temporary file in the same folder, its CRC checked, and it must open
// as a data file of ours with the key; only then is it renamed over the data file.
// On any failure the data file is untouched. beforeReplace runs just before the
// rename (the caller closes its connection there).
void RestoreDataFile(const QString& archive, const QString& databasePath,
                     const ArchiveProgress& progress = {},
                     const std::function<void()>& beforeReplace = {});

// RestoreDataFile for the data module's file; the data module is connected to the
// data file again afterwards whatever happens.
void RestoreDatabase(TdmData& data, const QString& archive, const ArchiveProgress& progress = {});

}  // namespace pk
