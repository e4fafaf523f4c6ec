#include "core/programfolder.h"

#include <QDir>

namespace pk {

QString normalSeparators(QString path) { return path.replace(QLatin1Char('\\'), QLatin1Char('/')); }

ProgramFolder::ProgramFolder(const QString& root) {
  root_ = QDir::cleanPath(QDir(normalSeparators(root)).absolutePath());
  if (!root_.endsWith(QLatin1Char('/'))) root_ += QLatin1Char('/');
}

ProgramFolder ProgramFolder::resolve(const QString& homeArgument, const QString& executableDir) {
  if (!homeArgument.isEmpty()) return ProgramFolder(homeArgument);
  const QString env = qEnvironmentVariable("PURSEKEEP_HOME");
  if (!env.isEmpty()) return ProgramFolder(env);
  return ProgramFolder(executableDir);
}

QString ProgramFolder::file(const QString& relative) const { return root_ + normalSeparators(relative); }

QString ProgramFolder::imageFile(const QString& icon) const {
  return imagesDir() + normalSeparators(icon);
}

}  // namespace pk
