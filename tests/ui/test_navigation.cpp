// The main window: page slots, Back and Forward, the toolbar and help lookup.
#include <QtTest>

#include "app/art.h"
#include "app/helpwindow.h"
#include "app/tfrabasframe.h"
#include "app/tfrmmain.h"
#include "fixture.h"

using namespace pk;

class TestNavigation : public QObject {
  Q_OBJECT

  std::unique_ptr<test::Fixture> f;
  std::unique_ptr<TfrmMain> main;

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

  void windowIsFixedWithItsCaption() {
    QCOMPARE(main->size(), QSize(944, 615));
    QCOMPARE(main->minimumSize(), main->maximumSize());
    QCOMPARE(main->windowTitle(), QStringLiteral("Pursekeep  v0814"));
    for (int n = 0; n < TfrmMain::kPageCount; ++n) QVERIFY(main->page(n) != nullptr);
  }

  void goUpFromEveryPage_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const int table[15] = {0, 0, 1, 1, 1, 1, 0, 6, 0, 8, 9, 10, 11, 12, 13};
    for (int n = 0; n < 15; ++n) QTest::addRow("page %d", n) << n << table[n];
  }
  void goUpFromEveryPage() {
    QFETCH(int, from);
    QFETCH(int, to);
    main->ShowPage(from);
    main->GoUp();
    QCOMPARE(main->CurrentPage, to);
    QVERIFY(main->currentPage()->isVisible() || !main->isVisible());
  }

  void forwardWalksUpward() {
    main->ShowPage(6);
    main->GoForward();
    QCOMPARE(main->CurrentPage, 7);
    main->ShowPage(13);
    main->GoForward();
    QCOMPARE(main->CurrentPage, 14);
  }

  void backAndForwardEnabledByTheRules() {
    main->show();
    main->ShowPage(0);
    QVERIFY(!main->currentPage()->btnBack->isEnabled());
    QVERIFY(main->currentPage()->btnNext->isEnabled());
    main->ShowPage(14);
    QVERIFY(main->currentPage()->btnBack->isEnabled());
    QVERIFY(!main->currentPage()->btnNext->isEnabled());
    main->ShowPage(7);
    QVERIFY(main->currentPage()->btnBack->isEnabled());
    QVERIFY(main->currentPage()->btnNext->isEnabled());
  }

  void everyVisitMakesAFreshPage() {
    main->ShowPage(3);
    const int first = main->currentPage()->instanceSerial();
    main->ShowPage(1);
    main->ShowPage(3);
    QVERIFY(main->currentPage()->instanceSerial() != first);
    // Only the page shown is visible; the others stay hidden.
    main->show();
    main->ShowPage(2);
    int visible = 0;
    for (int n = 0; n < TfrmMain::kPageCount; ++n) visible += main->page(n)->isVisible() ? 1 : 0;
    QCOMPARE(visible, 1);
  }

  void numberAboveFourteenShowsNothing() {
    main->show();
    main->ShowPage(15);
    for (int n = 0; n < TfrmMain::kPageCount; ++n) QVERIFY(!main->page(n)->isVisible());
  }

  void toolbarHintsStandAsWritten() {
    TfraBasFrame* p = main->page(0);
    QCOMPARE(p->btnHome->toolTip(), QStringLiteral("Go to the Home page"));
    QCOMPARE(p->btnSmallSetup->toolTip(), QStringLiteral("Go to the Set-up page"));
    QCOMPARE(p->btnSmallEnter->toolTip(), QStringLiteral("Enter info into your accounts"));
    QCOMPARE(p->btnSmallView->toolTip(), QStringLiteral("Go to the View Reports/Graphs page"));
    QCOMPARE(p->btnBack->toolTip(), QStringLiteral("Back"));
    QCOMPARE(p->btnNext->toolTip(), QStringLiteral("Forward"));
    QCOMPARE(p->btnInfo->toolTip(), QStringLiteral("Info"));
    QCOMPARE(p->btnHelp->toolTip(), QStringLiteral("Help and support details"));
    QCOMPARE(p->btnTrash->toolTip(),
             QStringLiteral("Delete items on this page by high-lighting or dragging the item onto  the recycle bin"));
    QCOMPARE(p->btnUnlock->toolTip(), QStringLiteral("Password protect Pursekeep \u2013 Lock/unlock"));
    QCOMPARE(p->btnBackup->toolTip(), QStringLiteral("Backup/Restore Pursekeep"));
    QCOMPARE(p->btnGlass->toolTip(), QStringLiteral("Toggle Search"));
    QCOMPARE(p->btnImport->toolTip(), QStringLiteral("Import  OFX and QIF file"));
    QCOMPARE(p->btnPrint->toolTip(), QStringLiteral("Print"));
  }

  void toolbarButtonsLineUpFromTheRight() {
    main->show();
    main->ShowPage(11);  // page 11 keeps the base toolbar as it is
    TfraBasFrame* p = main->currentPage();
    p->btnTrash->show();
    p->btnUnlock->hide();
    p->btnBackup->show();
    p->layoutToolbar();
    const int w = p->pnTop->width();
    QVERIFY(p->btnInfo->isVisible());
    QCOMPARE(p->btnInfo->geometry().right(), w - 1);
    QCOMPARE(p->btnHelp->geometry().right(), p->btnInfo->x() - 1);
    QCOMPARE(p->btnTrash->geometry().right(), p->btnHelp->x() - 1);
    // A hidden button takes no room.
    QCOMPARE(p->btnBackup->geometry().right(), p->btnTrash->x() - 1);
    QCOMPARE(p->pnTopContent4->x(), w / 2 - 128);
  }

  void lockPictureFollowsThePasswordOption() {
    TfraBasFrame* p = main->page(1);
    const QImage off = toolbarImage(2).toImage();
    const QImage on = toolbarImage(26).toImage();
    QCOMPARE(p->btnUnlock->shownPicture().toImage(), off);
    main->dmData().SetPassword(QStringLiteral("pw"));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(p->btnUnlock, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(p->btnUnlock, &leave);
    QCOMPARE(p->btnUnlock->shownPicture().toImage(), on);
  }

  void helpContextByPage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("context");
    const int contexts[15] = {1004, 1005, 1007, 1008, 1009, 1010, 1013, 1014,
                              1017, 1019, 1023, 0, 1022, 1020, 1021};
    for (int n = 0; n < 15; ++n) QTest::addRow("page %d", n) << n << contexts[n];
  }
  void helpContextByPage() {
    QFETCH(int, page);
    QFETCH(int, context);
    main->ShowPage(page);
    QCOMPARE(main->currentPage()->helpContext(), context);
    main->currentPage()->btnHelp2Click();
    auto* help = main->findChild<HelpWindow*>();
    Q_UNUSED(help);
    const auto windows = QApplication::topLevelWidgets();
    HelpWindow* shown = nullptr;
    for (QWidget* w : windows) {
      if (auto* h = qobject_cast<HelpWindow*>(w)) shown = h;
    }
    if (context == 0) {
      QVERIFY(!shown || !shown->isVisible());
    } else {
      QVERIFY(shown);
      QCOMPARE(shown->lastContext(), context);
      QVERIFY(shown->browser()->toHtml().size() > 100);
    }
  }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
