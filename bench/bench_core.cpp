// Times the core's heavy routines on a large household: recomputing the budget
// totals of 1 000 items and the balance of all accounts over 60 000 transactions.
//
//   bench_core [DIR]     DIR: a program folder written by generate_household;
//                        without it one is generated in a temporary folder.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

#include "core/budget/budgettotals.h"
#include "core/budget/calendar.h"
#include "core/clock.h"
#include "core/programfolder.h"
#include "core/prompter.h"
#include "core/store/balances.h"
#include "core/store/tdmdata.h"

using namespace pk;

namespace {

QTextStream& out() {
  static QTextStream s(stdout);
  return s;
}

double cpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Runs the work the given number of times; prints the median wall-clock time and
// the median processor time (the machine may be busy with other work).
void measure(const QString& what, int runs, const std::function<void()>& work) {
  std::vector<double> wall, cpu;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer t;
    const double c = cpuMs();
    t.start();
    work();
    wall.push_back(double(t.nsecsElapsed()) / 1e6);
    cpu.push_back(cpuMs() - c);
  }
  std::sort(wall.begin(), wall.end());
  std::sort(cpu.begin(), cpu.end());
  out() << qSetFieldWidth(44) << Qt::left << what << qSetFieldWidth(0) << " median "
        << QString::number(wall[wall.size() / 2], 'f', 2) << " ms (best " << QString::number(wall.front(), 'f', 2)
        << "), processor " << QString::number(cpu[cpu.size() / 2], 'f', 2) << " ms, " << runs << " runs\n";
  out().flush();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QDate today(2010, 3, 10);
  QTemporaryDir tmp;
  QString dir = app.arguments().value(1);
  if (dir.isEmpty()) {
    dir = tmp.path();
    const QString generator = QDir(app.applicationDirPath()).filePath(QStringLiteral("generate_household"));
    out() << "Generating 1 000 items and 60 000 transactions...\n";
    out().flush();
    const int rc = QProcess::execute(generator, {dir, QStringLiteral("--items"), QStringLiteral("1000"),
                                                 QStringLiteral("--transactions"), QStringLiteral("60000"),
                                                 QStringLiteral("--today"), today.toString(Qt::ISODate)});
    if (rc != 0) {
      QTextStream(stderr) << "generate_household failed (build it with ninja -C build generate_household)\n";
      return 1;
    }
  }

  ScriptedPrompter prompter;
  prompter.echo = true;
  const Clock clock(today);
  TdmData data(prompter, clock);
  try {
    data.OpenDatabase(ProgramFolder(dir).dataFile());
    out() << data.db().scalar(QStringLiteral("SELECT count(*) FROM items")) << " items, "
          << data.db().scalar(QStringLiteral("SELECT count(*) FROM transactions")) << " transactions\n";
    const DayNumber start = BudgetStart(data);
    const DayNumber now = clock.todayNumber();
    measure(QStringLiteral("RecalcBudgetTotals"), 9, [&] { RecalcBudgetTotals(data, start); });
    double balance = 0;
    measure(QStringLiteral("AllAccountsBalanceBefore (today)"), 25,
            [&] { balance = AllAccountsBalanceBefore(data, now); });
    measure(QStringLiteral("AllAccountsBalanceBefore (five years back)"), 25,
            [&] { balance += AllAccountsBalanceBefore(data, now - 5 * 365); });
    measure(QStringLiteral("RecalcAccountBalance (all 8 accounts)"), 9, [&] {
      for (int acc = 1; acc <= 8; ++acc) RecalcAccountBalance(data, acc);
    });
    measure(QStringLiteral("FindLearnedImportItem"), 25, [&] {
      FindLearnedImportItem(data, QStringLiteral("GREENGATE MARKET 1234"), 3, 0, 0);
    });
    out() << "(balance " << QString::number(balance, 'f', 2) << ")\n";
  } catch (const DbError& e) {
    QTextStream(stderr) << e.text() << "\n";
    return 1;
  }
  return 0;
}
