#pragma once
// The program folder holds data.mdb, images/, btn/, backup/ and the manual. It is
// the folder of the executable unless --home or PURSEKEEP_HOME names another.
#include <QString>

namespace pk {

class ProgramFolder {
 public:
  ProgramFolder() = default;
  explicit ProgramFolder(const QString& root);

  // --home wins over PURSEKEEP_HOME, which wins over the executable's folder.
  static ProgramFolder resolve(const QString& homeArgument, const QString& executableDir);

  const QString& root() const { return root_; }
  QString dataFile() const { return file(QStringLiteral("data.mdb")); }
  QString imagesDir() const { return file(QStringLiteral("images/")); }
  QString btnDir() const { return file(QStringLiteral("btn/")); }
  QString backupDir() const { return file(QStringLiteral("backup/")); }
  QString file(const QString& relative) const;

  // The full path of a stored icon value (relative to images/, "\" read as "/").
  QString imageFile(const QString& icon) const;

 private:
  QString root_;
};

// Stored paths use "/"; a value written with "\" is read as "/".
QString normalSeparators(QString path);

}  // namespace pk
