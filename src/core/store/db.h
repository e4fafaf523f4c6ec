#pragma once
// A thin RAII layer over the encrypted SQL engine. Engine errors are thrown as
// DbError carrying the engine's own text; handlers show that text to the user.
#include <QString>
#include <QVariant>
#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace pk {

class DbError : public std::runtime_error {
 public:
  explicit DbError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

class Db;

// One prepared statement. Parameters are bound by name (":accID"); columns are
// read by name, without regard to letter case.
class Stmt {
 public:
  Stmt(Stmt&& other) noexcept;
  Stmt& operator=(Stmt&& other) noexcept;
  Stmt(const Stmt&) = delete;
  Stmt& operator=(const Stmt&) = delete;
  ~Stmt();

  Stmt& bind(const char* name, const QVariant& value);  // a null QVariant binds NULL
  Stmt& bind(const char* name, qint64 value);
  Stmt& bind(const char* name, int value) { return bind(name, qint64(value)); }
  Stmt& bind(const char* name, double value);
  Stmt& bind(const char* name, const QString& value);
  Stmt& bindNull(const char* name);

  bool next();          // steps to the next row; false at the end
  int execute();        // runs to the end; the number of rows changed
  void reset();

  int columnCount() const;
  QString columnName(int i) const;
  int column(const char* name) const;  // -1 when absent
  bool isNull(const char* name) const;
  bool isNull(int i) const;
  qint64 integer(const char* name) const;
  qint64 integer(int i) const;
  double real(const char* name) const;
  double real(int i) const;
  QString text(const char* name) const;
  QString text(int i) const;
  bool boolean(const char* name) const { return integer(name) != 0; }
  QVariant value(const char* name) const;
  QVariant value(int i) const;

 private:
  friend class Db;
  Stmt(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
  int need(const char* name) const;
  int param(const char* name) const;
  void check(int rc) const;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
};

class Db {
 public:
  Db() = default;
  ~Db();
  Db(const Db&) = delete;
  Db& operator=(const Db&) = delete;

  // Opens an existing file with the key; never creates one.
  void open(const QString& path, const QByteArray& key);
  // Creates a new, empty file with the key (used only when laying out a program folder).
  void create(const QString& path, const QByteArray& key);
  void close();
  bool isOpen() const { return db_ != nullptr; }

  void exec(const QString& sql);  // one or more statements, no results
  Stmt prepare(const QString& sql);
  qint64 scalar(const QString& sql);  // first column of the first row, 0 when none
  qint64 lastInsertId() const;

  void begin();
  void commit();
  void rollback();
  bool inTransaction() const;

  sqlite3* handle() const { return db_; }

 private:
  void openWith(const QString& path, const QByteArray& key, int flags);
  sqlite3* db_ = nullptr;
};

// Runs bulk work in one engine transaction. On an exception what was done so far
// is committed, so the visible outcome is that of the statements that succeeded.
class BulkWrite {
 public:
  explicit BulkWrite(Db& db);
  ~BulkWrite();
  BulkWrite(const BulkWrite&) = delete;
  BulkWrite& operator=(const BulkWrite&) = delete;

 private:
  Db& db_;
  bool owns_ = false;
};

}  // namespace pk
