#include "core/backup/backup.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "core/store/tdmdata.h"

namespace pk {

QString DefaultBackupFolder(const QString& databasePath) {
  return QFileInfo(databasePath).absolutePath() + QStringLiteral("/backup/");
}

QString DefaultBackupName(const QDate& today) {
  return QStringLiteral("vorn-%1-%2-%3.zip")
      .arg(today.month(), 2, 10, QLatin1Char('0'))
      .arg(today.day(), 2, 10, QLatin1Char('0'))
      .arg(today.year());
}

QString JoinBackupPath(const QString& folder, const QString& name) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + name;
  return folder + QLatin1Char('/') + name;
}

namespace {
// The extension as the file name shows it: from the last "." after the last "/".
QString extensionOf(const QString& name) {
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot < 0 || dot < name.lastIndexOf(QLatin1Char('/'))) return QString();
  return name.mid(dot);
}
}  // namespace

ArchiveNameProblem CheckArchiveName(QString& name) {
  if (name.trimmed().isEmpty()) return ArchiveNameProblem::Empty;
  if (extensionOf(name).isEmpty()) name += QStringLiteral(".zip");
  if (extensionOf(name).toLower() != QStringLiteral(".zip")) return ArchiveNameProblem::NotZip;
  return ArchiveNameProblem::None;
}

QString ArchiveNameMessage(ArchiveNameProblem problem) {
  switch (problem) {
    case ArchiveNameProblem::Empty: return QStringLiteral("Please Fill filename.");
    case ArchiveNameProblem::NotZip: return QStringLiteral("File extension must be in zip file");
    case ArchiveNameProblem::None: break;
  }
  return QString();
}

std::optional<QString> ProposeLatestBackup(const QString& backupFolder) {
  const QDir dir(backupFolder);
  if (!dir.exists() || !QFileInfo(backupFolder).isReadable()) return std::nullopt;
  QFileInfoList found = dir.entryInfoList({QStringLiteral("vorn*")}, QDir::Files | QDir::Hidden, QDir::Name);
  if (found.isEmpty()) return backupFolder;
  // The list is in name order; a strictly later time is needed to take the lead.
  const QFileInfo* best = &found.first();
  for (const QFileInfo& f : found) {
    if (f.lastModified() > best->lastModified()) best = &f;
  }
  return best->absoluteFilePath();
}

namespace {

// Holds a read lock on the data file for as long as it lives, after settling any
// write transaction of ours, so the file on disk is one consistent database.
class ReadLock {
 public:
  explicit ReadLock(Db& db) : db_(db) {
    if (db_.inTransaction()) db_.commit();
    db_.begin();
    db_.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
  }
  ~ReadLock() {
    try {
      if (db_.inTransaction()) db_.commit();  // nothing was written: this only lets go
    } catch (...) {
    }
  }
  ReadLock(const ReadLock&) = delete;
  ReadLock& operator=(const ReadLock&) = delete;

 private:
  Db& db_;
};

void syncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

void BackupDatabase(TdmData& data, const QString& archive, const ArchiveProgress& progress) {
  const QString file = data.DatabasePath;
  try {
    ReadLock lock(data.db());
    WriteArchive(archive, file, QFileInfo(file).fileName(), progress);
  } catch (const DbError& e) {
    throw ArchiveError(e.text());
  }
}

void RestoreDataFile(const QString& archive, const QString& databasePath, const ArchiveProgress& progress,
                     const std::function<void()>& beforeReplace) {
  // Where the data file really lies (through a link), so the rename stays in its folder.
  QFileInfo target(databasePath);
  if (target.isSymLink()) target = QFileInfo(target.symLinkTarget());
  const QString finalPath = target.absoluteFilePath();
  const QString entryName = QFileInfo(databasePath).fileName();

  QTemporaryFile temp(target.absolutePath() + QLatin1Char('/') + target.fileName() +
                      QStringLiteral(".restore-XXXXXX"));
  if (!temp.open()) throw ArchiveError(temp.errorString());
  ExtractArchiveEntry(archive, entryName, temp, progress);
  if (::fsync(temp.handle()) != 0) throw ArchiveError(QString::fromLocal8Bit(std::strerror(errno)));
  if (target.exists()) temp.setPermissions(target.permissions());
  temp.close();

  // The copy must be a data file of ours that opens with the key.
  {
    ScriptedPrompter quiet;
    Clock clock;
    TdmData probe(quiet, clock);
    try {
      probe.OpenDatabase(temp.fileName());
    } catch (const DbError& e) {
      throw ArchiveError(e.text());
    }
  }

  if (beforeReplace) beforeReplace();
  if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(finalPath).constData()) != 0) {
    throw ArchiveError(QString::fromLocal8Bit(std::strerror(errno)));
  }
  temp.setAutoRemove(false);
  syncFolder(target.absolutePath());
}

void RestoreDatabase(TdmData& data, const QString& archive, const ArchiveProgress& progress) {
  const QString path = data.DatabasePath;
  try {
    RestoreDataFile(archive, path, progress, [&data] { data.CloseDatabase(); });
  } catch (...) {
    // Whatever failed, the program keeps working with the data file then in place.
    if (!data.isOpen()) data.OpenDatabase(path);
    throw;
  }
  data.OpenDatabase(path);
}

}  // namespace pk
