#include "setup/tfrasetup.h"

#include "app/tile.h"

#include <QCalendarWidget>
#include <QFile>
#include <QHBoxLayout>
#include <QLocale>
#include <QPainter>

#include "app/art.h"
#include "app/tfrmmain.h"
#include "backup/tfrmpasswordsetting.h"
#include "core/budget/budgettotals.h"
#include "core/budget/calendar.h"

namespace pk {

namespace {
constexpr int kTile = kTileSize;
constexpr int kTileGap = 32;
constexpr int kStripHeight = 76;
const QColor kGreen(32, 91, 71);
const QColor kLine(166, 190, 78);

// A picture of the program folder's btn/ folder, or the delivered copy.
QPixmap btnPicture(const ProgramFolder& folder, const QString& name) {
  QPixmap pm(folder.btnDir() + name);
  if (pm.isNull()) pm.load(QStringLiteral(":/btn/") + name);
  return pm;
}

// The light strip that holds the start date.
class DateStrip : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kLine, 1.5));
    p.setBrush(QColor(244, 248, 236));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
  }
};

QString pickerFormat() {
  // The regional short date, always with the whole year.
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  return format;
}
}  // namespace

TfraSetup::TfraSetup(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {
  QWidget* area = content();

  Image5 = new ImageButton(area);
  Image5->setPictures(btnPicture(ctx.folder, QStringLiteral("setup_normal.png")),
                      btnPicture(ctx.folder, QStringLiteral("setup_over.png")));
  Image5->setFixedSize(124, 60);
  Image5->setToolTip(QStringLiteral("Back to the Home page"));
  connect(Image5, &QAbstractButton::clicked, this, [this] { if (ctx.main) ctx.main->GoUp(); });

  strip_ = new DateStrip(area);
  lblStartDate = new QLabel(QStringLiteral("First select a start date"), strip_);
  QFont bold(QStringLiteral("Arial"));
  bold.setPixelSize(15);
  bold.setBold(true);
  lblStartDate->setFont(bold);
  QPalette green = lblStartDate->palette();
  green.setColor(QPalette::WindowText, kGreen);
  lblStartDate->setPalette(green);
  Label5 = new QLabel(QStringLiteral("(we require a Monday) for your budget to run one year (52 weeks)"), strip_);
  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(13);
  Label5->setFont(small);
  edBalanceDate = new QDateEdit(strip_);
  edBalanceDate->setCalendarPopup(true);
  edBalanceDate->setKeyboardTracking(false);  // a typed date counts once it is complete
  edBalanceDate->setDisplayFormat(pickerFormat());
  edBalanceDate->setMinimumWidth(130);
  edBalanceDate->setFixedHeight(28);
  // The dropped-down calendar in an 8-point font at the size it needs.
  QFont calendarFont = edBalanceDate->calendarWidget()->font();
  calendarFont.setPointSize(8);
  edBalanceDate->calendarWidget()->setFont(calendarFont);
  edBalanceDate->calendarWidget()->setMinimumSize(edBalanceDate->calendarWidget()->minimumSizeHint());
  auto* row = new QHBoxLayout(strip_);
  row->setContentsMargins(16, 6, 12, 6);
  row->setSpacing(12);
  row->addWidget(lblStartDate);
  row->addWidget(Label5, 1);
  row->addWidget(edBalanceDate);

  const struct {
    ImageButton*& tile;
    QLabel*& label;
    int picture;
    const char* text;
  } tiles[] = {
      {btnAccounts, lbAccounts, 0, "Accounts"},
      {btnIncome, lbIncome, 2, "Income items"},
      {btnOutgoing, lbOutgoing, 4, "Outgoing items"},
      {btnBudget, lbBudget, 6, "Budget - annual"},
  };
  for (const auto& t : tiles) {
    t.tile = makeTile(area, QStringLiteral("setup"), t.picture);
    t.tile->setToolTip(QString::fromLatin1(t.text));
    t.label = makeTileCaption(area, QString::fromLatin1(t.text));
  }

  Timer2 = new QTimer(this);
  Timer2->setSingleShot(true);
  Timer2->setInterval(100);

  btnUnlock->show();
  btnTrash->hide();
  btnInfo->hide();
  btnSmallSetup->setHighlighted(true);

  connect(edBalanceDate, &QDateEdit::dateChanged, this, &TfraSetup::edBalanceDateChange);
  connect(Timer2, &QTimer::timeout, this, &TfraSetup::Timer2Timer);
  connect(btnAccounts, &QAbstractButton::clicked, this, &TfraSetup::btnAccountsClick);
  connect(btnIncome, &QAbstractButton::clicked, this, &TfraSetup::btnIncomeClick);
  connect(btnOutgoing, &QAbstractButton::clicked, this, &TfraSetup::btnOutgoingClick);
  connect(btnBudget, &QAbstractButton::clicked, this, &TfraSetup::btnBudgetClick);
  connect(btnUnlock, &QAbstractButton::clicked, this, &TfraSetup::btnUnlockClick);
}

DayNumber TfraSetup::pickerValue() const { return dayNumber(edBalanceDate->date()); }

void TfraSetup::setPicker(DayNumber day) {
  const QSignalBlocker quiet(edBalanceDate);
  edBalanceDate->setDate(dateOf(day));
}

void TfraSetup::setStartDateRegular() {
  QFont f = lblStartDate->font();
  f.setBold(false);
  lblStartDate->setFont(f);
}

void TfraSetup::InitPage() {
  lbTitle->setText(QStringLiteral("Setup"));
  try {
    if (ctx.data.IsStartDateSelected()) {
      setPicker(BudgetStart(ctx.data));
      setStartDateRegular();
    } else {
      setPicker(DefaultBudgetStart(ctx.clock));
      ctx.data.SetStartBudget(pickerValue());
    }
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
    return;
  }
  edBalanceDateChange();
}

void TfraSetup::edBalanceDateChange() {
  bool resnap = false;
  if (!IsMonday(pickerValue())) {
    setPicker(NextMonday(pickerValue()));
    resnap = true;
  }
  try {
    ctx.data.SetStartBudget(pickerValue());
    ctx.data.MarkStartDateSelected();
    setStartDateRegular();
    RecalcBudgetTotals(ctx.data, pickerValue());
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
  }
  if (resnap) Timer2->start();
}

void TfraSetup::Timer2Timer() {
  Timer2->stop();
  setPicker(NextMonday(pickerValue()));
}

void TfraSetup::btnAccountsClick() { if (ctx.main) ctx.main->ShowPage(2); }
void TfraSetup::btnIncomeClick() { if (ctx.main) ctx.main->ShowPage(3); }
void TfraSetup::btnOutgoingClick() { if (ctx.main) ctx.main->ShowPage(4); }

void TfraSetup::btnBudgetClick() {
  if (!ctx.data.IsStartDateSelected()) {
    ctx.prompter.message(MessageKind::Plain, QStringLiteral("Please Select Start Date First"));
    return;
  }
  if (ctx.main) ctx.main->ShowPage(5);
}

void TfraSetup::btnUnlockClick() {
  TfrmPasswordSetting dialog(ctx, window());
  dialog.exec();
  // The lock follows the stored state, normal and mouse-over picture alike.
  refreshUnlockPicture();
}

void TfraSetup::FrameResize() {
  TfraBasFrame::FrameResize();
  const int w = content()->width();
  Image5->move(16, (kStripHeight - Image5->height()) / 2);
  strip_->setGeometry(Image5->x() + Image5->width() + 16, 14, w - Image5->width() - 16 - 16 - 16, 48);
  // The tiles with their captions stand a little above the middle of the space left.
  const int top = kStripHeight + qMax(40, (content()->height() - kStripHeight - kTile - 30) / 2 - 16);
  const int left = (w - 4 * kTile - 3 * kTileGap) / 2;
  int x = left;
  for (auto [tile, label] : {std::pair{btnAccounts, lbAccounts}, std::pair{btnIncome, lbIncome},
                             std::pair{btnOutgoing, lbOutgoing}, std::pair{btnBudget, lbBudget}}) {
    tile->move(x, top);
    label->setGeometry(x - kTileGap / 2, top + kTile + 6, kTile + kTileGap, 24);
    x += kTile + kTileGap;
  }
}

}  // namespace pk
