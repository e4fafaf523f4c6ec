#include "report/document.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace pk::report {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kEpsilon = 1e-6;
constexpr double kMeasureDpi = 600.0;  // texts are measured as if printed at this resolution
constexpr double kTextLeading = 0.6;   // millimetres kept free above and below a wrapped text

const QPaintDevice& measuringDevice() {
  static const QImage device = [] {
    QImage img(1, 1, QImage::Format_RGB32);
    const int dpm = int(std::lround(kMeasureDpi / kMmPerInch * 1000.0));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    return img;
  }();
  return device;
}

int textFlags(const TextStyle& style) {
  return int(style.alignment) | (style.wrap ? int(Qt::TextWordWrap) : 0);
}

// The height in millimetres that a wrapping cell needs for its whole text.
double neededHeight(const TextCell& cell) {
  const double pxPerMm = kMeasureDpi / kMmPerInch;
  QFontMetricsF fm(cell.style.font, const_cast<QPaintDevice*>(&measuringDevice()));
  const double width = std::max(1.0, (cell.rect.width() - 2 * cell.style.padding) * pxPerMm);
  const QRectF r = fm.boundingRect(QRectF(0, 0, width, 1e7), textFlags(cell.style), cell.text);
  return r.height() / pxPerMm + 2 * kTextLeading;
}

QRectF& rectOf(Object& o) {
  return std::visit([](auto& x) -> QRectF& { return x.rect; }, o);
}
const QRectF& rectOf(const Object& o) {
  return std::visit([](const auto& x) -> const QRectF& { return x.rect; }, o);
}

// Lays the bands of the sections out on pages.
class Paginator {
 public:
  explicit Paginator(std::vector<Page>& pages) : pages_(pages) {}

  void section(const Section& s) {
    setup_ = &s;
    content_ = s.page.contentRect();
    const double footer = s.pageFooter ? BandHeight(*s.pageFooter) : 0;
    bottom_ = content_.bottom() - footer;
    startPage(true);
    for (const Group& g : s.groups) group(g);
    if (s.summary) {
      ensureRoom(height(*s.summary));
      place(*s.summary);
    }
    finishPage();
  }

 private:
  static double height(const Band& b) { return BandHeight(b); }
  bool fits(double h) const { return y_ + h <= bottom_ + kEpsilon; }
  double freshRoom() const {
    const double header = setup_->pageHeader ? height(*setup_->pageHeader) : 0;
    return bottom_ - content_.top() - header;
  }

  void startPage(bool first) {
    pages_.push_back(Page{setup_->page, {}});
    y_ = content_.top();
    bodyPlaced_ = false;
    if (first && setup_->reportTitle) place(*setup_->reportTitle, false);
    if (setup_->pageHeader) place(*setup_->pageHeader, false);
  }

  void finishPage() {
    if (setup_->pageFooter) {
      y_ = bottom_;
      place(*setup_->pageFooter, false);
    }
  }

  void newPage() {
    finishPage();
    startPage(false);
  }

  // Starts a new page unless the band fits; a band taller than a whole page is
  // placed on the page it starts and cut off at the page footer.
  void ensureRoom(double h) {
    if (!fits(h) && bodyPlaced_) newPage();
  }

  void group(const Group& g) {
    const double head = g.header ? height(*g.header) : 0;
    double whole = head + (g.footer ? height(*g.footer) : 0);
    for (const Band& r : g.rows) whole += height(r);
    const double first = head + (!g.rows.empty() ? height(g.rows.front()) : g.footer ? height(*g.footer) : 0);
    if (g.keepTogether && !fits(whole) && whole <= freshRoom() + kEpsilon && bodyPlaced_) {
      newPage();
    } else {
      ensureRoom(first);  // a header never stands alone at the foot of a page
    }
    if (g.header) place(*g.header);
    for (const Band& r : g.rows) {
      const double h = height(r);
      if (!fits(h) && bodyPlaced_) {
        newPage();
        if (g.continuedHeader) place(*g.continuedHeader);
      }
      place(r);
    }
    if (g.footer) {
      ensureRoom(height(*g.footer));
      place(*g.footer);
    }
  }

  void place(const Band& band, bool body = true) {
    const double h = height(band);
    const double grown = h - band.height;
    Page& page = pages_.back();
    for (const Object& o : band.objects) {
      Object copy = o;
      QRectF& r = rectOf(copy);
      if (grown > kEpsilon) {
        // Cells that reach the band's foot grow with it, so that a row's cells
        // keep one height and their rules one line.
        if (auto* cell = std::get_if<TextCell>(&copy)) {
          if (r.bottom() >= band.height - kEpsilon) r.setBottom(h);
          if (cell->style.wrap) r.setHeight(std::max(r.height(), neededHeight(*cell)));
        }
      }
      r.translate(content_.left(), y_);
      page.objects.push_back(std::move(copy));
    }
    y_ += h;
    if (body) bodyPlaced_ = true;
  }

  std::vector<Page>& pages_;
  const Section* setup_ = nullptr;
  QRectF content_;
  double bottom_ = 0;
  double y_ = 0;
  bool bodyPlaced_ = false;
};

void paintText(QPainter& p, const TextCell& cell, const QRectF& r, double pxPerMm, double fontScale) {
  const TextStyle& s = cell.style;
  if (s.fill.alpha() > 0) p.fillRect(r, s.fill);
  if (s.frame.top || s.frame.bottom || s.frame.left || s.frame.right) {
    p.setPen(QPen(s.frame.colour, std::max(1.0, s.frame.width * pxPerMm)));
    if (s.frame.top) p.drawLine(r.topLeft(), r.topRight());
    if (s.frame.bottom) p.drawLine(r.bottomLeft(), r.bottomRight());
    if (s.frame.left) p.drawLine(r.topLeft(), r.bottomLeft());
    if (s.frame.right) p.drawLine(r.topRight(), r.bottomRight());
  }
  if (cell.text.isEmpty()) return;
  QFont f = s.font;
  if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * fontScale);
  p.setFont(f);
  p.setPen(s.colour);
  const double pad = s.padding * pxPerMm;
  p.drawText(r.adjusted(pad, 0, -pad, 0), textFlags(s), cell.text);
}

void paintShape(QPainter& p, const Shape& s, const QRectF& r, double pxPerMm) {
  p.setPen(s.penWidth > 0 ? QPen(s.pen, s.penWidth * pxPerMm) : QPen(Qt::NoPen));
  p.setBrush(s.fill.alpha() > 0 ? QBrush(s.fill) : QBrush(Qt::NoBrush));
  switch (s.kind) {
    case Shape::Kind::Rectangle: p.drawRect(r); break;
    case Shape::Kind::RoundedRectangle: p.drawRoundedRect(r, 1.5 * pxPerMm, 1.5 * pxPerMm); break;
    case Shape::Kind::Ellipse: p.drawEllipse(r); break;
    case Shape::Kind::Line: p.drawLine(r.topLeft(), r.bottomRight()); break;
  }
}

void paintPicture(QPainter& p, const Picture& pic, const QRectF& r) {
  if (pic.image.isNull()) return;
  QRectF target = r;
  if (pic.keepAspect) {
    const QSizeF s = QSizeF(pic.image.size()).scaled(r.size(), Qt::KeepAspectRatio);
    target = QRectF(r.center().x() - s.width() / 2, r.center().y() - s.height() / 2, s.width(), s.height());
  }
  p.drawImage(target, pic.image);
}

QPageLayout sheetLayout(const PageSetup& setup) {
  QPageLayout layout = setup.pageLayout();
  layout.setMode(QPageLayout::FullPageMode);
  layout.setMargins(QMarginsF(0, 0, 0, 0));
  return layout;
}

}  // namespace

double BandHeight(const Band& band) {
  double h = band.height;
  if (!band.stretch) return h;
  for (const Object& o : band.objects) {
    if (const auto* cell = std::get_if<TextCell>(&o); cell && cell->style.wrap) {
      h = std::max(h, cell->rect.top() + neededHeight(*cell));
    }
  }
  return h;
}

Document Document::prepare(const Report& report) {
  Document doc;
  doc.title_ = report.title;
  Paginator paginator(doc.pages_);
  for (const Section& s : report.sections) paginator.section(s);
  const QString total = QString::number(doc.pages_.size());
  for (size_t i = 0; i < doc.pages_.size(); ++i) {
    const QString number = QString::number(i + 1);
    for (Object& o : doc.pages_[i].objects) {
      if (auto* cell = std::get_if<TextCell>(&o)) {
        cell->text.replace(QLatin1String("[Page#]"), number);
        cell->text.replace(QLatin1String("[TotalPages#]"), total);
      }
    }
  }
  return doc;
}

QStringList Document::pageTexts(int index) const {
  QStringList texts;
  for (const Object& o : page(index).objects) {
    if (const auto* cell = std::get_if<TextCell>(&o); cell && !cell->text.isEmpty()) texts << cell->text;
  }
  return texts;
}

const TextCell* Document::findCell(int index, const QString& name) const {
  for (const Object& o : page(index).objects) {
    if (const auto* cell = std::get_if<TextCell>(&o); cell && cell->name == name) return cell;
  }
  return nullptr;
}

void Document::paintPage(QPainter& p, int index, const QRectF& sheet) const {
  const Page& pg = page(index);
  const QSizeF paper = pg.setup.paperSize();
  const double pxPerMm = sheet.width() / paper.width();
  // Fonts are sized in points for the device; scale them when the sheet is drawn
  // larger or smaller than its true size on that device.
  const double deviceDpi = p.device() ? double(p.device()->logicalDpiY()) : 96.0;
  const double fontScale = pxPerMm / (deviceDpi / kMmPerInch);
  auto toDevice = [&](const QRectF& mm) {
    return QRectF(sheet.left() + mm.left() * pxPerMm, sheet.top() + mm.top() * pxPerMm,
                  mm.width() * pxPerMm, mm.height() * pxPerMm);
  };
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setClipRect(sheet);
  for (const Object& o : pg.objects) {
    const QRectF r = toDevice(rectOf(o));
    if (const auto* cell = std::get_if<TextCell>(&o)) {
      paintText(p, *cell, r, pxPerMm, fontScale);
    } else if (const auto* shape = std::get_if<Shape>(&o)) {
      paintShape(p, *shape, r, pxPerMm);
    } else if (const auto* pic = std::get_if<Picture>(&o)) {
      paintPicture(p, *pic, r);
    } else if (const auto* chart = std::get_if<ChartView>(&o)) {
      PaintChart(p, r, chart->rect.size(), chart->chart);
    }
  }
  p.restore();
}

bool Document::paintAll(QPagedPaintDevice& device, int resolution, int from, int to) const {
  if (pages_.empty()) return true;
  from = std::clamp(from, 0, pageCount() - 1);
  to = std::clamp(to, from, pageCount() - 1);
  // A device that is already printing (the preview's) keeps its layout; a PDF
  // writer can change it between pages, a printer cannot.
  auto useLayout = [&device](const PageSetup& setup) {
    const QPageLayout layout = sheetLayout(setup);
    if (!device.pageLayout().isEquivalentTo(layout)) device.setPageLayout(layout);
  };
  QPainter painter;
  useLayout(page(from).setup);
  if (!painter.begin(&device)) return false;
  for (int i = from; i <= to; ++i) {
    if (i > from) {
      useLayout(page(i).setup);
      if (!device.newPage()) return false;
    }
    const QRectF sheet = device.pageLayout().fullRectPixels(resolution);
    paintPage(painter, i, QRectF(QPointF(0, 0), sheet.size()));
  }
  return painter.end();
}

bool Document::print(QPrinter& printer) const {
  printer.setFullPage(true);
  printer.setDocName(title_);
  int from = 0, to = pageCount() - 1;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    from = printer.fromPage() - 1;
    to = printer.toPage() > 0 ? printer.toPage() - 1 : to;
  }
  return paintAll(printer, printer.resolution(), from, to);
}

bool Document::writePdf(const QString& file, QString* error) const {
  {
    QFile probe(file);
    if (!probe.open(QIODevice::WriteOnly)) {
      if (error) *error = QStringLiteral("Could not write %1: %2").arg(file, probe.errorString());
      return false;
    }
  }
  QPdfWriter writer(file);
  writer.setResolution(600);
  writer.setTitle(title_);
  writer.setCreator(QStringLiteral("Pursekeep"));
  if (!paintAll(writer, writer.resolution(), 0, pageCount() - 1)) {
    if (error) *error = QStringLiteral("Could not write %1").arg(file);
    return false;
  }
  return true;
}

QImage Document::renderPage(int index, double dpi) const {
  const QSizeF paper = page(index).setup.paperSize();
  const double pxPerMm = dpi / kMmPerInch;
  QImage img(QSize(int(std::lround(paper.width() * pxPerMm)), int(std::lround(paper.height() * pxPerMm))),
             QImage::Format_ARGB32_Premultiplied);
  const int dpm = int(std::lround(dpi / kMmPerInch * 1000.0));
  img.setDotsPerMeterX(dpm);
  img.setDotsPerMeterY(dpm);
  img.fill(Qt::white);
  QPainter p(&img);
  paintPage(p, index, QRectF(QPointF(0, 0), QSizeF(img.size())));
  return img;
}

}  // namespace pk::report
