#include "report/chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QRadialGradient>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "report/report.h"

namespace pk::report {

namespace {

// Slices without a colour of their own take these, in turn.
const QColor kPalette[] = {QColor(0x4F, 0x81, 0xBD), QColor(0xC0, 0x50, 0x4D), QColor(0x9B, 0xBB, 0x59),
                           QColor(0x80, 0x64, 0xA2), QColor(0x4B, 0xAC, 0xC6), QColor(0xF7, 0x96, 0x46),
                           QColor(0x1F, 0x49, 0x7D), QColor(0x7F, 0x7F, 0x7F)};

// The chart is laid out as if on a 96-dpi screen and then scaled into the target.
constexpr double kChartDpi = 96.0;

QBrush sliceBrush(const QColor& colour, bool shaded) {
  if (!shaded) return QBrush(colour);
  QRadialGradient g(QPointF(0.5, 0.5), 0.5);
  g.setCoordinateMode(QGradient::ObjectBoundingMode);
  g.setColorAt(0, colour.lighter(135));
  g.setColorAt(1, colour);
  return QBrush(g);
}

void addPie(QChart* chart, const ChartSeries& s, const ChartContent& content) {
  auto* pie = new QPieSeries();
  pie->setName(s.title);
  pie->setHoleSize(content.pieHole);
  pie->setPieSize(0.8);
  const int n = int(std::min(s.labels.size(), s.values.size()));
  for (int i = 0; i < n; ++i) {
    auto* slice = pie->append(s.labels.at(i), s.values.at(i));
    const QColor colour = i < s.colours.size() && s.colours.at(i).isValid()
                              ? s.colours.at(i)
                              : kPalette[size_t(i) % std::size(kPalette)];
    slice->setBrush(sliceBrush(colour, content.pieShaded));
    slice->setPen(QPen(Qt::white, 1));
    slice->setLabelVisible(s.marks);
    slice->setLabelFont(arial(8));
    if (s.marks) slice->setLabelArmLengthFactor(0.12);
  }
  chart->addSeries(pie);
}

void addLines(QChart* chart, const ChartContent& content) {
  auto* yAxis = new QValueAxis();
  yAxis->setLabelsFont(arial(8));
  yAxis->setGridLineVisible(content.gridLines);
  yAxis->setLabelFormat(QStringLiteral("%.0f"));
  if (!content.leftTitle.isEmpty()) {
    yAxis->setTitleText(content.leftTitle);
    yAxis->setTitleFont(arial(9, true));
  }

  double lo = 0, hi = 0, xlo = 0, xhi = 0;
  bool any = false;
  const ChartSeries* labelled = nullptr;
  std::vector<QLineSeries*> lines;
  for (const ChartSeries& s : content.series) {
    if (s.kind != ChartSeries::Kind::Line) continue;
    if (!labelled && !s.labels.isEmpty()) labelled = &s;
    auto* line = new QLineSeries();
    line->setName(s.title);
    QPen pen(s.colour, s.lineWidth);
    line->setPen(pen);
    line->setPointLabelsVisible(s.marks);
    line->setPointLabelsFont(arial(7));
    line->setPointLabelsFormat(QStringLiteral("@yPoint"));
    for (int i = 0; i < s.values.size(); ++i) {
      const double x = i < s.xValues.size() ? s.xValues.at(i) : double(i);
      const double y = s.values.at(i);
      line->append(x, y);
      if (!any) { lo = hi = y; xlo = xhi = x; any = true; }
      lo = std::min(lo, y); hi = std::max(hi, y);
      xlo = std::min(xlo, x); xhi = std::max(xhi, x);
    }
    chart->addSeries(line);
    lines.push_back(line);
  }

  QAbstractAxis* xAxis = nullptr;
  const double xmin = content.bottomMin.value_or(xlo);
  const double xmax = content.bottomMax.value_or(std::max(xhi, xmin + 1));
  if (content.bottomShowsLabels && labelled) {
    auto* cat = new QCategoryAxis();
    cat->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int i = 0; i < labelled->labels.size(); ++i) {
      const double x = i < labelled->xValues.size() ? labelled->xValues.at(i) : double(i);
      if (x >= xmin && x <= xmax) cat->append(labelled->labels.at(i), x);
    }
    cat->setRange(xmin, xmax);
    cat->setStartValue(xmin);
    xAxis = cat;
  } else {
    auto* val = new QValueAxis();
    val->setRange(xmin, xmax);
    val->setLabelFormat(QStringLiteral("%.0f"));
    xAxis = val;
  }
  xAxis->setLabelsFont(arial(8));
  xAxis->setLabelsAngle(-content.bottomLabelAngle);  // Qt turns clockwise
  xAxis->setGridLineVisible(content.gridLines);
  if (!content.bottomTitle.isEmpty()) {
    xAxis->setTitleText(content.bottomTitle);
    xAxis->setTitleFont(arial(9, content.bottomTitleBold));
  }

  if (content.leftMin || content.leftMax || !any) {
    yAxis->setRange(content.leftMin.value_or(any ? lo : 0), content.leftMax.value_or(any ? hi : 1));
  } else {
    if (hi == lo) hi = lo + 1;
    yAxis->setRange(std::min(0.0, lo), hi);
    yAxis->applyNiceNumbers();
  }
  chart->addAxis(xAxis, Qt::AlignBottom);
  chart->addAxis(yAxis, Qt::AlignLeft);
  for (QLineSeries* line : lines) {
    line->attachAxis(xAxis);
    line->attachAxis(yAxis);
  }
}

}  // namespace

void PaintChart(QPainter& painter, const QRectF& target, const QSizeF& sizeMm, const ChartContent& content) {
  if (target.isEmpty() || sizeMm.isEmpty()) return;
  const QSizeF logical = sizeMm * (kChartDpi / 25.4);

  QGraphicsScene scene;
  auto* chart = new QChart();  // the scene owns it
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundVisible(false);
  chart->setDropShadowEnabled(false);
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setMargins(QMargins(4, 4, 4, 4));
  if (!content.title.isEmpty()) {
    chart->setTitle(content.title);
    chart->setTitleFont(arial(11, true));
  }
  bool pies = false;
  for (const ChartSeries& s : content.series) {
    if (s.kind == ChartSeries::Kind::Pie) {
      addPie(chart, s, content);
      pies = true;
    }
  }
  if (!pies) addLines(chart, content);

  QLegend* legend = chart->legend();
  legend->setVisible(content.legend);
  legend->setAlignment(content.legendAlignment);
  legend->setFont(arial(8));
  if (content.legendInSeriesColours) {
    for (QLegendMarker* m : legend->markers()) m->setLabelBrush(m->brush());
  }

  scene.addItem(chart);
  chart->setGeometry(QRectF(QPointF(0, 0), logical));
  chart->layout()->activate();
  scene.setSceneRect(QRectF(QPointF(0, 0), logical));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  scene.render(&painter, target, QRectF(QPointF(0, 0), logical), Qt::IgnoreAspectRatio);
  painter.restore();
}

QStringList ParseLabels(const QString& text) {
  QStringList items = text.split(QLatin1Char(';'));
  if (!items.isEmpty() && items.last().isEmpty()) items.removeLast();
  return items;
}

QList<double> ParseValues(const QString& text) {
  QList<double> values;
  for (const QString& item : ParseLabels(text)) {
    bool ok = false;
    const double v = item.trimmed().toDouble(&ok);
    values.append(ok && std::isfinite(v) ? v : 0.0);
  }
  return values;
}

QColor ColourFromBgr(qint64 value) {
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QList<QColor> ParseBgrColours(const QString& text) {
  QList<QColor> colours;
  for (const QString& item : ParseLabels(text)) {
    bool ok = false;
    const qint64 v = item.trimmed().toLongLong(&ok);
    colours.append(ok ? ColourFromBgr(v) : QColor());
  }
  return colours;
}

}  // namespace pk::report
