#pragma once
// The banded report engine: what a report is made of.
//
// A caller computes its figures first (src/core/figures) and then builds a
// Report out of bands whose objects already hold their final texts. The engine
// never reads the database and runs no per-object callbacks; it only lays the
// bands out on pages (Document::prepare, document.h) and paints those pages on
// any painter: the embedded preview, the printer and PDF see the same pages.
//
// Geometry is in millimetres. A band's objects are placed relative to the
// band's top-left corner, which stands at the left margin of the page; a band
// is as wide as the page between its margins.
//
//   Report            the document: one or more sections, printed in order
//    Section          a run of pages with one paper size, orientation and margins
//     reportTitle     once, at the top of the section's first page
//     pageHeader      at the top of every page (under the title on the first)
//     groups          the body; each group has an optional header, its data rows
//                     (master data bands, one per record, or one band printed
//                     once) and an optional footer
//     summary         once, after the last group (the report footer)
//     pageFooter      at the foot of every page
//
// Pagination keeps a group header with its rows: a group marked keepTogether
// starts on a new page when it does not fit in what is left of the page but
// would fit on a fresh one; in any case a header never stands alone at the foot
// of a page, it is followed by at least its first row. When a group's rows run
// over a page break, its continuedHeader (if any) opens the next page.
//
// Texts may hold "[Page#]" and "[TotalPages#]"; they are replaced by the page's
// number and the document's page count once the pages are known.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "report/chart.h"

namespace pk::report {

enum class Paper { A4, Letter };

struct PageSetup {
  Paper paper = Paper::A4;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QMarginsF margins{10, 10, 10, 10};  // millimetres

  QSizeF paperSize() const;    // the whole sheet, in millimetres, as oriented
  QRectF contentRect() const;  // the sheet inside its margins
  double contentWidth() const { return contentRect().width(); }
  QPageLayout pageLayout() const;  // for printers and PDF writers (margins in mm)
};

// The program's fonts: Liberation Sans stands in for Arial, DejaVu Sans for Verdana.
QFont arial(double points, bool bold = false);
QFont verdana(double points, bool bold = false);

// A line along one or more edges of a text cell.
struct Frame {
  bool top = false, bottom = false, left = false, right = false;
  QColor colour = Qt::black;
  double width = 0.2;  // millimetres
};

struct TextStyle {
  QFont font = arial(10);
  QColor colour = Qt::black;
  QColor fill = Qt::transparent;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
  bool wrap = false;
  double padding = 1.0;  // millimetres between the cell's sides and its text
  Frame frame;
};

struct TextCell {
  QRectF rect;
  QString text;
  TextStyle style;
  QString name;  // lets a test or caller find the cell again
};

struct Shape {
  enum class Kind { Rectangle, RoundedRectangle, Ellipse, Line };
  Kind kind = Kind::Rectangle;
  QRectF rect;  // for a Line: from the top-left to the bottom-right corner
  QColor pen = Qt::black;
  double penWidth = 0.3;  // millimetres; 0 draws no outline
  QColor fill = Qt::transparent;
  QString name;
};

struct Picture {
  QRectF rect;
  QImage image;  // a null image draws nothing
  bool keepAspect = true;
  QString name;
};

struct ChartView {
  QRectF rect;
  ChartContent chart;
  QString name;
};

using Object = std::variant<TextCell, Shape, Picture, ChartView>;

class Band {
 public:
  Band() = default;
  explicit Band(double height) : height(height) {}

  Band& text(const QRectF& rect, const QString& text, const TextStyle& style = {},
             const QString& name = {});
  Band& shape(const Shape& shape);
  Band& rule(double y, double width, const QColor& colour, double thickness);  // a horizontal bar
  Band& picture(const QRectF& rect, const QImage& image, const QString& name = {});
  Band& chart(const QRectF& rect, const ChartContent& chart, const QString& name = {});

  double height = 0;  // millimetres
  // A stretching band grows to show the whole text of its wrapping cells.
  bool stretch = false;
  std::vector<Object> objects;
};

struct Group {
  std::optional<Band> header;
  std::vector<Band> rows;
  std::optional<Band> footer;
  bool keepTogether = true;
  // Printed at the top of each further page when the rows run over a page break
  // (for instance the column captions again).
  std::optional<Band> continuedHeader;
};

struct Section {
  PageSetup page;
  std::optional<Band> reportTitle;
  std::optional<Band> pageHeader;
  std::vector<Group> groups;
  std::optional<Band> summary;
  std::optional<Band> pageFooter;
};

struct Report {
  QString title;  // the document name a printer or PDF viewer shows
  std::vector<Section> sections;
};

// Splits records into groups by a key, the way a group header with a condition
// does: a new group starts whenever the key changes from one record to the next.
template <class Record, class Key>
std::vector<Group> GroupBy(const std::vector<Record>& records,
                           const std::function<Key(const Record&)>& key,
                           const std::function<std::optional<Band>(const Record& first)>& header,
                           const std::function<Band(const Record&)>& row,
                           const std::function<std::optional<Band>(const std::vector<const Record*>&)>& footer) {
  std::vector<Group> groups;
  std::vector<const Record*> members;
  auto close = [&] {
    if (members.empty()) return;
    Group g;
    g.header = header(*members.front());
    for (const Record* r : members) g.rows.push_back(row(*r));
    g.footer = footer(members);
    groups.push_back(std::move(g));
    members.clear();
  };
  for (const Record& r : records) {
    if (!members.empty() && !(key(*members.front()) == key(r))) close();
    members.push_back(&r);
  }
  close();
  return groups;
}

}  // namespace pk::report
