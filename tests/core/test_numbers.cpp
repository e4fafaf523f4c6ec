// Amounts shown with the regional currency symbol, and numbers read back from text.
#include <QtTest>

#include "core/format/numbers.h"
#include "fixture.h"

using namespace pk;

class TestNumbers : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { pk::test::useTestLocale(); }

  void currencyFloatFormat_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("symbol before") << "en_US" << 1234.5 << "$1,234.50";
    QTest::newRow("rounds to cents") << "en_US" << 0.005 << "$0.01";
    QTest::newRow("millions") << "en_US" << 1234567.891 << "$1,234,567.89";
    QTest::newRow("negative keeps its sign on the number") << "en_US" << -1234.5 << "$-1,234.50";
    QTest::newRow("symbol after with blank") << "de_DE" << 1234.5 << QStringLiteral("1.234,50 \u20AC");
    QTest::newRow("symbol before with blank") << "nl_NL" << 1234.5 << QStringLiteral("\u20AC 1.234,50");
  }
  void currencyFloatFormat() {
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(CurrencyFloatFormat(value, QLocale(locale)), expected);
  }

  void defaultLocaleIsTheTestLocale() { QCOMPARE(CurrencyFloatFormat(2), QStringLiteral("$2.00")); }

  void textToNumber_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "en_US" << "" << 0.0;
    QTest::newRow("blanks") << "en_US" << "   " << 0.0;
    QTest::newRow("letters") << "en_US" << "abc" << 0.0;
    QTest::newRow("number then letters") << "en_US" << "12abc" << 0.0;
    QTest::newRow("not finite") << "en_US" << "inf" << 0.0;
    QTest::newRow("plain") << "en_US" << "1234.5" << 1234.5;
    QTest::newRow("blanks around") << "en_US" << " 12 " << 12.0;
    QTest::newRow("negative") << "en_US" << "-3.25" << -3.25;
    QTest::newRow("thousands") << "en_US" << "1,234.50" << 1234.5;
    QTest::newRow("as the grid shows it") << "en_US" << "$1,234.50" << 1234.5;
    QTest::newRow("comma decimal") << "de_DE" << "1234,5" << 1234.5;
    QTest::newRow("comma decimal with thousands") << "de_DE" << "1.234,5" << 1234.5;
    QTest::newRow("comma decimal, currency shown") << "de_DE" << QStringLiteral("1.234,50 \u20AC") << 1234.5;
  }
  void textToNumber() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(TextToNumber(text, QLocale(locale)), expected);
  }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
