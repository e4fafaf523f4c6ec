// The navigation strip of the setup pages inside the main window: its buttons
// lead to the other setup pages, the current one stays lit, the Set-up picture
// goes back up to the hub.
#include <QtTest>

#include "app/imagebutton.h"
#include "app/tfrabasframe.h"
#include "app/tfrmmain.h"
#include "fixture.h"

using namespace pk;

class TestSetupNavStrip : public QObject {
  Q_OBJECT

  std::unique_ptr<test::Fixture> f;
  std::unique_ptr<TfrmMain> main;

  ImageButton* button(const char* name) {
    return main->currentPage()->findChild<ImageButton*>(QString::fromLatin1(name));
  }

 private slots:
  void init() {
    f = std::make_unique<test::Fixture>();
    f->data().CloseDatabase();
    main = std::make_unique<TfrmMain>(f->clock(), f->prompter(), f->folder());
  }
  void cleanup() {
    main.reset();
    f.reset();
  }

  void buttonsLeadToTheOtherSetupPages_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("to");
    QTest::newRow("accounts to income") << 2 << QStringLiteral("btn_income") << 3;
    QTest::newRow("income to outgoing") << 3 << QStringLiteral("btn_outgoing") << 4;
    QTest::newRow("outgoing to budget") << 4 << QStringLiteral("btn_budget") << 5;
    QTest::newRow("outgoing to accounts") << 4 << QStringLiteral("btn_account") << 2;
    QTest::newRow("the current page's button does nothing") << 3 << QStringLiteral("btn_income") << 3;
    QTest::newRow("the Set-up picture goes up") << 4 << QStringLiteral("Image5") << 1;
  }
  void buttonsLeadToTheOtherSetupPages() {
    QFETCH(int, from);
    QFETCH(QString, name);
    QFETCH(int, to);
    main->ShowPage(from);
    const int serial = main->currentPage()->instanceSerial();
    QVERIFY(main->currentPage()->btnSmallSetup->isHighlighted());
    const char* current[] = {"btn_account", "btn_income", "btn_outgoing"};
    for (int page = 2; page <= 4; ++page) {
      ImageButton* b = button(current[page - 2]);
      QVERIFY(b);
      QCOMPARE(b->isHighlighted(), page == from);
      QVERIFY(!b->shownPicture().isNull());
    }
    ImageButton* b = main->currentPage()->findChild<ImageButton*>(name);
    QVERIFY(b);
    b->click();
    QCOMPARE(main->CurrentPage, to);
    // Nothing was shown afresh when the button does nothing.
    if (to == from) QCOMPARE(main->currentPage()->instanceSerial(), serial);
  }
};

QTEST_MAIN(TestSetupNavStrip)
#include "test_setupnavstrip.moc"
