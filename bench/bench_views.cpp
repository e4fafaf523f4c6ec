// Times the annual budget page: from ShowPage(9) to the page shown with its report
// in the preview, on a program folder (bench/generate_household makes a large one).
// Usage: bench_views DIR [RUNS]
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/tfrabasframe.h"
#include "app/tfrmmain.h"
#include "core/figures/annualbudget.h"
#include "views/annualbudgetreport.h"

using namespace pk;

namespace {

struct Stats {
  std::vector<double> ms;
  void print(const char* what) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.1f ms, best %7.1f ms, worst %7.1f ms over %zu runs\n", what, ms[ms.size() / 2],
                ms.front(), ms.back(), ms.size());
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_views DIR [RUNS]\n");
    return 2;
  }
  const ProgramFolder folder(QString::fromLocal8Bit(argv[1]));
  const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
  Clock clock = Clock::fromEnvironment();
  ScriptedPrompter prompter;
  TfrmMain main(clock, prompter, folder);
  main.show();
  QCoreApplication::processEvents();

  Stats page, figures, pages;
  for (int i = 0; i < runs; ++i) {
    main.ShowPage(8);
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    main.ShowPage(9);
    main.currentPage()->repaint();
    QCoreApplication::processEvents();
    page.ms.push_back(t.nsecsElapsed() / 1e6);

    t.restart();
    const AnnualBudget b = PrepareAnnualItems(main.dmData(), AnnualBudgetSource::ViewPage);
    figures.ms.push_back(t.nsecsElapsed() / 1e6);
    t.restart();
    const report::Document doc = report::Document::prepare(BuildAnnualBudgetReport(b));
    pages.ms.push_back(t.nsecsElapsed() / 1e6);
    if (i == 0) std::printf("%zu items listed on %d pages\n", b.income.size() + b.outgoing.size(), doc.pageCount());
  }
  page.print("ShowPage(9) to page shown:");
  figures.print("  of which figures:");
  pages.print("  of which pagination:");
  return 0;
}
