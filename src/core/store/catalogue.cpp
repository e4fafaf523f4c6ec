#include "core/store/catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/programfolder.h"
#include "core/store/tdmdata.h"

namespace pk {

namespace {

QList<CatalogueEntry> readEntries(Stmt& s, const char* id, const char* name, const char* icon) {
  QList<CatalogueEntry> out;
  while (s.next()) {
    CatalogueEntry e;
    e.caption = s.text(name);
    e.key = int(s.integer(id));
    e.icon = s.isNull(icon) ? QString() : normalSeparators(s.text(icon));
    out.append(e);
  }
  return out;
}

bool exists(TdmData& data, const QString& sql, const QString& name, int type = 0) {
  Stmt s = data.db().prepare(sql);
  s.bind(":name", name);
  if (sql.contains(QLatin1String(":type"))) s.bind(":type", type);
  return s.next() && s.integer(0) > 0;
}

// Whether two folders are the same folder on disk.
bool sameFolder(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath();
  const QString cb = QFileInfo(b).canonicalFilePath();
  if (!ca.isEmpty() && ca == cb) return true;
  return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

}  // namespace

QList<CatalogueEntry> DefaultsEntries(TdmData& data, const QString& type) {
  Stmt s = data.db().prepare(QStringLiteral(
      "SELECT defaultID, name, icon FROM defaults WHERE type = :type ORDER BY sortNum, defaultID"));
  s.bind(":type", type.trimmed().toInt());
  return readEntries(s, "defaultID", "name", "icon");
}

QList<CatalogueEntry> QueryEntries(TdmData& data, const QString& sql) {
  Stmt s = data.db().prepare(sql);
  return readEntries(s, "ID", "NAME", "ICON");
}

std::optional<CatalogueEntry> DefaultEntry(TdmData& data, int defaultID) {
  Stmt s = data.db().prepare(QStringLiteral(
      "SELECT defaultID, name, icon FROM defaults WHERE defaultID = :id"));
  s.bind(":id", defaultID);
  const QList<CatalogueEntry> found = readEntries(s, "defaultID", "name", "icon");
  if (found.isEmpty()) return std::nullopt;
  return found.first();
}

QString AccountsListSql() {
  return QStringLiteral("SELECT accID AS ID, name AS NAME, icon AS ICON FROM accounts ORDER BY name");
}

QString ItemsListSql(int type) {
  return QStringLiteral(
             "SELECT items.itemID AS ID, items.name AS NAME, items.icon AS ICON FROM items,categories "
             "WHERE (items.catID=categories.catID AND categories.catSystem=0) AND items.type = %1 "
             "ORDER BY items.name")
      .arg(type);
}

namespace {
template <typename Taken>
QString firstFree(const QString& caption, Taken taken) {
  QString name = caption;
  for (int n = 2; taken(name); ++n) name = caption + QStringLiteral(" #") + QString::number(n);
  return name;
}
}  // namespace

QString FreeAccountName(TdmData& data, const QString& caption) {
  const QString sql = QStringLiteral("SELECT count(*) FROM accounts WHERE name = :name");
  return firstFree(caption, [&](const QString& name) { return exists(data, sql, name); });
}

QString FreeItemName(TdmData& data, const QString& caption, int type) {
  const QString items = QStringLiteral("SELECT count(*) FROM items WHERE name = :name");
  const QString otherCategories =
      QStringLiteral("SELECT count(*) FROM categories WHERE name = :name AND type <> :type");
  return firstFree(caption, [&](const QString& name) {
    return exists(data, items, name) || exists(data, otherCategories, name, type);
  });
}

std::optional<int> CategoryByName(TdmData& data, const QString& name, int type) {
  Stmt s = data.db().prepare(QStringLiteral(
      "SELECT catID FROM categories WHERE name = :name AND type = :type ORDER BY catID"));
  s.bind(":name", name).bind(":type", type);
  if (!s.next()) return std::nullopt;
  return int(s.integer(0));
}

bool CategoryNameTaken(TdmData& data, const QString& name, int type) {
  return exists(data, QStringLiteral("SELECT count(*) FROM categories WHERE name = :name AND type = :type"),
                name, type);
}

int CategoryItemCount(TdmData& data, int catID) {
  Stmt s = data.db().prepare(QStringLiteral("SELECT COUNT(*) AS total FROM items WHERE catID = :catID"));
  s.bind(":catID", catID);
  return s.next() ? int(s.integer("total")) : 0;
}

void DeleteCategoryRow(TdmData& data, int catID) {
  data.db().prepare(QStringLiteral("DELETE FROM categories WHERE catID = :catID")).bind(":catID", catID).execute();
}

StoredPicture StoreChosenPicture(const QString& imagesDir, const QString& chosenFile) {
  StoredPicture out;
  const QFileInfo chosen(normalSeparators(chosenFile));
  if (!chosen.isFile()) {
    out.error = QStringLiteral("The picture file %1 does not exist.").arg(QDir::toNativeSeparators(chosen.filePath()));
    return out;
  }
  const QString images = QDir::cleanPath(normalSeparators(imagesDir));
  const QString custom = images + QStringLiteral("/_custom");
  if (!QDir().mkpath(custom)) {
    out.error = QStringLiteral("The folder %1 could not be made.").arg(QDir::toNativeSeparators(custom));
    return out;
  }
  const QString folder = chosen.absolutePath();
  const QString fileName = chosen.fileName();
  if (sameFolder(folder, custom)) {
    out.icon = QStringLiteral("_custom/") + fileName;
  } else if (sameFolder(folder, images)) {
    out.icon = fileName;
  } else {
    // An existing picture of that name in _custom/ stays as it is and is used.
    const QString target = custom + QLatin1Char('/') + fileName;
    if (!QFileInfo::exists(target) && !QFile::copy(chosen.absoluteFilePath(), target)) {
      out.error = QStringLiteral("The picture %1 could not be copied into %2.")
                      .arg(QDir::toNativeSeparators(chosen.absoluteFilePath()), QDir::toNativeSeparators(custom));
      return out;
    }
    out.icon = QStringLiteral("_custom/") + fileName;
  }
  return out;
}

}  // namespace pk
