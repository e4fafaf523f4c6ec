#include "core/store/db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace pk {

namespace {
QString errorText(sqlite3* db) {
  return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("database is not open");
}
}  // namespace

// ---------------------------------------------------------------- Stmt

Stmt::Stmt(Stmt&& other) noexcept : db_(other.db_), stmt_(other.stmt_) {
  other.stmt_ = nullptr;
}

Stmt& Stmt::operator=(Stmt&& other) noexcept {
  if (this != &other) {
    if (stmt_) sqlite3_finalize(stmt_);
    db_ = other.db_;
    stmt_ = other.stmt_;
    other.stmt_ = nullptr;
  }
  return *this;
}

Stmt::~Stmt() {
  if (stmt_) sqlite3_finalize(stmt_);
}

void Stmt::check(int rc) const {
  if (rc != SQLITE_OK) throw DbError(errorText(db_));
}

int Stmt::param(const char* name) const {
  const int i = sqlite3_bind_parameter_index(stmt_, name);
  if (i == 0) throw DbError(QStringLiteral("no parameter %1").arg(QString::fromLatin1(name)));
  return i;
}

Stmt& Stmt::bind(const char* name, const QVariant& value) {
  if (value.isNull() || !value.isValid()) return bindNull(name);
  switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
      return bind(name, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
      return bind(name, value.toDouble());
    default:
      return bind(name, value.toString());
  }
}

Stmt& Stmt::bind(const char* name, qint64 value) {
  check(sqlite3_bind_int64(stmt_, param(name), value));
  return *this;
}

Stmt& Stmt::bind(const char* name, double value) {
  check(sqlite3_bind_double(stmt_, param(name), value));
  return *this;
}

Stmt& Stmt::bind(const char* name, const QString& value) {
  if (value.isNull()) return bindNull(name);
  const QByteArray utf8 = value.toUtf8();
  check(sqlite3_bind_text(stmt_, param(name), utf8.constData(), int(utf8.size()),
                          SQLITE_TRANSIENT));
  return *this;
}

Stmt& Stmt::bindNull(const char* name) {
  check(sqlite3_bind_null(stmt_, param(name)));
  return *this;
}

bool Stmt::next() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  const QString text = errorText(db_);
  sqlite3_reset(stmt_);
  throw DbError(text);
}

int Stmt::execute() {
  while (next()) {
  }
  return sqlite3_changes(db_);
}

void Stmt::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int Stmt::columnCount() const { return sqlite3_column_count(stmt_); }

QString Stmt::columnName(int i) const {
  return QString::fromUtf8(sqlite3_column_name(stmt_, i));
}

int Stmt::column(const char* name) const {
  const int n = sqlite3_column_count(stmt_);
  for (int i = 0; i < n; ++i) {
    if (sqlite3_stricmp(sqlite3_column_name(stmt_, i), name) == 0) return i;
  }
  return -1;
}

int Stmt::need(const char* name) const {
  const int i = column(name);
  if (i < 0) throw DbError(QStringLiteral("no column %1").arg(QString::fromLatin1(name)));
  return i;
}

bool Stmt::isNull(int i) const { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }
bool Stmt::isNull(const char* name) const { return isNull(need(name)); }
qint64 Stmt::integer(int i) const { return sqlite3_column_int64(stmt_, i); }
qint64 Stmt::integer(const char* name) const { return integer(need(name)); }
double Stmt::real(int i) const { return sqlite3_column_double(stmt_, i); }
double Stmt::real(const char* name) const { return real(need(name)); }

QString Stmt::text(int i) const {
  const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
  if (!p) return QString();
  return QString::fromUtf8(p, sqlite3_column_bytes(stmt_, i));
}
QString Stmt::text(const char* name) const { return text(need(name)); }

QVariant Stmt::value(int i) const {
  switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, i));
    case SQLITE_NULL: return QVariant();
    default: return QVariant(text(i));
  }
}
QVariant Stmt::value(const char* name) const { return value(need(name)); }

// ---------------------------------------------------------------- Db

Db::~Db() { close(); }

void Db::openWith(const QString& path, const QByteArray& key, int flags) {
  close();
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    const QString text = errorText(db);
    sqlite3_close(db);
    throw DbError(text);
  }
  db_ = db;
  try {
    if (sqlite3_key(db_, key.constData(), int(key.size())) != SQLITE_OK) throw DbError(errorText(db_));
    // Reading the schema proves the key: a wrong key or a damaged file fails here.
    exec(QStringLiteral("SELECT count(*) FROM sqlite_master;"));
    sqlite3_busy_timeout(db_, 300000);
  } catch (...) {
    close();
    throw;
  }
}

void Db::open(const QString& path, const QByteArray& key) {
  QFileInfo info(path);
  if (!info.exists() || !info.isFile()) {
    throw DbError(QStringLiteral("Could not find file '%1'.").arg(QDir::toNativeSeparators(path)));
  }
  openWith(path, key, SQLITE_OPEN_READWRITE);
}

void Db::create(const QString& path, const QByteArray& key) {
  openWith(path, key, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void Db::close() {
  if (db_) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }
}

void Db::exec(const QString& sql) {
  if (!db_) throw DbError(errorText(nullptr));
  char* err = nullptr;
  const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err);
  if (rc != SQLITE_OK) {
    const QString text = err ? QString::fromUtf8(err) : errorText(db_);
    sqlite3_free(err);
    throw DbError(text);
  }
}

Stmt Db::prepare(const QString& sql) {
  if (!db_) throw DbError(errorText(nullptr));
  sqlite3_stmt* stmt = nullptr;
  const QByteArray utf8 = sql.toUtf8();
  if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
    throw DbError(errorText(db_));
  }
  return Stmt(db_, stmt);
}

qint64 Db::scalar(const QString& sql) {
  Stmt s = prepare(sql);
  return s.next() ? s.integer(0) : 0;
}

qint64 Db::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

void Db::begin() { exec(QStringLiteral("BEGIN;")); }
void Db::commit() { exec(QStringLiteral("COMMIT;")); }
void Db::rollback() { exec(QStringLiteral("ROLLBACK;")); }
bool Db::inTransaction() const { return db_ && sqlite3_get_autocommit(db_) == 0; }

// ---------------------------------------------------------------- BulkWrite

BulkWrite::BulkWrite(Db& db) : db_(db) {
  if (!db_.inTransaction()) {
    db_.begin();
    owns_ = true;
  }
}

BulkWrite::~BulkWrite() {
  if (owns_ && db_.inTransaction()) {
    try {
      db_.commit();
    } catch (...) {
    }
  }
}

}  // namespace pk
