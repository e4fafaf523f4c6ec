#pragma once
// Prepared pages of a report and the one painting routine behind every output.
//
//   Document doc = Document::prepare(report);   // pagination, page numbers filled in
//   doc.writePdf("out.pdf");                    // text stays text in the PDF
//   doc.print(printer);                         // the printer's page range is honoured
//   preview->setDocument(doc);                  // embedded preview (preview.h)
//
// A prepared page holds its objects at their place on the sheet, in millimetres
// from the sheet's top-left corner, with all texts final.
#include <QImage>
#include <QStringList>
#include <vector>

#include "report/report.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace pk::report {

struct Page {
  PageSetup setup;
  std::vector<Object> objects;  // in the order they were placed: bands top to bottom
};

class Document {
 public:
  Document() = default;
  static Document prepare(const Report& report);

  const QString& title() const { return title_; }
  int pageCount() const { return int(pages_.size()); }
  const Page& page(int index) const { return pages_.at(size_t(index)); }

  // The texts of a page's cells in reading order (band by band), for tests and checks.
  QStringList pageTexts(int index) const;
  // The first cell on the page with this name, or nullptr.
  const TextCell* findCell(int index, const QString& name) const;

  // Paints page `index` so that its sheet fills `sheet` (device coordinates).
  void paintPage(QPainter& painter, int index, const QRectF& sheet) const;
  // Paints the pages on a printer, one sheet each, from its page range (all when unset).
  bool print(QPrinter& printer) const;
  // Writes every page into a PDF file; false (and the reason) when it cannot be written.
  bool writePdf(const QString& file, QString* error = nullptr) const;
  // A picture of one page at the given resolution (dots per inch), white background.
  QImage renderPage(int index, double dpi) const;

 private:
  bool paintAll(QPagedPaintDevice& device, int resolution, int from, int to) const;
  QString title_;
  std::vector<Page> pages_;
};

// The height a band takes when placed (a stretching band grows to fit its wrapped texts).
double BandHeight(const Band& band);

}  // namespace pk::report
