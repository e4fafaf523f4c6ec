#include "core/store/datafile.h"

#include <QFile>
#include <QFileInfo>

#include "core/store/db.h"
#include "core/store/tdmdata.h"

namespace pk {

namespace {
QString readResource(const QString& name) {
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Missing resource %1").arg(name));
  return QString::fromUtf8(f.readAll());
}
}  // namespace

bool CreateDataFile(const QString& path, QString* error) {
  if (QFileInfo::exists(path)) {
    if (error) *error = QStringLiteral("%1 already exists.").arg(path);
    return false;
  }
  const QString partial = path + QStringLiteral(".new");
  QFile::remove(partial);
  try {
    Db db;
    db.create(partial, databaseKey());
    db.begin();
    db.exec(readResource(QStringLiteral(":/data/schema.sql")));
    db.exec(readResource(QStringLiteral(":/data/presets.sql")));
    db.commit();
    db.close();
  } catch (const DbError& e) {
    QFile::remove(partial);
    if (error) *error = e.text();
    return false;
  }
  if (!QFile::rename(partial, path)) {
    QFile::remove(partial);
    if (error) *error = QStringLiteral("Could not write %1.").arg(path);
    return false;
  }
  return true;
}

}  // namespace pk
