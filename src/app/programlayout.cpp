#include "app/programlayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "core/programfolder.h"
#include "core/store/datafile.h"

namespace pk {

namespace {
// Copies every file of a resource folder that the target folder lacks.
bool copyMissing(const QString& resourceDir, const QString& targetDir, QString* error) {
  QDirIterator it(resourceDir, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString relative = source.mid(resourceDir.size() + 1);
    const QString target = targetDir + QLatin1Char('/') + relative;
    if (QFileInfo::exists(target)) continue;
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!QFile::copy(source, target)) {
      if (error) *error = QStringLiteral("Could not write %1.").arg(target);
      return false;
    }
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
  }
  return true;
}
}  // namespace

bool LayOutProgramFolder(const QString& folder, QString* error) {
  const ProgramFolder pf(folder);
  if (!QDir().mkpath(pf.root())) {
    if (error) *error = QStringLiteral("Could not create %1.").arg(pf.root());
    return false;
  }
  if (!copyMissing(QStringLiteral(":/images"), pf.file(QStringLiteral("images")), error)) return false;
  if (!copyMissing(QStringLiteral(":/btn"), pf.file(QStringLiteral("btn")), error)) return false;
  if (!copyMissing(QStringLiteral(":/manual"), pf.file(QStringLiteral("manual")), error)) return false;
  QDir().mkpath(pf.file(QStringLiteral("images/_custom")));
  if (!QFileInfo::exists(pf.dataFile())) {
    if (!CreateDataFile(pf.dataFile(), error)) return false;
  }
  return true;
}

}  // namespace pk
