// The report engine: pagination (titles, page headers, groups kept with their
// rows, page footers with page x of n), stretching bands, and the three outputs
// (PDF with real text, printer page ranges, the embedded preview).
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "pdftext.h"
#include "report/document.h"
#include "report/preview.h"
#include "report/standard.h"

using namespace pk;
using namespace pk::report;

namespace {

Band row(const QString& text, double height = 10) {
  Band b(height);
  b.text(QRectF(0, 0, 100, height), text);
  return b;
}

Group group(const QString& name, int rows, double rowHeight = 10) {
  Group g;
  g.header = row(QStringLiteral("Header ") + name);
  for (int i = 1; i <= rows; ++i) g.rows.push_back(row(QStringLiteral("%1 row %2").arg(name).arg(i), rowHeight));
  g.footer = row(QStringLiteral("Footer ") + name);
  return g;
}

// A4 portrait with 10 mm margins and a 10 mm footer leaves 267 mm for the body.
Section section() {
  Section s;
  s.reportTitle = row(QStringLiteral("Title"), 20);
  s.pageHeader = row(QStringLiteral("Columns"), 7);
  s.pageFooter = PageFooterBand(s.page.contentWidth(), QStringLiteral("3/10/2010"));
  return s;
}

int pageOf(const Document& doc, const QString& text) {
  for (int i = 0; i < doc.pageCount(); ++i) {
    if (doc.pageTexts(i).contains(text)) return i;
  }
  return -1;
}

}  // namespace

class TestReportEngine : public QObject {
  Q_OBJECT
 private slots:
  void groupsStayWithTheirRows_data() {
    QTest::addColumn<int>("firstRows");
    QTest::addColumn<bool>("keepTogether");
    QTest::addColumn<int>("secondRows");
    QTest::addColumn<int>("expectedHeaderPage");
    // Page 1 body room: 267 - 20 (title) - 7 (page header) = 240 mm.
    // Group A takes 10 * (2 + rows) mm; group B needs header + first row = 20 mm.
    QTest::newRow("fits below") << 10 << true << 3 << 0;             // A 120, B 50 -> 170
    QTest::newRow("kept whole on next page") << 17 << true << 5 << 1;  // A 190, B 70 > 50 left
    QTest::newRow("not kept, starts here") << 17 << false << 5 << 0;  // header + row fit in 50
    QTest::newRow("header never alone") << 21 << false << 5 << 1;     // A 230, 10 left
    QTest::newRow("too big for any page") << 17 << true << 40 << 0;   // keeping it whole is impossible
  }
  void groupsStayWithTheirRows() {
    QFETCH(int, firstRows);
    QFETCH(bool, keepTogether);
    QFETCH(int, secondRows);
    QFETCH(int, expectedHeaderPage);
    Section s = section();
    s.groups.push_back(group(QStringLiteral("A"), firstRows));
    Group b = group(QStringLiteral("B"), secondRows);
    b.keepTogether = keepTogether;
    s.groups.push_back(b);
    const Document doc = Document::prepare(Report{QStringLiteral("t"), {s}});

    QCOMPARE(pageOf(doc, QStringLiteral("Header B")), expectedHeaderPage);
    QCOMPARE(pageOf(doc, QStringLiteral("B row 1")), expectedHeaderPage);
    // Every row is printed once, in order.
    QStringList all;
    for (int i = 0; i < doc.pageCount(); ++i) all << doc.pageTexts(i);
    QCOMPARE(all.filter(QStringLiteral(" row ")).size(), firstRows + secondRows);
    QVERIFY(all.indexOf(QStringLiteral("Footer A")) < all.indexOf(QStringLiteral("Header B")));
    QCOMPARE(all.count(QStringLiteral("Title")), 1);
  }

  void everyPageHasHeaderAndFooterWithPageXOfN() {
    Section s = section();
    Group a = group(QStringLiteral("A"), 60);
    a.continuedHeader = row(QStringLiteral("A continued"));
    s.groups.push_back(a);
    s.summary = row(QStringLiteral("Grand"));
    const Document doc = Document::prepare(Report{QStringLiteral("t"), {s}});
    QCOMPARE(doc.pageCount(), 3);
    for (int i = 0; i < doc.pageCount(); ++i) {
      const QStringList texts = doc.pageTexts(i);
      QCOMPARE(texts.value(i == 0 ? 1 : 0), QStringLiteral("Columns"));
      QCOMPARE(texts.value(i == 0 ? 2 : 1), i == 0 ? QStringLiteral("Header A") : QStringLiteral("A continued"));
      QCOMPARE(texts.last(), QStringLiteral("%1 of 3 :: 3/10/2010 :: https://pursekeep.example :: Pursekeep")
                                 .arg(i + 1));
      // Nothing of the body runs into the footer.
      const TextCell* footer = doc.findCell(i, QStringLiteral("PageFooter"));
      for (const Object& o : doc.page(i).objects) {
        if (const auto* c = std::get_if<TextCell>(&o); c && c->name.isEmpty()) {
          QVERIFY2(c->rect.bottom() <= footer->rect.top(), qPrintable(c->text));
        }
      }
    }
    QCOMPARE(pageOf(doc, QStringLiteral("Grand")), 2);
  }

  void stretchingBandGrowsToItsText() {
    Section s = section();
    Band b(8);
    b.stretch = true;
    TextStyle wrap;
    wrap.wrap = true;
    b.text(QRectF(0, 0, 30, 8), QStringLiteral("a long description that needs several lines in a narrow cell"), wrap);
    Group plain;
    plain.rows = {b, row(QStringLiteral("next"))};
    s.groups.push_back(plain);
    const double h = BandHeight(b);
    QVERIFY2(h > 15, qPrintable(QString::number(h)));
    const Document doc = Document::prepare(Report{QStringLiteral("t"), {s}});
    const auto& objects = doc.page(0).objects;
    const QRectF first = std::get<TextCell>(objects[2]).rect;
    const QRectF next = std::get<TextCell>(objects[3]).rect;
    QCOMPARE(next.top(), first.top() + h);
  }

  void pdfKeepsTextAndPrinterRangeIsHonoured() {
    QTemporaryDir dir;
    Section s = section();
    s.page.paper = Paper::Letter;
    s.groups.push_back(group(QStringLiteral("A"), 30));
    ChartContent pie;
    ChartSeries slices;
    slices.kind = ChartSeries::Kind::Pie;
    slices.labels = ParseLabels(QStringLiteral("Rent;Food;"));
    slices.values = ParseValues(QStringLiteral("700;300"));
    slices.colours = ParseBgrColours(QStringLiteral("192;65280"));
    pie.series.push_back(slices);
    Band chart(80);
    chart.chart(QRectF(0, 0, 120, 80), pie);
    s.summary = chart;
    const Document doc = Document::prepare(Report{QStringLiteral("Engine"), {s}});
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(ParseBgrColours(QStringLiteral("192")).first(), QColor(0xC0, 0, 0));

    const QString pdf = dir.filePath(QStringLiteral("all.pdf"));
    QVERIFY(doc.writePdf(pdf));
    if (!test::havePdfToText()) QSKIP("pdftotext is not installed");
    QStringList pages = test::pdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains(QStringLiteral("A row 1")));
    QVERIFY(pages[1].contains(QStringLiteral("Footer A")));
    QVERIFY(pages[1].contains(QStringLiteral("Rent")));  // the chart's legend is text too
    QVERIFY(test::squeezed(pages[1]).contains(QStringLiteral("2 of 2 :: 3/10/2010")));

    // A printer asked for page 2 only gets page 2.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("range.pdf")));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    QVERIFY(doc.print(printer));
    pages = test::pdfPages(printer.outputFileName());
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].contains(QStringLiteral("Footer A")));

    QString error;
    QVERIFY(!doc.writePdf(dir.filePath(QStringLiteral("missing/folder/x.pdf")), &error));
    QVERIFY(!error.isEmpty());
  }

  void previewShowsPagesAndScrolls() {
    Section s = section();
    s.groups.push_back(group(QStringLiteral("A"), 60));
    ReportPreview preview;
    preview.resize(800, 500);
    preview.show();
    preview.setDocument(Document::prepare(Report{QStringLiteral("t"), {s}}));
    QCoreApplication::processEvents();
    QCOMPARE(preview.previewWidget()->pageCount(), 3);
    const int before = preview.scrollPosition();
    preview.scrollByWheel(-120 * 3);
    QVERIFY(preview.scrollPosition() > before);
    preview.scrollByWheel(120 * 3);
    QCOMPARE(preview.scrollPosition(), before);
  }
};

QTEST_MAIN(TestReportEngine)
#include "test_report_engine.moc"
