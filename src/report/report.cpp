#include "report/report.h"

#include <QPageSize>

namespace pk::report {

QSizeF PageSetup::paperSize() const {
  const QSizeF portrait = paper == Paper::A4 ? QSizeF(210.0, 297.0) : QSizeF(215.9, 279.4);
  return orientation == QPageLayout::Portrait ? portrait : portrait.transposed();
}

QRectF PageSetup::contentRect() const {
  const QSizeF s = paperSize();
  return QRectF(margins.left(), margins.top(), s.width() - margins.left() - margins.right(),
                s.height() - margins.top() - margins.bottom());
}

QPageLayout PageSetup::pageLayout() const {
  const QPageSize size(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter);
  return QPageLayout(size, orientation, margins, QPageLayout::Millimeter);
}

QFont arial(double points, bool bold) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

QFont verdana(double points, bool bold) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

Band& Band::text(const QRectF& rect, const QString& text, const TextStyle& style, const QString& name) {
  objects.emplace_back(TextCell{rect, text, style, name});
  return *this;
}

Band& Band::shape(const Shape& s) {
  objects.emplace_back(s);
  return *this;
}

Band& Band::rule(double y, double width, const QColor& colour, double thickness) {
  Shape s;
  s.rect = QRectF(0, y, width, thickness);
  s.penWidth = 0;
  s.fill = colour;
  return shape(s);
}

Band& Band::picture(const QRectF& rect, const QImage& image, const QString& name) {
  objects.emplace_back(Picture{rect, image, true, name});
  return *this;
}

Band& Band::chart(const QRectF& rect, const ChartContent& chart, const QString& name) {
  objects.emplace_back(ChartView{rect, chart, name});
  return *this;
}

}  // namespace pk::report
