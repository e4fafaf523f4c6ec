// The accounts page and the account dialog: drops that create accounts, OK and
// Cancel, editing, the recycle bin and the picture choice.
#include <QtTest>

#include "core/store/records.h"
#include "setup/tfrasetupaccounts.h"
#include "setup/tfrmaccountdetailsdlg.h"
#include "test_setuphelpers.h"

using namespace pk;
using pk::test::PageEnv;
using pk::test::ScriptedDialogs;

namespace {

const QString kTrashHint =
    QStringLiteral("Delete items on this page by high-lighting or dragging the item onto  the recycle bin");

TfrmAccountDetailsDlg& accountDialog(QDialog& d) {
  auto* dlg = qobject_cast<TfrmAccountDetailsDlg*>(&d);
  if (!dlg) qFatal("not the account dialog");
  return *dlg;
}

void pressOk(QDialog& d) { accountDialog(d).btnOK->click(); }
void pressCancel(QDialog& d) { accountDialog(d).btnCancel->click(); }

int presetKey(PageEnv& env, const QString& name) {
  return int(env.count(QStringLiteral("SELECT defaultID FROM defaults WHERE type = 1 AND name = '%1'").arg(name)));
}

DraggedEntry fromCatalogue(PageEnv& env, const QString& name) {
  return DraggedEntry{QStringLiteral("lvLeft"), presetKey(env, name), name};
}

}  // namespace

class TestSetupAccounts : public QObject {
  Q_OBJECT

  std::unique_ptr<PageEnv> env;
  std::unique_ptr<TfraSetupAccounts> page;

  QStringList rightCaptions() const {
    QStringList out;
    for (int r = 0; r < page->rightList->rowCount(); ++r) out << page->rightList->caption(r);
    return out;
  }
  int firstAccount(const QString& name) {
    return int(env->count(QStringLiteral("SELECT accID FROM accounts WHERE name = '%1'").arg(name)));
  }

 private slots:
  void init() {
    env = std::make_unique<PageEnv>();
    page = std::make_unique<TfraSetupAccounts>(env->ctx);
    page->resize(944, 615);
    page->InitPage();
  }
  void cleanup() {
    page.reset();
    env.reset();
  }

  void showsTheCatalogueAndTheAccounts() {
    QCOMPARE(page->lbTitle->text(), QStringLiteral("Accounts Setup"));
    QCOMPARE(page->lbLeftTitle->text(), QStringLiteral("Accounts Items Selection"));
    QCOMPARE(page->lbRightTitle->text(), QStringLiteral("My Accounts"));
    QCOMPARE(page->leftList->rowCount(), int(env->count(QStringLiteral("SELECT count(*) FROM defaults WHERE type = 1"))));
    QCOMPARE(page->rightList->rowCount(), 0);
    QVERIFY(page->btnTrash->isVisibleTo(page.get()));
    QVERIFY(page->btnSmallSetup->isHighlighted());
  }

  void threeDropsGiveThreeNumberedAccounts() {
    ScriptedDialogs dialogs(pressOk);
    QVERIFY(page->imgdrop->isVisibleTo(page.get()));
    for (int i = 0; i < 3; ++i) test::dropOn(page->lvRight, fromCatalogue(*env, QStringLiteral("Savings")));
    QCOMPARE(dialogs.shown, 3);
    QVERIFY(!page->imgdrop->isVisibleTo(page.get()));
    QCOMPARE(rightCaptions(), (QStringList{QStringLiteral("Savings"), QStringLiteral("Savings #2"),
                                           QStringLiteral("Savings #3")}));
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM accounts")), qint64(3));
    // The new account takes the catalogue's picture, and its balance date is
    // today with the picker's time of day.
    const std::optional<AccountRecord> third = LoadAccount(env->f.data(), page->rightList->key(2));
    QVERIFY(third);
    QCOMPARE(third->name, QStringLiteral("Savings #3"));
    QCOMPARE(third->icon, QStringLiteral("Account/savings.png"));
    QVERIFY(third->balanceDate);
    QVERIFY(qAbs(*third->balanceDate - (dayNumber(QDate(2010, 3, 10)) + kPickerTimeOfDay)) < 1e-6);
  }

  void cancelLeavesNoAccount() {
    ScriptedDialogs dialogs([](QDialog& d) {
      accountDialog(d).dedAccName->setText(QStringLiteral("Typed then cancelled"));
      pressCancel(d);
    });
    test::dropOn(page->lvRight, fromCatalogue(*env, QStringLiteral("Cash")));
    QCOMPARE(dialogs.shown, 1);
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM accounts")), qint64(0));
    QCOMPARE(page->rightList->rowCount(), 0);
  }

  void theDialogSavesWhatWasTyped() {
    ScriptedDialogs dialogs([](QDialog& d) {
      auto& dlg = accountDialog(d);
      QCOMPARE(dlg.windowTitle(), QStringLiteral("Account Details"));
      QCOMPARE(dlg.dedAccName->text(), QStringLiteral("Cash"));
      QVERIFY(dlg.edBalanceDate->isEnabled());
      QCOMPARE(dlg.edBalanceDate->date(), QDate(2010, 3, 10));
      dlg.dedAccName->setText(QStringLiteral("Wallet"));
      dlg.dedBankNum->setText(QStringLiteral("12-345"));
      dlg.dedBalance->setText(QStringLiteral("1,234.5"));
      dlg.edBalanceDate->setDate(QDate(2010, 1, 4));
      pressOk(d);
    });
    test::dropOn(page->lvRight, fromCatalogue(*env, QStringLiteral("Cash")));
    const std::optional<AccountRecord> a = LoadAccount(env->f.data(), firstAccount(QStringLiteral("Wallet")));
    QVERIFY(a);
    QCOMPARE(a->bankNum, QStringLiteral("12-345"));
    QCOMPARE(a->initialBalance, 1234.5);
    QVERIFY(qAbs(*a->balanceDate - (dayNumber(QDate(2010, 1, 4)) + kPickerTimeOfDay)) < 1e-6);
    QCOMPARE(rightCaptions(), QStringList{QStringLiteral("Wallet")});
  }

  void okWaitsForANameAndANumber_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<bool>("saved");
    QTest::newRow("empty name") << QString() << QStringLiteral("0") << false;
    QTest::newRow("blank name") << QStringLiteral("   ") << QStringLiteral("0") << false;
    QTest::newRow("balance not a number") << QStringLiteral("Cash") << QStringLiteral("12x") << false;
    QTest::newRow("empty balance is 0") << QStringLiteral("Cash") << QString() << true;
  }
  void okWaitsForANameAndANumber() {
    QFETCH(QString, name);
    QFETCH(QString, balance);
    QFETCH(bool, saved);
    bool stayedOpen = false;
    ScriptedDialogs dialogs([&](QDialog& d) {
      auto& dlg = accountDialog(d);
      dlg.dedAccName->setText(name);
      dlg.dedBalance->setText(balance);
      QCOMPARE(dlg.btnOK->isEnabled(), !name.trimmed().isEmpty());
      dlg.acOkExecute();
      stayedOpen = d.isVisible();
    });
    test::dropOn(page->lvRight, fromCatalogue(*env, QStringLiteral("Cash")));
    QCOMPARE(stayedOpen, !saved);
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM accounts")), qint64(saved ? 1 : 0));
    if (!balance.isEmpty() && !saved && !name.trimmed().isEmpty()) {
      QVERIFY(env->f.prompter().lastText().contains(QLatin1String("12x")));
    }
  }

  void editingAnAccountWithTransactionsKeepsItsDate() {
    const int acc = env->f.addAccount(QStringLiteral("Cheque"), 10, 40000.0);
    env->f.addTransaction(acc, env->f.addItem(QStringLiteral("Wages"), 2), 5, 40100);
    page->InitPage();
    page->lvRight->selectRow(0);
    ScriptedDialogs dialogs([](QDialog& d) {
      auto& dlg = accountDialog(d);
      QVERIFY(!dlg.edBalanceDate->isEnabled());
      QVERIFY(dlg.dedBalance->isEnabled());
      QCOMPARE(dlg.edBalanceDate->date(), dateOf(40000.0));
      dlg.dedAccName->setText(QStringLiteral("Everyday"));
      dlg.dedBalance->setText(QStringLiteral("250"));
      pressOk(d);
    });
    emit page->lvRight->rightClicked();
    QCOMPARE(dialogs.shown, 1);
    const std::optional<AccountRecord> a = LoadAccount(env->f.data(), acc);
    QCOMPARE(a->name, QStringLiteral("Everyday"));
    QCOMPARE(a->initialBalance, 250.0);
    QCOMPARE(dateOf(*a->balanceDate), dateOf(40000.0));
    QCOMPARE(rightCaptions(), QStringList{QStringLiteral("Everyday")});
  }

  void editingChangesThePictureInTheList() {
    const int acc = env->f.addAccount(QStringLiteral("Cheque"));
    page->InitPage();
    QCOMPARE(page->rightList->picture(0), 0);
    const QString outside = env->f.dir() + QStringLiteral("/mine/red.png");
    test::writePicture(outside, QSize(20, 20), Qt::red);
    env->f.prompter().queueFile(outside);
    page->lvRight->selectRow(0);
    ScriptedDialogs dialogs([](QDialog& d) {
      accountDialog(d).lbChangeIconClick();
      pressOk(d);
    });
    emit page->lvRight->entryActivated();  // double-click
    QCOMPARE(env->f.prompter().lastCaption, QStringLiteral("Select picture"));
    QVERIFY(env->f.prompter().lastFolder.endsWith(QLatin1String("images/Account")));
    QVERIFY(env->f.prompter().lastFilter.contains(QLatin1String("All Graphics Files (*.bmp *.jpg *.gif *.png)")));
    QCOMPARE(LoadAccount(env->f.data(), acc)->icon, QStringLiteral("_custom/red.png"));
    QVERIFY(QFile::exists(env->images() + QStringLiteral("_custom/red.png")));
    const int picture = page->rightList->picture(0);
    QVERIFY(picture > 0);
    QCOMPARE(QColor(page->rightList->images().at(picture).toImage().pixel(24, 24)), QColor(Qt::red));

    // A second change replaces that picture in place.
    const QString blue = env->f.dir() + QStringLiteral("/mine/blue.png");
    test::writePicture(blue, QSize(20, 20), Qt::blue);
    env->f.prompter().queueFile(blue);
    emit page->lvRight->rightClicked();
    QCOMPARE(page->rightList->picture(0), picture);
    QCOMPARE(QColor(page->rightList->images().at(picture).toImage().pixel(24, 24)), QColor(Qt::blue));
  }

  void aChosenFileThatIsNotAPictureIsRefused() {
    env->f.addAccount(QStringLiteral("Cheque"));
    page->InitPage();
    const QString notPicture = env->f.dir() + QStringLiteral("/notes.png");
    test::writeText(notPicture, "plain text");
    env->f.prompter().queueFile(notPicture);
    page->lvRight->selectRow(0);
    ScriptedDialogs dialogs([](QDialog& d) {
      accountDialog(d).lbChangeIconClick();
      pressOk(d);
    });
    emit page->lvRight->rightClicked();
    QVERIFY(env->f.prompter().texts().join(QLatin1Char('\n')).contains(QLatin1String("notes.png")));
    QVERIFY(LoadAccount(env->f.data(), page->rightList->key(0))->icon.isEmpty());
    QVERIFY(!QFile::exists(env->images() + QStringLiteral("_custom/notes.png")));
  }

  void theRecycleBinDeletesOnlyUnusedAccounts_data() {
    QTest::addColumn<bool>("used");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("unused, yes") << false << int(Answer::Yes) << true;
    QTest::newRow("unused, no") << false << int(Answer::No) << false;
    QTest::newRow("used, yes") << true << int(Answer::Yes) << false;
  }
  void theRecycleBinDeletesOnlyUnusedAccounts() {
    QFETCH(bool, used);
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    const int acc = env->f.addAccount(QStringLiteral("Cash"));
    if (used) env->f.addTransaction(acc, env->f.addItem(QStringLiteral("Wages"), 2), 5, 40100);
    page->InitPage();
    env->f.prompter().queueAnswer(Answer(answer));
    test::dropOn(page->btnTrash, DraggedEntry{QStringLiteral("lvRight"), acc, QStringLiteral("Cash")});
    QStringList expected{QStringLiteral("Are you sure you want to delete this Account (Cash)?")};
    if (used && answer == int(Answer::Yes)) {
      expected << QStringLiteral("The Account cannot deleted because it is being used in 1 transaction(s)");
    }
    QCOMPARE(env->f.prompter().texts(), expected);
    QCOMPARE(env->f.prompter().records().front().kind, MessageKind::Warning);
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM accounts")), qint64(deleted ? 0 : 1));
    QCOMPARE(page->rightList->rowCount(), deleted ? 0 : 1);
  }

  void theDeleteKeyAsksTheSameQuestion() {
    env->f.addAccount(QStringLiteral("Cash"));
    page->InitPage();
    page->lvRight->selectRow(0);
    env->f.prompter().queueAnswer(Answer::Yes);
    QTest::keyClick(page->lvRight, Qt::Key_Delete);
    QCOMPARE(env->f.prompter().texts(),
             QStringList{QStringLiteral("Are you sure you want to delete this Account (Cash)?")});
    QCOMPARE(page->rightList->rowCount(), 0);
  }

  void theRecycleBinTakesOnlyMyAccounts() {
    QVERIFY(!test::acceptsDrag(page->btnTrash, fromCatalogue(*env, QStringLiteral("Cash"))));
    QVERIFY(test::acceptsDrag(page->btnTrash, DraggedEntry{QStringLiteral("lvRight"), 1, QStringLiteral("Cash")}));
    QVERIFY(test::acceptsDrag(page->lvRight, fromCatalogue(*env, QStringLiteral("Cash"))));
    QVERIFY(!test::acceptsDrag(page->lvLeft, DraggedEntry{QStringLiteral("lvRight"), 1, QStringLiteral("Cash")}));
  }

  void clickingTheRecycleBinOnlyShowsItsHint() {
    env->f.addAccount(QStringLiteral("Cash"));
    page->InitPage();
    page->lvRight->selectRow(0);
    page->btnTrash->click();
    QCOMPARE(env->f.prompter().texts(), QStringList{kTrashHint});
    QCOMPARE(env->f.prompter().records().front().kind, MessageKind::Information);
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM accounts")), qint64(1));
  }

  void droppingMyOwnAccountOnMyListOnlyHidesTheHint() {
    env->f.addAccount(QStringLiteral("Cash"));
    page->InitPage();
    ScriptedDialogs dialogs(pressOk);
    test::dropOn(page->lvRight, DraggedEntry{QStringLiteral("lvRight"), firstAccount(QStringLiteral("Cash")),
                                             QStringLiteral("Cash")});
    QCOMPARE(dialogs.shown, 0);
    QVERIFY(!page->imgdrop->isVisibleTo(page.get()));
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM accounts")), qint64(1));
  }

  void doubleClickOnTheCatalogueWorksLikeADrop() {
    ScriptedDialogs dialogs(pressOk);
    page->lvLeft->selectRow(page->leftList->rowOfKey(presetKey(*env, QStringLiteral("Loan"))));
    QTest::keyClick(page->lvLeft, Qt::Key_Return);
    emit page->lvLeft->entryActivated();
    QCOMPARE(rightCaptions(), (QStringList{QStringLiteral("Loan"), QStringLiteral("Loan #2")}));
  }
};

QTEST_MAIN(TestSetupAccounts)
#include "test_setupaccounts.moc"
