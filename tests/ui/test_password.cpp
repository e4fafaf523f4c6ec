// The open-password setting: its two looks, the refusals, and what Save stores.
#include <QApplication>
#include <QtTest>

#include "app/helpwindow.h"
#include "app/tfrmmain.h"
#include "backup/tfrmpasswordsetting.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {

struct Dialog {
  explicit Dialog(Fixture& f) : ctx{f.data(), f.clock(), f.prompter(), f.folder(), nullptr}, dialog(ctx) {
    dialog.show();
  }
  void type(const QString& password, const QString& confirm) {
    dialog.edtPassword->setText(password);
    dialog.edtConfirm->setText(confirm);
  }
  AppContext ctx;
  TfrmPasswordSetting dialog;
};

void checkLook(TfrmPasswordSetting& d, bool on) {
  QCOMPARE(d.showsOnLook(), on);
  QCOMPARE(d.edtConfirm->isEnabled(), on);
  QCOMPARE(!d.imageEnable->isHidden(), on);
  QCOMPARE(!d.imagedisable->isHidden(), !on);
  QCOMPARE(d.Label1->text(), on ? QStringLiteral("Password Protection is enabled")
                                : QStringLiteral("Password Protection is disable"));
  QCOMPARE(d.Label2->text(), on ? QStringLiteral("Click here to disable password protection")
                                : QStringLiteral("Click here to enable password protection"));
}

}  // namespace

class TestPassword : public QObject {
  Q_OBJECT
 private slots:
  void looksFollowTheStoredStateAndTheLink() {
    Fixture f;
    {
      Dialog d(f);
      QCOMPARE(d.dialog.windowTitle(), QStringLiteral("VORN - Password Protect"));
      checkLook(d.dialog, false);
      QTest::mouseClick(d.dialog.Label2, Qt::LeftButton);
      checkLook(d.dialog, true);
      d.dialog.Label2Click();
      checkLook(d.dialog, false);
      // Switching the look and closing stores nothing.
      d.dialog.Label2Click();
      d.type(QStringLiteral("abc"), QStringLiteral("abc"));
      d.dialog.BitBtn2->click();
      QVERIFY(!f.data().UsesPassword());
    }
    f.data().SetPassword(QStringLiteral("abc"));
    Dialog d(f);
    checkLook(d.dialog, true);
    QVERIFY(d.dialog.edtPassword->text().isEmpty());
  }

  void refusals_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    const QString differ = QStringLiteral("password and Confirm Password must be same");
    const QString empty = QStringLiteral("password can not empty");
    QTest::newRow("nothing typed") << QString() << QString() << empty;
    QTest::newRow("blanks only") << QStringLiteral("   ") << QStringLiteral("   ") << empty;
    QTest::newRow("different blanks") << QStringLiteral("  ") << QStringLiteral(" ") << differ;
    QTest::newRow("letter case") << QStringLiteral("Secret") << QStringLiteral("secret") << differ;
    QTest::newRow("confirm missing") << QStringLiteral("Secret") << QString() << differ;
  }
  void refusals() {
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    Fixture f;
    f.data().SetPassword(QStringLiteral("old"));
    Dialog d(f);
    d.type(password, confirm);
    d.dialog.BitBtn1Click();
    QCOMPARE(f.prompter().texts(), QStringList{message});
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(d.dialog.edtPassword->text(), password);  // the typed text stays
    QCOMPARE(d.dialog.edtConfirm->text(), confirm);
    QVERIFY(f.data().PasswordMatches(QStringLiteral("old")));
  }

  void saveStoresThePasswordAsTyped() {
    Fixture f;
    Dialog d(f);
    d.dialog.Label2Click();
    d.type(QStringLiteral(" Lead"), QStringLiteral(" Lead"));
    d.dialog.BitBtn1Click();
    QVERIFY(f.prompter().texts().isEmpty());
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QVERIFY(f.data().UsesPassword());
    QVERIFY(f.data().PasswordMatches(QStringLiteral(" Lead")));
    QVERIFY(!f.data().PasswordMatches(QStringLiteral("Lead")));
    QVERIFY(!f.data().PasswordMatches(QStringLiteral(" lead")));
    // What is stored cannot be read back as the password.
    Stmt s = f.db().prepare(QStringLiteral("SELECT userPassword FROM options"));
    QVERIFY(s.next());
    QVERIFY(!s.text(0).contains(QStringLiteral("Lead")));
  }

  void switchingOffKeepsTheStoredPassword() {
    Fixture f;
    f.data().SetPassword(QStringLiteral("kept"));
    Dialog d(f);
    d.dialog.Label2Click();
    d.dialog.BitBtn1Click();
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QVERIFY(!f.data().UsesPassword());
    QVERIFY(f.data().PasswordMatches(QStringLiteral("kept")));
    // Switching on again asks for a new password twice.
    Dialog again(f);
    again.dialog.Label2Click();
    again.dialog.BitBtn1Click();
    QCOMPARE(f.prompter().lastText(), QStringLiteral("password can not empty"));
    QVERIFY(!f.data().UsesPassword());
  }

  void helpOpensItsContext() {
    Fixture f;
    TfrmMain main(f.clock(), f.prompter(), f.folder());
    TfrmPasswordSetting dialog(main.context(), &main);
    dialog.btnHelpClick();
    HelpWindow* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* h = qobject_cast<HelpWindow*>(w)) help = h;
    }
    QVERIFY(help);
    QCOMPARE(help->lastContext(), 1026);
  }
};

QTEST_MAIN(TestPassword)
#include "test_password.moc"
