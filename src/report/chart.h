#pragma once
// Charts inside report pages: pie and line series drawn with Qt Charts into the
// page's own painter, so that preview, paper and PDF show the same chart.
//
// Data may be given as lists or, as the views hand them over, as texts whose
// items are separated by ";" (ParseLabels, ParseValues, ParseBgrColours).
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QPainter;
class QRectF;
class QSizeF;

namespace pk::report {

struct ChartSeries {
  enum class Kind { Pie, Line };
  Kind kind = Kind::Line;
  QString title;
  QColor colour = Qt::blue;   // line colour; for a pie the colour of slices without one
  double lineWidth = 2;       // pixels of the chart's own 96-dpi drawing
  bool marks = false;         // value labels on points or slices
  QStringList labels;         // X labels (line) or slice labels (pie)
  QList<double> values;       // Y values
  QList<QColor> colours;      // pie slice colours, by index; missing ones use a palette
  // Line series: the X value of point i is xValues[i] when given, else i.
  QList<double> xValues;
};

struct ChartContent {
  QString title;
  std::vector<ChartSeries> series;
  bool legend = true;
  Qt::Alignment legendAlignment = Qt::AlignBottom;
  bool legendInSeriesColours = false;  // legend names drawn in their series' colours
  // Line charts: the bottom (X) axis and the left (Y) axis.
  std::optional<double> bottomMin, bottomMax;
  QString bottomTitle;
  bool bottomTitleBold = true;
  int bottomLabelAngle = 0;  // degrees counter-clockwise; 270 reads top to bottom
  bool bottomShowsLabels = false;  // tick labels taken from the first series' X labels
  QString leftTitle;
  std::optional<double> leftMin, leftMax;
  bool gridLines = true;
  // Pies: a hole in the middle (0 = full pie) and a light shadowed look.
  double pieHole = 0;
  bool pieShaded = false;
};

// Draws the chart into target (device coordinates of the painter). The chart is
// laid out for its size on paper, so its texts keep their size whatever the device.
void PaintChart(QPainter& painter, const QRectF& target, const QSizeF& sizeMm, const ChartContent& chart);

// "a;b;c" -> {"a", "b", "c"}; a trailing ";" adds nothing.
QStringList ParseLabels(const QString& text);
// "1;2.5;-3" -> {1, 2.5, -3}; an item that is not a number counts 0 ("." decimal point).
QList<double> ParseValues(const QString& text);
// Integer colour values in blue-green-red byte order ("192" is #C00000).
QList<QColor> ParseBgrColours(const QString& text);
QColor ColourFromBgr(qint64 value);

}  // namespace pk::report
