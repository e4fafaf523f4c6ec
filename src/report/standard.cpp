#include "report/standard.h"

namespace pk::report {

QString WebAddress() { return QStringLiteral("https://pursekeep.example"); }

QString PageFooterText(const QString& date) {
  return QStringLiteral("[Page#] of [TotalPages#] :: ") + date + QStringLiteral(" :: ") + WebAddress() +
         QStringLiteral(" :: Pursekeep");
}

Band PageFooterBand(double width, const QString& date) {
  Band b(9);
  b.rule(2, width, kLineGreen, 0.5);
  TextStyle s;
  s.font = arial(8);
  s.colour = QColor(90, 90, 90);
  s.alignment = Qt::AlignCenter;
  b.text(QRectF(0, 3, width, 5), PageFooterText(date), s, QStringLiteral("PageFooter"));
  return b;
}

Band HeadingBand(double width, const QString& heading, const QString& line) {
  Band b(line.isEmpty() ? 16 : 25);
  TextStyle h;
  h.font = arial(16, true);
  h.fill = kHeadingGrey;
  h.alignment = Qt::AlignCenter;
  b.text(QRectF(0, 0, width, 11), heading, h, QStringLiteral("Heading"));
  if (!line.isEmpty()) {
    TextStyle l;
    l.font = arial(13);
    l.alignment = Qt::AlignCenter;
    b.text(QRectF(0, 12.5, width, 8), line, l, QStringLiteral("HeadingLine"));
  }
  return b;
}

}  // namespace pk::report
