#include "setup/dialogrunner.h"

namespace pk {

namespace {
DialogRunner& runnerInPlace() {
  static DialogRunner runner;
  return runner;
}
}  // namespace

int ExecDialog(QDialog& dialog) {
  // A copy, so a runner may show nested dialogs through another runner.
  if (const DialogRunner runner = runnerInPlace()) return runner(dialog);
  return dialog.exec();
}

DialogRunner SetDialogRunner(DialogRunner runner) {
  DialogRunner previous = std::move(runnerInPlace());
  runnerInPlace() = std::move(runner);
  return previous;
}

}  // namespace pk
