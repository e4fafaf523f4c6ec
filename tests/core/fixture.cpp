#include "fixture.h"

#include <QLocale>
#include <stdexcept>

#include "core/money.h"
#include "core/store/datafile.h"

namespace pk::test {

void useTestLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

Fixture::Fixture(const QDate& today) : clock_(today) {
  useTestLocale();
  QString error;
  if (!CreateDataFile(dataFile(), &error)) throw std::runtime_error(error.toStdString());
  data_ = std::make_unique<TdmData>(prompter_, clock_);
  data_->OpenDatabase(dataFile());
}

Fixture::~Fixture() { data_.reset(); }

int Fixture::addAccount(const QString& name, double initialBalance, double balanceDate) {
  db().prepare(QStringLiteral(
                   "INSERT INTO accounts (name, initialBalance, balanceDate, currentBalance) "
                   "VALUES (:n, :b, :d, :b)"))
      .bind(":n", name).bind(":b", initialBalance).bind(":d", balanceDate).execute();
  return int(db().lastInsertId());
}

int Fixture::addCategory(const QString& name, int type, bool system) {
  db().prepare(QStringLiteral("INSERT INTO categories (name, type, catSystem) VALUES (:n, :t, :s)"))
      .bind(":n", name).bind(":t", type).bind(":s", system ? 1 : 0).execute();
  return int(db().lastInsertId());
}

int Fixture::addItem(const QString& name, int type, int catID) {
  if (catID == 0) catID = addCategory(name, type);
  db().prepare(QStringLiteral("INSERT INTO items (name, type, catID) VALUES (:n, :t, :c)"))
      .bind(":n", name).bind(":t", type).bind(":c", catID).execute();
  return int(db().lastInsertId());
}

int Fixture::addTransaction(int accID, int itemID, double amount, double trnDate) {
  db().prepare(QStringLiteral(
                   "INSERT INTO transactions (accID, itemID, amount, trnDate, saved) "
                   "VALUES (:a, :i, :m, :d, 0)"))
      .bind(":a", accID).bind(":i", double(itemID)).bind(":m", toTenThousandths(amount))
      .bind(":d", trnDate).execute();
  return int(db().lastInsertId());
}

}  // namespace pk::test
