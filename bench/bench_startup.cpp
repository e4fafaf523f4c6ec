// Times opening a program folder's data file up to the start page shown, apart
// from the splash's own two seconds. Usage: bench_startup DIR [RUNS]
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/tfrabasframe.h"
#include "app/tfrmmain.h"

using namespace pk;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_startup DIR [RUNS]\n");
    return 2;
  }
  const ProgramFolder folder(QString::fromLocal8Bit(argv[1]));
  const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
  Clock clock = Clock::fromEnvironment();
  ScriptedPrompter prompter;
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer t;
    t.start();
    {
      TfrmMain main(clock, prompter, folder);
      main.show();
      main.currentPage()->repaint();
      QCoreApplication::processEvents();
      ms.push_back(t.nsecsElapsed() / 1e6);
    }
    QCoreApplication::processEvents();
  }
  std::sort(ms.begin(), ms.end());
  std::printf("open to start page shown: median %.1f ms, best %.1f ms, worst %.1f ms over %d runs\n",
              ms[ms.size() / 2], ms.front(), ms.back(), runs);
  return 0;
}
