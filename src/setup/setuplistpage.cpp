#include "setup/setuplistpage.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/art.h"
#include "setup/setupnavstrip.h"

namespace pk {

namespace {

const QColor kGreen(32, 91, 71);
const QColor kLine(166, 190, 78);

QWidget* listPanel(QWidget* parent, QLabel*& title, const QString& text, IconListView*& view,
                   IconListModel*& model, const QString& name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name + QStringLiteral("Panel"));
  panel->setStyleSheet(QStringLiteral("QFrame#%1Panel { border: 1px solid rgb(166,190,78); background: white; }")
                           .arg(name));
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->setSpacing(0);
  title = new QLabel(text, panel);
  title->setObjectName(name + QStringLiteral("Title"));
  title->setFixedHeight(30);
  title->setContentsMargins(10, 0, 10, 0);
  title->setStyleSheet(QStringLiteral("background: rgb(32,91,71); color: white; font-weight: bold; font-size: 11pt;"));
  layout->addWidget(title);
  view = new IconListView(panel);
  view->setObjectName(name);
  model = new IconListModel(view);
  view->setModel(model);
  layout->addWidget(view, 1);
  return panel;
}

}  // namespace

TfraSetupListPage::TfraSetupListPage(AppContext& context, QWidget* parent, const Texts& texts)
    : TfraBasFrame(context, parent) {
  auto* layout = new QVBoxLayout(content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  navStrip = CreateSetupNavStrip(this, texts.pageNumber);
  layout->addWidget(navStrip);

  splMain = new QSplitter(Qt::Horizontal, content());
  splMain->setObjectName(QStringLiteral("splMain"));
  splMain->setChildrenCollapsible(false);
  splMain->setHandleWidth(8);
  splMain->setStyleSheet(QStringLiteral("QSplitter::handle { image: none; background: white; }"));
  splMain->addWidget(listPanel(splMain, lbLeftTitle, texts.leftTitle, lvLeft, leftList, QStringLiteral("lvLeft")));
  splMain->addWidget(listPanel(splMain, lbRightTitle, texts.rightTitle, lvRight, rightList, QStringLiteral("lvRight")));
  splMain->setSizes({360, 560});
  splMain->setStretchFactor(0, 0);
  splMain->setStretchFactor(1, 1);
  // The splitter between the lists cannot be moved.
  splMain->handle(1)->setEnabled(false);
  splMain->handle(1)->setCursor(Qt::ArrowCursor);
  auto* lists = new QHBoxLayout;
  lists->setContentsMargins(12, 6, 12, 10);
  lists->addWidget(splMain);
  layout->addLayout(lists, 1);

  lvLeft->setAcceptDrops(false);
  lvLeft->viewport()->setAcceptDrops(false);

  imgdrop = new QLabel(content());
  imgdrop->setObjectName(QStringLiteral("imgdrop"));
  imgdrop->setPixmap(artPixmap(QStringLiteral("drophint.png"), QSize(344, 120)));
  imgdrop->adjustSize();
  imgdrop->setAttribute(Qt::WA_TransparentForMouseEvents);
  imgdrop->raise();
  // The hint follows the right list wherever the layout puts it.
  lvRight->parentWidget()->installEventFilter(this);

  btnDelete = new ImageButton(this);
  btnDelete->setObjectName(QStringLiteral("btnDelete"));
  btnDelete->setPictures(toolbarImage(8), toolbarImage(9));
  btnDelete->setToolTip(texts.deleteHint);
  btnDelete->hide();

  btnTrash->show();
  watchDeleteButton(btnTrash);
  watchDeleteButton(btnDelete);

  connect(lvRight, &IconListView::entryDropped, this, [this](const DraggedEntry& e) { lvRightDragDrop(e); });
  connect(lvRight, &IconListView::rightClicked, this, [this] { lvRightDblClick(); });
  connect(lvRight, &IconListView::entryActivated, this, [this] { lvRightDblClick(); });
  connect(lvRight, &IconListView::deletePressed, this, [this] {
    const int row = lvRight->selectedRow();
    if (row >= 0) {
      btnDeleteDragDrop(DraggedEntry{lvRight->objectName(), rightList->key(row), rightList->caption(row)});
    }
  });
  // For people who do not drag: double-click or Enter on a catalogue entry
  // does what dropping it on the right list does.
  connect(lvLeft, &IconListView::entryActivated, this, [this] {
    const int row = lvLeft->selectedRow();
    if (row >= 0) lvRightDragDrop(DraggedEntry{lvLeft->objectName(), leftList->key(row), leftList->caption(row)});
  });
}

void TfraSetupListPage::watchDeleteButton(ImageButton* button) {
  button->setAcceptDrops(true);
  button->installEventFilter(this);
  connect(button, &QAbstractButton::clicked, this, [this, button] { btnDeleteClick(button); });
}

void TfraSetupListPage::btnDeleteClick(ImageButton* clicked) {
  ctx.prompter.message(MessageKind::Information, clicked->toolTip());
}

int TfraSetupListPage::rowOfDropped(const DraggedEntry& entry) const {
  const int row = rightList->rowOfKey(entry.key);
  return row >= 0 ? row : lvRight->selectedRow();
}

bool TfraSetupListPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lvRight->parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
    RegionFromBitmap();
  }
  if (watched == btnTrash || watched == btnDelete) {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        // Only entries of the right list may be dropped on the recycle bin.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        DraggedEntry entry;
        if (readDraggedEntry(drag->mimeData(), &entry) && entry.sourceList == lvRight->objectName()) {
          drag->setDropAction(Qt::MoveAction);
          drag->accept();
        } else {
          drag->ignore();
        }
        return true;
      }
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        DraggedEntry entry;
        if (readDraggedEntry(drop->mimeData(), &entry) && entry.sourceList == lvRight->objectName()) {
          drop->setDropAction(Qt::MoveAction);
          drop->accept();
          btnDeleteDragDrop(entry);
        } else {
          drop->ignore();
        }
        return true;
      }
      default:
        break;
    }
  }
  return TfraBasFrame::eventFilter(watched, event);
}

void TfraSetupListPage::RegionFromBitmap() {
  const QPixmap picture = imgdrop->pixmap();
  const QRegion region = pk::RegionFromBitmap(picture.toImage());
  if (!region.isEmpty()) imgdrop->setMask(region);
  // Over the lower part of the right list, where its first entries are not.
  const QWidget* panel = lvRight->parentWidget();
  const QPoint topLeft = panel->mapTo(content(), QPoint(0, 0));
  imgdrop->move(topLeft.x() + (panel->width() - imgdrop->width()) / 2,
                topLeft.y() + qMax(40, panel->height() - imgdrop->height() - 24));
  imgdrop->raise();
}

void TfraSetupListPage::FrameResize() {
  TfraBasFrame::FrameResize();
  RegionFromBitmap();
}

void TfraSetupListPage::refreshEntryPicture(int row, const QString& icon) {
  const QString file = ctx.folder.imageFile(icon);
  if (rightList->picture(row) > 0) {
    if (ReplaceIconInList(rightList->images(), file, rightList->picture(row))) rightList->picturesChanged();
  } else if (AddIconToList(rightList->images(), file)) {
    rightList->setPicture(row, rightList->images().count() - 1);
  }
}

}  // namespace pk
