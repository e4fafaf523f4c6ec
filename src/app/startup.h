#pragma once
// The program's entry: command line, open-password gate, splash, main window.
#include <QString>

#include "core/clock.h"
#include "core/programfolder.h"
#include "core/prompter.h"

namespace pk {

enum class GateResult { Open, Cancelled, Failed };

struct GateOutcome {
  GateResult result;
  QString title;  // the application title for the rest of the run
};

// Reads usepassword through a data module of the gate's own and asks for the
// password when it is set. A data file that cannot be opened shows the engine's
// text and fails.
GateOutcome RunOpenPasswordGate(const ProgramFolder& folder, const Clock& clock, Prompter& prompter);

// The application title after the gate: with and without a password asked.
QString ApplicationTitle(bool passwordAsked);

int RunPursekeep(int argc, char** argv);

}  // namespace pk
