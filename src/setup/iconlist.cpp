#include "setup/iconlist.h"

#include <QDataStream>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <optional>

#include "app/art.h"
#include "core/prompter.h"
#include "core/store/catalogue.h"
#include "core/store/tdmdata.h"

namespace pk {

namespace {

const QString kEntryMime = QStringLiteral("application/x-pursekeep-list-entry");

QPixmap stretched(const QImage& image) {
  // The whole picture drawn into the whole 48 by 48 bitmap: no aspect kept.
  QImage out(ImageList::kSize, ImageList::kSize, QImage::Format_ARGB32_Premultiplied);
  out.fill(Qt::transparent);
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(0, 0, ImageList::kSize, ImageList::kSize), image);
  p.end();
  return QPixmap::fromImage(out);
}

// The picture of a file; nothing for a missing file; PictureError for a file
// that is not a picture.
std::optional<QPixmap> loadPicture(const QString& file) {
  const QFileInfo info(file);
  if (file.isEmpty() || !info.isFile()) return std::nullopt;
  QImageReader reader(file);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  if (image.isNull()) {
    throw PictureError(QStringLiteral("The picture %1 cannot be shown: %2.")
                           .arg(QDir::toNativeSeparators(info.absoluteFilePath()), reader.errorString()));
  }
  return stretched(image);
}

bool fill(IconListModel& list, const QString& imagesDir, TdmData& data, const QList<CatalogueEntry>& entries) {
  list.clear();
  list.images().clearExceptFirst();
  list.picturesChanged();
  for (const CatalogueEntry& e : entries) {
    const int row = list.addEntry(e.caption, e.key);
    try {
      if (!e.icon.isEmpty() && AddIconToList(list.images(), imagesDir + e.icon)) {
        list.setPicture(row, list.images().count() - 1);
      }
    } catch (const PictureError& error) {
      data.prompter().message(MessageKind::Error, error.text());
      return false;
    }
  }
  return true;
}

}  // namespace

// ---- ImageList ----

ImageList::ImageList() {
  QPixmap first = artPixmap(QStringLiteral("default_icon.png"), QSize(kSize, kSize));
  if (first.size() != QSize(kSize, kSize)) first = stretched(first.toImage());
  pictures_.append(first);
}

const QPixmap& ImageList::at(int n) const {
  if (n < 0 || n >= pictures_.size()) return pictures_.first();
  return pictures_[n];
}

void ImageList::replace(int n, const QPixmap& picture) {
  if (n >= 0 && n < pictures_.size()) pictures_[n] = picture;
}

bool AddIconToList(ImageList& images, const QString& file) {
  const std::optional<QPixmap> picture = loadPicture(file);
  if (!picture) return false;
  images.append(*picture);
  return true;
}

bool ReplaceIconInList(ImageList& images, const QString& file, int n) {
  const std::optional<QPixmap> picture = loadPicture(file);
  if (!picture || n < 0 || n >= images.count()) return false;
  images.replace(n, *picture);
  return true;
}

bool FillListFromDefaults(IconListModel& list, const QString& imagesDir, TdmData& data, const QString& type) {
  return fill(list, imagesDir, data, DefaultsEntries(data, type));
}

bool FillListFromQuery(IconListModel& list, const QString& imagesDir, TdmData& data, const QString& sql) {
  return fill(list, imagesDir, data, QueryEntries(data, sql));
}

QRegion RegionFromBitmap(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) return {};
  const QRgb background = image.pixel(0, 0);
  QVector<QRect> runs;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int x = 0;
    while (x < image.width()) {
      while (x < image.width() && line[x] == background) ++x;
      const int start = x;
      while (x < image.width() && line[x] != background) ++x;
      if (x > start) runs.append(QRect(start, y, x - start, 1));
    }
  }
  QRegion region;
  region.setRects(runs.constData(), int(runs.size()));
  return region;
}

// ---- mime data of a dragged entry ----

QMimeData* makeEntryMime(const DraggedEntry& entry) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out << entry.sourceList << qint32(entry.key) << entry.caption;
  auto* mime = new QMimeData;
  mime->setData(kEntryMime, bytes);
  return mime;
}

bool readDraggedEntry(const QMimeData* mime, DraggedEntry* out) {
  if (!mime || !mime->hasFormat(kEntryMime)) return false;
  QDataStream in(mime->data(kEntryMime));
  qint32 key = 0;
  DraggedEntry e;
  in >> e.sourceList >> key >> e.caption;
  if (in.status() != QDataStream::Ok) return false;
  e.key = key;
  if (out) *out = e;
  return true;
}

// ---- IconListModel ----

IconListModel::IconListModel(QObject* parent) : QAbstractListModel(parent) {}

void IconListModel::clear() {
  beginResetModel();
  entries_.clear();
  endResetModel();
}

int IconListModel::addEntry(const QString& caption, int key) {
  const int row = int(entries_.size());
  beginInsertRows(QModelIndex(), row, row);
  entries_.append(Entry{caption, key, 0});
  endInsertRows();
  return row;
}

void IconListModel::removeEntry(int row) {
  if (row < 0 || row >= entries_.size()) return;
  beginRemoveRows(QModelIndex(), row, row);
  entries_.remove(row);
  endRemoveRows();
}

void IconListModel::setCaption(int row, const QString& caption) {
  if (row < 0 || row >= entries_.size()) return;
  entries_[row].caption = caption;
  emit dataChanged(index(row), index(row));
}

void IconListModel::setPicture(int row, int picture) {
  if (row < 0 || row >= entries_.size()) return;
  entries_[row].picture = picture;
  emit dataChanged(index(row), index(row));
}

int IconListModel::rowOfKey(int key) const {
  for (int i = 0; i < entries_.size(); ++i) {
    if (entries_[i].key == key) return i;
  }
  return -1;
}

void IconListModel::picturesChanged() {
  if (!entries_.isEmpty()) emit dataChanged(index(0), index(int(entries_.size()) - 1), {Qt::DecorationRole});
}

int IconListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(entries_.size());
}

QVariant IconListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= entries_.size()) return {};
  const Entry& e = entries_[index.row()];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return e.caption;
    case Qt::DecorationRole: return images_.at(e.picture);
    case KeyRole: return e.key;
    case PictureRole: return e.picture;
    default: return {};
  }
}

Qt::ItemFlags IconListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

// ---- IconListView ----

namespace {

// Draws an entry as its picture with its caption centred below in up to two lines.
class IconEntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  static constexpr int kWidth = 96;

  static int lineHeight(const QStyleOptionViewItem& option) { return option.fontMetrics.height(); }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(kWidth, 4 + ImageList::kSize + 4 + 2 * lineHeight(option) + 4);
  }

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect r = option.rect.adjusted(2, 1, -2, -1);
    if (option.state & QStyle::State_Selected) {
      p->setPen(QColor(166, 190, 78));
      p->setBrush(QColor(236, 243, 214));
      p->drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
    const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
    const QRect iconRect(r.x() + (r.width() - ImageList::kSize) / 2, r.y() + 3, ImageList::kSize, ImageList::kSize);
    p->drawPixmap(iconRect, picture);
    const QRect textRect(r.x() + 2, iconRect.bottom() + 4, r.width() - 4, 2 * lineHeight(option));
    p->setPen(option.palette.color(QPalette::Text));
    p->setFont(option.font);
    p->setClipRect(textRect);
    p->drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, index.data(Qt::DisplayRole).toString());
    p->restore();
  }
};

}  // namespace

IconListView::IconListView(QWidget* parent) : QListView(parent) {
  setViewMode(QListView::IconMode);
  setIconSize(QSize(ImageList::kSize, ImageList::kSize));
  setItemDelegate(new IconEntryDelegate(this));
  const int line = fontMetrics().height();
  setGridSize(QSize(IconEntryDelegate::kWidth + 8, 4 + ImageList::kSize + 4 + 2 * line + 12));
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setWrapping(true);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(true);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDropIndicatorShown(false);
  setDragDropMode(QAbstractItemView::DragDrop);
  setFrameShape(QFrame::NoFrame);
  setViewportMargins(6, 6, 6, 6);
}

IconListModel* IconListView::iconModel() const { return qobject_cast<IconListModel*>(model()); }

int IconListView::selectedRow() const {
  if (!selectionModel()) return -1;
  const QModelIndexList rows = selectionModel()->selectedIndexes();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void IconListView::selectRow(int row) {
  if (!model()) return;
  const QModelIndex i = model()->index(row, 0);
  if (!i.isValid()) {
    clearSelection();
    return;
  }
  setCurrentIndex(i);
  selectionModel()->select(i, QItemSelectionModel::ClearAndSelect);
}

void IconListView::startDrag(Qt::DropActions) {
  IconListModel* m = iconModel();
  const int row = selectedRow();
  if (!m || row < 0) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(makeEntryMime(DraggedEntry{objectName(), m->key(row), m->caption(row)}));
  drag->setPixmap(m->images().at(m->picture(row)));
  drag->setHotSpot(QPoint(ImageList::kSize / 2, ImageList::kSize / 2));
  drag->exec(Qt::CopyAction);
}

void IconListView::dragEnterEvent(QDragEnterEvent* event) {
  if (readDraggedEntry(event->mimeData(), nullptr)) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void IconListView::dragMoveEvent(QDragMoveEvent* event) {
  if (readDraggedEntry(event->mimeData(), nullptr)) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void IconListView::dropEvent(QDropEvent* event) {
  DraggedEntry entry;
  if (!readDraggedEntry(event->mimeData(), &entry)) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit entryDropped(entry);
}

void IconListView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    const QModelIndex i = indexAt(event->position().toPoint());
    if (i.isValid()) selectRow(i.row());
    emit rightClicked();
    return;
  }
  QListView::mousePressEvent(event);
}

void IconListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()) emit entryActivated();
}

void IconListView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (selectedRow() >= 0) emit entryActivated();
      return;
    case Qt::Key_Delete:
      if (selectedRow() >= 0) emit deletePressed();
      return;
    default:
      QListView::keyPressEvent(event);
  }
}

}  // namespace pk
