#pragma once
// Shows the setup pages' modal dialogs. Tests put another runner in place that
// fills a dialog's fields and presses its buttons without a real event loop.
#include <QDialog>
#include <functional>

namespace pk {

using DialogRunner = std::function<int(QDialog&)>;

// Runs the dialog modally (or through the runner in place) and returns its result.
int ExecDialog(QDialog& dialog);
// Puts a runner in place; an empty one restores the modal run. Returns the previous one.
DialogRunner SetDialogRunner(DialogRunner runner);

}  // namespace pk
