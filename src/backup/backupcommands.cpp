// pursekeep backup [ARCHIVE] and pursekeep restore ARCHIVE, for scheduled backups:
// the dialog's rules and checks without a window. The questions the dialog asks are
// answered Yes (the user asked for the work on the command line).
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "app/commands.h"
#include "core/backup/backup.h"
#include "core/store/tdmdata.h"

namespace pk {

namespace {

int fail(const QString& text) {
  std::fprintf(stderr, "%s\n", qPrintable(text));
  return 1;
}

// The typed archive name checked as the dialog checks it; empty when refused.
QString checkedName(QString name) {
  const ArchiveNameProblem problem = CheckArchiveName(name);
  if (problem != ArchiveNameProblem::None) {
    fail(ArchiveNameMessage(problem));
    return QString();
  }
  return QFileInfo(name).absoluteFilePath();
}

}  // namespace

int RunBackupCommand(const QStringList& args, const CommandEnv& env) {
  if (args.size() > 1) {
    std::fprintf(stderr, "usage: pursekeep backup [ARCHIVE]\n");
    return 2;
  }
  const QString dataFile = env.folder.dataFile();
  QString archive;
  if (args.isEmpty()) {
    const QString folder = DefaultBackupFolder(dataFile);
    if (!QDir().mkpath(folder)) return fail(QStringLiteral("Could not create the folder %1.").arg(folder));
    archive = folder + DefaultBackupName(env.clock.today());
  } else {
    archive = checkedName(args.first());
    if (archive.isEmpty()) return 1;
  }
  ScriptedPrompter quiet;
  TdmData data(quiet, env.clock);
  try {
    data.OpenDatabase(dataFile);
    BackupDatabase(data, archive);
  } catch (const DbError& e) {
    return fail(e.text());
  } catch (const ArchiveError& e) {
    return fail(e.text());
  }
  std::printf("Backup Successfull: %s\n", qPrintable(QDir::toNativeSeparators(archive)));
  return 0;
}

int RunRestoreCommand(const QStringList& args, const CommandEnv& env) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: pursekeep restore ARCHIVE\n");
    return 2;
  }
  const QString archive = checkedName(args.first());
  if (archive.isEmpty()) return 1;
  if (!QFileInfo(archive).isFile()) return fail(QStringLiteral("File not Exist"));
  // The data file in place need not open: restoring is how a damaged one is mended.
  try {
    RestoreDataFile(archive, env.folder.dataFile());
  } catch (const ArchiveError& e) {
    return fail(e.text());
  }
  std::printf("Restore Successfull\n");
  return 0;
}

}  // namespace pk
