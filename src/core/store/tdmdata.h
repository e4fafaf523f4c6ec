#pragma once
// The data module: the one connection to the data file, the option accessors and
// the shared values that pages hand to each other (current account, new category).
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

#include "core/clock.h"
#include "core/dates.h"
#include "core/prompter.h"
#include "core/store/db.h"

namespace pk {

// The key of every data file.
QByteArray databaseKey();

class TdmData {
 public:
  TdmData(Prompter& prompter, const Clock& clock);
  ~TdmData();
  TdmData(const TdmData&) = delete;
  TdmData& operator=(const TdmData&) = delete;

  // Opens an existing data file; throws DbError with the engine's text when the
  // file is missing, damaged, wrongly keyed or not a data file of ours.
  void OpenDatabase(const QString& path);
  void CloseDatabase();
  bool isOpen() const { return db_.isOpen(); }

  Db& db() { return db_; }
  // A statement prepared once for the open connection and reused, for work done
  // many times in a row (saving records in bulk). It comes reset, with no values
  // bound; a caller that stops reading before the end resets it. Never in use twice
  // at once.
  Stmt& cached(const QString& sql);
  Prompter& prompter() { return prompter_; }
  const Clock& clock() const { return clock_; }

  // Options (the one row of table options).
  bool UsesPassword();
  bool PasswordMatches(const QString& typed);
  void SetUsePassword(bool value);
  void SetPassword(const QString& password);
  bool IsStartDateSelected();
  void MarkStartDateSelected();
  std::optional<DayNumber> StartBudget();  // empty until chosen
  void SetStartBudget(DayNumber start);

  // Values the pages share.
  QString newCategoryType = QStringLiteral("2");
  int CurrentAccountID = 0;
  QString CurrentAccountName;
  int NewCategoryID = 0;
  QString DatabasePath;

  // The category editor's filter on the categories list: an SQL condition on the
  // categories table (yes/no as 1/0), empty for none. Saving an item looks its
  // category up through it.
  QString categoryFilter;

 private:
  Prompter& prompter_;
  const Clock& clock_;
  Db db_;
  QHash<QString, std::shared_ptr<Stmt>> statements_;
};

// The stored form of an open password: a salted, slow hash. Matching is exact:
// letter case and blanks count.
QString hashPassword(const QString& password);
bool passwordHashMatches(const QString& stored, const QString& typed);

}  // namespace pk
