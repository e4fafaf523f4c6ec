// The setup pages and their dialogs as laid out: no text cut off, nothing outside
// its window. With PURSEKEEP_SHOT_DIR set, each is also saved there as a picture.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "core/store/records.h"
#include "setup/tfeditcategory.h"
#include "setup/tfrasetupaccounts.h"
#include "setup/tfrasetupincome.h"
#include "setup/tfrasetupoutgoings.h"
#include "setup/tfrmaccountdetailsdlg.h"
#include "setup/tfrmitemdlg.h"
#include "test_setuphelpers.h"

using namespace pk;
using pk::test::PageEnv;

namespace {

void saveShot(QWidget& w, const QString& name) {
  const QString dir = qEnvironmentVariable("PURSEKEEP_SHOT_DIR");
  if (!dir.isEmpty()) w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Every visible label and button shows its whole text inside the window.
void checkNothingCutOff(QWidget& window) {
  const QRect area = window.rect();
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    const QRect box(w->mapTo(&window, QPoint(0, 0)), w->size());
    QVERIFY2(area.contains(box), qPrintable(w->objectName() + QStringLiteral(" lies outside")));
    auto* label = qobject_cast<QLabel*>(w);
    auto* button = qobject_cast<QPushButton*>(w);
    if ((label && label->pixmap().isNull() && !label->wordWrap()) || button) {
      QVERIFY2(w->width() >= w->minimumSizeHint().width(),
               qPrintable((label ? label->text() : button->text()) + QStringLiteral(" is cut off")));
    }
  }
}

}  // namespace

class TestSetupLook : public QObject {
  Q_OBJECT
 private slots:
  void pagesLayOutTheirParts_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("accounts") << 2;
    QTest::newRow("income") << 3;
    QTest::newRow("outgoing") << 4;
  }
  void pagesLayOutTheirParts() {
    QFETCH(int, page);
    PageEnv env;
    env.f.addAccount(QStringLiteral("Everyday"));
    env.f.addItem(QStringLiteral("Salary"), 2);
    env.f.addItem(QStringLiteral("Groceries"), 3);
    std::unique_ptr<TfraBasFrame> p;
    if (page == 2) p = std::make_unique<TfraSetupAccounts>(env.ctx);
    if (page == 3) p = std::make_unique<TfraSetupIncome>(env.ctx);
    if (page == 4) p = std::make_unique<TfraSetupOutgoings>(env.ctx);
    p->setFixedSize(944, 615);
    p->InitPage();
    p->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.get()));
    checkNothingCutOff(*p);
    auto* list = static_cast<TfraSetupListPage*>(p.get());
    QCOMPARE(list->rightList->rowCount(), 1);
    // The lists sit below the navigation strip, side by side.
    QVERIFY(list->lvLeft->mapTo(p.get(), QPoint(0, 0)).y() >= list->navStrip->height());
    QVERIFY(list->lvLeft->mapTo(p.get(), QPoint(list->lvLeft->width(), 0)).x() <=
            list->lvRight->mapTo(p.get(), QPoint(0, 0)).x());
    saveShot(*p, QStringLiteral("page%1").arg(page));
  }

  void dialogsLayOutTheirFields() {
    PageEnv env;
    AccountRecord account = NewAccount(env.f.data());
    account.name = QStringLiteral("Savings");
    // A catalogue picture where the program folder keeps it, when the build has one.
    QDir().mkpath(env.images() + QStringLiteral("Account"));
    QFile::copy(QStringLiteral(":/images/Account/savings.png"), env.images() + QStringLiteral("Account/savings.png"));
    account.icon = QStringLiteral("Account/savings.png");
    TfrmAccountDetailsDlg accountDlg(env.ctx, account, 0);
    ItemRecord item = NewItem(env.f.data());
    item.catID = env.f.addCategory(QStringLiteral("Salary"), 2);
    TfrmIncomeDlg incomeDlg(env.ctx, item, false);
    TfrmOutgoingDlg outgoingDlg(env.ctx, item, false);
    Tfeditcategory editDlg;
    editDlg.setName(QStringLiteral("Salary"));
    const std::pair<QDialog*, QString> dialogs[] = {{&accountDlg, QStringLiteral("account")},
                                                    {&incomeDlg, QStringLiteral("income")},
                                                    {&outgoingDlg, QStringLiteral("outgoing")},
                                                    {&editDlg, QStringLiteral("editcategory")}};
    for (const auto& [dialog, name] : dialogs) {
      dialog->show();
      QVERIFY(QTest::qWaitForWindowExposed(dialog));
      checkNothingCutOff(*dialog);
      saveShot(*dialog, QStringLiteral("dialog_") + name);
      dialog->hide();
    }
  }
};

QTEST_MAIN(TestSetupLook)
#include "test_setuplook.moc"
