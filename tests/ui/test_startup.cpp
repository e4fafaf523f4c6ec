// Start-up: the open-password gate, the application titles and the splash.
#include <QtTest>

#include "app/startup.h"
#include "app/tfrmopenpassword.h"
#include "app/tfrmsplash.h"
#include "fixture.h"

using namespace pk;

class TestStartup : public QObject {
  Q_OBJECT

  // Runs the gate with a password set, driving the dialog by the given steps.
  GateOutcome runGate(test::Fixture& f, const std::function<void(TfrmOpenPassword*)>& drive) {
    QTimer::singleShot(0, [&]() {
      auto* gate = qobject_cast<TfrmOpenPassword*>(QApplication::activeModalWidget());
      QVERIFY(gate);
      drive(gate);
    });
    return RunOpenPasswordGate(f.folder(), f.clock(), f.prompter());
  }

 private slots:
  void noPasswordNoGate() {
    test::Fixture f;
    const GateOutcome out = RunOpenPasswordGate(f.folder(), f.clock(), f.prompter());
    QCOMPARE(int(out.result), int(GateResult::Open));
    QCOMPARE(out.title, QStringLiteral("Pursekeep "));
    QVERIFY(f.prompter().records().empty());
  }

  void wrongPasswordsThenTheRightOne() {
    test::Fixture f;
    f.data().SetPassword(QStringLiteral("Open Sesame"));
    const GateOutcome out = runGate(f, [&](TfrmOpenPassword* gate) {
      QVERIFY(gate->edtpassword->text().isEmpty());
      QCOMPARE(gate->windowTitle(), QStringLiteral("VORN-Password Protect"));
      for (const char* wrong : {"open sesame", "Open Sesame ", " Open Sesame", ""}) {
        gate->edtpassword->setText(QString::fromLatin1(wrong));
        gate->BitBtn1->click();
        QVERIFY(gate->isVisible());
        QCOMPARE(gate->edtpassword->text(), QString::fromLatin1(wrong));  // the text stays
      }
      gate->edtpassword->setText(QStringLiteral("Open Sesame"));
      gate->BitBtn1->click();
    });
    QCOMPARE(int(out.result), int(GateResult::Open));
    QCOMPARE(out.title, QStringLiteral("Pursekeep  v0811"));
    QCOMPARE(f.prompter().texts(), QStringList(4, QStringLiteral("Password not Correct")));
  }

  void cancelEscapeAndCloseEndTheProgram_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
  }
  void cancelEscapeAndCloseEndTheProgram() {
    QFETCH(int, how);
    test::Fixture f;
    f.data().SetPassword(QStringLiteral("x"));
    const GateOutcome out = runGate(f, [&](TfrmOpenPassword* gate) {
      if (how == 0) gate->BitBtn2->click();
      if (how == 1) QTest::keyClick(gate, Qt::Key_Escape);
      if (how == 2) gate->close();
    });
    QCOMPARE(int(out.result), int(GateResult::Cancelled));
  }

  void unreadableDataFileFailsWithTheEngineText() {
    QTemporaryDir dir;
    Clock clock(QDate(2010, 1, 1));
    ScriptedPrompter prompter;
    const GateOutcome out = RunOpenPasswordGate(ProgramFolder(dir.path()), clock, prompter);
    QCOMPARE(int(out.result), int(GateResult::Failed));
    QCOMPARE(prompter.records().size(), size_t(1));
    QCOMPARE(int(prompter.records().front().kind), int(MessageKind::Error));
    QVERIFY(prompter.lastText().contains(QStringLiteral("data.mdb")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("data.mdb"))));
  }

  void splashSequence() {
    TfrmSplash splash;
    splash.Timer1->stop();  // ticks are driven by hand
    QCOMPARE(splash.size(), QSize(628, 178));
    QCOMPARE(splash.lbProgress->text(), QStringLiteral("Initializing..."));
    QCOMPARE(splash.ProgressBar1->maximum(), 8);
    const QStringList expected = {QStringLiteral("Initializing..."), QStringLiteral("Initializing..."),
                                  QStringLiteral("Creating objects..."), QStringLiteral("Loading Skin..."),
                                  QStringLiteral("Loading Skin...")};
    for (int tick = 0; tick < 5; ++tick) {
      QVERIFY(!splash.CloseQuery());
      splash.Timer1Timer();
      QCOMPARE(splash.lbProgress->text(), expected[tick]);
    }
    QVERIFY(splash.CloseQuery());
    QCOMPARE(splash.ProgressBar1->value(), 6);
    QVERIFY(!splash.Timer1->isActive());
  }

  void splashClosesAfterAboutTwoSeconds() {
    TfrmSplash splash;
    QElapsedTimer t;
    t.start();
    QTRY_VERIFY_WITH_TIMEOUT(splash.CloseQuery(), 5000);
    QVERIFY(t.elapsed() >= 1800);
  }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
