// Lays out a program folder and fills its data file with a large, realistic
// household: accounts, income and outgoing items in categories with budgets of
// every frequency, and ten years of transactions ending at a given today,
// split transactions and imported statement lines among them.
//
//   generate_household DIR [--items N] [--transactions N] [--today YYYY-MM-DD]
//
// The same arguments always give the same household.
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/programlayout.h"
#include "core/budget/budgettotals.h"
#include "core/budget/calendar.h"
#include "core/budget/frequency.h"
#include "core/clock.h"
#include "core/money.h"
#include "core/programfolder.h"
#include "core/prompter.h"
#include "core/store/balances.h"
#include "core/store/tdmdata.h"

using namespace pk;

namespace {

QTextStream& err() {
  static QTextStream s(stderr);
  return s;
}

struct Options {
  QString dir;
  int items = 150;
  int transactions = 60000;
  QDate today = QDate(2010, 3, 10);
};

bool parse(const QStringList& args, Options& o) {
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args.at(i);
    const bool hasValue = i + 1 < args.size();
    bool ok = true;
    if (a == QLatin1String("--items") && hasValue) {
      o.items = args.at(++i).toInt(&ok);
      ok = ok && o.items >= 4;
    } else if (a == QLatin1String("--transactions") && hasValue) {
      o.transactions = args.at(++i).toInt(&ok);
      ok = ok && o.transactions >= 0;
    } else if (a == QLatin1String("--today") && hasValue) {
      o.today = QDate::fromString(args.at(++i), Qt::ISODate);
      ok = o.today.isValid();
    } else if (!a.startsWith(QLatin1String("--")) && o.dir.isEmpty()) {
      o.dir = a;
    } else {
      ok = false;
    }
    if (!ok) return false;
  }
  return !o.dir.isEmpty();
}

struct Preset {
  QString name, icon;
  int type = 0;
};

std::vector<Preset> presets(Db& db, const QString& where) {
  std::vector<Preset> list;
  Stmt s = db.prepare(QStringLiteral("SELECT name, icon, type FROM defaults WHERE %1 ORDER BY type, sortNum").arg(where));
  while (s.next()) list.push_back({s.text(0), s.text(1), int(s.integer(2))});
  return list;
}

struct GenItem {
  int itemID = 0;
  int type = 0;
  double typical = 0;  // a usual amount of one transaction
  double weight = 1;   // how often it is used
};

struct Account {
  int accID = 0;
  double weight = 1;
};

class Household {
 public:
  Household(TdmData& data, const Options& o) : data_(data), db_(data.db()), o_(o), rng_(20100310) {}

  void build() {
    end_ = dayNumber(o_.today);
    begin_ = dayNumber(o_.today.addYears(-10));
    budgetStart_ = DefaultBudgetStart(Clock(o_.today.addDays(-180)));
    db_.prepare(QStringLiteral("UPDATE options SET startBudget = :d, selectdate = 1")).bind(":d", budgetStart_).execute();
    addAccounts();
    addItems();
    addTransactions();
  }

  void finish() {
    RecalcBudgetTotals(data_, budgetStart_);
    for (const Account& a : accounts_) RecalcAccountBalance(data_, a.accID);
  }

  int splits = 0, imported = 0, rows = 0;

 private:
  double uniform(double lo, double hi) { return lo + (hi - lo) * rng_.generateDouble(); }
  int bounded(int n) { return int(rng_.bounded(n)); }
  static double cents(double v) { return std::round(v * 100.0) / 100.0; }

  int addCategory(const QString& name, int type, const QString& icon, bool isImport, bool system) {
    db_.prepare(QStringLiteral("INSERT INTO categories (name, type, icon, isImport, catSystem) VALUES (:n, :t, :i, :m, :s)"))
        .bind(":n", name).bind(":t", type).bind(":i", icon).bind(":m", isImport ? 1 : 0).bind(":s", system ? 1 : 0)
        .execute();
    return int(db_.lastInsertId());
  }

  int addItem(const QString& name, int type, const QString& icon, bool isImport, bool system, int frequency,
              double amount, int index) {
    const int catID = addCategory(name, type, icon, isImport, system);
    Stmt s = db_.prepare(QStringLiteral(
        "INSERT INTO items (name, type, catID, icon, budgetFrequency, budgetStartDate, budgetLastDate, "
        "budgetAmount, budgetTotal, isImport) VALUES (:n, :t, :c, :i, :f, :s, :l, :a, 0, :m)"));
    s.bind(":n", name).bind(":t", type).bind(":c", catID).bind(":i", icon).bind(":m", isImport ? 1 : 0);
    if (frequency > 0) {
      // Most budgets run over the budget year; some start later, end sooner, or
      // have no dates at all.
      DayNumber start = budgetStart_;
      if (index % 7 == 3) start = AddWeeks(budgetStart_, 10 + index % 20);
      DayNumber last = AddDays(start, 364);
      if (index % 11 == 5) last = AddWeeks(start, 20);
      s.bind(":f", frequency).bind(":a", amount);
      if (index % 13 == 7) {
        s.bindNull(":s").bindNull(":l");
      } else {
        s.bind(":s", start).bind(":l", last);
      }
    } else {
      s.bindNull(":f").bindNull(":s").bindNull(":l").bindNull(":a");
    }
    s.execute();
    return int(db_.lastInsertId());
  }

  void addAccounts() {
    const std::vector<Preset> list = presets(db_, QStringLiteral("type = 1"));
    const double weights[] = {40, 8, 25, 15, 2, 4, 2, 4};
    for (int i = 0; i < 8; ++i) {
      const Preset& p = list.at(std::size_t(i) % list.size());
      const QString name = i < int(list.size()) ? p.name : QStringLiteral("%1 %2").arg(p.name).arg(i + 1);
      db_.prepare(QStringLiteral("INSERT INTO accounts (name, bankNum, initialBalance, balanceDate, currentBalance, icon) "
                                 "VALUES (:n, :b, :ib, :d, :ib, :i)"))
          .bind(":n", name)
          .bind(":b", QStringLiteral("%1-%2").arg(100 + bounded(900)).arg(100000 + bounded(900000)))
          .bind(":ib", cents(uniform(-500, 6000)))
          .bind(":d", begin_ + kPickerTimeOfDay)
          .bind(":i", p.icon)
          .execute();
      accounts_.push_back({int(db_.lastInsertId()), weights[i]});
    }
  }

  void addItems() {
    const std::vector<Preset> list = presets(db_, QStringLiteral("type IN (2, 3) AND defaultID < 100"));
    std::vector<Preset> income, outgoing;
    for (const Preset& p : list) (p.type == 2 ? income : outgoing).push_back(p);
    const int incomeCount = std::max(1, o_.items / 6);
    // Budget per period by frequency, for an item whose usual weekly amount is 1.
    const double perPeriod[] = {0, 1.0 / 7, 1, 2, 3, 4.35, 8.7, 13, 26, 52};
    for (int i = 0; i < o_.items; ++i) {
      const bool isIncome = i < incomeCount;
      const std::vector<Preset>& pool = isIncome ? income : outgoing;
      const int k = isIncome ? i : i - incomeCount;
      const Preset& p = pool.at(std::size_t(k) % pool.size());
      const int round = k / int(pool.size());
      const QString name = round == 0 ? p.name : QStringLiteral("%1 %2").arg(p.name).arg(round + 1);
      GenItem g;
      g.type = isIncome ? 2 : 3;
      g.typical = isIncome ? uniform(280, 2150) : uniform(8, 220);
      g.weight = isIncome ? uniform(0.5, 1.5) : uniform(0.2, 3.0);
      const int frequency = (i % 20 == 19) ? 0 : kFirstFrequency + i % kLastFrequency;
      const double amount = cents(g.typical * perPeriod[std::max(frequency, 0)] * (isIncome ? 0.25 : 1.0));
      g.itemID = addItem(name, g.type, p.icon, false, false, frequency, amount, i);
      items_.push_back(g);
    }
    // The items imports and splits fall back on.
    const std::vector<Preset> imports = presets(db_, QStringLiteral("defaultID IN (100, 101)"));
    for (const Preset& p : imports) {
      // Preset 100 names the income import item, 101 the outgoing one.
      const int type = p.name == imports.front().name ? 2 : 3;
      const int id = addItem(p.name, type, p.icon, true, false, 0, 0, 0);
      (type == 2 ? importIncome_ : importOutgoing_) = id;
    }
    unallocated_ = addItem(QStringLiteral("Unallocated Split Outgoing"), 3, QStringLiteral("SplitTransaction.png"),
                           false, true, 0, 0, 0);
  }

  const GenItem& pickItem(int type) {
    // Income is drawn one time in eight; within a type by weight.
    for (;;) {
      const GenItem& g = items_.at(std::size_t(bounded(int(items_.size()))));
      if ((type == 0 || g.type == type) && uniform(0, 3.0) < g.weight) return g;
    }
  }

  int pickAccount() {
    double total = 0;
    for (const Account& a : accounts_) total += a.weight;
    double r = uniform(0, total);
    for (const Account& a : accounts_) {
      if ((r -= a.weight) <= 0) return a.accID;
    }
    return accounts_.back().accID;
  }

  struct Line {
    int itemID;
    double amount;
  };
  struct Event {
    DayNumber date;
    int accID;
    std::vector<Line> lines;
    bool imported;
    QString description, reference;
  };

  void addTransactions() {
    static const char* const payees[] = {
        "Greengate Market", "Northside Fuel",  "City Power",      "Harbour Water",  "Corner Pharmacy",
        "Bluebell Bakery",  "Metro Transport", "Oakwood School",  "Riverside Cafe", "Home & Garden",
        "Pet Supplies Co",  "Cinema Royal",    "Bookworm Books",  "Fresh Butcher",  "Linen House",
        "Phone Company",    "Insurance Mutual", "Dental Practice", "Hardware Barn",  "Employer Payroll"};
    const double span = end_ - begin_;
    std::vector<Event> events;
    int lines = 0;
    while (lines < o_.transactions) {
      Event e;
      e.imported = bounded(10) == 0;
      const DayNumber day = std::floor(begin_ + uniform(0, span + 1));
      e.date = e.imported ? day : day + kPickerTimeOfDay;
      e.accID = pickAccount();
      const bool split = !e.imported && bounded(20) == 0 && o_.transactions - lines >= 2;
      const int n = split ? 2 + bounded(3) : 1;
      const int type = bounded(8) == 0 ? 2 : 3;
      for (int k = 0; k < n; ++k) {
        const GenItem& g = pickItem(split ? 3 : type);
        e.lines.push_back({g.itemID, cents(g.typical * uniform(0.5, 1.5))});
      }
      if (split && bounded(4) == 0) e.lines.back().itemID = unallocated_;
      const QString payee = QString::fromLatin1(payees[bounded(int(std::size(payees)))]);
      if (e.imported) {
        e.description = payee.toUpper() + QStringLiteral(" %1").arg(1000 + bounded(9000));
        // Imports use the generic import item unless an earlier one was learned.
        if (bounded(3) != 0) e.lines.front().itemID = type == 2 ? importIncome_ : importOutgoing_;
      } else {
        e.description = payee;
        if (bounded(6) == 0) e.reference = QStringLiteral("CHQ %1").arg(100000 + bounded(900000));
      }
      lines += n;
      events.push_back(std::move(e));
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.date < b.date; });

    Stmt insert = db_.prepare(QStringLiteral(
        "INSERT INTO transactions (accID, itemID, amount, trnDate, description, reference, parentID, sortNum, "
        "saved, isImport, FITID) VALUES (:acc, :item, :amount, :date, :desc, :ref, :parent, :sort, 0, :imp, :fitid)"));
    Stmt setParent = db_.prepare(QStringLiteral("UPDATE transactions SET parentID = trnID WHERE trnID = :id"));
    for (const Event& e : events) {
      int parent = 0;
      for (std::size_t k = 0; k < e.lines.size(); ++k) {
        const bool split = e.lines.size() > 1;
        insert.reset();
        insert.bind(":acc", e.accID).bind(":item", double(e.lines[k].itemID));
        insert.bind(":amount", toTenThousandths(e.lines[k].amount)).bind(":date", e.date);
        insert.bind(":desc", e.description).bind(":ref", e.reference);
        if (split && k > 0) insert.bind(":parent", parent); else insert.bindNull(":parent");
        if (split) insert.bind(":sort", int(k + 1)); else insert.bindNull(":sort");
        insert.bind(":imp", e.imported ? 1 : 0);
        if (e.imported) {
          insert.bind(":fitid", QStringLiteral("%1%2").arg(dateOf(e.date).toString(QStringLiteral("yyyyMMdd"))).arg(rows, 8, 10, QLatin1Char('0')));
        } else {
          insert.bindNull(":fitid");
        }
        insert.execute();
        ++rows;
        if (split && k == 0) {
          parent = int(db_.lastInsertId());
          setParent.reset();
          setParent.bind(":id", parent).execute();
        }
      }
      if (e.lines.size() > 1) ++splits;
      if (e.imported) ++imported;
    }
  }

  TdmData& data_;
  Db& db_;
  const Options& o_;
  QRandomGenerator rng_;
  DayNumber begin_ = 0, end_ = 0, budgetStart_ = 0;
  std::vector<Account> accounts_;
  std::vector<GenItem> items_;
  int importIncome_ = 0, importOutgoing_ = 0, unallocated_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  Options o;
  if (!parse(app.arguments(), o)) {
    err() << "usage: generate_household DIR [--items N] [--transactions N] [--today YYYY-MM-DD]\n";
    return 2;
  }
  QString error;
  if (!LayOutProgramFolder(o.dir, &error)) {
    err() << error << "\n";
    return 1;
  }
  ScriptedPrompter prompter;
  prompter.echo = true;
  const Clock clock(o.today);
  TdmData data(prompter, clock);
  try {
    data.OpenDatabase(ProgramFolder(o.dir).dataFile());
    if (data.db().scalar(QStringLiteral("SELECT (SELECT count(*) FROM accounts) + (SELECT count(*) FROM items) + "
                                        "(SELECT count(*) FROM transactions)")) > 0) {
      err() << "The data file in " << o.dir << " already holds a household; give an empty folder.\n";
      return 1;
    }
    QElapsedTimer timer;
    timer.start();
    Household h(data, o);
    {
      BulkWrite bulk(data.db());
      h.build();
    }
    h.finish();
    QTextStream(stdout) << "Wrote 8 accounts, " << o.items << " items, " << h.rows << " transactions ("
                        << h.splits << " splits, " << h.imported << " imported) ending "
                        << o.today.toString(Qt::ISODate) << " into " << data.DatabasePath << " in "
                        << timer.elapsed() << " ms\n";
  } catch (const DbError& e) {
    err() << e.text() << "\n";
    return 1;
  }
  return 0;
}
