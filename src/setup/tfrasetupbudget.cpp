#include "setup/tfrasetupbudget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QStyle>
#include <QVBoxLayout>

#include "app/art.h"
#include "app/tfrmmain.h"
#include "core/budget/calendar.h"
#include "setup/budgetgrid.h"
#include "setup/budgetgridmodel.h"
#include "setup/setupnavstrip.h"
#include "views/annualbudgetprint.h"

namespace pk {

namespace {

const QColor kGreen(32, 91, 71);
const QColor kLine(166, 190, 78);
constexpr int kJumpSize = 60;

// Widths of columns 0 to 9, the same in both grids so that their columns line
// up: the first column is 10 pixels, the frequency and date columns are wide
// enough for their editors, and the name column takes whatever room is left.
const QList<int> kColumnWidths = {10, 48, 170, 122, 90, 90, 105, 104, 110, 60};

QLabel* makeLabel(const QString& text, QWidget* parent, int pixelSize, bool bold,
                  const QColor& colour = Qt::black) {
  auto* label = new QLabel(text, parent);
  QFont f = label->font();
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  label->setFont(f);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  return label;
}

QString money(double value) { return QLocale().toCurrencyString(value, QLocale().currencySymbol(), 2); }

QPixmap jumpPicture(const QString& name) {
  return artPixmap(name, QSize(192, 192))
      .scaled(kJumpSize, kJumpSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

TfraSetupBudget::TfraSetupBudget(AppContext& context, QWidget* parent)
    : TfraBasFrame(context, parent), sheet_(context.data) {
  btnPrint->show();
  btnTrash->hide();
  btnInfo->hide();
  connect(btnPrint, &QAbstractButton::clicked, this, &TfraSetupBudget::btnPrintClick);

  auto* layout = new QVBoxLayout(content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  QWidget* strip = CreateSetupNavStrip(this, 5);
  layout->addWidget(strip);
  JvImage1 = new ImageButton(strip);
  JvImage1->setObjectName(QStringLiteral("JvImage1"));
  JvImage1->setPictures(jumpPicture(QStringLiteral("tiles/start_2.png")),
                        jumpPicture(QStringLiteral("tiles/start_3.png")));
  JvImage1->setFixedSize(kJumpSize, kJumpSize);
  JvImage1->setToolTip(QStringLiteral("Update accounts"));
  JvImage1->setCursor(Qt::PointingHandCursor);
  // The picture follows the strip's own buttons at its right end.
  auto* row = qobject_cast<QBoxLayout*>(strip->layout());
  if (!row) {
    row = new QHBoxLayout(strip);
    row->addStretch(1);
  }
  row->addSpacing(16);
  row->addWidget(JvImage1, 0, Qt::AlignVCenter);
  connect(JvImage1, &QAbstractButton::clicked, this, &TfraSetupBudget::JvImage1Click);

  auto* body = new QWidget(content());
  auto* v = new QVBoxLayout(body);
  v->setContentsMargins(14, 2, 14, 4);
  v->setSpacing(2);
  layout->addWidget(body, 1);

  lbInstruction = makeLabel(
      QStringLiteral("Set-up Budget \u2013 annual.  Fill in spaces highlighted in blue"), body, 13, true, kGreen);
  v->addWidget(lbInstruction);

  grdIncome = new BudgetGrid(ctx.prompter, true, body);
  grdIncome->setObjectName(QStringLiteral("grdIncome"));
  grdOutgoings = new BudgetGrid(ctx.prompter, false, body);
  grdOutgoings->setObjectName(QStringLiteral("grdOutgoings"));
  incomeModel_ = new BudgetGridModel(sheet_, 2, ctx.prompter, ctx.folder, this);
  outgoingModel_ = new BudgetGridModel(sheet_, 3, ctx.prompter, ctx.folder, this);
  grdIncome->setEmptyText(QStringLiteral("No income items yet: add them under Set-up income items."));
  grdOutgoings->setEmptyText(QStringLiteral("No outgoing items yet: add them under Set-up outgoing items."));
  grdIncome->setBudgetModel(incomeModel_);
  grdOutgoings->setBudgetModel(outgoingModel_);
  connect(incomeModel_, &BudgetGridModel::entered, this, &TfraSetupBudget::UpdateBudgetSubtotals);
  connect(outgoingModel_, &BudgetGridModel::entered, this, &TfraSetupBudget::UpdateBudgetSubtotals);

  lbSubtotal1 = makeLabel(QString(), body, 13, true);
  lbSubTotal2 = makeLabel(QString(), body, 13, true);
  lbGrandTotal = makeLabel(QString(), body, 14, true);
  v->addWidget(buildPart(QStringLiteral("Income"), grdIncome, subtotalLine(lbSubtotal1, false)), 1);
  v->addWidget(buildPart(QStringLiteral("Outgoings"), grdOutgoings, subtotalLine(lbSubTotal2, true)), 1);
  setTabOrder(grdIncome, grdOutgoings);

  edBalanceDate = new QDateEdit(this);
  edBalanceDate->hide();
  // The grids count the budget year from the picker's date.
  connect(edBalanceDate, &QDateEdit::dateChanged, this,
          [this](const QDate& d) { sheet_.budgetStart = dayNumber(d); });
  Timer2 = new QTimer(this);
  Timer2->setSingleShot(true);
  Timer2->setInterval(100);
  connect(Timer2, &QTimer::timeout, this, &TfraSetupBudget::Timer2Timer);
}

TfraSetupBudget::~TfraSetupBudget() {
  // An editor still open hands in its entry as it loses the focus; that must
  // happen while the rows exist.
  hide();
}

QWidget* TfraSetupBudget::buildPart(const QString& title, BudgetGrid* grid, QWidget* footer) {
  auto* part = new QWidget(grid->parentWidget());
  auto* v = new QVBoxLayout(part);
  v->setContentsMargins(0, 4, 0, 0);
  v->setSpacing(2);
  v->addWidget(makeLabel(title, part, 15, true, kGreen));
  v->addWidget(grid, 1);
  v->addWidget(footer);
  return part;
}

QWidget* TfraSetupBudget::subtotalLine(QLabel* subtotal, bool withGrandTotal) {
  auto* box = new QWidget(subtotal->parentWidget());
  auto* v = new QVBoxLayout(box);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(2);
  // The totals end where the grids' annual amounts end, left of the scroll bar.
  const int right = grdIncome->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * grdIncome->frameWidth() + 3;
  const auto totalRow = [box, right](const QString& caption, QLabel* value, int size, QLabel* note) {
    auto* h = new QHBoxLayout;
    h->setContentsMargins(0, 0, right, 0);
    if (note) h->addWidget(note);
    h->addStretch(1);
    h->addWidget(makeLabel(caption, box, size, true));
    value->setParent(box);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(130);
    h->addWidget(value);
    return h;
  };
  QLabel* note = makeLabel(QStringLiteral("Note: To delete items go to set-up."), box, 11, false, QColor(90, 90, 90));
  v->addLayout(totalRow(QStringLiteral("Subtotal"), subtotal, 13, note));
  if (withGrandTotal) {
    auto* rule = new QFrame(box);
    rule->setFixedHeight(2);
    rule->setAutoFillBackground(true);
    QPalette pal = rule->palette();
    pal.setColor(QPalette::Window, kLine);
    rule->setPalette(pal);
    v->addWidget(rule);
    v->addLayout(totalRow(QStringLiteral("Grand Total"), lbGrandTotal, 14, nullptr));
  }
  return box;
}

void TfraSetupBudget::InitPage() {
  sheet_.recalcLastDate = false;
  lbTitle->setText(QStringLiteral("Budget Annual Setup"));
  try {
    LoadBudgetGrid(2);
    LoadBudgetGrid(3);
    const std::optional<DayNumber> stored = ctx.data.StartBudget();
    edBalanceDate->setDate(dateOf(stored ? *stored : DefaultBudgetStart(ctx.clock)));
    sheet_.budgetStart = dayNumber(edBalanceDate->date());
    if (!stored) edBalanceDateChange();
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
  }
  grdIncome->setColumnWidths(kColumnWidths);
  grdOutgoings->setColumnWidths(kColumnWidths);
}

namespace {
// The hourglass while a grid is filled, also when the filling fails.
struct BusyCursor {
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
}  // namespace

void TfraSetupBudget::LoadBudgetGrid(int type) {
  BusyCursor busy;
  BudgetGridModel* model = type == 2 ? incomeModel_ : outgoingModel_;
  model->beginFill();
  try {
    sheet_.LoadBudgetGrid(type);
  } catch (...) {
    model->endFill();
    throw;
  }
  model->endFill();
  UpdateBudgetSubtotals();
}

void TfraSetupBudget::ReloadBudgetGrid(int type) {
  BusyCursor busy;
  BudgetGridModel* model = type == 2 ? incomeModel_ : outgoingModel_;
  model->beginFill();
  try {
    sheet_.ReloadBudgetGrid(type);
  } catch (...) {
    model->endFill();
    UpdateBudgetSubtotals();
    throw;
  }
  model->endFill();
  UpdateBudgetSubtotals();
}

void TfraSetupBudget::UpdateBudgetSubtotals() {
  sheet_.UpdateBudgetSubtotals();
  lbSubtotal1->setText(money(sheet_.incomeSubtotal));
  lbSubTotal2->setText(money(sheet_.outgoingSubtotal));
  lbGrandTotal->setText(money(sheet_.grandTotal));
  QPalette pal = lbGrandTotal->palette();
  pal.setColor(QPalette::WindowText, sheet_.grandTotal < 0 ? QColor(192, 0, 0) : Qt::black);
  lbGrandTotal->setPalette(pal);
}

void TfraSetupBudget::edBalanceDateChange() {
  DayNumber start = dayNumber(edBalanceDate->date());
  if (IsMonday(start)) {
    ctx.data.SetStartBudget(start);
  } else {
    start = NextMonday(start);
    edBalanceDate->setDate(dateOf(start));
    ctx.data.SetStartBudget(start);
    Timer2->start();
  }
  ReloadBudgetGrid(2);
  ReloadBudgetGrid(3);
}

void TfraSetupBudget::Timer2Timer() {
  Timer2->stop();
  edBalanceDate->setDate(dateOf(NextMonday(dayNumber(edBalanceDate->date()))));
}

void TfraSetupBudget::btnPrintClick() { ShowAnnualBudgetPrint(ctx); }

void TfraSetupBudget::JvImage1Click() {
  if (ctx.main) ctx.main->ShowPage(6);
}

}  // namespace pk
