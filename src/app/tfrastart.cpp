#include "app/tfrastart.h"

#include "app/tile.h"

#include "app/art.h"
#include "app/tfrmmain.h"
#include "backup/tfrmbackup.h"
#include "core/setupstate.h"

namespace pk {

namespace {
constexpr int kBannerHeight = 76;
constexpr int kTile = kTileSize;
constexpr int kTileGap = 56;
constexpr int kTileTop = kBannerHeight + 34;
const QColor kGreen(32, 91, 71);

QLabel* picture(QWidget* parent, const QString& name, const QSize& size) {
  auto* l = new QLabel(parent);
  l->setPixmap(artPixmap(name, size));
  l->setFixedSize(l->pixmap().deviceIndependentSize().toSize());
  return l;
}

QLabel* reminderLabel(QWidget* parent, const QColor& colour, bool bold) {
  auto* l = new QLabel(parent);
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont f(QStringLiteral("Verdana"));
  f.setPixelSize(bold ? 14 : 13);
  f.setBold(bold);
  l->setFont(f);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, colour);
  l->setPalette(pal);
  l->hide();
  return l;
}
}  // namespace

TfraStart::TfraStart(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {
  QWidget* area = content();

  Panel1 = new QWidget(area);
  Image1 = picture(Panel1, QStringLiteral("start/panel1.png"), QSize(344, 185));
  Panel1->setFixedSize(344, 185);

  Panel3 = new QWidget(area);
  Panel3->setFixedHeight(kBannerHeight);
  Image4 = picture(Panel3, QStringLiteral("start/banner4.png"), QSize(360, kBannerHeight));
  Image5 = picture(Panel3, QStringLiteral("start/banner5.png"), QSize(240, kBannerHeight));
  Image6 = picture(Panel3, QStringLiteral("start/banner6.png"), QSize(160, kBannerHeight));
  Image7 = new QLabel(Panel3);
  Image7->setPixmap(artPixmap(QStringLiteral("start/banner7.png"), QSize(16, kBannerHeight)));
  Image7->setScaledContents(true);

  const struct {
    ImageButton*& tile;
    QLabel*& label;
    int picture;
    const char* text;
  } tiles[] = {
      {btnSetup, Label1, 0, "Set-up"},
      {btnEnterInfo, Label2, 2, "Update accounts"},
      {btnView, Label3, 4, "View \nReports/Graphs"},
  };
  for (const auto& t : tiles) {
    t.tile = makeTile(area, QStringLiteral("start"), t.picture);
    t.tile->setToolTip(QString::fromLatin1(t.text).simplified());
    t.label = makeTileCaption(area, QString::fromLatin1(t.text));
  }

  starthere = picture(area, QStringLiteral("start/starthere.png"), QSize(120, 80));
  starthere->hide();
  imgReminder = picture(area, QStringLiteral("start/reminder.png"), QSize(64, 64));
  imgReminder->hide();
  lbReminder1 = reminderLabel(area, Qt::black, false);
  lbReminder2 = reminderLabel(area, Qt::red, true);

  btnTrash->hide();
  btnInfo->hide();
  btnBackup->show();
  btnHome->setHighlighted(true);

  connect(btnSetup, &QAbstractButton::clicked, this, &TfraStart::btnSetupClick);
  connect(btnEnterInfo, &QAbstractButton::clicked, this, &TfraStart::btnEnterInfoClick);
  connect(btnView, &QAbstractButton::clicked, this, &TfraStart::btnViewClick);
  connect(btnBackup, &QAbstractButton::clicked, this, &TfraStart::btnBackupClick);
}

void TfraStart::InitPage() {
  lbTitle->setText(QStringLiteral("Pursekeep"));
  ShowSetupReminder();
}

void TfraStart::ShowSetupReminder() {
  imgReminder->hide();
  lbReminder1->hide();
  lbReminder2->hide();
  lbReminder1->setText(SetupReminderText());
  try {
    lbReminder2->setText(SetupReminderReason(ctx.data.db()));
  } catch (const DbError& e) {
    lbReminder2->clear();
    ctx.prompter.message(MessageKind::Error, e.text());
  }
  const bool show = !lbReminder2->text().isEmpty();
  imgReminder->setVisible(show);
  lbReminder1->setVisible(show);
  lbReminder2->setVisible(show);
  starthere->setVisible(show);
  FrameResize();
}

void TfraStart::FrameResize() {
  TfraBasFrame::FrameResize();
  const int w = content()->width();
  const int h = content()->height();

  Panel3->setGeometry(0, 0, w, kBannerHeight);
  Image4->move(0, 0);
  Image5->move(Image4->width(), 0);
  Image6->move(Image5->x() + Image5->width(), 0);
  const int rest = Image6->x() + Image6->width();
  Image7->setGeometry(rest, 0, qMax(0, w - rest), kBannerHeight);

  const int left = (w - 3 * kTile - 2 * kTileGap) / 2;
  int x = left;
  for (auto [tile, label] : {std::pair{btnSetup, Label1}, std::pair{btnEnterInfo, Label2},
                             std::pair{btnView, Label3}}) {
    tile->move(x, kTileTop);
    label->setGeometry(x - 20, kTileTop + kTile + 6, kTile + 40, 44);
    x += kTile + kTileGap;
  }
  // The pointer stands left of the Set-up tile, level with its middle.
  starthere->move(qMax(0, left - starthere->width() - 6), kTileTop + (kTile - starthere->height()) / 2);

  // The decoration's top lies 122 pixels above the toolbar; the toolbar covers the rest.
  Panel1->move(0, h - 122);
  Panel1->lower();

  // The reminder fills the space right of the decoration, under the tiles.
  const int top = kTileTop + kTile + 60;
  const int boxLeft = Panel1->width() + 16;
  const int boxWidth = w - boxLeft - 24;
  imgReminder->move(boxLeft, top + 6);
  const int textLeft = boxLeft + imgReminder->width() + 16;
  const int textWidth = boxWidth - imgReminder->width() - 16;
  lbReminder1->setGeometry(textLeft, top, textWidth, lbReminder1->heightForWidth(textWidth));
  lbReminder2->setGeometry(textLeft, lbReminder1->y() + lbReminder1->height() + 10, textWidth,
                           lbReminder2->heightForWidth(textWidth));
}

void TfraStart::btnSetupClick() { if (ctx.main) ctx.main->ShowPage(1); }
void TfraStart::btnEnterInfoClick() { if (ctx.main) ctx.main->ShowPage(6); }
void TfraStart::btnViewClick() { if (ctx.main) ctx.main->ShowPage(8); }

void TfraStart::btnBackupClick() { ShowBackupDialog(ctx, window()); }

}  // namespace pk
