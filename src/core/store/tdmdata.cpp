#include "core/store/tdmdata.h"

#include <sodium.h>

namespace pk {

QByteArray databaseKey() { return QByteArrayLiteral("K4T7P2M6R5D1F8"); }

TdmData::TdmData(Prompter& prompter, const Clock& clock) : prompter_(prompter), clock_(clock) {}

TdmData::~TdmData() { CloseDatabase(); }

void TdmData::OpenDatabase(const QString& path) {
  CloseDatabase();
  db_.open(path, databaseKey());
  try {
    // A data file of ours has its options row.
    Stmt s = db_.prepare(QStringLiteral("SELECT count(*) FROM options"));
    if (!s.next() || s.integer(0) < 1) throw DbError(QStringLiteral("The data file has no options row."));
  } catch (...) {
    db_.close();
    throw;
  }
  // A cache that holds a large household whole: the data file is encrypted page by
  // page, and every page read again from disk is decrypted again.
  db_.exec(QStringLiteral("PRAGMA cache_size = -65536"));
  DatabasePath = path;
}

void TdmData::CloseDatabase() {
  statements_.clear();  // finalized before the connection goes
  db_.close();
}

Stmt& TdmData::cached(const QString& sql) {
  auto it = statements_.find(sql);
  if (it == statements_.end()) it = statements_.insert(sql, std::make_shared<Stmt>(db_.prepare(sql)));
  Stmt& s = **it;
  s.reset();
  return s;
}

bool TdmData::UsesPassword() {
  return db_.scalar(QStringLiteral("SELECT usepassword FROM options LIMIT 1")) != 0;
}

bool TdmData::PasswordMatches(const QString& typed) {
  Stmt s = db_.prepare(QStringLiteral("SELECT userPassword FROM options LIMIT 1"));
  if (!s.next()) return false;
  if (s.isNull(0)) return false;
  return passwordHashMatches(s.text(0), typed);
}

void TdmData::SetUsePassword(bool value) {
  db_.prepare(QStringLiteral("UPDATE options SET usepassword = :v")).bind(":v", value ? 1 : 0).execute();
}

void TdmData::SetPassword(const QString& password) {
  db_.prepare(QStringLiteral("UPDATE options SET usepassword = 1, userPassword = :p"))
      .bind(":p", hashPassword(password))
      .execute();
}

bool TdmData::IsStartDateSelected() {
  return db_.scalar(QStringLiteral("SELECT selectdate FROM options LIMIT 1")) != 0;
}

void TdmData::MarkStartDateSelected() { db_.exec(QStringLiteral("UPDATE options SET selectdate = 1")); }

std::optional<DayNumber> TdmData::StartBudget() {
  Stmt s = db_.prepare(QStringLiteral("SELECT startBudget FROM options LIMIT 1"));
  if (!s.next() || s.isNull(0)) return std::nullopt;
  return s.real(0);
}

void TdmData::SetStartBudget(DayNumber start) {
  db_.prepare(QStringLiteral("UPDATE options SET startBudget = :d")).bind(":d", start).execute();
}

namespace {
const QString kHashPrefix = QStringLiteral("$argon2");
bool sodiumReady() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}
}  // namespace

QString hashPassword(const QString& password) {
  if (!sodiumReady()) throw DbError(QStringLiteral("The password library could not start."));
  const QByteArray utf8 = password.toUtf8();
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()),
                        crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
    throw DbError(QStringLiteral("Out of memory while storing the password."));
  }
  return QString::fromLatin1(out);
}

bool passwordHashMatches(const QString& stored, const QString& typed) {
  if (!stored.startsWith(kHashPrefix)) {
    // A password stored as typed by an older data file: compared exactly.
    return stored == typed;
  }
  if (!sodiumReady()) return false;
  const QByteArray hash = stored.toLatin1();
  const QByteArray utf8 = typed.toUtf8();
  return crypto_pwhash_str_verify(hash.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

}  // namespace pk
