#pragma once
// A fresh data file in a temporary program folder, opened through a data module
// with a fixed today and a scripted prompter.
#include <QTemporaryDir>
#include <memory>

#include "core/clock.h"
#include "core/programfolder.h"
#include "core/prompter.h"
#include "core/store/tdmdata.h"

namespace pk::test {

class Fixture {
 public:
  explicit Fixture(const QDate& today = QDate(2010, 3, 10));
  ~Fixture();

  QString dir() const { return tmp_.path(); }
  ProgramFolder folder() const { return ProgramFolder(tmp_.path()); }
  QString dataFile() const { return folder().dataFile(); }

  TdmData& data() { return *data_; }
  Db& db() { return data_->db(); }
  ScriptedPrompter& prompter() { return prompter_; }
  Clock& clock() { return clock_; }

  // Small helpers to put rows in place; they return the new key.
  int addAccount(const QString& name, double initialBalance = 0, double balanceDate = 0);
  int addCategory(const QString& name, int type, bool system = false);
  int addItem(const QString& name, int type, int catID = 0);
  int addTransaction(int accID, int itemID, double amount, double trnDate);

 private:
  QTemporaryDir tmp_;
  Clock clock_;
  ScriptedPrompter prompter_;
  std::unique_ptr<TdmData> data_;
};

// Sets the fixed test locale (English, United States).
void useTestLocale();

}  // namespace pk::test
