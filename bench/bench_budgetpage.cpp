// Times the budget page from ShowPage(5) until it has been painted, on a program
// folder made by generate_household. With --no-start the stored budget start is
// cleared before each showing, so every row is recomputed and saved as well
// (this changes the folder's data file).
//
//   bench_budgetpage DIR [RUNS] [--no-start]
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/tfrabasframe.h"
#include "app/tfrmmain.h"
#include "setup/budgetgrid.h"
#include "setup/tfrasetupbudget.h"

using namespace pk;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QString dir;
  int runs = 10;
  bool noStart = false;
  for (int i = 1; i < argc; ++i) {
    const QString a = QString::fromLocal8Bit(argv[i]);
    if (a == QLatin1String("--no-start")) noStart = true;
    else if (dir.isEmpty()) dir = a;
    else runs = std::max(1, a.toInt());
  }
  if (dir.isEmpty()) {
    std::fprintf(stderr, "usage: bench_budgetpage DIR [RUNS] [--no-start]\n");
    return 2;
  }
  Clock clock = Clock::fromEnvironment();
  ScriptedPrompter prompter;
  prompter.echo = true;  // anything the page says goes to stderr
  TfrmMain main(clock, prompter, ProgramFolder(dir));
  main.show();
  QCoreApplication::processEvents();

  std::vector<double> ms;
  int rows = 0;
  for (int i = 0; i < runs; ++i) {
    // Another page in between, so that page 5 is made afresh (the setup hub
    // stores a start of its own, so the start is cleared after it).
    main.ShowPage(1);
    QCoreApplication::processEvents();
    if (noStart) main.dmData().db().exec(QStringLiteral("UPDATE options SET startBudget = NULL"));
    QElapsedTimer t;
    t.start();
    main.ShowPage(5);
    main.currentPage()->repaint();
    QCoreApplication::processEvents();
    ms.push_back(t.nsecsElapsed() / 1e6);
    if (auto* page = qobject_cast<TfraSetupBudget*>(main.currentPage()))
      rows = page->grdIncome->model()->rowCount() + page->grdOutgoings->model()->rowCount();
  }
  std::sort(ms.begin(), ms.end());
  std::printf("budget page, %d rows%s: median %.1f ms, best %.1f ms, worst %.1f ms over %d runs\n", rows,
              noStart ? " (no stored start: every row saved)" : "", ms[ms.size() / 2], ms.front(), ms.back(),
              runs);
  return 0;
}
