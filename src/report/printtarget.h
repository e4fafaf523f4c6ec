#pragma once
// Where a report goes when the user prints it. The program asks through the print
// dialog; tests and scripted runs hand in a target of their own, so that no dialog
// ever blocks them.
#include <vector>

#include "report/document.h"

class QWidget;

namespace pk::report {

class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  // Prints the pages; true when they went to the printer, false when the user
  // cancelled or the printer could not take them.
  virtual bool print(const Document& document, QWidget* parent) = 0;
};

// The print dialog of the platform, then the chosen printer.
class DialogPrintTarget : public PrintTarget {
 public:
  bool print(const Document& document, QWidget* parent) override;
};

// Keeps every document it is given and answers as told.
class RecordingPrintTarget : public PrintTarget {
 public:
  bool print(const Document& document, QWidget* parent) override;
  bool answer = true;
  std::vector<Document> printed;
};

// The chosen target, or the print dialog when none was chosen.
PrintTarget& PrintTargetOr(PrintTarget* chosen);

}  // namespace pk::report
