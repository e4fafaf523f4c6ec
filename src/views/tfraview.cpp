#include "views/tfraview.h"

#include "app/tile.h"

#include <QHBoxLayout>
#include <array>
#include <QVBoxLayout>

#include "app/art.h"
#include "app/tfrmmain.h"
#include "views/viewstrip.h"

namespace pk {

namespace {
constexpr int kCaptionWidth = 300;
}

TfraView::TfraView(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {
  auto* layout = new QVBoxLayout(content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Panel3 = new ViewStrip(ctx.folder, content());
  layout->addWidget(Panel3);
  connect(Panel3->imgBack, &QAbstractButton::clicked, this, &TfraView::imgBackClick);

  btnSetup = makeTile(0, QStringLiteral("Annual budget"), 9);
  btnViewYear1 = makeTile(2, QStringLiteral("Year to date against budget table"), 13);
  btnViewYear2 = makeTile(4, QStringLiteral("Year to date against budget graphs"), 14);
  btnPieChart1 = makeTile(6, QStringLiteral("Charts"), 12);
  btnPieChart2 = makeTile(8, QStringLiteral("Chart Incoming"), 11, &lbPieChart2);
  btnForecast = makeTile(10, QStringLiteral("Forecast year end"), 10);
  // Page 11 is not offered here.
  btnPieChart2->parentWidget()->hide();

  // Two rows of three; a hidden tile takes no room, so the rest stay centred.
  layout->addStretch(1);
  for (const auto& row : {std::array{btnSetup, btnViewYear1, btnViewYear2},
                          std::array{btnPieChart1, btnPieChart2, btnForecast}}) {
    auto* line = new QHBoxLayout();
    line->setSpacing(8);
    line->addStretch(1);
    for (ImageButton* tile : row) line->addWidget(tile->parentWidget());
    line->addStretch(1);
    layout->addLayout(line);
    layout->addSpacing(4);
  }
  layout->addStretch(1);

  btnTrash->hide();
  btnInfo->hide();
  btnSmallView->setHighlighted(true);

  btnBudget = new ImageButton(pnTop);
  btnBudget->setObjectName(QStringLiteral("btnBudget"));
  btnBudget->setPictures(QPixmap(ctx.folder.btnDir() + QStringLiteral("btn_budget.png")),
                         QPixmap(ctx.folder.btnDir() + QStringLiteral("btn_budget_over.png")));
  btnBudget->setToolTip(QStringLiteral("Budget - Annual"));
  btnBudget->setFixedSize(64, 64);
  btnBudget->hide();
  connect(btnBudget, &QAbstractButton::clicked, this, &TfraView::btnBudgetClick);
}

ImageButton* TfraView::makeTile(int picture, const QString& label, int page, QLabel** labelOut) {
  auto* holder = new QWidget(content());
  auto* column = new QVBoxLayout(holder);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  auto* tile = pk::makeTile(holder, QStringLiteral("view"), picture);
  tile->setProperty("page", page);
  auto* caption = makeTileCaption(holder, label);
  caption->setWordWrap(true);
  caption->setFixedWidth(kCaptionWidth);
  column->addWidget(tile, 0, Qt::AlignHCenter);
  column->addWidget(caption, 0, Qt::AlignHCenter);
  if (labelOut) *labelOut = caption;
  connect(tile, &QAbstractButton::clicked, this, [this, page] {
    if (ctx.main) ctx.main->ShowPage(page);
  });
  return tile;
}

void TfraView::InitPage() { lbTitle->setText(QStringLiteral("View")); }

void TfraView::btnBudgetClick() {
  if (ctx.main) ctx.main->ShowPage(5);
}

void TfraView::imgBackClick() {
  if (ctx.main) ctx.main->GoUp();
}

}  // namespace pk
