#include "views/annualbudgetreport.h"

#include "report/standard.h"
#include "views/reportformat.h"

namespace pk {

using namespace report;

namespace {

// Columns across the 195.9 mm between the margins of a Letter page.
struct Column {
  double x, width;
  QRectF at(double y, double h) const { return QRectF(x, y, width, h); }
};
const Column kName{0, 42}, kFrequency{42, 30}, kStartDate{72, 24}, kEndDate{96, 24}, kIncome{120, 23.5},
    kOutgoing{143.5, 23.5}, kAnnual{167, 28.9};
constexpr double kWidth = 195.9;
constexpr double kRowHeight = 6.2;
const QColor kHairline(0xD9, 0xD9, 0xD9);

TextStyle cellStyle(Qt::Alignment horizontal, bool wrap = false) {
  TextStyle s;
  s.font = arial(9.5);
  s.alignment = horizontal | Qt::AlignVCenter;
  s.wrap = wrap;
  s.padding = 1.5;
  s.frame.bottom = true;
  s.frame.colour = kHairline;
  s.frame.width = 0.15;
  return s;
}

Band captionBar(double y) {
  Band b(y + 7);
  b.rule(y, kWidth, kBarGrey, 7);
  TextStyle s;
  s.font = arial(9.5, true);
  s.padding = 1.5;
  const struct { Column c; const char* text; bool right; } captions[] = {
      {kName, "Description", false},  {kFrequency, "Frequency", false}, {kStartDate, "Start Date", false},
      {kEndDate, "End Date", false},  {kIncome, "Income", true},        {kOutgoing, "Outgoing", true},
      {kAnnual, "Annual Amount", true}};
  for (const auto& c : captions) {
    s.alignment = (c.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    b.text(c.c.at(y, 7), QString::fromLatin1(c.text), s);
  }
  return b;
}

Band groupHeader(const QString& title) {
  Band b = captionBar(12);
  TextStyle s;
  s.font = arial(19, true);
  s.font.setUnderline(true);
  s.colour = kGreen;
  s.padding = 0;
  s.alignment = Qt::AlignLeft | Qt::AlignVCenter;
  b.text(QRectF(0, 0, kWidth, 10.5), title, s, QStringLiteral("Memo3"));
  b.height = 20;
  return b;
}

Band continuedHeader(const QString& title) {
  Band b = captionBar(6);
  TextStyle s;
  s.font = arial(10, true);
  s.colour = kGreen;
  s.padding = 0;
  b.text(QRectF(0, 0, kWidth, 5.5), title + QStringLiteral(" (continued)"), s);
  return b;
}

Band itemRow(const AnnualBudgetRow& row, bool income, const QLocale& locale) {
  Band b(kRowHeight);
  b.stretch = true;  // a long name or frequency wraps onto a second line
  const QString zero = ReportMoney(0, locale);
  const QString amount = ReportMoney(row.amount, locale);
  const QString total = ReportMoney(row.budgetTotal, locale);
  auto date = [&locale](const std::optional<DayNumber>& d) { return d ? ReportDate(*d, locale) : QString(); };
  b.text(kName.at(0, kRowHeight), row.name, cellStyle(Qt::AlignLeft, true), QStringLiteral("mName"));
  b.text(kAnnual.at(0, kRowHeight), income ? total : QStringLiteral("(") + total + QStringLiteral(")"),
         cellStyle(Qt::AlignRight), QStringLiteral("mBalance"));
  b.text(kStartDate.at(0, kRowHeight), date(row.start), cellStyle(Qt::AlignLeft), QStringLiteral("mStart"));
  b.text(kEndDate.at(0, kRowHeight), date(row.last), cellStyle(Qt::AlignLeft), QStringLiteral("mLast"));
  b.text(kOutgoing.at(0, kRowHeight), income ? zero : amount, cellStyle(Qt::AlignRight), QStringLiteral("mOutgoing"));
  b.text(kIncome.at(0, kRowHeight), income ? amount : zero, cellStyle(Qt::AlignRight), QStringLiteral("mIncome"));
  b.text(kFrequency.at(0, kRowHeight), row.frequencyName, cellStyle(Qt::AlignLeft, true), QStringLiteral("mFrequency"));
  return b;
}

Band totalLine(const QString& caption, const QString& value, const QString& name, double top) {
  Band b(top + 10);
  TextStyle s;
  s.font = arial(16, true);
  s.alignment = Qt::AlignRight | Qt::AlignVCenter;
  s.padding = 1.5;
  b.text(QRectF(kStartDate.x, top, kOutgoing.x - kStartDate.x, 9), caption, s);
  b.text(QRectF(kOutgoing.x - 20, top, kWidth - kOutgoing.x + 20, 9), value, s, name);
  return b;
}

Group itemGroup(const QString& title, const std::vector<AnnualBudgetRow>& rows, double subtotal, bool income,
                const QLocale& locale) {
  Group g;
  g.header = groupHeader(title);
  g.continuedHeader = continuedHeader(title);
  for (const AnnualBudgetRow& r : rows) g.rows.push_back(itemRow(r, income, locale));
  const QString sum = ReportMoney(subtotal, locale);
  Band footer = totalLine(QStringLiteral("SubTotal :"), income ? sum : QStringLiteral("(") + sum + QStringLiteral(")"),
                          QStringLiteral("mSum"), 2.5);
  footer.rule(1, kWidth, kLineGreen, 0.4);
  footer.height += 4;  // room before the next group
  g.footer = footer;
  return g;
}

}  // namespace

report::Report BuildAnnualBudgetReport(const AnnualBudget& figures, const QLocale& locale) {
  Section s;
  s.page.paper = Paper::Letter;
  s.page.orientation = QPageLayout::Portrait;
  s.page.margins = QMarginsF(10, 10, 10, 10);
  Band title = HeadingBand(kWidth, QStringLiteral("Budget - Annual report"),
                           QStringLiteral("For 52 weeks, starting Monday ") + ReportDate(figures.start, locale) +
                               QStringLiteral(" :: Today's date ") + ReportDate(figures.today, locale));
  title.height += 4;
  s.reportTitle = title;
  // A group appears only when it has items, as a group header does.
  if (!figures.income.empty()) {
    s.groups.push_back(itemGroup(QStringLiteral("Income"), figures.income, figures.incomeSubtotal, true, locale));
  }
  if (!figures.outgoing.empty()) {
    s.groups.push_back(
        itemGroup(QStringLiteral("Outgoing"), figures.outgoing, figures.outgoingSubtotal, false, locale));
  }
  Band grand = totalLine(QStringLiteral("Grand Total :"), ReportMoney(figures.grandTotal, locale),
                         QStringLiteral("mGrand"), 3);
  grand.rule(0.5, kWidth, kGreen, 0.8);  // a three-pixel rule
  s.summary = grand;
  s.pageFooter = PageFooterBand(kWidth, ReportDate(figures.today, locale));
  return Report{QStringLiteral("Budget - Annual report"), {s}};
}

report::Document PrepareAnnualBudgetDocument(TdmData& data, Prompter& prompter, AnnualBudgetSource source) {
  const AnnualBudget figures = PrepareAnnualItems(data, source);
  if (figures.missingFrequency) prompter.message(MessageKind::Plain, FillAllBudgetMessage());
  return Document::prepare(BuildAnnualBudgetReport(figures));
}

}  // namespace pk
