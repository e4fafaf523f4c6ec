#pragma once
// Typed rows of the data file and the rules that run when they are added or saved:
// defaults of new rows, an item always carrying its category's name, the messages
// for refused saves, and the guarded deletions.
#include <QList>
#include <QPair>
#include <QString>
#include <optional>
#include <vector>

#include "core/dates.h"

namespace pk {

class TdmData;

struct AccountRecord {
  int accID = 0;  // 0 until saved
  QString name, bankNum, icon;
  double initialBalance = 0;
  std::optional<DayNumber> balanceDate;
  double currentBalance = 0;
};

struct CategoryRecord {
  int catID = 0;  // 0 until saved
  QString name;
  int type = 0;  // 2 income, 3 outgoing
  QString icon;
  bool isImport = false, catSystem = false;
};

struct ItemRecord {
  int itemID = 0;  // 0 until saved
  QString name;    // always its category's name once saved
  int type = 0;
  int catID = 0;
  QString icon, comments;
  std::optional<int> budgetFrequency;
  std::optional<DayNumber> budgetStartDate, budgetLastDate;
  std::optional<double> budgetAmount, budgetTotal;
  bool isImport = false;
};

struct TransactionRecord {
  int trnID = 0;  // 0 until saved
  int accID = 0;
  double itemID = 0;
  double amount = 0;
  DayNumber trnDate = 0;
  QString description, reference;
  std::optional<int> parentID, sortNum;  // set on the lines of a split only
  int saved = 0;                         // 0 committed, 1 pending, 2 being replaced
  bool isImport = false;
  QString FITID;
  // Never computed; kept as found and copied with the row.
  std::optional<int> trnYear, trnMonth, trnWeek;
  std::optional<QString> secondaryID;
  std::optional<double> balance;
};

// Refused: the refusal message has been shown and the change cancelled; the
// caller must stop there.
enum class SaveResult { Saved, Refused };

// Rows by key; empty when there is no such row.
std::optional<AccountRecord> LoadAccount(TdmData& data, int accID);
std::optional<CategoryRecord> LoadCategory(TdmData& data, int catID);
std::optional<ItemRecord> LoadItem(TdmData& data, int itemID);
std::optional<TransactionRecord> LoadTransaction(TdmData& data, int trnID);
// Every item, in name order.
std::vector<ItemRecord> LoadAllItems(TdmData& data);

// New rows with their defaults, not yet stored.
AccountRecord NewAccount(TdmData& data);
CategoryRecord NewCategory(TdmData& data);        // type from data.newCategoryType
ItemRecord NewItem(TdmData& data);
TransactionRecord NewTransaction(TdmData& data);  // today at midnight, amount 0, CurrentAccountID

// Insert when the key is 0 (the new key is set), otherwise update. Engine errors
// of accounts and transactions reach the caller as DbError.
void SaveAccount(TdmData& data, AccountRecord& account);
void SaveTransaction(TdmData& data, TransactionRecord& transaction);

// Saves the category and gives all its items its name; on insert also sets
// data.NewCategoryID. A refusal by the engine shows "Category already exists,
// please type another one." and leaves the data file and the record as they were.
[[nodiscard]] SaveResult SaveCategory(TdmData& data, CategoryRecord& category);

// Saves the item with its category's name, the category looked up as the
// categories list stands (data.categoryFilter included; a category outside the
// filter leaves the name as it is). A refusal shows "Item already exists, please
// select another one." and leaves the data file and the record as they were.
[[nodiscard]] SaveResult SaveItem(TdmData& data, ItemRecord& item);

// The categories of a type ("2" or "3") as (name, catID), in name order, system
// categories included.
QList<QPair<QString, int>> FillCategoryList(TdmData& data, const QString& type);

// Deletes an account or item that no transaction uses (and, for an item, that is
// not of a system category); otherwise warns and keeps it. True when deleted.
bool DeleteAccount(TdmData& data, int accID);
bool DeleteItem(TdmData& data, int itemID);

// True when the item belongs to a system category.
bool IsSystemItem(TdmData& data, int itemID);

}  // namespace pk
