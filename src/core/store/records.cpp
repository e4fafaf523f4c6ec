#include "core/store/records.h"

#include <QVariant>

#include "core/money.h"
#include "core/store/tdmdata.h"

namespace pk {

namespace {

const QString kItemRefused = QStringLiteral("Item already exists, please select another one.");
const QString kCategoryRefused = QStringLiteral("Category already exists, please type another one.");

template <typename T>
QVariant opt(const std::optional<T>& v) {
  return v ? QVariant::fromValue(*v) : QVariant();
}

std::optional<double> optReal(const Stmt& s, const char* column) {
  if (s.isNull(column)) return std::nullopt;
  return s.real(column);
}

std::optional<int> optInt(const Stmt& s, const char* column) {
  if (s.isNull(column)) return std::nullopt;
  return int(s.integer(column));
}

// A change of several statements that either stands whole or is undone whole,
// inside or outside a bulk write.
class Savepoint {
 public:
  explicit Savepoint(TdmData& data) : data_(data) { run(QStringLiteral("SAVEPOINT pk_record")); }
  ~Savepoint() {
    if (open_) {
      try {
        undo();
      } catch (...) {
      }
    }
  }
  void keep() {
    run(QStringLiteral("RELEASE pk_record"));
    open_ = false;
  }
  void undo() {
    open_ = false;
    run(QStringLiteral("ROLLBACK TO pk_record"));
    run(QStringLiteral("RELEASE pk_record"));
  }

 private:
  void run(const QString& sql) { data_.cached(sql).execute(); }
  TdmData& data_;
  bool open_ = true;
};

// Runs a save inside a savepoint; a refusal by the engine undoes it, shows the
// message and answers Refused.
template <typename Write>
SaveResult guardedSave(TdmData& data, const QString& refusal, Write write) {
  try {
    Savepoint sp(data);
    try {
      write();
      sp.keep();
      return SaveResult::Saved;
    } catch (const DbError&) {
      sp.undo();
      throw;
    }
  } catch (const DbError&) {
    data.prompter().message(MessageKind::Error, refusal);
    return SaveResult::Refused;
  }
}

int countWhere(TdmData& data, const QString& sql, const char* param, int key) {
  Stmt s = data.db().prepare(sql);
  s.bind(param, key);
  return s.next() ? int(s.integer("total")) : 0;
}

void warnInUse(TdmData& data, const QString& what, int n) {
  data.prompter().message(
      MessageKind::Warning,
      QStringLiteral("The %1 cannot deleted because it is being used in %2 transaction(s)").arg(what).arg(n));
}

}  // namespace

// ---------------------------------------------------------------- loading

std::optional<AccountRecord> LoadAccount(TdmData& data, int accID) {
  Stmt s = data.db().prepare(QStringLiteral("SELECT * FROM accounts WHERE accID = :id"));
  s.bind(":id", accID);
  if (!s.next()) return std::nullopt;
  AccountRecord r;
  r.accID = int(s.integer("accID"));
  r.name = s.text("name");
  r.bankNum = s.text("bankNum");
  r.icon = s.text("icon");
  r.initialBalance = s.real("initialBalance");
  r.balanceDate = optReal(s, "balanceDate");
  r.currentBalance = s.real("currentBalance");
  return r;
}

std::optional<CategoryRecord> LoadCategory(TdmData& data, int catID) {
  Stmt s = data.db().prepare(QStringLiteral("SELECT * FROM categories WHERE catID = :id"));
  s.bind(":id", catID);
  if (!s.next()) return std::nullopt;
  CategoryRecord r;
  r.catID = int(s.integer("catID"));
  r.name = s.text("name");
  r.type = int(s.integer("type"));
  r.icon = s.text("icon");
  r.isImport = s.boolean("isImport");
  r.catSystem = s.boolean("catSystem");
  return r;
}

namespace {
ItemRecord readItem(const Stmt& s) {
  ItemRecord r;
  r.itemID = int(s.integer("itemID"));
  r.name = s.text("name");
  r.type = int(s.integer("type"));
  r.catID = int(s.integer("catID"));
  r.icon = s.text("icon");
  r.comments = s.text("comments");
  r.budgetFrequency = optInt(s, "budgetFrequency");
  r.budgetStartDate = optReal(s, "budgetStartDate");
  r.budgetLastDate = optReal(s, "budgetLastDate");
  r.budgetAmount = optReal(s, "budgetAmount");
  r.budgetTotal = optReal(s, "budgetTotal");
  r.isImport = s.boolean("isImport");
  return r;
}
}  // namespace

std::optional<ItemRecord> LoadItem(TdmData& data, int itemID) {
  Stmt& s = data.cached(QStringLiteral("SELECT * FROM items WHERE itemID = :id"));
  s.bind(":id", itemID);
  std::optional<ItemRecord> r;
  if (s.next()) r = readItem(s);
  s.reset();
  return r;
}

std::vector<ItemRecord> LoadAllItems(TdmData& data) {
  std::vector<ItemRecord> items;
  Stmt s = data.db().prepare(QStringLiteral("SELECT * FROM items ORDER BY name"));
  while (s.next()) items.push_back(readItem(s));
  return items;
}

std::optional<TransactionRecord> LoadTransaction(TdmData& data, int trnID) {
  Stmt s = data.db().prepare(QStringLiteral("SELECT * FROM transactions WHERE trnID = :id"));
  s.bind(":id", trnID);
  if (!s.next()) return std::nullopt;
  TransactionRecord r;
  r.trnID = int(s.integer("trnID"));
  r.accID = int(s.integer("accID"));
  r.itemID = s.real("itemID");
  r.amount = fromTenThousandths(s.integer("amount"));
  r.trnDate = s.real("trnDate");
  r.description = s.text("description");
  r.reference = s.text("reference");
  r.parentID = optInt(s, "parentID");
  r.sortNum = optInt(s, "sortNum");
  r.saved = int(s.integer("saved"));
  r.isImport = s.boolean("isImport");
  r.FITID = s.text("FITID");
  r.trnYear = optInt(s, "trnYear");
  r.trnMonth = optInt(s, "trnMonth");
  r.trnWeek = optInt(s, "trnWeek");
  if (!s.isNull("secondaryID")) r.secondaryID = s.text("secondaryID");
  r.balance = optReal(s, "balance");
  return r;
}

// ---------------------------------------------------------------- new rows

AccountRecord NewAccount(TdmData&) { return AccountRecord{}; }

CategoryRecord NewCategory(TdmData& data) {
  CategoryRecord r;
  r.type = data.newCategoryType.toInt();
  return r;
}

ItemRecord NewItem(TdmData&) { return ItemRecord{}; }

TransactionRecord NewTransaction(TdmData& data) {
  TransactionRecord r;
  r.trnDate = data.clock().todayNumber();
  r.amount = 0;
  r.accID = data.CurrentAccountID;
  return r;
}

// ---------------------------------------------------------------- saving

void SaveAccount(TdmData& data, AccountRecord& a) {
  const bool insert = a.accID == 0;
  Stmt s = data.db().prepare(
      insert ? QStringLiteral("INSERT INTO accounts (name, bankNum, initialBalance, balanceDate, "
                              "currentBalance, icon) VALUES (:name, :bankNum, :initialBalance, "
                              ":balanceDate, :currentBalance, :icon)")
             : QStringLiteral("UPDATE accounts SET name = :name, bankNum = :bankNum, initialBalance = "
                              ":initialBalance, balanceDate = :balanceDate, currentBalance = "
                              ":currentBalance, icon = :icon WHERE accID = :accID"));
  s.bind(":name", a.name).bind(":bankNum", a.bankNum).bind(":initialBalance", a.initialBalance);
  s.bind(":balanceDate", opt(a.balanceDate)).bind(":currentBalance", a.currentBalance).bind(":icon", a.icon);
  if (!insert) s.bind(":accID", a.accID);
  s.execute();
  if (insert) a.accID = int(data.db().lastInsertId());
}

void SaveTransaction(TdmData& data, TransactionRecord& t) {
  const bool insert = t.trnID == 0;
  static const char* const kColumns[] = {"accID",  "itemID",   "amount",   "trnDate", "description",
                                         "reference", "parentID", "sortNum", "saved",   "isImport",
                                         "FITID",  "trnYear",  "trnMonth", "trnWeek", "secondaryID",
                                         "balance"};
  QStringList names, params, sets;
  for (const char* c : kColumns) {
    const QString name = QString::fromLatin1(c);
    names << name;
    params << QLatin1Char(':') + name;
    sets << name + QStringLiteral(" = :") + name;
  }
  Stmt s = data.db().prepare(
      insert ? QStringLiteral("INSERT INTO transactions (%1) VALUES (%2)").arg(names.join(QLatin1Char(',')),
                                                                              params.join(QLatin1Char(',')))
             : QStringLiteral("UPDATE transactions SET %1 WHERE trnID = :trnID").arg(sets.join(QLatin1Char(','))));
  s.bind(":accID", t.accID).bind(":itemID", t.itemID).bind(":amount", toTenThousandths(t.amount));
  s.bind(":trnDate", t.trnDate).bind(":description", t.description).bind(":reference", t.reference);
  s.bind(":parentID", opt(t.parentID)).bind(":sortNum", opt(t.sortNum)).bind(":saved", t.saved);
  s.bind(":isImport", t.isImport ? 1 : 0).bind(":FITID", t.FITID);
  s.bind(":trnYear", opt(t.trnYear)).bind(":trnMonth", opt(t.trnMonth)).bind(":trnWeek", opt(t.trnWeek));
  s.bind(":secondaryID", opt(t.secondaryID)).bind(":balance", opt(t.balance));
  if (!insert) s.bind(":trnID", t.trnID);
  s.execute();
  if (insert) t.trnID = int(data.db().lastInsertId());
}

SaveResult SaveCategory(TdmData& data, CategoryRecord& category) {
  CategoryRecord work = category;
  const bool insert = work.catID == 0;
  const SaveResult result = guardedSave(data, kCategoryRefused, [&] {
    Db& db = data.db();
    Stmt s = db.prepare(
        insert ? QStringLiteral("INSERT INTO categories (name, type, icon, isImport, catSystem) "
                                "VALUES (:name, :type, :icon, :isImport, :catSystem)")
               : QStringLiteral("UPDATE categories SET name = :name, type = :type, icon = :icon, "
                                "isImport = :isImport, catSystem = :catSystem WHERE catID = :catID"));
    s.bind(":name", work.name).bind(":type", work.type).bind(":icon", work.icon);
    s.bind(":isImport", work.isImport ? 1 : 0).bind(":catSystem", work.catSystem ? 1 : 0);
    if (!insert) s.bind(":catID", work.catID);
    s.execute();
    if (insert) work.catID = int(db.lastInsertId());
    // Every item of the category carries the category's name.
    db.prepare(QStringLiteral("UPDATE items SET name = :name WHERE catID = :catID"))
        .bind(":name", work.name)
        .bind(":catID", work.catID)
        .execute();
  });
  if (result == SaveResult::Refused) return result;
  category = work;
  if (insert) data.NewCategoryID = work.catID;
  return result;
}

SaveResult SaveItem(TdmData& data, ItemRecord& item) {
  ItemRecord work = item;
  const bool insert = work.itemID == 0;
  // The item takes its category's name, the category looked up as the categories
  // list stands, its filter included.
  {
    QString sql = QStringLiteral("SELECT name FROM categories WHERE catID = :catID");
    if (!data.categoryFilter.trimmed().isEmpty()) sql += QStringLiteral(" AND (%1)").arg(data.categoryFilter);
    Stmt& s = data.cached(sql);
    s.bind(":catID", work.catID);
    if (s.next()) work.name = s.text(0);
    s.reset();
  }
  const SaveResult result = guardedSave(data, kItemRefused, [&] {
    Stmt& s = data.cached(
        insert ? QStringLiteral("INSERT INTO items (name, type, catID, icon, comments, budgetFrequency, "
                                "budgetStartDate, budgetLastDate, budgetAmount, budgetTotal, isImport) "
                                "VALUES (:name, :type, :catID, :icon, :comments, :budgetFrequency, "
                                ":budgetStartDate, :budgetLastDate, :budgetAmount, :budgetTotal, :isImport)")
               : QStringLiteral("UPDATE items SET name = :name, type = :type, catID = :catID, icon = :icon, "
                                "comments = :comments, budgetFrequency = :budgetFrequency, "
                                "budgetStartDate = :budgetStartDate, budgetLastDate = :budgetLastDate, "
                                "budgetAmount = :budgetAmount, budgetTotal = :budgetTotal, "
                                "isImport = :isImport WHERE itemID = :itemID"));
    s.bind(":name", work.name).bind(":type", work.type).bind(":catID", work.catID);
    s.bind(":icon", work.icon).bind(":comments", work.comments);
    s.bind(":budgetFrequency", opt(work.budgetFrequency));
    s.bind(":budgetStartDate", opt(work.budgetStartDate)).bind(":budgetLastDate", opt(work.budgetLastDate));
    s.bind(":budgetAmount", opt(work.budgetAmount)).bind(":budgetTotal", opt(work.budgetTotal));
    s.bind(":isImport", work.isImport ? 1 : 0);
    if (!insert) s.bind(":itemID", work.itemID);
    s.execute();
    if (insert) work.itemID = int(data.db().lastInsertId());
  });
  if (result == SaveResult::Saved) item = work;
  return result;
}

// ---------------------------------------------------------------- lists and deletions

QList<QPair<QString, int>> FillCategoryList(TdmData& data, const QString& type) {
  QList<QPair<QString, int>> list;
  Stmt s = data.db().prepare(QStringLiteral("SELECT name, catID FROM categories WHERE type = :type ORDER BY name"));
  s.bind(":type", type.trimmed().toInt());
  while (s.next()) list.append({s.text(0), int(s.integer(1))});
  return list;
}

bool DeleteAccount(TdmData& data, int accID) {
  const int n = countWhere(data, QStringLiteral("SELECT COUNT(*) AS total FROM transactions WHERE accID = :accID"),
                           ":accID", accID);
  if (n != 0) {
    warnInUse(data, QStringLiteral("Account"), n);
    return false;
  }
  data.db().prepare(QStringLiteral("DELETE FROM accounts WHERE accID = :accID")).bind(":accID", accID).execute();
  return true;
}

bool DeleteItem(TdmData& data, int itemID) {
  const int n = countWhere(
      data, QStringLiteral("SELECT COUNT(*) AS total FROM transactions WHERE itemID = :itemID"), ":itemID", itemID);
  if (n != 0) {
    warnInUse(data, QStringLiteral("Item"), n);
    return false;
  }
  if (IsSystemItem(data, itemID)) {
    data.prompter().message(MessageKind::Warning,
                            QStringLiteral("The %1 cannot deleted because it is use by system").arg(QStringLiteral("Item")));
    return false;
  }
  data.db().prepare(QStringLiteral("DELETE FROM items WHERE itemID = :itemID")).bind(":itemID", itemID).execute();
  return true;
}

bool IsSystemItem(TdmData& data, int itemID) {
  Stmt s = data.db().prepare(
      QStringLiteral("SELECT categories.catSystem FROM items, categories WHERE items.catID = categories.catID "
                     "AND itemID = :itemID AND categories.catSystem <> 0"));
  s.bind(":itemID", itemID);
  return s.next();
}

}  // namespace pk
