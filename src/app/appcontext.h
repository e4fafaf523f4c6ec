#pragma once
// What every page and dialog is handed: the data module, today's date, the
// prompter, the program folder and the main window that shows pages.
#include "core/clock.h"
#include "core/programfolder.h"
#include "core/prompter.h"
#include "core/store/tdmdata.h"

namespace pk {

class TfrmMain;
namespace report { class PrintTarget; }

struct AppContext {
  TdmData& data;
  const Clock& clock;
  Prompter& prompter;
  ProgramFolder folder;
  TfrmMain* main = nullptr;
  // Where printed reports go; none means the print dialog (tests set their own).
  report::PrintTarget* printTarget = nullptr;
};

}  // namespace pk
